#pragma once
// Small text rules shared by the checks: what counts as blank, and lengths counted
// in characters (one byte each in the document's code page), not UTF-8 bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace kvz {

// The text without leading and trailing blanks and control characters.
std::string_view TrimBlanks(std::string_view text);
// Empty after trimming.
bool IsBlank(std::string_view text);
// Number of characters of a UTF-8 text.
std::size_t CharacterCount(std::string_view text);
// Number of characters of the trimmed text.
std::size_t TrimmedLength(std::string_view text);

}  // namespace kvz
