#pragma once
// The texts of exchange-rate files: dates "DD.MM.YYYY", rates with four decimals
// at most (decimal comma or point), unit counts. Each parser returns false for a
// text that does not fit instead of guessing.
#include <cstdint>
#include <string>

#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

// Exactly two digits, ".", two digits, ".", four digits, naming a real day.
bool ParseRateDate(const std::string& text, DateTime& out);
// A positive amount such as "62,7363" or "62.7363".
bool ParseRateValue(const std::string& text, Money& out);
// A positive whole number of currency units, such as "1", "10" or "100".
bool ParseRateQuantity(const std::string& text, int32_t& out);

// The text without the spaces, tabs and line breaks around it.
std::string StripSpaces(const std::string& text);

}  // namespace kvz
