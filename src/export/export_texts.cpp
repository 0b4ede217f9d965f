#include "export/export_texts.h"

#include <cstdio>

namespace kvz {

namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

// A byte that starts a character (anything but a UTF-8 continuation byte).
bool StartsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// Byte offset of the character at position index, or the text's size.
std::size_t ByteOffset(std::string_view utf8, std::size_t index) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!StartsCharacter(utf8[i])) continue;
        if (seen == index) return i;
        ++seen;
    }
    return utf8.size();
}

}  // namespace

std::string TrimText(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsTrimmed(text[begin])) ++begin;
    while (end > begin && IsTrimmed(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

bool IsBlankText(std::string_view text) { return TrimText(text).empty(); }

std::string CurrencyText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == ',') c = '.';
    return TrimText(out);
}

std::string ExportDateText(DateTime date) { return DateToText(date, '.'); }

std::string YearText(DateTime date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", YearOf(date));
    return buffer;
}

std::string IdentifierDateText(DateTime date) {
    int year, month, day;
    DecodeDate(date, year, month, day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", year, month, day);
    return buffer;
}

std::string PadWithZeros(std::string_view text, std::size_t width) {
    const std::size_t length = TextLength(text);
    std::string out = length < width ? std::string(width - length, '0') : std::string();
    out += text;
    return out;
}

std::string IntegerText(int64_t value) { return std::to_string(value); }

std::size_t TextLength(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8)
        if (StartsCharacter(c)) ++count;
    return count;
}

std::string TextSlice(std::string_view utf8, std::size_t start, std::size_t count) {
    const std::size_t from = ByteOffset(utf8, start);
    const std::size_t to = ByteOffset(utf8, start + count);
    return std::string(utf8.substr(from, to - from));
}

}  // namespace kvz
