#pragma once
// The coded income lines that the deduction sheets walk. A line of a 13 % source and
// a foreign-currency income carry the same four things (income code and amount,
// deduction code and amount); a foreign income's amount is its rouble value.
#include <cstdint>
#include <vector>

#include "storage/money.h"

namespace kvz {

class mTDeclaration;
class mTThirteenPercent;
template <class T>
class mTItemList;

struct kTIncomeLine {
    int32_t IncomeCode = 0;
    Money Amount;
    int32_t DeductionCode = 0;
    Money DeductionAmount;
    bool Foreign = false;
};

// Every line of every source of the list, in list order and line order.
std::vector<kTIncomeLine> LinesOfSources(const mTItemList<mTThirteenPercent>& sources);

// Every foreign-currency income, in list order; none unless the declaration
// declares foreign-currency income.
std::vector<kTIncomeLine> ForeignIncomeLines(const mTDeclaration& declaration);

// The lines of the resident 13 % sources followed by the foreign-currency incomes.
std::vector<kTIncomeLine> ThirteenAndForeignLines(const mTDeclaration& declaration);

}  // namespace kvz
