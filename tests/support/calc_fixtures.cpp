#include "support/calc_fixtures.h"

#include <array>

#include "support/random_deductions.h"
#include "support/random_income_sections.h"

namespace kvz::test {

Money Rub(const char* text) { return MoneyFromText(text, '.'); }
Money Rub(int64_t roubles) { return Money::FromUnits(roubles); }

std::unique_ptr<mTDeclaration> NewDeclaration(uint8_t kind, uint8_t incomeKinds) {
    auto d = std::make_unique<mTDeclaration>();
    d->DeclarationKind = kind;
    d->SetIncomeKinds(incomeKinds);
    return d;
}

mTSourseIncome Line(int32_t incomeCode, Money amount, int32_t deductionCode, Money deduction, uint16_t month) {
    mTSourseIncome line;
    line.IncomeCode = incomeCode;
    line.IncomeAmount = amount;
    line.DeductionCode = deductionCode;
    line.DeductionAmount = deduction;
    line.Month = month;
    return line;
}

namespace {

void ApplyTaxes(mTSourseIncomeInfo& source, const SourceTaxes& taxes) {
    source.TaxWithheld = taxes.Withheld;
    source.Oktmo = taxes.Oktmo;
}

mTThirteenPercent& FillThirteen(mTThirteenPercent& s, std::initializer_list<mTSourseIncome> lines,
                                const SourceTaxes& taxes) {
    for (const mTSourseIncome& l : lines) s.AddLine(l);
    ApplyTaxes(s, taxes);
    s.TaxableAmount = taxes.Taxable;
    s.TaxComputed = taxes.Computed;
    return s;
}

mTThirtyPercent& FillThirty(mTThirtyPercent& s, int32_t code, Money income, const SourceTaxes& taxes) {
    s.IncomeCode = code;
    s.IncomeTotal = income;
    ApplyTaxes(s, taxes);
    s.TaxableAmount = taxes.Taxable;
    s.TaxComputed = taxes.Computed;
    return s;
}

}  // namespace

mTThirteenPercent& AddThirteen(mTDeclaration& d, std::initializer_list<mTSourseIncome> lines,
                               const SourceTaxes& taxes) {
    return FillThirteen(d.Thirteen.Get(d.Thirteen.Add()), lines, taxes);
}

mTThirteenPercent& AddThirteenNR(mTDeclaration& d, std::initializer_list<mTSourseIncome> lines,
                                 const SourceTaxes& taxes) {
    return FillThirteen(d.ThirteenNR.Get(d.ThirteenNR.Add()), lines, taxes);
}

mTThirtyPercent& AddNine(mTDeclaration& d, Money income, const SourceTaxes& taxes) {
    return FillThirty(d.Nine.Get(d.Nine.Add()), mTThirtyPercent::kNineIncomeCode, income, taxes);
}

mTThirtyPercent& AddDividend(mTDeclaration& d, Money income, const SourceTaxes& taxes) {
    return FillThirty(d.Dividends.Get(d.Dividends.Add()), mTThirtyPercent::kDividendIncomeCode, income, taxes);
}

mTThirtyFivePercent& AddThirtyFive(mTDeclaration& d, int32_t incomeCode, Money income, Money withheld,
                                   int32_t deductionCode, Money deduction) {
    mTThirtyFivePercent& s = d.ThirtyFive.Get(d.ThirtyFive.Add());
    s.IncomeCode = incomeCode;
    s.IncomeTotal = income;
    s.TaxWithheld = withheld;
    s.DeductionCode = deductionCode;
    s.DeductionAmount = deduction;
    return s;
}

mTInvestTovIncome PartnershipLine(int32_t kind, Money income, Money expenseShare, Money managerFee,
                                  Money priorLoss) {
    mTInvestTovIncome line;
    line.OperationKind = kind;
    line.IncomeAmount = income;
    line.ExpenseShare = expenseShare;
    line.ManagerExpenses = managerFee;
    line.PriorLosses = priorLoss;
    return line;
}

mTInvestTov& AddPartnership(mTDeclaration& d, std::initializer_list<mTInvestTovIncome> lines,
                            const SourceTaxes& taxes) {
    mTInvestTov& s = d.InvestTov.Get(d.InvestTov.Add());
    for (const mTInvestTovIncome& l : lines) s.AddLine(l);
    ApplyTaxes(s, taxes);
    s.TaxableAmount = taxes.Taxable;
    s.TaxComputed = taxes.Computed;
    return s;
}

mTCurrencyIncome& AddForeign(mTDeclaration& d, int32_t rateCode, int32_t incomeCode, Money incomeRub,
                             Money foreignTaxRub, Money deduction) {
    mTCurrencyIncome& f = d.Foreign.Get(d.Foreign.Add());
    f.IncomeRate = rateCode;
    f.IncomeCode = incomeCode;
    f.IncomeInRoubles = incomeRub;
    f.TaxInRoubles = foreignTaxRub;
    f.DeductionAmount = deduction;
    return f;
}

mTBusinessNew& AddBusiness(mTDeclaration& d, Money income, Money expenses, bool confirmed) {
    mTBusinessNew& b = d.Business.Get(d.Business.Add());
    b.Income = income;
    b.ExpensesConfirmed = confirmed;
    if (confirmed)
        b.ExpenseItems[kExpenseTotal] = expenses;
    else
        b.UnconfirmedExpenses = expenses;
    return b;
}

namespace {

int Uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// Income and deduction codes the sheets look for, so that random lines reach them.
constexpr std::array<int32_t, 40> kIncomeCodes = {
    1000, 1010, 1011, 1211, 1400, 1510, 1511, 1512, 1520, 1530, 1531, 1532, 1533, 1535,
    1536, 1537, 1538, 1540, 1541, 1542, 1544, 1545, 1550, 2000, 2010, 2201, 2209, 2220,
    2400, 2620, 2720, 2730, 2740, 2760, 2761, 2762, 2770, 2790, 9537, 9538};
constexpr std::array<int32_t, 32> kDeductionCodes = {
    201, 202, 218, 219, 314, 315, 316, 317, 318, 403, 404, 405, 501, 502, 503, 504,
    506, 507, 508, 509, 510, 901, 902, 903, 904, 906, 908, 0,   1,   999, 201, 903};
constexpr std::array<int32_t, 12> kRateCodes = {13, 14, 99, 9, 10, 95, 35, 36, 121, 30, 15, 0};

template <std::size_t N>
int32_t Pick(std::mt19937& rng, const std::array<int32_t, N>& codes) {
    return codes[Uniform(rng, 0, static_cast<int>(N) - 1)];
}

// Amounts within ±10^8 roubles: a thousand of them stay inside what a calculation adds up.
Money Tame(Money m) { return Money::FromRaw(m.Raw() % (int64_t{100000000} * Money::kScale)); }

void TameLine(std::mt19937& rng, mTSourseIncome& l) {
    if (Uniform(rng, 0, 3) != 0) l.IncomeCode = Pick(rng, kIncomeCodes);
    if (Uniform(rng, 0, 2) != 0) l.DeductionCode = Pick(rng, kDeductionCodes);
    l.IncomeAmount = Tame(l.IncomeAmount);
    l.DeductionAmount = Tame(l.DeductionAmount);
    l.Month = static_cast<uint16_t>(Uniform(rng, 0, 12));
}

void AddRandomThirteen(std::mt19937& rng, mTItemList<mTThirteenPercent>& list) {
    mTThirteenPercent& s = list.Get(list.Add());
    RandomFill(rng, s);
    for (int i = 0; i < s.LineCount(); ++i) {
        mTSourseIncome l = s.Line(i);
        TameLine(rng, l);
        s.ReplaceLine(i, l);
    }
    s.TaxWithheld = Tame(s.TaxWithheld);
    s.TaxComputed = Tame(s.TaxComputed);
    s.TaxableAmount = Tame(s.TaxableAmount);
    for (Money& m : s.MonthAmounts) m = Tame(m);
}

void AddRandomThirty(std::mt19937& rng, mTItemList<mTThirtyPercent>& list) {
    mTThirtyPercent& s = list.Get(list.Add());
    RandomFill(rng, s);
    s.IncomeTotal = Tame(s.IncomeTotal);
    s.TaxWithheld = Tame(s.TaxWithheld);
    s.TaxComputed = Tame(s.TaxComputed);
    s.TaxableAmount = Tame(s.TaxableAmount);
}

void AddRandomThirtyFive(std::mt19937& rng, mTDeclaration& d) {
    mTThirtyFivePercent& s = d.ThirtyFive.Get(d.ThirtyFive.Add());
    RandomFill(rng, s);
    if (Uniform(rng, 0, 1)) s.IncomeCode = Pick(rng, kIncomeCodes);
    s.IncomeTotal = Tame(s.IncomeTotal);
    s.TaxWithheld = Tame(s.TaxWithheld);
    s.DeductionAmount = Tame(s.DeductionAmount);
}

void AddRandomPartnership(std::mt19937& rng, mTDeclaration& d) {
    mTInvestTov& s = d.InvestTov.Get(d.InvestTov.Add());
    RandomFill(rng, s);
    for (int i = 0; i < s.LineCount(); ++i) {
        mTInvestTovIncome l = s.Line(i);
        l.OperationKind = Uniform(rng, 0, 7);
        l.IncomeAmount = Tame(l.IncomeAmount);
        l.ExpenseShare = Tame(l.ExpenseShare);
        l.ManagerExpenses = Tame(l.ManagerExpenses);
        l.PriorLosses = Tame(l.PriorLosses);
        s.ReplaceLine(i, l);
    }
    s.TaxWithheld = Tame(s.TaxWithheld);
    s.TaxComputed = Tame(s.TaxComputed);
    s.TaxableAmount = Tame(s.TaxableAmount);
}

void AddRandomForeign(std::mt19937& rng, mTDeclaration& d) {
    mTCurrencyIncome& f = d.Foreign.Get(d.Foreign.Add());
    RandomFill(rng, f);
    f.IncomeRate = Pick(rng, kRateCodes);
    if (Uniform(rng, 0, 2) != 0) f.IncomeCode = Pick(rng, kIncomeCodes);
    if (Uniform(rng, 0, 1)) f.DeductionCode = Pick(rng, kDeductionCodes);
    f.IncomeInRoubles = Tame(f.IncomeInRoubles);
    f.TaxInRoubles = Tame(f.TaxInRoubles);
    f.DeductionAmount = Tame(f.DeductionAmount);
}

void AddRandomBusiness(std::mt19937& rng, mTDeclaration& d) {
    mTBusinessNew& b = d.Business.Get(d.Business.Add());
    RandomFill(rng, b);
    b.Income = Tame(b.Income);
    for (Money& m : b.ExpenseItems) m = Tame(m);
    b.UnconfirmedExpenses = Tame(b.UnconfirmedExpenses);
}

void RandomDeductions(std::mt19937& rng, mTDeclaration& d) {
    RandomFill(rng, d.Standard);
    for (Money& m : d.Standard.BusinessIncomeByMonth) m = Tame(m);
    for (Money& m : d.Standard.BusinessExpenseByMonth) m = Tame(m);
    RandomFill(rng, d.Social);
    RandomFill(rng, d.Construction);
    RandomFill(rng, d.CB);
    for (Money& m : d.CB.SecuritiesLoss) m = Tame(m);
    for (Money& m : d.CB.FissLoss) m = Tame(m);
    d.InvestmentDeduction = Money::FromUnits(Uniform(rng, 0, 400000));
    d.InvestmentDeductionReturn = Money::FromUnits(Uniform(rng, 0, 1000));
}

}  // namespace

std::unique_ptr<mTDeclaration> RandomDeclaration(std::mt19937& rng) {
    auto d = std::make_unique<mTDeclaration>();
    d->DeclarationKind = static_cast<uint8_t>(Uniform(rng, 0, 2));
    d->TaxpayerKind = static_cast<uint8_t>(Uniform(rng, 0, 6));
    d->SetIncomeKinds(static_cast<uint8_t>(Uniform(rng, 0, 31)));
    d->Person.ResidenceOktmo = std::to_string(Uniform(rng, 10000000, 10000003));
    d->AdvancePaid = Money::FromUnits(Uniform(rng, -10, 50000));
    d->AdvanceAssessed = Money::FromUnits(Uniform(rng, 0, 50000));
    d->ForeignerAdvancePayments = Money::FromUnits(Uniform(rng, 0, 30000));
    d->PatentPayment = Money::FromUnits(Uniform(rng, 0, 20000));
    d->TradeFee = Money::FromUnits(Uniform(rng, 0, 20000));
    const auto count = [&] { return Uniform(rng, 0, 4); };
    if (d->IncomeKinds & kIncomeRussian) {
        for (int n = count(); n > 0; --n) AddRandomThirteen(rng, d->Thirteen);
        for (int n = count(); n > 0; --n) AddRandomThirteen(rng, d->ThirteenNR);
        for (int n = count(); n > 0; --n) AddRandomThirtyFive(rng, *d);
        for (int n = count(); n > 0; --n) AddRandomThirty(rng, d->Dividends);
        for (int n = count(); n > 0; --n) AddRandomThirty(rng, d->Nine);
    }
    if (d->IncomeKinds & kIncomeForeign)
        for (int n = count(); n > 0; --n) AddRandomForeign(rng, *d);
    if (d->IncomeKinds & kIncomeBusiness)
        for (int n = count(); n > 0; --n) AddRandomBusiness(rng, *d);
    if (d->IncomeKinds & kIncomeInvestTov)
        for (int n = count(); n > 0; --n) AddRandomPartnership(rng, *d);
    RandomDeductions(rng, *d);
    return d;
}

}  // namespace kvz::test
