// Professional deductions for Russian and foreign sources.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/deduction_fixtures.h"

namespace kvz {
namespace {

using test::deduct::AddForeign;
using test::deduct::AddLine;
using test::deduct::Rub;

class ProfessionalDeductions : public ::testing::Test {
protected:
    ProfessionalDeductions() : D(test::deduct::DeductionDeclaration(kDecl3Ndfl, kIncomeRussian | kIncomeForeign)) {
        Sum.Bind(*D);
    }

    std::unique_ptr<mTDeclaration> D;
    kTSvodSum Sum;
};

TEST_F(ProfessionalDeductions, EveryRowOfAResidentWithExpensesCappedAtIncome) {
    mTThirteenPercent& source = test::deduct::AddSource(*D);
    AddLine(source, 2010, Rub(100000), 403, Rub(30000));
    AddLine(source, 2201, Rub(50000), 404, Rub(60000));
    AddLine(source, 2209, Rub(40000), 404, Rub(10000));
    AddLine(source, 2206, Rub(100000), 405, Rub(25000));
    AddLine(source, 1540, Rub(20000), 315, Rub(5000));
    AddLine(source, 1542, Rub(10000), 316, Rub(8000));
    AddLine(source, 1544, Rub(9000), 317, Rub(1000));
    AddLine(source, 1545, Rub(8000), 318, Rub(2000));
    AddLine(source, 1550, Rub(7000), 314, Rub(3000));
    AddLine(source, 2210, Rub(7000), 404, Rub(3000));  // outside the author's codes
    AddLine(source, 1540, Rub(7000), 316, Rub(3000));  // a code of the other pairing
    ASSERT_TRUE(Sum.CalcPrilG());
    const kTSvodSumPrilG& g = Sum.PrilG;
    EXPECT_EQ(g.ContractIncome, Rub(100000));
    EXPECT_EQ(g.ContractExpense, Rub(30000));
    EXPECT_EQ(g.AuthorActualIncome, Rub(90000));
    EXPECT_EQ(g.AuthorActualExpense, Rub(70000));
    EXPECT_EQ(g.AuthorNormIncome, Rub(100000));
    EXPECT_EQ(g.AuthorNormExpense, Rub(25000));
    EXPECT_EQ(g.ShareCapitalIncome, Rub(30000));
    EXPECT_EQ(g.ShareCapitalExpense, Rub(13000));
    EXPECT_EQ(g.EarlyRedemptionExpense, Rub(1000));
    EXPECT_EQ(g.ReducedShareExpense, Rub(2000));
    EXPECT_EQ(g.SharedBuildingIncome, Rub(7000));
    EXPECT_EQ(g.SharedBuildingExpense, Rub(3000));
    EXPECT_EQ(g.ExpenseTotal, Rub(30000 + 70000 + 25000 + 13000 + 1000 + 2000 + 3000));

    D->Thirteen.Get(0).ReplaceLine(1, std::nullopt);  // the claim of 60 000 on 50 000
    AddLine(D->Thirteen.Get(0), 2201, Rub(10000), 404, Rub(90000));
    ASSERT_TRUE(Sum.CalcPrilG());
    EXPECT_EQ(Sum.PrilG.AuthorActualIncome, Rub(50000));
    EXPECT_EQ(Sum.PrilG.AuthorActualExpense, Rub(50000));
}

TEST_F(ProfessionalDeductions, ANonResidentHasOnlyContractsOfTheSecondList) {
    D->DeclarationKind = kDecl3NdflNonResident;
    mTThirteenPercent& source = test::deduct::AddNonResidentSource(*D);
    AddLine(source, 2010, Rub(50000), 403, Rub(20000));
    AddLine(source, 2201, Rub(50000), 404, Rub(20000));
    AddLine(test::deduct::AddSource(*D), 2010, Rub(10000), 403, Rub(5000));
    ASSERT_TRUE(Sum.CalcPrilG());
    EXPECT_EQ(Sum.PrilG.ContractIncome, Rub(50000));
    EXPECT_EQ(Sum.PrilG.ExpenseTotal, Rub(20000));
    EXPECT_EQ(Sum.PrilG.AuthorActualIncome, Money());
}

TEST_F(ProfessionalDeductions, ForeignIncomesFeedTheirOwnRecord) {
    AddForeign(*D, 2202, Rub(80000), 405, Rub(24000));
    AddForeign(*D, 2010, Rub(10000), 403, Rub(15000));
    AddLine(test::deduct::AddSource(*D), 2010, Rub(10000), 403, Rub(1000));
    ASSERT_TRUE(Sum.CalcPrilG_In());
    EXPECT_EQ(Sum.PrilG_In.AuthorNormExpense, Rub(24000));
    EXPECT_EQ(Sum.PrilG_In.ContractExpense, Rub(10000));
    EXPECT_EQ(Sum.PrilG_In.ExpenseTotal, Rub(34000));

    D->SetIncomeKinds(kIncomeRussian);
    ASSERT_TRUE(Sum.CalcPrilG_In());
    EXPECT_EQ(Sum.PrilG_In, kTSvodSumPrilG_In());
}

}  // namespace
}  // namespace kvz
