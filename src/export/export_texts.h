#pragma once
// Text forms of the values written into the tax authority's XML files. Amounts use
// KopeckForm and PlainForm of storage/money.h; everything else is here.
#include <cstdint>
#include <string>
#include <string_view>

#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

// Removes blanks and control characters (everything up to and including the space)
// from both ends.
std::string TrimText(std::string_view text);
bool IsBlankText(std::string_view text);

// An exchange rate or an amount in a foreign currency: "," becomes "." and the
// result is trimmed.
std::string CurrencyText(std::string_view text);

// "DD.MM.YYYY".
std::string ExportDateText(DateTime date);
// "YYYY".
std::string YearText(DateTime date);
// "YYYYMMDD", the date part of a file identifier.
std::string IdentifierDateText(DateTime date);

// The text padded on the left with "0" to at least width characters (a longer
// text is left as it is).
std::string PadWithZeros(std::string_view text, std::size_t width);
// Decimal text without leading zeros.
std::string IntegerText(int64_t value);

// Number of characters of a UTF-8 text (each is one windows-1251 byte).
std::size_t TextLength(std::string_view utf8);
// Up to count characters from the 0-based character position start.
std::string TextSlice(std::string_view utf8, std::size_t start, std::size_t count);

}  // namespace kvz
