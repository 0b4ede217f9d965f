#include "model/currency_income.h"

#include <limits>
#include <stdexcept>

#include "model/stored_fields.h"

namespace kvz {

namespace {

// 1 January 2015, the first day a new income can have.
DateTime FirstDayOf2015() { return EncodeDate(2015, 1, 1); }

}  // namespace

Money CurrencyToRoubles(Money amount, Money rate, int32_t units) {
    if (units == 0) return Money();
    // amount and rate are both scaled by 10 000; the result is wanted in kopecks.
    __int128 numerator = static_cast<__int128>(amount.Raw()) * rate.Raw();
    __int128 denominator = static_cast<__int128>(units) * (Money::kScale * Money::kScale / 100);
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    __int128 kopecks = numerator / denominator;  // cut toward zero
    const __int128 remainder = numerator % denominator;
    if (remainder > 0 && 2 * remainder >= denominator) ++kopecks;  // halves of positives go up
    constexpr __int128 kLimit = std::numeric_limits<int64_t>::max() / 100;
    if (kopecks > kLimit || kopecks < -kLimit)
        throw std::overflow_error("Сумма в рублях слишком велика.");
    return Money::FromRaw(static_cast<int64_t>(kopecks) * 100);
}

mTCurrencyIncome::mTCurrencyIncome() : IncomeDate(FirstDayOf2015()), TaxPaymentDate(FirstDayOf2015()) {}

// The equivalent first: an amount whose equivalent overflows leaves the record as it was.
void mTCurrencyIncome::SetIncomeInCurrency(Money amount) {
    IncomeInRoubles = CurrencyToRoubles(amount, RateOnIncomeDate, UnitsOnIncomeDate);
    IncomeInCurrency = amount;
}

void mTCurrencyIncome::SetTaxInCurrency(Money amount) {
    TaxInRoubles = CurrencyToRoubles(amount, RateOnTaxDate, UnitsOnTaxDate);
    TaxInCurrency = amount;
}

template class mTItemStream<mTCurrencyIncome>;

}  // namespace kvz
