#include "model/code_picker.h"

#include <algorithm>
#include <cctype>

namespace kvz {

std::optional<std::size_t> RowOfCode(const CodePicker& picker, const std::string& code) {
    for (std::size_t row = 0; row < picker.RowCount(); ++row)
        if (picker.RowCode(row) == code) return row;
    return std::nullopt;
}

namespace {

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::string WithoutLeadingZeros(const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::optional<std::size_t> RowOfTypedCode(const CodePicker& picker, const std::string& typed) {
    const std::string code = Trimmed(typed);
    if (code.empty()) return std::nullopt;
    if (const auto row = RowOfCode(picker, code)) return row;
    if (!AllDigits(code)) return std::nullopt;
    const std::string number = WithoutLeadingZeros(code);
    for (std::size_t row = 0; row < picker.RowCount(); ++row) {
        const std::string rowCode = picker.RowCode(row);
        if (AllDigits(rowCode) && WithoutLeadingZeros(rowCode) == number) return row;
    }
    return std::nullopt;
}

bool SelectTypedCode(CodePicker& picker, const std::string& typed) {
    const auto row = RowOfTypedCode(picker, typed);
    if (!row) return false;
    picker.SelectRow(*row);
    return true;
}

}  // namespace kvz
