#include "export/random_complete_declaration.h"

#include <array>
#include <string>
#include <utility>

#include "export/export_fixtures.h"
#include "storage/money.h"

namespace kvz::test {

namespace {

int Uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool Chance(std::mt19937& rng, int percent) { return Uniform(rng, 1, 100) <= percent; }

template <class T, std::size_t N>
const T& Pick(std::mt19937& rng, const std::array<T, N>& items) {
    return items[static_cast<std::size_t>(Uniform(rng, 0, static_cast<int>(N) - 1))];
}

// Kopecks allowed: an income or an expense.
Money Amount(std::mt19937& rng, int maxRoubles) {
    return Money::FromRaw(static_cast<int64_t>(Uniform(rng, 1, maxRoubles)) * Money::kScale +
                          (Chance(rng, 50) ? Uniform(rng, 0, 99) * 100 : 0));
}
Money Roubles(std::mt19937& rng, int maxRoubles) { return Money::FromUnits(Uniform(rng, 0, maxRoubles)); }
Money WholeRoubles(Money m) { return Money::FromUnits(m.Raw() / Money::kScale); }

std::string Digits(std::mt19937& rng, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += static_cast<char>('0' + Uniform(rng, i == 0 ? 1 : 0, 9));
    return text;
}

int CheckDigit(const std::string& digits, const std::vector<int>& weights) {
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) sum += (digits[i] - '0') * weights[i];
    return sum % 11 % 10;
}

std::string OrganisationInn(std::mt19937& rng) {
    std::string inn = Digits(rng, 9);
    return inn + static_cast<char>('0' + CheckDigit(inn, {2, 4, 10, 3, 5, 9, 4, 6, 8}));
}

std::string PersonInn(std::mt19937& rng) {
    std::string inn = Digits(rng, 10);
    inn += static_cast<char>('0' + CheckDigit(inn, {7, 2, 4, 10, 3, 5, 9, 4, 6, 8}));
    return inn + static_cast<char>('0' + CheckDigit(inn, {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8}));
}

std::string Oktmo(std::mt19937& rng) { return Digits(rng, Chance(rng, 70) ? 8 : 11); }

DateTime Date2015(std::mt19937& rng) { return EncodeDate(2015, Uniform(rng, 1, 12), Uniform(rng, 1, 28)); }

const std::array<const char*, 6> kNames = {"ООО «Ромашка»", "ПАО \"Банк\"", "ИП Щукин Ё.Ж.",
                                           "Smith & Sons", "АО Вектор-2015", "товарищество № 7"};

// An organisation with ИНН and КПП, or a person by name (ИНН of twelve digits or none).
void Requisites(std::mt19937& rng, mTSourseIncomeInfo& s, Money withheld) {
    s.SourceName = Pick(rng, kNames);
    if (Chance(rng, 80)) {
        s.Inn = OrganisationInn(rng);
        s.Kpp = Digits(rng, 4) + "01001";
    } else {
        s.Inn = Chance(rng, 50) ? PersonInn(rng) : "";
    }
    // Only a payer that withheld nothing may lack its ОКТМО (a buyer of property).
    s.Oktmo = withheld.IsZero() && Chance(rng, 20) ? "" : Oktmo(rng);
    s.TaxWithheld = withheld;
}

// Income codes with the deduction codes the dictionary pairs them with.
const std::array<std::pair<int32_t, int32_t>, 24> kLines = {{
    {2000, 0},    {2000, 0},    {2010, 403},  {1400, 0},    {2720, 501},  {2730, 502},
    {2760, 503},  {2762, 508},  {2770, 504},  {2790, 507},  {1530, 201},  {1531, 202},
    {1532, 0},    {1533, 0},    {1536, 0},    {1510, 901},  {1511, 904},  {1512, 902},
    {1520, 906},  {1520, 903},  {2201, 404},  {2202, 405},  {1544, 317},  {1550, 314},
}};

void AddThirteenSource(std::mt19937& rng, mTItemList<mTThirteenPercent>& list) {
    mTThirteenPercent& s = list.Get(list.Add());
    const int lines = Uniform(rng, 1, 4);
    for (int i = 0; i < lines; ++i) {
        const auto& [income, deduction] = Pick(rng, kLines);
        mTSourseIncome line;
        line.IncomeCode = income;
        line.IncomeAmount = Amount(rng, 400000);
        line.DeductionCode = deduction;
        if (deduction) line.DeductionAmount = Money::FromRaw(line.IncomeAmount.Raw() / Uniform(rng, 1, 4));
        line.Month = static_cast<uint16_t>(Uniform(rng, 1, 12));
        s.AddLine(line);
    }
    s.TaxableAmount = s.IncomeTotal;
    s.TaxComputed = WholeRoubles(Money::FromRaw(s.IncomeTotal.Raw() * 13 / 100));
    Requisites(rng, s, Chance(rng, 80) ? WholeRoubles(Money::FromRaw(s.TaxComputed.Raw() / Uniform(rng, 1, 3))) : Money());
}

void AddFlatSource(std::mt19937& rng, mTItemList<mTThirtyPercent>& list, int32_t code, int percent) {
    mTThirtyPercent& s = list.Get(list.Add());
    s.IncomeCode = code;
    s.IncomeTotal = Amount(rng, 200000);
    s.TaxableAmount = s.IncomeTotal;
    s.TaxComputed = WholeRoubles(Money::FromRaw(s.IncomeTotal.Raw() * percent / 100));
    Requisites(rng, s, Chance(rng, 70) ? s.TaxComputed : Money());
}

void AddIncomeSources(std::mt19937& rng, mTDeclaration& d) {
    for (int i = Uniform(rng, 0, 3); i > 0; --i) AddThirteenSource(rng, d.Thirteen);
    if (d.DeclarationKind == kDecl3NdflNonResident)
        for (int i = Uniform(rng, 0, 2); i > 0; --i) AddThirteenSource(rng, d.ThirteenNR);
    for (int i = Uniform(rng, 0, 2); i > 0; --i)
        AddFlatSource(rng, d.Dividends, mTThirtyPercent::kDividendIncomeCode, 13);
    // A non-resident's window has no 9 % and no 35 % screen: his declaration takes neither.
    if (d.DeclarationKind == kDecl3NdflNonResident) return;
    for (int i = Uniform(rng, 0, 2); i > 0; --i) AddFlatSource(rng, d.Nine, mTThirtyPercent::kNineIncomeCode, 9);
    for (int i = Uniform(rng, 0, 2); i > 0; --i) {
        mTThirtyFivePercent& s = d.ThirtyFive.Get(d.ThirtyFive.Add());
        s.IncomeCode = Chance(rng, 70) ? 2740 : 2620;
        s.IncomeTotal = Amount(rng, 50000);
        Requisites(rng, s, Roubles(rng, 3000));
    }
}

void AddPartnerships(std::mt19937& rng, mTDeclaration& d) {
    for (int i = Uniform(rng, 1, 2); i > 0; --i) {
        mTInvestTov& s = d.InvestTov.Get(d.InvestTov.Add());
        for (int j = Uniform(rng, 1, 3); j > 0; --j) {
            mTInvestTovIncome line;
            line.OperationKind = Uniform(rng, 1, 6);
            line.IncomeAmount = Amount(rng, 100000);
            line.ExpenseShare = Amount(rng, 80000);
            if (line.OperationKind != 6) line.ManagerExpenses = Roubles(rng, 5000);
            s.AddLine(line);
        }
        s.TaxableAmount = s.IncomeTotal;
        s.TaxComputed = WholeRoubles(Money::FromRaw(s.IncomeTotal.Raw() * 13 / 100));
        Requisites(rng, s, Money());
    }
}

void AddForeignIncomes(std::mt19937& rng, mTDeclaration& d) {
    static const std::array<std::pair<int32_t, int32_t>, 6> kKinds = {
        {{13, 2000}, {13, 1010}, {13, 1000}, {9, 2000}, {35, 2000}, {14, 1530}}};
    for (int i = Uniform(rng, 1, 3); i > 0; --i) {
        mTCurrencyIncome& f = d.Foreign.Get(d.Foreign.Add());
        const auto& [rate, code] = Pick(rng, kKinds);
        f.IncomeRate = rate;
        f.IncomeCode = code;
        f.SourceName = Pick(rng, kNames);
        f.CountryCode = Chance(rng, 50) ? "840" : "4";
        f.CurrencyCode = Chance(rng, 50) ? "840" : "978";
        f.IncomeDate = Date2015(rng);
        f.TaxPaymentDate = Date2015(rng);
        f.UnitsOnIncomeDate = f.UnitsOnTaxDate = Chance(rng, 80) ? 1 : 100;
        f.RateOnIncomeDate = Amount(rng, 90);
        f.RateOnTaxDate = Amount(rng, 90);
        f.SetIncomeInCurrency(Amount(rng, 5000));
        if (Chance(rng, 60)) f.SetTaxInCurrency(Amount(rng, 500));
    }
}

void AddBusiness(std::mt19937& rng, mTDeclaration& d) {
    const bool confirmed = Chance(rng, 50);
    for (int i = Uniform(rng, 1, 2); i > 0; --i) {
        mTBusinessNew& b = d.Business.Get(d.Business.Add());
        b.ActivityKind = std::to_string(Uniform(rng, 1, 6));
        b.ActivityCode = b.ActivityKind == "1" ? "62.01" : "..";
        b.Income = Amount(rng, 900000);
        b.ExpensesConfirmed = confirmed;
        if (confirmed) {
            b.ExpenseItems[kExpenseMaterial] = Amount(rng, 100000);
            b.ExpenseItems[kExpenseLabour] = Amount(rng, 100000);
            b.ExpenseItems[kExpenseLabourContracts] = Money::FromRaw(b.ExpenseItems[kExpenseLabour].Raw() / 2);
            b.ExpenseItems[kExpenseOther] = Amount(rng, 50000);
            b.ExpenseItems[kExpenseTotal] = b.ExpenseItems[kExpenseMaterial] + b.ExpenseItems[kExpenseLabour] +
                                            b.ExpenseItems[kExpenseOther];
        } else {
            b.UnconfirmedExpenses = Money::FromRaw(b.Income.Raw() / 5);
        }
    }
    d.AdvancePaid = Roubles(rng, 20000);
    d.AdvanceAssessed = Roubles(rng, 20000);
    d.IsFarmHead = Chance(rng, 30);
    d.FarmStartDate = EncodeDate(Uniform(rng, 2000, 2015), 1, 1);
    d.FarmExemptIncome = Amount(rng, 10000);
    if (Chance(rng, 30)) {
        d.CorrectedIncome = Amount(rng, 100000);
        d.CorrectedExpense = Roubles(rng, 13000);
    }
    d.PatentPayment = Roubles(rng, 5000);
    d.TradeFee = Roubles(rng, 2000);
}

void AddDeductions(std::mt19937& rng, mTDeclaration& d) {
    d.Standard.Granted = Chance(rng, 60);
    d.Standard.SelfCode = Chance(rng, 80) ? mTStandartDeduct::kSelfNone : mTStandartDeduct::kSelf104;
    d.Standard.ChildrenCount = Uniform(rng, 0, 3);
    d.Standard.DisabledCount = Uniform(rng, 0, 1);
    mTSocialDeduct& s = d.Social;
    s.Granted = Chance(rng, 50);
    s.Treatment = Amount(rng, 150000);
    s.Charity = Chance(rng, 50) ? Amount(rng, 20000) : Money();
    s.ExpensiveTreatment = Chance(rng, 30) ? Amount(rng, 500000) : Money();
    if (Chance(rng, 50)) s.ChildEducationAdd(Amount(rng, 60000));
    for (int i = Uniform(rng, 0, 2); i > 0; --i) {
        mTPens& p = s.PensionContract(s.PensionContractAdd());
        p.ContractKind = Uniform(rng, 1, 4);
        p.OrgName = Pick(rng, kNames);
        p.OrgInn = OrganisationInn(rng);
        p.OrgKpp = Digits(rng, 4) + "01001";
        p.ContractNumber = "Д-" + Digits(rng, 4);
        p.ContractDate = EncodeDate(Uniform(rng, 2005, 2015), 3, 1);
        p.Contribution = Amount(rng, 100000);
    }
    mTConstructionDeduct& c = d.Construction;
    c.Granted = Chance(rng, 50);
    c.ConstrAmount1 = Chance(rng, 30) ? Amount(rng, 500000) : Money();
    for (int i = Uniform(rng, 1, 3); i > 0; --i) {
        mTConstructionDeductObj o;
        o.ObjectNameCode = Uniform(rng, 1, 8);
        o.OwnershipKind = Uniform(rng, 1, 4);
        o.TaxpayerSign = Uniform(rng, 1, 5);
        o.ByInvestment = Chance(rng, 50);
        o.RightRegDate = o.TransferActDate = o.LandRegDate = o.ApplicationDate = Date2015(rng);
        o.FirstUseYear = EncodeDate(2015, 1, 1);
        if (o.OwnershipKind == 2) {
            o.ShareNumerator = 1;
            o.ShareDenominator = Uniform(rng, 2, 4);
        }
        o.Pensioner = Chance(rng, 20);
        o.ObjectCost = Amount(rng, 3000000);
        o.CreditInterest = Chance(rng, 50) ? Amount(rng, 300000) : Money();
        o.RegionCode = std::to_string(Uniform(rng, 1, 99));
        o.City = "Тула";
        o.Street = "ул. Ленина";
        o.House = std::to_string(Uniform(rng, 1, 99));
        c.ObjectAdd(o);
    }
    for (int i = 0; i < mTCBDeduct::kYears; ++i)
        if (Chance(rng, 20)) d.CB.SecuritiesLoss[static_cast<std::size_t>(i)] = Amount(rng, 30000);
    if (Chance(rng, 20)) d.CB.FissLoss[3] = Amount(rng, 30000);
    d.InvestmentDeduction = Chance(rng, 20) ? Amount(rng, 50000) : Money();
}

void FillConditions(std::mt19937& rng, mTDeclaration& d) {
    d.InspectionCode = "77" + std::to_string(Uniform(rng, 10, 51));
    d.CorrectionNumber = Uniform(rng, 0, 3);
    d.TaxpayerKind = static_cast<uint8_t>(Pick(rng, std::array<int, 6>{0, 1, 2, 3, 5, 6}));
    d.ConfirmedBy = static_cast<uint8_t>(Uniform(rng, 0, 2));
    d.RepresentativeName = Chance(rng, 50) ? "Петров Пётр Петрович" : "Ким";
    d.RepresentativeDocument = "Доверенность № " + Digits(rng, 3);
    d.RepresentativeOrganization = "ООО «Помощник»";
    FillPerson(d.Person);
    d.Person.PersonInn = PersonInn(rng);
    d.Person.AddressIsStay = Chance(rng, 30);
    d.Person.RegionCode = static_cast<uint16_t>(Uniform(rng, 1, 99));
    d.Person.ResidenceOktmo = Oktmo(rng);
    d.ForeignerAdvancePayments = Chance(rng, 20) ? Roubles(rng, 10000) : Money();
    d.MonthsWorked = Uniform(rng, 0, 12);
    d.ExpectedIncome = Amount(rng, 900000);
}

}  // namespace

std::unique_ptr<mTDeclaration> RandomCompleteDeclaration(std::mt19937& rng, uint8_t kind) {
    auto d = std::make_unique<mTDeclaration>();
    d->DeclarationKind = kind;
    FillConditions(rng, *d);
    if (kind == kDecl4Ndfl) return d;
    uint8_t bits = 0;
    for (uint8_t bit : {kIncomeRussian, kIncomeForeign, kIncomeBusiness, kIncomeInvestTov})
        if (Chance(rng, 50)) bits |= bit;
    d->SetIncomeKinds(bits);
    if (bits & kIncomeRussian) AddIncomeSources(rng, *d);
    if (bits & kIncomeInvestTov) AddPartnerships(rng, *d);
    if (bits & kIncomeForeign) AddForeignIncomes(rng, *d);
    if (bits & kIncomeBusiness) AddBusiness(rng, *d);
    if (bits) AddDeductions(rng, *d);
    return d;
}

}  // namespace kvz::test
