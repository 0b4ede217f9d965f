#pragma once
// The sections of the main window (one button and one screen each), which of them
// the open declaration offers, and where the whole-declaration check sends the user.
#include <cstdint>
#include <optional>

namespace kvz {

class mTDeclaration;

enum class Section {
    Conditions,
    Taxpayer,
    RussianIncome,
    ForeignIncome,
    Business,
    Deductions,
    InvestTov,
};

inline constexpr Section kAllSections[] = {
    Section::Conditions, Section::Taxpayer,   Section::RussianIncome, Section::ForeignIncome,
    Section::Business,   Section::Deductions, Section::InvestTov,
};

// Whether the section's button is enabled for this declaration.
bool SectionEnabled(const mTDeclaration& declaration, Section section);

// A screen that has one page takes the field number alone.
inline constexpr int kNoPage = -1;

// Where a finding of the whole-declaration check is corrected.
struct CheckTarget {
    Section section = Section::Conditions;
    int page = kNoPage;
};

// The check reports its section number in the low half and the field in the high half.
inline uint16_t CheckSectionOf(uint32_t result) { return static_cast<uint16_t>(result & 0xFFFFu); }
inline uint16_t CheckFieldOf(uint32_t result) { return static_cast<uint16_t>(result >> 16); }
// The field value the check reports when the user declined to correct anything.
inline constexpr uint16_t kCheckDeclined = 0xFFFF;

// The screen and page of a check section number; nothing for a number that has no screen.
std::optional<CheckTarget> CheckTargetOf(uint16_t checkSection);

}  // namespace kvz
