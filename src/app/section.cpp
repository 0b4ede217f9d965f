#include "app/section.h"

#include "checks/section_fields.h"
#include "model/declaration.h"

namespace kvz {

bool SectionEnabled(const mTDeclaration& declaration, Section section) {
    const uint8_t kinds = declaration.IncomeKinds;
    switch (section) {
        case Section::Conditions:
        case Section::Taxpayer:
            return true;
        case Section::RussianIncome:
            return (kinds & kIncomeRussian) != 0;
        case Section::ForeignIncome:
            return (kinds & kIncomeForeign) != 0;
        case Section::Business:
            return (kinds & kIncomeBusiness) != 0;
        case Section::InvestTov:
            return (kinds & kIncomeInvestTov) != 0;
        case Section::Deductions:
            // Non-residents and the expected-income form have no deductions.
            return kinds != 0 && declaration.DeclarationKind != kDecl3NdflNonResident &&
                   declaration.DeclarationKind != kDecl4Ndfl;
    }
    return false;
}

std::optional<CheckTarget> CheckTargetOf(uint16_t checkSection) {
    switch (checkSection) {
        case kCheckSectionConditions:
            return CheckTarget{Section::Conditions, kNoPage};
        case kCheckSectionPerson:
        case kCheckSectionAddress:
            return CheckTarget{Section::Taxpayer, checkSection - kCheckSectionPerson};
        case kCheckSectionThirteen:
        case kCheckSectionNine:
        case kCheckSectionThirtyFive:
            return CheckTarget{Section::RussianIncome, checkSection - kCheckSectionThirteen};
        case kCheckSectionForeign:
            return CheckTarget{Section::ForeignIncome, kNoPage};
        case kCheckSectionBusiness:
            return CheckTarget{Section::Business, kNoPage};
        case kCheckSectionDeductions:
        case kCheckSectionDeductionsEnd:
            return CheckTarget{Section::Deductions, checkSection - kCheckSectionDeductions};
        case kCheckSectionInvestTov:
            return CheckTarget{Section::InvestTov, kNoPage};
        default:
            return std::nullopt;
    }
}

}  // namespace kvz
