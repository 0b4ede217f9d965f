#pragma once
// Text is UTF-8 in memory; files hold windows-1251 bytes. Conversion happens at
// the file boundary only.
#include <cstddef>
#include <string>
#include <string_view>

namespace kvz {

// Throws EEncodingError naming the first character that windows-1251 cannot hold.
std::string Utf8ToCp1251(std::string_view utf8);
bool CanEncodeCp1251(std::string_view utf8);
// Number of windows-1251 bytes the text takes (one a character). Throws like Utf8ToCp1251.
std::size_t Cp1251Length(std::string_view utf8);
// Throws EEncodingError for a byte that windows-1251 leaves undefined (0x98).
std::string Cp1251ToUtf8(std::string_view cp1251);
// Code page 866 (the classifier's tables) to UTF-8.
std::string Cp866ToUtf8(std::string_view cp866);

// Upper case by the windows-1251 alphabet (Cyrillic and Latin, Ё included).
std::string UpperCaseCp1251(std::string_view utf8);

}  // namespace kvz
