// Deductions: housing (ИмущНалВычНов), property sales (ИмущНалВычПр), standard and
// social (ВычСтандСоц), pension contributions and investment (ВычСоцИнв219), and
// professional (ПрофНалВыч).
#include <initializer_list>
#include <stdexcept>
#include <tuple>

#include "export/ndfl3_parts.h"
#include "model/construction_deduct.h"

namespace kvz::ndfl3 {

namespace {

std::string ObjectKindText(int32_t code) { return IntegerText(code == 8 ? 4 : code); }
std::string OwnershipText(int32_t kind) { return IntegerText(kind > 4 ? 3 : kind); }

std::string TaxpayerSignText(int32_t sign) {
    switch (sign) {
    case 2: return "02";
    case 3: return "03";
    case 4: return "13";
    case 5: return "23";
    default: return "01";  // the owner: also for a sign the dialog never gives
    }
}

void WriteObjectAddress(const XmlElement& object, const mTConstructionDeductObj& o) {
    SetRussianAddress(object.Add("АдрОбъект"), o, o.RegionCode);
}

void WriteObject(const XmlElement& calculation, const mTConstructionDeductObj& o, Money expensesTaken) {
    const XmlElement e = calculation.Add("СвОбъектРасх");
    e.Set("КодНаимОб", ObjectKindText(o.ObjectNameCode));
    e.Set("ВидСобствОб", OwnershipText(o.OwnershipKind));
    e.Set("ПризнакНП", TaxpayerSignText(o.TaxpayerSign));
    e.Set("ВычЗаяв220.10", o.Pensioner ? "1" : "0");
    // Only the object's own dates, and only given ones: day 0 would read 30.12.1899.
    const ObjectDatesNeeded needed = DatesNeeded(o);
    for (auto [name, wanted, date] : {std::tuple{"ДатаАкт", needed.transferAct, o.TransferActDate},
                                      std::tuple{"ДатаРегЖил", needed.rightReg, o.RightRegDate},
                                      std::tuple{"ДатаРегЗем", needed.landReg, o.LandRegDate},
                                      std::tuple{"ДатаЗаявВыч", needed.application, o.ApplicationDate}})
        if (wanted && date != 0) e.Set(name, ExportDateText(date));
    if (o.ShareNumerator > 0 && o.ShareDenominator > 0)
        e.Set("ДолСобств", IntegerText(o.ShareNumerator) + "/" + IntegerText(o.ShareDenominator));
    e.Set("ГодНачИспВыч", YearText(o.FirstUseYear));
    SetKopecks(e, "СумРасхФакт", expensesTaken);
    SetKopecks(e, "СумФактУплПроц", o.CreditInterest);
    WriteObjectAddress(e, o);
}

void WriteSalePair(const XmlElement& parent, const char* name, const char* second, Money income, Money amount) {
    const XmlElement e = parent.Add(name);
    SetKopecks(e, "ДохВсехИст", income);
    SetKopecks(e, second, amount);
}

// An income sold and what it takes off; written when `when` is positive.
struct SalePair {
    const char* name;
    const char* second;
    Money income;
    Money amount;
    Money when;
};

// The group of sale pairs, when `shown` is positive.
void WriteSaleGroup(const XmlElement& parent, const char* group, Money shown, std::initializer_list<SalePair> pairs) {
    if (shown <= Money()) return;
    const XmlElement e = parent.Add(group);
    for (const SalePair& p : pairs)
        if (p.when > Money()) WriteSalePair(e, p.name, p.second, p.income, p.amount);
}

void WriteProfessionalPair(const XmlElement& parent, const char* name, const char* incomeName, Money income,
                           Money expense) {
    if (expense <= Money()) return;
    const XmlElement e = parent.Add(name);
    SetKopecks(e, incomeName, income);
    SetKopecks(e, "СумРасхВыч", expense);
}

void WriteProfessional(const XmlElement& ndfl3, const char* sourceSign, const kTSvodSumProfDeductions& g) {
    if (g.ExpenseTotal <= Money()) return;
    const XmlElement e = ndfl3.Add("ПрофНалВыч");
    e.Set("ПрИст", sourceSign);
    SetKopecks(e, "РасходОбщИт", g.ExpenseTotal);
    WriteProfessionalPair(e, "РасхФактДогГПХ", "СумДохДогГПХ", g.ContractIncome, g.ContractExpense);
    WriteProfessionalPair(e, "РасхФактАвтВозн", "СумАвторВозн", g.AuthorActualIncome, g.AuthorActualExpense);
    WriteProfessionalPair(e, "РасхНормАвтВозн", "СумАвторВозн", g.AuthorNormIncome, g.AuthorNormExpense);
    WriteProfessionalPair(e, "РасхФактУстКап", "СумДохУстКап", g.ShareCapitalIncome, g.ShareCapitalExpense);
    WriteProfessionalPair(e, "РасхФактПрдчСр", "СумДохПрдчСр", g.EarlyRedemptionIncome, g.EarlyRedemptionExpense);
    WriteProfessionalPair(e, "РасхФактУмДолУКО", "СумДохУмДолУКО", g.ReducedShareIncome, g.ReducedShareExpense);
    WriteProfessionalPair(e, "РасхФактДолСтр", "СумДохУстПрав", g.SharedBuildingIncome, g.SharedBuildingExpense);
}

void WriteStandard(const XmlElement& parent, bool granted, const kTSvodSumPrilE1& e1) {
    const XmlElement e = parent.Add("РасчВычСтанд");
    if (granted) {
        SetKopecksIfPositive(e, {{"ВычСт218.1.1", e1.Deduction3000}, {"ВычСт218.1.2", e1.Deduction500}});
        e.Set("КолМесНеПрев", IntegerText(e1.MonthsUnder280000));
        SetKopecksIfPositive(e, {{"ВычСтРеб", e1.ChildDeduction},
                                 {"ВычСтРебЕд", e1.ChildDeductionDouble},
                                 {"ВычСтРебИнв", e1.DisabledChildDeduction},
                                 {"ВычСтРебИнвЕд", e1.DisabledChildDeductionDouble}});
        SetKopecks(e, "ОбщВычСтанд", e1.StandardTotal);
    } else {
        e.Set("ОбщВычСтанд", "0");
    }
}

void WriteSocial(const XmlElement& parent, const kTSvodSumPrilE2& e2) {
    if (e2.UnlimitedTotal > Money()) {
        const XmlElement e = parent.Add("РасчВычСоцБез219.2");
        SetKopecksIfPositive(
            e, {{"СумБлагЦел", e2.Charity}, {"СумОбуч", e2.ChildEducation}, {"СумЛечен", e2.ExpensiveTreatment}});
        SetKopecks(e, "ИтогВычСоциал", e2.UnlimitedTotal);
    }
    if (e2.SocialTotal + e2.SocialByAgent > Money()) {
        const XmlElement e = parent.Add("РасчВычСоц219.2");
        SetKopecksIfPositive(e, {{"СумОбуч", e2.Education},
                                 {"СумЛечен", e2.Treatment},
                                 {"СумЛичСтрах", e2.PersonalInsurance},
                                 {"СумПенсСтрах", e2.PensionInsurance},
                                 {"ОбщСумРасх", e2.LimitedTotal},
                                 {"ОбщСНВОтчПерНА", e2.SocialByAgent}});
        SetKopecks(e, "ОбщВычСоциал", e2.SocialTotal);
    }
}

void WriteContract(const XmlElement& parent, const mbTPens& contract) {
    const XmlElement e = parent.Add("СведДогНПО");
    e.Set("ВидДоговор", IntegerText(contract.ContractKind));
    e.Set("ДатаДогНПО", ExportDateText(contract.ContractDate));
    e.Set("НомДогНПО", contract.ContractNumber);
    const XmlElement fund = e.Add("СведИст");
    fund.Set("Наим", contract.OrgName);
    fund.Set("ИННЮЛ", contract.OrgInn);
    fund.Set("КПП", contract.OrgKpp);
}

}  // namespace

void WriteHousingDeduction(const XmlElement& ndfl3, const mTDeclaration& d, const kTSvodSum& sum) {
    const mTConstructionDeduct& c = d.Construction;
    if (!c.Granted || d.DeclarationKind != kDecl3Ndfl || c.ObjectCount() == 0 || d.IncomeKinds == 0) return;
    const kTSvodSumPrilZ& z = sum.PrilZ;
    const XmlElement calculation = ndfl3.Add("ИмущНалВычНов").Add("РасчИмущВыч");
    SetKopecks(calculation, {{"ВычНовЗачПред", z.TakenBefore},
                             {"ВычПроцЗачПред", z.InterestTakenBefore},
                             {"ОстВычПршПред", z.CarriedFromLastYear},
                             {"ПроцПршПред", z.InterestCarriedFromLastYear},
                             {"ВычНАУвед", z.NewDeductionByNotice},
                             {"ПроцНАУвед", z.InterestByNotice},
                             {"НалБаз13БезВыч", z.IncomeBeforeDeduction},
                             {"РасхНовВычНД", z.NewDeductionThisReturn},
                             {"ПроцВычНД", z.InterestThisReturn},
                             {"ОстИВБезПроц", z.RemainingNew},
                             {"ОстИВУплПроц", z.RemainingInterest}});
    // The calculation spreads the capped expenses over the objects, one amount each.
    if (z.ObjectExpensesTaken.size() != static_cast<std::size_t>(c.ObjectCount()))
        throw std::logic_error("расчет имущественного вычета не дал расходов по каждому объекту");
    for (int i = 0; i < c.ObjectCount(); ++i)
        WriteObject(calculation, c.Object(i), z.ObjectExpensesTaken[static_cast<std::size_t>(i)]);
}

void WritePropertySaleDeduction(const XmlElement& ndfl3, const kTSvodSum& sum) {
    const kTSvodSumPrilH1& h = sum.PrilH1;
    if (h.DeductionTotal <= Money()) return;
    const XmlElement e = ndfl3.Add("ИмущНалВычПр");
    SetKopecks(e, "ВычетОбщ", h.DeductionTotal);
    WriteSaleGroup(e, "ВычЖилИмущ", h.HousingSaleDeduction + h.ShareSaleDeduction + h.HousingExpenses,
                   {{"СумИмущ", "НалВычет", h.HousingSaleIncome, h.HousingSaleDeduction, h.HousingSaleDeduction},
                    {"СумДолИмущ", "НалВычет", h.ShareSaleIncome, h.ShareSaleDeduction, h.ShareSaleDeduction},
                    {"СумИмущДок", "РасхДок", h.HousingByExpensesIncome, h.HousingExpenses, h.HousingExpenses}});
    WriteSaleGroup(
        e, "ВычИноеИмущ", h.RealEstateDeduction + h.RealEstateExpenses + h.PropertyDeduction + h.PropertyExpenses,
        {{"СумИнНедИмущ", "НалВычет", h.RealEstateIncome, h.RealEstateDeduction, h.RealEstateIncome},
         {"СумИнНедИмущДок", "РасхДок", h.RealEstateByExpensesIncome, h.RealEstateExpenses, h.RealEstateExpenses},
         {"СумИнИмущ", "НалВычет", h.PropertyIncome, h.PropertyDeduction, h.PropertyIncome},
         {"СумИнИмущДок", "РасхДок", h.PropertyByExpensesIncome, h.PropertyExpenses, h.PropertyExpenses}});
    if (h.SeizedDeduction > Money())
        WriteSalePair(e.Add("ВычИзтИмущ"), "СумИзтИмущ", "НалВычет", h.SeizedIncome, h.SeizedDeduction);
}

void WriteStandardSocialDeductions(const XmlElement& ndfl3, const mTDeclaration& d, const kTSvodSum& sum) {
    if (d.DeclarationKind != kDecl3Ndfl || d.IncomeKinds == 0 || !(d.Standard.Granted || d.Social.Granted)) return;
    const XmlElement e = ndfl3.Add("ВычСтандСоц");
    SetKopecks(e, "ВычСтандСоц", sum.PrilE1.StandardTotal + sum.PrilE2.SocialTotal);
    WriteStandard(e, d.Standard.Granted, sum.PrilE1);
    if (d.Social.Granted) WriteSocial(e, sum.PrilE2);
}

void WritePensionInvestmentDeductions(const XmlElement& ndfl3, const kTSvodSum& sum) {
    const kTSvodSumPrilE3& e3 = sum.PrilE3;
    const bool investment = e3.InvestmentDeduction + e3.InvestmentRestored > Money();
    if (e3.Contracts.empty() && e3.ExtraContracts.empty() && !investment) return;
    const XmlElement e = ndfl3.Add("ВычСоцИнв219");
    const XmlElement pension = e.Add("РасчПенсВзнос");
    SetKopecks(pension, "ОбщВзносВыч", e3.ContributionsTotal);
    if (!e3.Contracts.empty()) {
        const XmlElement contracts = pension.Add("РасчПСВВыч");
        SetKopecks(contracts, {{"СумВзносУпл", e3.ContributionsPaid}, {"СумВзносВыч", e3.ContributionsDeductible}});
        for (const mbTPens& contract : e3.Contracts) WriteContract(contracts, contract);
    }
    if (!e3.ExtraContracts.empty()) {
        SetKopecks(pension.Add("РасчДопСВВыч"), {{"СумВзносУпл", e3.ExtraContributionsPaid},
                                                 {"СумВзносВыч", e3.ExtraContributionsDeductible}});
    }
    if (investment) {
        SetKopecks(e.Add("РасчИнвВыч"),
                   {{"СумИнвВыч219", e3.InvestmentDeduction}, {"ИнвВычПредВосст", e3.InvestmentRestored}});
    }
}

void WriteProfessionalDeductions(const XmlElement& ndfl3, const kTSvodSum& sum) {
    WriteProfessional(ndfl3, "1", sum.PrilG);
    WriteProfessional(ndfl3, "2", sum.PrilG_In);
}

}  // namespace kvz::ndfl3
