#include "app/section.h"

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
        case 1:
            return CheckTarget{Section::Conditions, kNoPage};
        case 2:
        case 3:
            return CheckTarget{Section::Taxpayer, checkSection - 2};
        case 4:
        case 5:
        case 6:
            return CheckTarget{Section::RussianIncome, checkSection - 4};
        case 7:
            return CheckTarget{Section::ForeignIncome, kNoPage};
        case 8:
            return CheckTarget{Section::Business, kNoPage};
        case 9:
        case 10:
            return CheckTarget{Section::Deductions, checkSection - 9};
        case 12:
            return CheckTarget{Section::InvestTov, kNoPage};
        default:
            return std::nullopt;
    }
}

}  // namespace kvz
