#include "directory/rate_text.h"

namespace kvz {

namespace {

bool AllDigits(const std::string& text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return !text.empty();
}

}  // namespace

std::string StripSpaces(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool ParseRateDate(const std::string& text, DateTime& out) {
    std::string t = StripSpaces(text);
    if (t.size() != 10 || t[2] != '.' || t[5] != '.') return false;
    if (!AllDigits(t.substr(0, 2)) || !AllDigits(t.substr(3, 2)) || !AllDigits(t.substr(6, 4))) return false;
    return TryDateFromText(t, out, '.');
}

bool ParseRateValue(const std::string& text, Money& out) {
    std::string t = StripSpaces(text);
    char separator = t.find(',') != std::string::npos ? ',' : '.';
    Money value;
    if (t.empty() || t[0] == '-' || t[0] == '+' || !TryParseMoneyExact(t, value, separator)) return false;
    if (value <= Money()) return false;
    out = value;
    return true;
}

bool ParseRateQuantity(const std::string& text, int32_t& out) {
    std::string t = StripSpaces(text);
    if (!AllDigits(t) || t.size() > 9) return false;
    int32_t value = std::stoi(t);
    if (value <= 0) return false;
    out = value;
    return true;
}

}  // namespace kvz
