#include "checks/section.h"

#include "checks/section_fields.h"
#include "model/declaration.h"

namespace kvz {

namespace {

// The sections that follow one income kind of the conditions screen.
struct IncomeSection {
    Section section;
    uint8_t kind;
};
constexpr IncomeSection kIncomeSections[] = {
    {Section::RussianIncome, kIncomeRussian},
    {Section::ForeignIncome, kIncomeForeign},
    {Section::Business, kIncomeBusiness},
    {Section::InvestTov, kIncomeInvestTov},
};

struct CheckPlace {
    uint16_t checkSection;
    CheckTarget target;
};
// The Russian income pages are its groups: 13 %, dividends, 35 %, non-resident
// specialists, 9 %; the deductions' pages are their screens.
constexpr CheckPlace kCheckPlaces[] = {
    {kCheckSectionConditions, {Section::Conditions, kNoPage}},
    {kCheckSectionPerson, {Section::Taxpayer, 0}},
    {kCheckSectionAddress, {Section::Taxpayer, 1}},
    {kCheckSectionThirteen, {Section::RussianIncome, 0}},
    {kCheckSectionDividends, {Section::RussianIncome, 1}},
    {kCheckSectionThirtyFive, {Section::RussianIncome, 2}},
    {kCheckSectionThirteenNR, {Section::RussianIncome, 3}},
    {kCheckSectionNinePercent, {Section::RussianIncome, 4}},
    {kCheckSectionForeign, {Section::ForeignIncome, kNoPage}},
    {kCheckSectionBusiness, {Section::Business, kNoPage}},
    {kCheckSectionDeductions, {Section::Deductions, 0}},
    {kCheckSectionDeductionsEnd, {Section::Deductions, 1}},
    {kCheckSectionInvestTov, {Section::InvestTov, kNoPage}},
};

}  // namespace

bool SectionEnabled(const mTDeclaration& declaration, Section section) {
    const uint8_t kinds = declaration.IncomeKinds;
    for (const IncomeSection& s : kIncomeSections)
        if (s.section == section) return (kinds & s.kind) != 0;
    // Non-residents and the expected-income form have no deductions.
    if (section == Section::Deductions)
        return kinds != 0 && declaration.DeclarationKind != kDecl3NdflNonResident &&
               declaration.DeclarationKind != kDecl4Ndfl;
    return true;  // the conditions and the taxpayer
}

std::optional<CheckTarget> CheckTargetOf(uint16_t checkSection) {
    for (const CheckPlace& place : kCheckPlaces)
        if (place.checkSection == checkSection) return place.target;
    return std::nullopt;
}

}  // namespace kvz
