#include "storage/money.h"

#include <cstdio>
#include <limits>

#include "storage/errors.h"

namespace kvz {

std::string MoneyToText(Money m, char separator) {
    int64_t raw = m.Raw();
    bool negative = raw < 0;
    // Work in unsigned so the most negative value does not overflow.
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
    uint64_t whole = magnitude / Money::kScale;
    uint64_t fraction = magnitude % Money::kScale;
    std::string text = negative ? "-" : "";
    text += std::to_string(whole);
    if (fraction != 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04llu", static_cast<unsigned long long>(fraction));
        std::string f = digits;
        while (!f.empty() && f.back() == '0') f.pop_back();
        text += separator;
        text += f;
    }
    return text;
}

namespace {

// Splits "[-+]digits[sep digits]" with optional surrounding blanks. Returns false
// on any other character.
bool SplitDecimal(const std::string& text, char separator, bool& negative, std::string& whole,
                  std::string& fraction) {
    std::size_t i = 0, n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    while (n > i && (text[n - 1] == ' ' || text[n - 1] == '\t')) --n;
    negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    whole.clear();
    fraction.clear();
    while (i < n && text[i] >= '0' && text[i] <= '9') whole += text[i++];
    if (i < n && text[i] == separator) {
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') fraction += text[i++];
    }
    return i == n && !(whole.empty() && fraction.empty());
}

bool BuildRaw(bool negative, const std::string& whole, const std::string& fraction, bool roundExtra,
              int64_t& raw) {
    constexpr int64_t kMaxWhole = std::numeric_limits<int64_t>::max() / Money::kScale - 1;
    std::size_t start = whole.find_first_not_of('0');
    std::string significant = start == std::string::npos ? "" : whole.substr(start);
    if (significant.size() > 18) return false;
    int64_t w = significant.empty() ? 0 : std::stoll(significant);
    if (w > kMaxWhole) return false;
    std::string f = fraction;
    bool roundUp = false;
    if (f.size() > 4) {
        if (!roundExtra) return false;
        roundUp = f[4] >= '5';
        f.resize(4);
    }
    while (f.size() < 4) f += '0';
    int64_t value = w * Money::kScale + std::stoll(f) + (roundUp ? 1 : 0);
    raw = negative ? -value : value;
    return true;
}

}  // namespace

Money MoneyFromText(const std::string& text, char separator) {
    bool negative;
    std::string whole, fraction;
    int64_t raw;
    if (!SplitDecimal(text, separator, negative, whole, fraction) ||
        !BuildRaw(negative, whole, fraction, true, raw))
        throw EConvertError("'" + text + "' is not a valid amount");
    return Money::FromRaw(raw);
}

bool TryParseMoneyExact(const std::string& text, Money& out, char separator) {
    bool negative;
    std::string whole, fraction;
    int64_t raw;
    if (!SplitDecimal(text, separator, negative, whole, fraction) ||
        !BuildRaw(negative, whole, fraction, false, raw))
        return false;
    out = Money::FromRaw(raw);
    return true;
}

std::string PlainForm(Money m) {
    std::string text = MoneyToText(m, '.');
    return text.size() > 15 ? "999999999999999" : text;
}

std::string KopeckForm(Money m) {
    int64_t raw = m.Raw() < 0 ? 0 : m.Raw();
    int64_t whole = raw / Money::kScale;
    int64_t kopecks = (raw % Money::kScale) / 100;  // cut, not rounded
    // Built by hand: the export writes thousands of these, and a formatted print
    // cost more than the rest of the value's way into the file.
    std::string text = std::to_string(whole);
    text += '.';
    text += static_cast<char>('0' + kopecks / 10);
    text += static_cast<char>('0' + kopecks % 10);
    return text.size() > 15 ? "999999999999.99" : text;
}

}  // namespace kvz
