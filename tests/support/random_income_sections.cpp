#include "support/random_income_sections.h"

#include <array>
#include <cstdint>
#include <string>

#include "storage/dates.h"
#include "storage/money.h"

namespace kvz::test {

namespace {

int Uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool Chance(std::mt19937& rng, int percent) { return Uniform(rng, 1, 100) <= percent; }

// Pieces of text a user may type: letters of both alphabets (Ё included), digits,
// quotes of both kinds, the characters of addresses and e-mail.
const std::array<const char*, 24> kPieces = {
    "Ё",  "ё", "Ж", "щ", "Я",  "я", "А",  "ъ", "ООО", "Рога и копыта", "Z", "q", "Ivanov",
    "0",  "7", " ", "\"", "'", "«", "»", "№", "@", "-", ".",
};

std::string RandomText(std::mt19937& rng, int maxPieces = 12) {
    std::string text;
    const int pieces = Uniform(rng, 0, maxPieces);
    for (int i = 0; i < pieces; ++i) text += kPieces[Uniform(rng, 0, static_cast<int>(kPieces.size()) - 1)];
    return text;
}

std::string RandomDigits(std::mt19937& rng, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += static_cast<char>('0' + Uniform(rng, 0, 9));
    return text;
}

// An amount with up to four decimals; small, typical and very large ones, negative
// ones and the value -1 that stands for "no amount" elsewhere.
Money RandomMoney(std::mt19937& rng) {
    constexpr int64_t kLargest = 99999999999999LL * Money::kScale + 9999;
    switch (Uniform(rng, 0, 5)) {
    case 0: return Money();
    case 1: return kAbsentAmount;
    case 2: return Money::FromRaw(Uniform(rng, 0, 99999));
    case 3: return Money::FromRaw(-static_cast<int64_t>(Uniform(rng, 1, 99999999)));
    case 4: return Money::FromRaw(std::uniform_int_distribution<int64_t>(-kLargest, kLargest)(rng));
    default: return Money::FromRaw(static_cast<int64_t>(Uniform(rng, 0, 99999999)) * 100);
    }
}

// A month amount: anything but -1, which would read back as an absent month.
Money RandomMonthAmount(std::mt19937& rng) {
    Money m = RandomMoney(rng);
    return m == kAbsentAmount ? Money::FromRaw(-10001) : m;
}

int32_t RandomCode(std::mt19937& rng) {
    switch (Uniform(rng, 0, 3)) {
    case 0: return 0;
    case 1: return Uniform(rng, 1000, 9999);
    case 2: return Uniform(rng, 100, 999);
    default: return std::uniform_int_distribution<int32_t>(INT32_MIN, INT32_MAX)(rng);
    }
}

DateTime RandomDate(std::mt19937& rng) {
    return EncodeDate(Uniform(rng, 1995, 2030), Uniform(rng, 1, 12), Uniform(rng, 1, 28));
}

void RandomNames(std::mt19937& rng, mTSourseIncomeInfo& source) {
    source.Inn = Chance(rng, 80) ? RandomDigits(rng, Chance(rng, 50) ? 10 : 12) : RandomText(rng, 3);
    source.Kpp = Chance(rng, 80) ? RandomDigits(rng, 9) : "";
    source.Oktmo = Chance(rng, 80) ? RandomDigits(rng, Chance(rng, 50) ? 8 : 11) : "";
    source.SourceName = RandomText(rng);
    source.TaxWithheld = RandomMoney(rng);
}

}  // namespace

void RandomFill(std::mt19937& rng, mTSourseIncome& line) {
    line.IncomeCode = RandomCode(rng);
    line.IncomeName = RandomText(rng, 20);
    line.IncomeAmount = RandomMoney(rng);
    line.DeductionCode = RandomCode(rng);
    line.DeductionAmount = RandomMoney(rng);
    line.DeductionRate = Chance(rng, 70) ? Uniform(rng, 0, 100) : RandomCode(rng);
    line.Month = static_cast<uint16_t>(Uniform(rng, 0, 12));
}

void RandomFill(std::mt19937& rng, mTThirteenPercent& source) {
    RandomNames(rng, source);
    source.StandardDeductionsHere = Chance(rng, 50);
    source.TaxComputed = RandomMoney(rng);
    source.TaxableAmount = RandomMoney(rng);
    source.SpareAmount = RandomMoney(rng);
    for (int m = 0; m < mTThirteenPercent::kMonths; ++m)
        source.SetMonthAmount(m, Chance(rng, 50) ? RandomMonthAmount(rng) : kAbsentAmount);
    const int lines = Chance(rng, 20) ? 0 : Uniform(rng, 1, 6);
    for (int j = 0; j < lines; ++j) {
        mTSourseIncome line;
        RandomFill(rng, line);
        source.AddLine(line);
    }
}

void RandomFill(std::mt19937& rng, mTThirtyPercent& source) {
    RandomNames(rng, source);
    source.IncomeCode = Chance(rng, 80) ? (Chance(rng, 50) ? mTThirtyPercent::kNineIncomeCode
                                                            : mTThirtyPercent::kDividendIncomeCode)
                                        : RandomCode(rng);
    source.IncomeTotal = RandomMoney(rng);
    source.TaxComputed = RandomMoney(rng);
    source.TaxableAmount = RandomMoney(rng);
}

void RandomFill(std::mt19937& rng, mTThirtyFivePercent& source) {
    RandomNames(rng, source);
    source.IncomeCode = RandomCode(rng);
    source.IncomeTotal = RandomMoney(rng);
    source.DeductionCode = RandomCode(rng);
    source.DeductionAmount = RandomMoney(rng);
}

void RandomFill(std::mt19937& rng, mTInvestTovIncome& line) {
    line.OperationKind = Uniform(rng, 0, kInvestOperationKinds);
    line.IncomeAmount = RandomMoney(rng);
    line.ExpenseShare = RandomMoney(rng);
    line.ManagerExpenses = RandomMoney(rng);
    line.PriorLosses = RandomMoney(rng);
}

void RandomFill(std::mt19937& rng, mTInvestTov& source) {
    RandomNames(rng, source);
    source.TaxComputed = RandomMoney(rng);
    source.TaxableAmount = RandomMoney(rng);
    const int lines = Chance(rng, 20) ? 0 : Uniform(rng, 1, 6);
    for (int j = 0; j < lines; ++j) {
        mTInvestTovIncome line;
        RandomFill(rng, line);
        source.AddLine(line);
    }
}

void RandomFill(std::mt19937& rng, mTCurrencyIncome& income) {
    income.IncomeRate = Chance(rng, 80) ? Uniform(rng, 0, 35) : RandomCode(rng);
    income.IncomeCode = RandomCode(rng);
    income.IncomeName = RandomText(rng, 20);
    income.SourceName = RandomText(rng);
    income.CountryCode = Chance(rng, 80) ? RandomDigits(rng, 3) : RandomText(rng, 2);
    income.IncomeDate = RandomDate(rng);
    income.TaxPaymentDate = RandomDate(rng);
    income.CurrencyCode = Chance(rng, 80) ? RandomDigits(rng, 3) : "";
    income.RateOnIncomeDate = RandomMoney(rng);
    income.UnitsOnIncomeDate = Chance(rng, 80) ? Uniform(rng, 0, 10000) : RandomCode(rng);
    income.RateOnTaxDate = RandomMoney(rng);
    income.UnitsOnTaxDate = Chance(rng, 80) ? Uniform(rng, 0, 10000) : RandomCode(rng);
    income.CurrencyName = RandomText(rng, 4);
    // The rouble values are saved as they stand, so they need not follow the rates.
    income.IncomeInCurrency = RandomMoney(rng);
    income.IncomeInRoubles = RandomMoney(rng);
    income.TaxInCurrency = RandomMoney(rng);
    income.TaxInRoubles = RandomMoney(rng);
    income.AutoRate = Chance(rng, 50);
    income.DeductionCode = RandomCode(rng);
    income.DeductionAmount = RandomMoney(rng);
    income.DeductionRate = Uniform(rng, 0, 100);
}

void RandomFill(std::mt19937& rng, mTBusinessNew& activity) {
    activity.ActivityKind = Chance(rng, 90) ? std::string(1, static_cast<char>('1' + Uniform(rng, 0, 5))) : "";
    activity.ActivityCode = Chance(rng, 80) ? RandomDigits(rng, 2) + "." + RandomDigits(rng, 2) + "." + RandomDigits(rng, 1)
                                            : mTBusinessNew::kEmptyActivityCode;
    activity.Income = RandomMoney(rng);
    activity.ExpensesConfirmed = Chance(rng, 50);
    // Only the expenses of the chosen kind are saved; the other kind stays default.
    if (activity.ExpensesConfirmed) {
        for (std::size_t i = 0; i < activity.ExpenseItems.size(); ++i)
            activity.ExpenseItems[i] = i <= kExpenseOther || Chance(rng, 30) ? RandomMoney(rng) : Money();
    } else {
        activity.UnconfirmedExpenses = RandomMoney(rng);
    }
}

void RandomFill(std::mt19937& rng, mTNalog& payment) {
    payment.PaymentText1 = Chance(rng, 70) ? RandomDigits(rng, 20) : RandomText(rng, 4);
    payment.PaymentText2 = RandomText(rng);
    payment.PaymentAmount = RandomMoney(rng);
}

}  // namespace kvz::test
