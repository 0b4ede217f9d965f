#pragma once
// The expenses of an activity without documents: a fixed share of its income.
#include "storage/money.h"

namespace kvz {

inline constexpr int kExpenseNormPercent = 20;

// 20 % of the income rounded to kopecks, halves up; zero for an income not entered.
Money ExpenseNorm(Money income);

}  // namespace kvz
