#include "checks/check_text.h"

namespace kvz {

namespace {

bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= 0x20; }

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlankByte(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankByte(text.back())) text.remove_suffix(1);
    return text;
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;  // continuation bytes belong to the previous
    return count;
}

std::size_t TrimmedLength(std::string_view text) { return CharacterCount(TrimBlanks(text)); }

}  // namespace kvz
