#pragma once
// How the deduction (expense) amount of an income line follows its income: a
// normative percentage of it, or the income itself up to a ceiling.
#include <optional>

#include "storage/money.h"

namespace kvz {

struct DeductionEntry;

struct DeductionAmountRule {
    int Percent = 0;            // non-zero: the amount is this percentage of the income
    bool EqualsIncome = false;  // the amount is the income
    Money MaxSum;               // ceiling; zero for none

    static DeductionAmountRule Of(const DeductionEntry& entry);
    bool operator==(const DeductionAmountRule&) const = default;
};

// income x percent / 100 rounded to whole kopecks, a half kopeck and more up; exact
// for every amount. A negative income (none entered) gives zero.
// Throws std::invalid_argument for a percentage outside 0…100.
Money PercentOfIncome(Money income, int percent);

// The amount, but not above the ceiling when one is set.
Money LimitToCeiling(Money amount, Money maxSum);

// The amount the deduction takes from the income by the rule, limited to the ceiling;
// nullopt when the rule leaves the amount to the user.
std::optional<Money> AutomaticDeductionAmount(Money income, const DeductionAmountRule& rule);

// An amount the user typed: one at or above the ceiling becomes the ceiling.
Money TypedDeductionAmount(Money typed, const DeductionAmountRule& rule);

}  // namespace kvz
