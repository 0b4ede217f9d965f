#pragma once
// The calculation's one place for rounding money. The rule: a fraction of 0.5 or more
// rounds up, any other fraction is cut, and a negative value is cut toward zero
// (100.5 → 101, 100.49 → 100, −3.7 → −3, −3.5 → −3). Every product is worked out
// exactly in 128-bit integers, so no amount turns into "a little less than a half".
#include <cstdint>

#include "calc/rates.h"
#include "storage/money.h"

namespace kvz {

// numerator ÷ denominator by the rule above. The denominator must not be 0.
// Throws std::overflow_error when the result does not fit 64 bits.
int64_t RoundedQuotient(__int128 numerator, __int128 denominator);

// The amount rounded to whole roubles.
Money RoundToRoubles(Money amount);
// The tax at a rate: amount × rate, rounded to whole roubles.
Money TaxAtRate(Money amount, TaxRate rate);
// amount × numerator ÷ denominator rounded to whole kopecks; the denominator must
// not be 0. Serves shares of a limit and the like.
Money ScaleToKopecks(Money amount, int64_t numerator, int64_t denominator);
// amount × percent ÷ 100 with the kopecks cut (truncated toward zero), not rounded.
Money PercentCutToKopecks(Money amount, int32_t percent);
// The amount rounded to whole kopecks.
Money RoundToWholeKopecks(Money amount);
// The amount with anything below a kopeck cut toward zero.
Money CutToWholeKopecks(Money amount);

// Amount when positive, else 0.
constexpr Money NotBelowZero(Money amount) { return amount.Raw() > 0 ? amount : Money(); }
// The smaller of the two (the first when they are equal).
constexpr Money Smaller(Money a, Money b) { return b < a ? b : a; }

}  // namespace kvz
