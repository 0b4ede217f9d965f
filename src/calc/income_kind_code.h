#pragma once
// The income-kind code ("ВидДоход") of a 13 % source, worked out from its lines.
#include <string>

#include "storage/money.h"

namespace kvz {

class mTThirteenPercent;

// Codes of the income kinds the calculation assigns to Russian sources.
namespace income_kind {
inline constexpr const char* kLabour = "06";          // wages and the like
inline constexpr const char* kLabourOwed = "07";      // the same, tax computed above tax withheld
inline constexpr const char* kDividends = "08";
inline constexpr const char* kSecurities = "03";
inline constexpr const char* kOther = "09";
}  // namespace income_kind

// Walks the lines in order and returns the source's code; the result depends on the
// order of the lines. The source's tax figures decide between "06" and "07".
std::string ThirteenPercentKindCode(const mTThirteenPercent& source);

// The sum of the source's line amounts.
Money SumOfLines(const mTThirteenPercent& source);

}  // namespace kvz
