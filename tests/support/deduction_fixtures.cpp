#include "support/deduction_fixtures.h"

#include <array>

#include "storage/dates.h"

namespace kvz::test::deduct {

Money Rub(int64_t roubles) { return Money::FromUnits(roubles); }
Money Rub(const char* text) { return MoneyFromText(text); }

std::unique_ptr<mTDeclaration> DeductionDeclaration(uint8_t kind, uint8_t incomeKinds) {
    auto d = std::make_unique<mTDeclaration>();
    d->DeclarationKind = kind;
    d->SigningDate = EncodeDate(2016, 3, 1);
    d->SetIncomeKinds(incomeKinds);
    return d;
}

mTThirteenPercent& AddSource(mTDeclaration& d, bool standardDeductionsHere) {
    mTThirteenPercent& source = d.Thirteen.Get(d.Thirteen.Add());
    source.StandardDeductionsHere = standardDeductionsHere;
    return source;
}

mTThirteenPercent& AddNonResidentSource(mTDeclaration& d) { return d.ThirteenNR.Get(d.ThirteenNR.Add()); }

void AddLine(mTThirteenPercent& source, int32_t incomeCode, Money amount, int32_t deductionCode,
             Money deductionAmount, uint16_t month) {
    mTSourseIncome line;
    line.IncomeCode = incomeCode;
    line.IncomeAmount = amount;
    line.DeductionCode = deductionCode;
    line.DeductionAmount = deductionAmount;
    line.Month = month;
    source.AddLine(line);
}

mTCurrencyIncome& AddForeign(mTDeclaration& d, int32_t incomeCode, Money roubles, int32_t deductionCode,
                             Money deductionAmount) {
    mTCurrencyIncome& income = d.Foreign.Get(d.Foreign.Add());
    income.IncomeRate = 13;
    income.IncomeCode = incomeCode;
    income.IncomeInRoubles = roubles;
    income.DeductionCode = deductionCode;
    income.DeductionAmount = deductionAmount;
    return income;
}

mTThirtyFivePercent& AddThirtyFive(mTDeclaration& d, int32_t incomeCode, Money income, int32_t deductionCode,
                                   Money deductionAmount) {
    mTThirtyFivePercent& source = d.ThirtyFive.Get(d.ThirtyFive.Add());
    source.IncomeCode = incomeCode;
    source.IncomeTotal = income;
    source.DeductionCode = deductionCode;
    source.DeductionAmount = deductionAmount;
    return source;
}

mTConstructionDeductObj& AddProperty(mTDeclaration& d, Money cost, int registrationYear, int32_t shareNumerator,
                                     int32_t shareDenominator) {
    d.Construction.Granted = true;
    mTConstructionDeductObj object;
    object.ObjectCost = cost;
    object.RightRegDate = EncodeDate(registrationYear, 6, 15);
    object.ShareNumerator = shareNumerator;
    object.ShareDenominator = shareDenominator;
    return d.Construction.Object(d.Construction.ObjectAdd(object));
}

namespace {

int Pick(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool Chance(std::mt19937& rng, int percent) { return Pick(rng, 1, 100) <= percent; }

// Up to about ten million roubles, kopecks now and then, a few zeros and negatives.
Money Amount(std::mt19937& rng) {
    switch (Pick(rng, 0, 9)) {
    case 0: return Money();
    case 1: return -Rub(Pick(rng, 1, 50000));
    case 2: return Money::FromRaw(int64_t{Pick(rng, 0, 1000000000)} * 100);
    case 3: return Rub(Pick(rng, 0, 10000000));
    default: return Rub(Pick(rng, 0, 400000));
    }
}

// Income codes with the deduction codes that go with them on the deduction sheets.
struct CodePair {
    int32_t Income;
    int32_t Deduction;
};
constexpr std::array<CodePair, 34> kCodePairs{{
    {2762, 508}, {2760, 503}, {1211, 510}, {2761, 506}, {2720, 501}, {2730, 502}, {2770, 504},
    {2790, 507}, {2791, 509}, {2740, 505}, {1510, 901}, {1510, 903}, {1511, 904}, {1511, 903},
    {1512, 902}, {1512, 903}, {1520, 906}, {1520, 903}, {4900, 908}, {2010, 403}, {2201, 404},
    {2205, 405}, {2209, 404}, {1540, 315}, {1542, 316}, {1544, 317}, {1545, 318}, {1550, 314},
    {2000, 0},   {2000, 403}, {1530, 201}, {2720, 0},   {1400, 0},   {2300, 0},
}};

void RandomLine(std::mt19937& rng, mTThirteenPercent& source) {
    const CodePair codes = kCodePairs[static_cast<std::size_t>(Pick(rng, 0, kCodePairs.size() - 1))];
    AddLine(source, codes.Income, Amount(rng), codes.Deduction, Amount(rng),
            static_cast<uint16_t>(Chance(rng, 90) ? Pick(rng, 1, 12) : Pick(rng, 0, 14)));
}

void RandomSources(std::mt19937& rng, mTItemList<mTThirteenPercent>& list) {
    for (int i = Pick(rng, 0, 3); i > 0; --i) {
        mTThirteenPercent& source = list.Get(list.Add());
        source.StandardDeductionsHere = Chance(rng, 60);
        source.TaxWithheld = Amount(rng);
        for (int j = Pick(rng, 0, 8); j > 0; --j) RandomLine(rng, source);
    }
}

int32_t Children(std::mt19937& rng) { return Chance(rng, 5) ? -1 : Pick(rng, 0, 5); }

void RandomChildren(std::mt19937& rng, bool& constant, int32_t& count, std::array<int32_t, 12>& byMonth) {
    constant = Chance(rng, 50);
    count = Children(rng);
    for (int32_t& c : byMonth) c = Children(rng);
}

void RandomStandard(std::mt19937& rng, mTStandartDeduct& s) {
    s.Granted = Chance(rng, 85);
    s.SelfCode = std::array<int32_t, 5>{103, 104, 105, 110, 7}[static_cast<std::size_t>(Pick(rng, 0, 4))];
    s.ChildStatus = Pick(rng, 100, 104);
    RandomChildren(rng, s.ChildrenConstant, s.ChildrenCount, s.ChildrenByMonth);
    RandomChildren(rng, s.DisabledConstant, s.DisabledCount, s.DisabledByMonth);
    RandomChildren(rng, s.ThirdConstant, s.ThirdCount, s.ThirdByMonth);
    s.MonthlyBusiness = Chance(rng, 30);
    for (int m = 0; m < 12; ++m) {
        s.BusinessIncomeByMonth[m] = Amount(rng);
        s.BusinessExpenseByMonth[m] = Amount(rng);
        s.BusinessMonthChecked[m] = Chance(rng, 70);
        s.MonthlySelfCodes[m] = Pick(rng, 0, 3);
        s.MonthlyChildStatus[m] = Pick(rng, 0, 2);
    }
    s.MonthlySelfCodesGiven = Chance(rng, 50);
    s.MonthlyChildStatusGiven = Chance(rng, 50);
}

void RandomSocial(std::mt19937& rng, mTSocialDeduct& s) {
    s.Granted = Chance(rng, 80);
    s.Charity = Amount(rng);
    s.OwnEducation = Amount(rng);
    for (int i = Pick(rng, 0, 4); i > 0; --i) s.ChildEducationAdd(Amount(rng));
    s.Treatment = Amount(rng);
    s.ExpensiveTreatment = Amount(rng);
    s.VoluntaryInsurance = Amount(rng);
    for (int i = Pick(rng, 0, 4); i > 0; --i) {
        mTPens& p = s.PensionContract(s.PensionContractAdd());
        p.ContractKind = Pick(rng, 0, 5);
        p.OrgName = "НПФ «Будущее»";
        p.ContractNumber = std::to_string(Pick(rng, 1, 9999));
        p.ContractDate = EncodeDate(Pick(rng, 2005, 2015), Pick(rng, 1, 12), Pick(rng, 1, 28));
        p.Contribution = Amount(rng);
        p.ContributionToDeduct = Amount(rng);
        p.AgentDeduction = Amount(rng);
    }
}

void RandomProperty(std::mt19937& rng, mTDeclaration& d) {
    mTConstructionDeduct& c = d.Construction;
    for (int i = Pick(rng, 0, 4); i > 0; --i) {
        mTConstructionDeductObj& o =
            AddProperty(d, Amount(rng), Pick(rng, 1995, 2016), Pick(rng, -1, 4), Pick(rng, -1, 4));
        o.ByInvestment = Chance(rng, 30);
        o.TransferActDate = EncodeDate(Pick(rng, 1995, 2016), Pick(rng, 1, 12), 1);
        o.CreditInterest = Amount(rng);
    }
    c.Granted = Chance(rng, 85);
    for (Money* m : {&c.ConstrAmount1, &c.ConstrAmount3, &c.ConstrAmount5, &c.ConstrAmount6, &c.ConstrAmount7,
                     &c.ConstrAmount8})
        *m = Chance(rng, 50) ? Money() : Amount(rng);
}

}  // namespace

std::unique_ptr<mTDeclaration> RandomDeductionDeclaration(uint32_t seed) {
    std::mt19937 rng(seed);
    auto d = DeductionDeclaration(static_cast<uint8_t>(Pick(rng, 0, 1)),
                                  static_cast<uint8_t>(kIncomeRussian | (Chance(rng, 50) ? kIncomeForeign : 0) |
                                                       (Chance(rng, 30) ? kIncomeBusiness : 0)));
    RandomSources(rng, d->Thirteen);
    RandomSources(rng, d->ThirteenNR);
    for (int i = Pick(rng, 0, 3); i > 0; --i)
        AddThirtyFive(*d, Chance(rng, 70) ? 2740 : 2610, Amount(rng), Chance(rng, 80) ? 505 : 0, Amount(rng));
    if (d->IncomeKinds & kIncomeForeign)
        for (int i = Pick(rng, 0, 4); i > 0; --i) {
            const CodePair codes = kCodePairs[static_cast<std::size_t>(Pick(rng, 0, kCodePairs.size() - 1))];
            AddForeign(*d, codes.Income, Amount(rng), codes.Deduction, Amount(rng));
        }
    if (d->IncomeKinds & kIncomeBusiness)
        for (int i = Pick(rng, 0, 2); i > 0; --i) {
            mTBusinessNew& b = d->Business.Get(d->Business.Add());
            b.Income = Amount(rng);
            b.ExpenseItems[0] = Amount(rng);
        }
    RandomStandard(rng, d->Standard);
    RandomSocial(rng, d->Social);
    RandomProperty(rng, *d);
    d->InvestmentDeduction = Chance(rng, 30) ? Amount(rng) : Money();
    d->InvestmentDeductionReturn = Chance(rng, 20) ? Amount(rng) : Money();
    return d;
}

namespace {

template <class List>
void ClearKindCodes(List& list) {
    for (int i = 0; i < list.Count(); ++i) list.Get(i).IncomeKindCode.clear();
}

}  // namespace

void ClearCalculatedFields(mTDeclaration& d) {
    ClearKindCodes(d.Thirteen);
    ClearKindCodes(d.ThirteenNR);
    ClearKindCodes(d.Dividends);
    ClearKindCodes(d.Nine);
    ClearKindCodes(d.InvestTov);
    for (int i = 0; i < d.ThirtyFive.Count(); ++i) {
        mTThirtyFivePercent& s = d.ThirtyFive.Get(i);
        s.IncomeKindCode.clear();
        s.TaxableAmount = Money();
        s.TaxComputed = Money();
    }
}

}  // namespace kvz::test::deduct
