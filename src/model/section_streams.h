#pragma once
// How the income sections meet the storage: the names of their streams (a word and
// three-digit numbers, "%.3d") and the error place each section stamps on a storage
// error that passes through it, so that a message can be traced to the section.
#include <cstdint>
#include <string>
#include <string_view>

#include "storage/errors.h"

namespace kvz {

// prefix + index as "%.3d" ("@NalogSub" and 7 give "@NalogSub007").
std::string SectionStreamName(std::string_view prefix, uint16_t index);
// prefix + index + line, both as "%.3d" ("@SourseIncome" 1 and 12 give "@SourseIncome001012").
std::string SectionLineStreamName(std::string_view prefix, uint16_t index, int32_t line);

// Runs body; a storage error leaving it gets Place and travels on unchanged.
template <class Body>
void WithErrorPlace(uint16_t place, Body&& body) {
    try {
        body();
    } catch (mEPrivBase& e) {
        e.Place = place;
        throw;
    }
}

}  // namespace kvz
