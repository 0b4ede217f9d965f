#include "calc/rounding.h"

#include <limits>
#include <stdexcept>

namespace kvz {

namespace {

int64_t Narrow(__int128 value) {
    if (value > std::numeric_limits<int64_t>::max() || value < std::numeric_limits<int64_t>::min())
        throw std::overflow_error("сумма вне допустимого диапазона");
    return static_cast<int64_t>(value);
}

constexpr int64_t kRawPerRouble = Money::kScale;
constexpr int64_t kRawPerKopeck = Money::kScale / 100;

}  // namespace

int64_t RoundedQuotient(__int128 numerator, __int128 denominator) {
    if (denominator == 0) throw std::domain_error("деление на ноль при округлении");
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    __int128 whole = numerator / denominator;  // toward zero
    __int128 rest = numerator % denominator;   // sign of the numerator
    if (rest > 0 && 2 * rest >= denominator) ++whole;
    return Narrow(whole);
}

Money RoundToRoubles(Money amount) {
    return Money::FromRaw(Narrow(static_cast<__int128>(RoundedQuotient(amount.Raw(), kRawPerRouble)) *
                                 kRawPerRouble));
}

Money TaxAtRate(Money amount, TaxRate rate) {
    __int128 roubles = RoundedQuotient(static_cast<__int128>(amount.Raw()) * rate.Percent,
                                       static_cast<__int128>(kRawPerRouble) * 100);
    return Money::FromRaw(Narrow(roubles * kRawPerRouble));
}

Money ScaleToKopecks(Money amount, int64_t numerator, int64_t denominator) {
    __int128 kopecks = RoundedQuotient(static_cast<__int128>(amount.Raw()) * numerator,
                                       static_cast<__int128>(denominator) * kRawPerKopeck);
    return Money::FromRaw(Narrow(kopecks * kRawPerKopeck));
}

Money PercentCutToKopecks(Money amount, int32_t percent) {
    __int128 kopecks = static_cast<__int128>(amount.Raw()) * percent / (100 * kRawPerKopeck);
    return Money::FromRaw(Narrow(kopecks * kRawPerKopeck));
}

Money RoundToWholeKopecks(Money amount) {
    return Money::FromRaw(RoundedQuotient(amount.Raw(), kRawPerKopeck) * kRawPerKopeck);
}

Money CutToWholeKopecks(Money amount) {
    return Money::FromRaw(amount.Raw() / kRawPerKopeck * kRawPerKopeck);
}

}  // namespace kvz
