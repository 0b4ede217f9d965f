#include "support/random_deductions.h"

#include <array>
#include <cstdint>
#include <string>

#include "storage/dates.h"
#include "storage/money.h"

namespace kvz::test {

namespace {

int Uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool Chance(std::mt19937& rng, double p) { return std::bernoulli_distribution(p)(rng); }

// Pieces of text a person types into these fields: Cyrillic with Ё, Latin, digits
// and the punctuation of addresses and contract numbers.
const char* const kWords[] = {"Ёлкин", "НПФ", "«Будущее»", "АО", "Сбербанк", "жизнь", "Москва", "ул.", "Ленина",
                              "д.", "корп.", "кв.", "№", "12/А-45", "ПАО", "Пенсионный", "фонд", "Тверская",
                              "обл.", "р-н", "Подольский", "пос.", "Щербинка", "ъезд", "Ryazan", "LLC", "\"ЭЙ\"",
                              "0", "7", "2015"};

std::string RandomText(std::mt19937& rng) {
    if (Chance(rng, 0.1)) return {};
    std::string text;
    const int words = Uniform(rng, 1, 6);
    for (int i = 0; i < words; ++i) {
        if (i > 0) text += ' ';
        text += kWords[Uniform(rng, 0, static_cast<int>(std::size(kWords)) - 1)];
    }
    return text;
}

std::string RandomDigits(std::mt19937& rng, int count) {
    if (Chance(rng, 0.1)) return {};
    std::string digits;
    for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + Uniform(rng, 0, 9));
    return digits;
}

// Four decimals mostly, whole roubles and kopecks sometimes; a few zeros and
// negatives, which the file keeps as well.
Money RandomAmount(std::mt19937& rng) {
    switch (Uniform(rng, 0, 9)) {
        case 0: return Money();
        case 1: return Money::FromUnits(Uniform(rng, 1, 2000000));
        case 2: return Money::FromRaw(int64_t{Uniform(rng, 1, 99999999)} * 100);
        case 3: return -Money::FromRaw(std::uniform_int_distribution<int64_t>(1, 100000000000)(rng));
        default: return Money::FromRaw(std::uniform_int_distribution<int64_t>(1, 50000000000000)(rng));
    }
}

DateTime RandomDate(std::mt19937& rng) {
    if (Chance(rng, 0.1)) return 0;
    static const DateTime first = EncodeDate(1990, 1, 1);
    static const DateTime last = EncodeDate(2020, 12, 31);
    return first + Uniform(rng, 0, static_cast<int>(last - first));
}

int32_t RandomCount(std::mt19937& rng) { return Chance(rng, 0.05) ? Uniform(rng, 6, 100000) : Uniform(rng, 0, 5); }

template <std::size_t N>
void FillCounts(std::mt19937& rng, std::array<int32_t, N>& values, int lo, int hi) {
    for (int32_t& v : values) v = Uniform(rng, lo, hi);
}

// A children block keeps either the constant count or the twelve months.
void FillChildrenBlock(std::mt19937& rng, bool& constant, int32_t& count, std::array<int32_t, 12>& byMonth) {
    constant = Chance(rng, 0.5);
    if (constant)
        count = RandomCount(rng);
    else
        for (int32_t& v : byMonth) v = RandomCount(rng);
}

}  // namespace

void RandomFill(std::mt19937& rng, mTStandartDeduct& d) {
    d = mTStandartDeduct();
    d.Granted = Chance(rng, 0.85);
    if (!d.Granted) return;
    static const int32_t selfCodes[] = {103, 104, 105, 110};
    d.SelfCode = selfCodes[Uniform(rng, 0, 3)];
    d.ChildStatus = Uniform(rng, 101, 103);
    FillChildrenBlock(rng, d.ChildrenConstant, d.ChildrenCount, d.ChildrenByMonth);
    FillChildrenBlock(rng, d.DisabledConstant, d.DisabledCount, d.DisabledByMonth);
    FillChildrenBlock(rng, d.ThirdConstant, d.ThirdCount, d.ThirdByMonth);
    d.MonthlyBusiness = Chance(rng, 0.5);
    if (d.MonthlyBusiness) {
        for (Money& m : d.BusinessIncomeByMonth) m = RandomAmount(rng);
        for (Money& m : d.BusinessExpenseByMonth) m = RandomAmount(rng);
        for (bool& checked : d.BusinessMonthChecked) checked = Chance(rng, 0.5);
    }
    d.MonthlySelfCodesGiven = Chance(rng, 0.5);
    if (d.MonthlySelfCodesGiven) FillCounts(rng, d.MonthlySelfCodes, 0, 2);
    d.MonthlyChildStatusGiven = Chance(rng, 0.5);
    if (d.MonthlyChildStatusGiven) FillCounts(rng, d.MonthlyChildStatus, 0, 1);
}

void RandomFill(std::mt19937& rng, mTPens& p) {
    p = mTPens();
    p.ContractKind = Uniform(rng, 1, 4);
    p.OrgName = RandomText(rng);
    p.OrgInn = RandomDigits(rng, 10);
    p.OrgKpp = RandomDigits(rng, 9);
    p.ContractNumber = RandomText(rng);
    p.ContractDate = RandomDate(rng);
    p.Contribution = RandomAmount(rng);
    p.ContributionToDeduct = RandomAmount(rng);
    p.AgentDeduction = RandomAmount(rng);
}

void RandomFill(std::mt19937& rng, mTSocialDeduct& d) {
    d = mTSocialDeduct();
    d.Granted = Chance(rng, 0.85);
    if (!d.Granted) return;
    d.Charity = RandomAmount(rng);
    d.OwnEducation = RandomAmount(rng);
    const int children = Uniform(rng, 0, 5);
    for (int i = 0; i < children; ++i) d.ChildEducationAdd(RandomAmount(rng));
    d.Treatment = RandomAmount(rng);
    d.ExpensiveTreatment = RandomAmount(rng);
    d.VoluntaryInsurance = RandomAmount(rng);
    d.ExtraPensionContributions = RandomAmount(rng);
    d.SpareSocialAmount = RandomAmount(rng);
    const int contracts = Uniform(rng, 0, 4);
    for (int i = 0; i < contracts; ++i) RandomFill(rng, d.PensionContract(d.PensionContractAdd()));
}

void RandomFill(std::mt19937& rng, mTConstructionDeductObj& o) {
    o = mTConstructionDeductObj();
    o.PostIndex = RandomDigits(rng, 6);
    o.RegionCode = RandomDigits(rng, 2);
    for (std::string* text : {&o.District, &o.City, &o.Locality, &o.Street, &o.House, &o.Building, &o.Flat})
        *text = RandomText(rng);
    o.ObjectNameCode = Uniform(rng, 0, 8);
    o.OwnershipKind = Uniform(rng, 0, 4);
    o.TaxpayerSign = Uniform(rng, 0, 5);
    for (DateTime* date : {&o.RightRegDate, &o.LandRegDate, &o.TransferActDate, &o.ApplicationDate, &o.FirstUseYear})
        *date = RandomDate(rng);
    o.ShareNumerator = Uniform(rng, 0, 10);
    o.ShareDenominator = Uniform(rng, 0, 10);
    o.ByInvestment = Chance(rng, 0.5);
    o.Pensioner = Chance(rng, 0.5);
    o.ObjectCost = RandomAmount(rng);
    o.CreditInterest = RandomAmount(rng);
}

void RandomFill(std::mt19937& rng, mTConstructionDeduct& d) {
    d = mTConstructionDeduct();
    d.Granted = Chance(rng, 0.85);
    if (!d.Granted) return;
    for (Money* amount : {&d.ConstrAmount1, &d.ConstrAmount3, &d.ConstrAmount5, &d.ConstrAmount6, &d.ConstrAmount7,
                          &d.ConstrAmount8})
        *amount = RandomAmount(rng);
    const int objects = Uniform(rng, 0, 4);
    for (int i = 0; i < objects; ++i) {
        mTConstructionDeductObj o;
        RandomFill(rng, o);
        d.ObjectAdd(std::move(o));
    }
}

void RandomFill(std::mt19937& rng, mTCBDeduct& d) {
    d = mTCBDeduct();
    for (Money& m : d.SecuritiesLoss) m = Chance(rng, 0.3) ? Money() : RandomAmount(rng);
    for (Money& m : d.FissLoss) m = Chance(rng, 0.3) ? Money() : RandomAmount(rng);
}

}  // namespace kvz::test
