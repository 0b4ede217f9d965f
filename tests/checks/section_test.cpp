#include "checks/section.h"

#include <gtest/gtest.h>

#include "model/declaration.h"

namespace kvz {
namespace {

TEST(Sections, ButtonsFollowIncomeKindsAndDeclarationKind) {
    mTDeclaration declaration;
    for (Section s : kAllSections) {
        const bool always = s == Section::Conditions || s == Section::Taxpayer;
        EXPECT_EQ(SectionEnabled(declaration, s), always) << static_cast<int>(s);
    }

    // Only foreign-currency income: foreign and deductions, none of the other income sections.
    declaration.SetIncomeKinds(kIncomeForeign);
    EXPECT_FALSE(SectionEnabled(declaration, Section::RussianIncome));
    EXPECT_FALSE(SectionEnabled(declaration, Section::Business));
    EXPECT_FALSE(SectionEnabled(declaration, Section::InvestTov));
    EXPECT_TRUE(SectionEnabled(declaration, Section::ForeignIncome));
    EXPECT_TRUE(SectionEnabled(declaration, Section::Deductions));

    declaration.SetIncomeKinds(kIncomeRussian | kIncomeBusiness | kIncomeInvestTov);
    EXPECT_TRUE(SectionEnabled(declaration, Section::RussianIncome));
    EXPECT_TRUE(SectionEnabled(declaration, Section::Business));
    EXPECT_TRUE(SectionEnabled(declaration, Section::InvestTov));
    EXPECT_FALSE(SectionEnabled(declaration, Section::ForeignIncome));

    declaration.DeclarationKind = kDecl3NdflNonResident;
    EXPECT_FALSE(SectionEnabled(declaration, Section::Deductions));
    declaration.DeclarationKind = kDecl4Ndfl;
    EXPECT_FALSE(SectionEnabled(declaration, Section::Deductions));
}

TEST(Sections, CheckSectionsLeadToScreenAndPage) {
    struct Case {
        uint16_t checkSection;
        Section section;
        int page;
    };
    const Case cases[] = {
        {1, Section::Conditions, kNoPage},   {2, Section::Taxpayer, 0},        {3, Section::Taxpayer, 1},
        {4, Section::RussianIncome, 0},      {5, Section::RussianIncome, 1},   {6, Section::RussianIncome, 2},
        {7, Section::ForeignIncome, kNoPage}, {8, Section::Business, kNoPage}, {9, Section::Deductions, 0},
        {10, Section::Deductions, 1},        {12, Section::InvestTov, kNoPage}, {13, Section::RussianIncome, 3},
        {14, Section::RussianIncome, 4},
    };
    for (const Case& c : cases) {
        const auto target = CheckTargetOf(c.checkSection);
        ASSERT_TRUE(target.has_value()) << c.checkSection;
        EXPECT_EQ(target->section, c.section) << c.checkSection;
        EXPECT_EQ(target->page, c.page) << c.checkSection;
    }
    for (uint16_t none : {0, 11, 15, 0xFFFF}) EXPECT_EQ(CheckTargetOf(none), std::nullopt) << none;
}

}  // namespace
}  // namespace kvz
