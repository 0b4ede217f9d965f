#include "model/deduction_amount.h"

#include <stdexcept>

#include "model/income_dictionary.h"

namespace kvz {

namespace {
constexpr int64_t kRawPerKopeck = Money::kScale / 100;
}

DeductionAmountRule DeductionAmountRule::Of(const DeductionEntry& entry) {
    return {entry.Percent, entry.Equivalent, entry.MaxSum};
}

Money PercentOfIncome(Money income, int percent) {
    if (percent < 0 || percent > 100) throw std::invalid_argument("percentage out of range");
    if (income < Money()) return Money();
    // In kopecks the result is raw x percent / (100 x kRawPerKopeck); the division
    // is done on integers so that a half kopeck is recognised exactly. Percent is at
    // most 100, so the product cannot overflow 128 bits and the result fits the income.
    const __int128 numerator = static_cast<__int128>(income.Raw()) * percent;
    const __int128 divisor = static_cast<__int128>(100) * kRawPerKopeck;
    __int128 kopecks = numerator / divisor;
    if ((numerator % divisor) * 2 >= divisor) ++kopecks;
    return Money::FromRaw(static_cast<int64_t>(kopecks * kRawPerKopeck));
}

Money LimitToCeiling(Money amount, Money maxSum) {
    if (!maxSum.IsZero() && amount > maxSum) return maxSum;
    return amount;
}

std::optional<Money> AutomaticDeductionAmount(Money income, const DeductionAmountRule& rule) {
    if (rule.Percent != 0) return LimitToCeiling(PercentOfIncome(income, rule.Percent), rule.MaxSum);
    if (rule.EqualsIncome) return LimitToCeiling(income < Money() ? Money() : income, rule.MaxSum);
    return std::nullopt;
}

Money TypedDeductionAmount(Money typed, const DeductionAmountRule& rule) {
    return LimitToCeiling(typed, rule.MaxSum);
}

}  // namespace kvz
