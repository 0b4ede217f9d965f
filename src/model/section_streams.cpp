#include "model/section_streams.h"

#include <cstdio>

namespace kvz {

namespace {

std::string ThreeDigits(long long value) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%.3lld", value);
    return digits;
}

}  // namespace

std::string SectionStreamName(std::string_view prefix, uint16_t index) {
    return std::string(prefix) + ThreeDigits(index);
}

std::string SectionLineStreamName(std::string_view prefix, uint16_t index, int32_t line) {
    return std::string(prefix) + ThreeDigits(index) + ThreeDigits(line);
}

}  // namespace kvz
