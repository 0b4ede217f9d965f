#include "export/full_resident.h"

#include "export/export_fixtures.h"
#include "support/calc_fixtures.h"

namespace kvz::test {

namespace {

void SetNames(mTSourseIncomeInfo& s, const char* name, const char* inn, const char* kpp, const char* oktmo,
              const char* kindCode) {
    s.SourceName = name;
    s.Inn = inn;
    s.Kpp = kpp;
    s.Oktmo = oktmo;
    s.IncomeKindCode = kindCode;
}

void FillTaxpayer(mTDeclaration& d) {
    d.InspectionCode = "0701";
    d.CorrectionNumber = 2;
    d.ConfirmedBy = 1;
    d.RepresentativeName = "  петров  пётр петрович ";
    d.RepresentativeDocument = "Доверенность № 12 от 11.01.2016";
    d.RepresentativeOrganization = "ООО Консультант";
    d.TaxpayerKind = 0;
    mTPersonInformation& p = d.Person;
    p.Surname = "Иванова";
    p.FirstName = "Мария";
    p.Patronymic = "Сергеевна";
    p.PersonInn = "500100732259";
    p.DocTypeCode = 21;
    p.DocSeriesNumber = "46 01 654321";
    p.DocIssueDate = EncodeDate(2001, 2, 3);
    p.BirthDate = EncodeDate(1980, 5, 6);
    p.DocIssuedBy = "ТП УФМС России в г. Нальчике";
    p.BirthPlace = "с. Ёлкино";
    p.CitizenshipCode = "";
    p.HomePhone = " 8 866 2123456 ";
    p.AddressIsStay = true;
    p.PostIndex = "360000";
    p.RegionCode = 7;
    p.City = "Нальчик";
    p.Street = "ул. Кабардинская";
    p.House = "5";
    p.Flat = "12";
    p.ResidenceOktmo = "83701000";
}

void FillSources(mTDeclaration& d) {
    SetNames(AddNine(d, Rub(10000), {Rub(10000), Rub(900), Rub(900), ""}), "ПАО Сбербанк", "7707083893",
             "773601001", "45000000", "09");
    SetNames(AddThirteen(d, {Line(2000, Rub(600000))}, {Rub(600000), Rub(78000), Rub(78000), ""}),
             "ООО \"Ромашка\" & сыновья", "7724261610", "772401001", "45915000", "06");
    SetNames(AddThirteen(d, {Line(1400, Rub(50000))}, {Rub(50000), Rub(6500), Money(), ""}), "Smith John", "", "",
             "", "04");
    SetNames(AddDividend(d, Rub(20000), {Rub(20000), Rub(2600), Rub(2600), ""}), "АО Дивиденд", "7702070139",
             "770201001", "45380000", "08");
    SetNames(AddPartnership(d, {PartnershipLine(1, Rub(50000), Rub(10000))}, {Rub(40000), Rub(5200), Money(), ""}),
             "Инвестиционное товарищество «Рост»", "7724012349", "772401001", "45915000", "03");
    mTThirtyFivePercent& prize = AddThirtyFive(d, 2740, Rub(10000), Rub(2100));
    SetNames(prize, "ООО Лото", "7715012342", "771501001", "45000000", "09");
    prize.TaxableAmount = Rub(6000);
    prize.TaxComputed = Rub(2100);
    SetNames(AddThirtyFive(d, 2620, Money(), Rub(350)), "Банк", "7707083893", "773601001", "45000000", "");
}

void FillBusiness(mTDeclaration& d) {
    mTBusinessNew& shop = AddBusiness(d, Rub(300000), Rub(100000), true);
    shop.ActivityKind = "1";
    shop.ActivityCode = "62.01";
    shop.ExpenseItems[kExpenseMaterial] = Rub(40000);
    shop.ExpenseItems[kExpenseLabour] = Rub(50000);
    shop.ExpenseItems[kExpenseLabourContracts] = Rub(20000);
    shop.ExpenseItems[kExpenseOther] = Rub(10000);
    mTBusinessNew& lawyer = AddBusiness(d, Rub(100000), Rub(30000), true);
    lawyer.ActivityKind = "3";
    lawyer.ActivityCode = "..";
    lawyer.ExpenseItems[kExpenseOther] = Rub(30000);
    d.IsFarmHead = true;
    d.FarmStartDate = EncodeDate(2012, 1, 1);
    d.FarmExemptIncome = Rub("15000.50");
    d.CorrectedIncome = Rub(250000);
    d.CorrectedExpense = Rub(32500);
    d.MonthsWorked = 7;
}

void FillDeductions(mTDeclaration& d) {
    d.Standard.Granted = true;
    d.Social.Granted = true;
    mTConstructionDeduct& c = d.Construction;
    c.Granted = true;
    mTConstructionDeductObj house;
    house.ObjectNameCode = 8;
    house.OwnershipKind = 1;
    house.TaxpayerSign = 2;
    house.Pensioner = true;
    house.RightRegDate = EncodeDate(2014, 7, 15);
    house.LandRegDate = EncodeDate(2014, 6, 1);
    house.ApplicationDate = EncodeDate(2016, 2, 1);
    house.FirstUseYear = EncodeDate(2015, 1, 1);
    house.ShareNumerator = 1;
    house.ShareDenominator = 2;
    house.ObjectCost = Rub(1500000);
    house.CreditInterest = Rub("120000.50");
    house.RegionCode = "7";
    house.City = "Нальчик";
    house.Street = "ул. Мира";
    house.House = "1";
    c.ObjectAdd(house);
    mTConstructionDeductObj flat;
    flat.ObjectNameCode = 2;
    flat.OwnershipKind = 3;
    flat.TaxpayerSign = 5;
    flat.ByInvestment = true;
    flat.TransferActDate = EncodeDate(2015, 3, 20);
    flat.RightRegDate = EncodeDate(2015, 5, 5);
    flat.ApplicationDate = EncodeDate(2016, 2, 10);
    flat.FirstUseYear = EncodeDate(2015, 1, 1);
    flat.ObjectCost = Rub(800000);
    flat.PostIndex = "360001";
    flat.RegionCode = "07";
    flat.District = "Чегемский р-н";
    flat.Locality = "пос. Звёздный";
    flat.Street = "ул. Лесная";
    flat.House = "10";
    flat.Building = "2";
    flat.Flat = "3";
    c.ObjectAdd(flat);
    d.CB.SecuritiesLoss[0] = Rub(5000);  // 2014
    d.CB.SecuritiesLoss[1] = Rub(700);   // 2005
    d.CB.FissLoss[3] = Rub(1200);        // 2007
}

DohodCur ForeignItem(const char* country, const char* currency, const char* source, DateTime date,
                     const char* rate, const char* inCurrency, Money rub, Money computedHere, const char* kind) {
    DohodCur item;
    item.CountryCode = country;
    item.CurrencyCode = currency;
    item.SourceName = source;
    item.IncomeDate = date;
    item.IncomeRateText = rate;
    item.IncomeInCurrencyText = inCurrency;
    item.IncomeRub = rub;
    item.TaxComputedHere = computedHere;
    item.IncomeKind = kind;
    return item;
}

void FillTaxRecords(kTSvodSum& sum) {
    kTSvodSumList1& l1 = sum.List1;
    l1.IncomeTotal = Rub(1010000);
    l1.NonTaxableIncome = Rub(74000);
    l1.TaxableIncome = Rub(936000);
    l1.Deductions = Rub(400000);
    l1.ExpensesReducingIncome = Rub(15000);
    l1.DividendCfcIncome = Rub(20000);
    l1.TaxBase = Rub(541000);
    l1.TaxComputed = Rub(70330);
    l1.TaxWithheld = Rub(80600);
    l1.AdvancePaid = Rub(12000);
    l1.FixedAdvanceCredited = Rub(3000);
    l1.ForeignTaxCredited = Rub(2600);
    l1.RefundDue = Rub(25270);
    kTSvodSumList3& l3 = sum.List3;
    l3.Rate = "35";
    l3.IncomeTotal = Rub(10000);
    l3.NonTaxableIncome = Rub(4000);
    l3.TaxableIncome = Rub(6000);
    l3.TaxBase = Rub(6000);
    l3.TaxComputed = Rub(2100);
    l3.TaxWithheld = Rub(2100);
    l3.TaxWithheldMaterialBenefit = Rub(350);
    l3.RefundDue = Rub(350);
    kTSvodSumList4& l4 = sum.List4;
    l4.Rate = "09";
    l4.IncomeTotal = l4.TaxableIncome = l4.TaxBase = Rub(15000);
    l4.TaxComputed = Rub(1350);
    l4.TaxWithheld = Rub(900);
    l4.TaxAfterCredits = l4.TaxDue = Rub(450);
    sum.List6.Lines = {{kKbkWithheldRefund, "45915000", kRefund, Rub(25270)},
                       {kKbkOther, "83701000", kPay, Rub(450)},
                       {kKbkWithheldRefund, "45000000", kRefund, Rub(350)}};
    sum.PrilA35.IncomeTotal = Rub(10000);
}

void FillForeignAndBusinessRecords(kTSvodSum& sum) {
    sum.PrilB9.OtherIncome = Rub(5000);
    sum.PrilB9.Items = {ForeignItem("840", "840", "Bank of America", EncodeDate(2015, 6, 30), "55.5240", "90.05",
                                    Rub(5000), Rub(450), "2")};
    DohodCur euro = ForeignItem("4", "978", "Deutsche Bank", EncodeDate(2015, 9, 1), "74,1234", "269,82",
                                Rub(20000), Rub(2600), "2");
    euro.TaxPaymentDate = EncodeDate(2015, 9, 2);
    euro.TaxRateText = "74.1234";
    euro.TaxInCurrencyText = "40.47";
    euro.ForeignTaxRub = Rub(3000);
    euro.TaxCredited = Rub(2600);
    sum.PrilB13.OtherIncome = Rub(20000);
    sum.PrilB13.CfcProfit = Rub(10000);
    sum.PrilB13.Items = {euro, ForeignItem("196", "978", "Cyprus Ltd", EncodeDate(2015, 12, 31), "79.6395",
                                           "125.57", Rub(10000), Rub(1300), "1")};
    kTSvodSumPrilV1& v = sum.PrilV1;
    v.IncomeTotal = Rub(400000);
    v.ProfessionalDeduction = Rub(130000);
    v.AdvancePaid = Rub(12000);
    v.AdvanceAssessed = Rub(15000);
}

void FillExemptAndDeductionRecords(kTSvodSum& sum) {
    kTSvodSumPrilM& m = sum.PrilM;
    m.BirthAidIncome = m.BirthAidExempt = Rub(50000);
    m.WorkAidIncome = Rub(6000);
    m.WorkAidExempt = Rub(4000);
    m.GiftIncome = Rub(10000);
    m.GiftExempt = Rub(4000);
    m.PrizeIncome = Rub(5000);
    m.PrizeExempt = Rub(4000);
    m.MedicineIncome = m.MedicineExempt = Rub(3000);
    m.FarmPayIncome = m.FarmPayExempt = Rub(9000);
    m.ExemptTotal = Rub(74000);
    m.AdPrizeIncome = Rub(10000);
    m.ExemptPrizes = Rub(4000);

    kTSvodSumPrilZ& z = sum.PrilZ;
    z.TakenBefore = Rub(100000);
    z.InterestTakenBefore = Rub(5000);
    z.CarriedFromLastYear = Rub(300000);
    z.InterestCarriedFromLastYear = Rub(20000);
    z.NewDeductionByNotice = Rub(50000);
    z.IncomeBeforeDeduction = Rub(450000);
    z.NewDeductionThisReturn = Rub(400000);
    z.InterestThisReturn = Rub(50000);
    z.RemainingNew = Rub(1250000);
    z.RemainingInterest = Rub("65000.50");
    z.ObjectExpensesTaken = {Rub(1500000), Rub(500000)};

    kTSvodSumPrilH1& h = sum.PrilH1;
    h.HousingSaleIncome = Rub(1200000);
    h.HousingSaleDeduction = Rub(1000000);
    h.RealEstateIncome = Rub(300000);
    h.RealEstateDeduction = Rub(250000);
    h.PropertyIncome = Rub(200000);
    h.PropertyByExpensesIncome = Rub(150000);
    h.PropertyExpenses = Rub(140000);
    h.SeizedIncome = h.SeizedDeduction = Rub(50000);
    h.DeductionTotal = Rub(1440000);

    kTSvodSumPrilE1& e1 = sum.PrilE1;
    e1.MonthsUnder280000 = 5;
    e1.Deduction500 = Rub(6000);
    e1.ChildDeduction = Rub(7000);
    e1.DisabledChildDeduction = Rub(15000);
    e1.StandardTotal = Rub(28000);
    kTSvodSumPrilE2& e2 = sum.PrilE2;
    e2.Charity = Rub(10000);
    e2.ChildEducation = Rub(50000);
    e2.ExpensiveTreatment = Rub(10000);
    e2.UnlimitedTotal = Rub(70000);
    e2.Education = Rub(60000);
    e2.Treatment = Rub(50000);
    e2.PersonalInsurance = Rub(20000);
    e2.LimitedTotal = Rub(130000);
    e2.SocialByAgent = Rub(5000);
    e2.SocialTotal = Rub(190000);
    kTSvodSumPrilE3& e3 = sum.PrilE3;
    mbTPens fund;
    fund.ContractKind = 1;
    fund.OrgName = "НПФ «Благосостояние»";
    fund.OrgInn = "7707083893";
    fund.OrgKpp = "773601001";
    fund.ContractNumber = "нпф-15/77";
    fund.ContractDate = EncodeDate(2014, 4, 1);
    fund.AmountPaid = fund.AmountDeductible = Rub(24000);
    e3.Contracts = {fund};
    mbTPens extra = fund;
    extra.ContractKind = 4;
    e3.ExtraContracts = {extra};
    e3.ContributionsPaid = e3.ContributionsDeductible = Rub(24000);
    e3.ExtraContributionsPaid = e3.ExtraContributionsDeductible = Rub(12000);
    e3.ContributionsTotal = Rub(36000);
    e3.InvestmentRestored = Rub(1500);

    sum.PrilG.ContractIncome = Rub(100000);
    sum.PrilG.ContractExpense = Rub(20000);
    sum.PrilG.AuthorNormIncome = Rub(50000);
    sum.PrilG.AuthorNormExpense = Rub(10000);
    sum.PrilG.SharedBuildingIncome = sum.PrilG.SharedBuildingExpense = Rub(30000);
    sum.PrilG.ExpenseTotal = Rub(60000);
    sum.PrilG_In.AuthorActualIncome = Rub(40000);
    sum.PrilG_In.AuthorActualExpense = Rub(8000);
    sum.PrilG_In.ExpenseTotal = Rub(8000);
}

void FillSecuritiesRecords(kTSvodSum& sum) {
    kTSvodSumPrilJ& j = sum.PrilJ;
    j.IncomeA = Rub(200000);
    j.ExpensesA = Rub(150000);
    j.InterestA = Rub(1000);
    j.RepoLossA = Rub(500);
    j.LoanLossA = Rub(300);
    j.ReducingA = Rub(151800);
    j.BaseA = Rub(48200);
    j.LossA = Rub(1000);
    j.DerivLossUsedA = Rub(100);
    j.CarriedUsedA = Rub(5000);
    j.TaxableA = Rub(43100);
    j.LossAUsedB = Rub(200);
    j.LossAUsedD = Rub(300);
    j.LossAFuture = Rub(500);
    j.IncomeB = Rub(30000);
    j.ExpensesB = Rub(20000);
    j.TaxableB = Rub(9800);
    j.IncomeC = Rub(40000);
    j.ExpensesC = Rub(30000);
    j.InterestC = Rub(500);
    j.RepoLossC = Rub(100);
    j.LoanLossC = Rub(200);
    j.ReducingC = Rub(30800);
    j.TaxableC = Rub(9200);
    j.IncomeD = Rub(60000);
    j.ExpensesD = Rub(50000);
    j.BaseD = Rub(10000);
    j.LossD = Rub(700);
    j.CarriedUsedD = Rub(1200);
    j.LossEUsedD = Rub(400);
    j.TaxableD = Rub(8400);
    j.LossDUsedE = Rub(100);
    j.LossDUsedA = Rub(200);
    j.LossDFuture = Rub(400);
    j.IncomeE = Rub(15000);
    j.ExpensesE = Rub(12000);
    j.BaseE = Rub(3000);
    j.LossE = Rub(300);
    j.TaxableE = Rub(2600);
    j.LossEFuture = Rub(300);
    j.IncomeF = Rub(8000);
    j.ExpensesF = Rub(5000);
    j.TaxableF = Rub(3000);
    j.RepoIncome = Rub(7000);
    j.RepoExpenses = Rub(8000);
    j.RepoLoss = Rub(1000);
    j.RepoLossTraded = Rub(600);
    j.RepoLossOther = Rub(400);
    j.LoanIncome = Rub(3000);
    j.LoanExpenses = Rub(1000);
    j.LoanTaxable = Rub(2000);
    j.CarriedSecurities = Rub(5700);
    j.CarriedDerivatives = Rub(1200);
    j.BaseSecurities = Rub(60000);
    j.CarriedSecuritiesUsed = Rub(5000);
    j.CarriedDerivativesUsed = Rub(1200);
    j.CarriedSecuritiesLeft = Rub(700);
    j.FutureLossSecurities = Rub(1500);
    j.IncomeTotal = Rub(363000);
    j.TaxableTotal = Rub(90000);
    j.ExpensesTotal = Rub(273000);

    kTSvodSumPrilI& i = sum.PrilI;
    i.Groups[0] = {Rub(50000), Rub(10000), Money(), Money(), Rub(40000), Money()};
    i.Groups[2] = {Rub(5000), Rub(6000), Rub(500), Money(), Money(), Rub(1500)};
    i.ExitIncome = Rub(20000);
    i.Contribution = Rub(25000);
    i.ExitLoss = Rub(5000);
    i.IncomeTotal = Rub(75000);
    i.TaxableTotal = Rub(40000);
    i.ExpensesTotal = Rub(35000);
}

}  // namespace

std::unique_ptr<mTDeclaration> FullResidentDeclaration() {
    auto d = NewDeclaration(kDecl3Ndfl, kIncomeRussian | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov);
    FillTaxpayer(*d);
    FillSources(*d);
    FillBusiness(*d);
    FillDeductions(*d);
    return d;
}

void FillFullResidentRecords(kTSvodSum& sum) {
    FillTaxRecords(sum);
    FillForeignAndBusinessRecords(sum);
    FillExemptAndDeductionRecords(sum);
    FillSecuritiesRecords(sum);
}

}  // namespace kvz::test
