#pragma once
// Which of the foreign-income sheets (13, 9 or 35 %) takes an income abroad.
#include <cstdint>

namespace kvz {

class mTCurrencyIncome;

// The rates of the foreign-income sheets, in the order they are calculated.
inline constexpr int32_t kForeignSheetRates[] = {13, 9, 35};

// The sheet's rate; 0 when no sheet takes the income, so it adds nothing to the tax:
// its rate code belongs to none of them, or it is material benefit, declared elsewhere.
int32_t ForeignSheetRate(const mTCurrencyIncome& income);

}  // namespace kvz
