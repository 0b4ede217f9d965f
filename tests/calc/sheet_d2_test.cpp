// Deductions on the sale of property.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/deduction_fixtures.h"

namespace kvz {
namespace {

using test::deduct::AddForeign;
using test::deduct::AddLine;
using test::deduct::Rub;

class PropertySale : public ::testing::Test {
protected:
    PropertySale()
        : D(test::deduct::DeductionDeclaration(kDecl3Ndfl, kIncomeRussian | kIncomeForeign)), Source(test::deduct::AddSource(*D)) {
        Sum.Bind(*D);
    }
    const kTSvodSumPrilH1& Run() {
        EXPECT_TRUE(Sum.CalcPrilH1());
        return Sum.PrilH1;
    }

    std::unique_ptr<mTDeclaration> D;
    mTThirteenPercent& Source;
    kTSvodSum Sum;
};

TEST_F(PropertySale, OtherRealEstateIsDeductedUpTo250000) {
    AddLine(Source, 1512, Rub(300000), 902, Rub(300000));
    const kTSvodSumPrilH1& h = Run();
    EXPECT_EQ(h.RealEstateIncome, Rub(300000));
    EXPECT_EQ(h.RealEstateDeduction, Rub(250000));
    EXPECT_EQ(h.DeductionTotal, Rub(250000));
}

TEST_F(PropertySale, ShareSaleClaimAboveTheIncomeIsCutToTheIncome) {
    AddLine(Source, 1511, Rub(400000), 904, Rub(700000));
    const kTSvodSumPrilH1& h = Run();
    EXPECT_EQ(h.ShareSaleIncome, Rub(400000));
    EXPECT_EQ(h.ShareSaleDeduction, Rub(400000));
}

TEST_F(PropertySale, HousingSalesDeductTheirIncomeUpToTheAllowance) {
    AddLine(Source, 1510, Rub(1500000), 901, Rub(1000000));
    EXPECT_EQ(Run().HousingSaleDeduction, Rub(1000000));
    EXPECT_EQ(Sum.PrilH1.HousingSaleIncome, Rub(1500000));
}

TEST_F(PropertySale, SeveralHousingSalesLeaveTheRestOfTheAllowanceToAShare) {
    AddLine(Source, 1510, Rub(300000), 901, Rub(300000));
    AddLine(Source, 1510, Rub(300000), 901, Rub(300000));
    AddLine(Source, 1511, Rub(500000), 904, Rub(500000));
    const kTSvodSumPrilH1& h = Run();
    EXPECT_EQ(h.HousingSaleIncome, Rub(600000));
    EXPECT_EQ(h.HousingSaleDeduction, Rub(600000));
    EXPECT_EQ(h.ShareSaleDeduction, Rub(400000));
    EXPECT_EQ(h.DeductionTotal, Rub(1000000));
}

TEST_F(PropertySale, AShareSoldFirstLeavesTheRestToTheHousing) {
    AddLine(Source, 1511, Rub(800000), 904, Rub(800000));
    AddLine(Source, 1510, Rub(500000), 901, Rub(500000));
    const kTSvodSumPrilH1& h = Run();
    EXPECT_EQ(h.ShareSaleDeduction, Rub(800000));
    EXPECT_EQ(h.HousingSaleDeduction, Rub(200000));
}

TEST_F(PropertySale, RealEstateAndOtherPropertyShareTheSmallAllowance) {
    AddLine(Source, 1512, Rub(200000), 902, Rub(200000));
    AddLine(Source, 1520, Rub(100000), 906, Rub(100000));
    AddLine(Source, 1520, Rub(100000), 906, Rub(100000));
    const kTSvodSumPrilH1& h = Run();
    EXPECT_EQ(h.RealEstateDeduction, Rub(200000));
    EXPECT_EQ(h.PropertyIncome, Rub(200000));
    EXPECT_EQ(h.PropertyDeduction, Rub(50000));
    EXPECT_EQ(h.DeductionTotal, Rub(250000));
}

TEST_F(PropertySale, DocumentedExpensesAreCappedByTheirRules) {
    AddLine(Source, 1510, Rub(2000000), 903, Rub(2500000));
    AddLine(Source, 1511, Rub(100000), 903, Rub(150000));
    AddLine(Source, 1512, Rub(300000), 903, Rub(400000));
    AddLine(Source, 1520, Rub(50000), 903, Rub(40000));
    const kTSvodSumPrilH1& h = Run();
    // The share line adds no more than its income; the pair is capped at its income.
    EXPECT_EQ(h.HousingByExpensesIncome, Rub(2100000));
    EXPECT_EQ(h.HousingExpenses, Rub(2100000));
    EXPECT_EQ(h.RealEstateByExpensesIncome, Rub(300000));
    EXPECT_EQ(h.RealEstateExpenses, Rub(300000));
    EXPECT_EQ(h.PropertyExpenses, Rub(40000));
    EXPECT_EQ(h.DeductionTotal, Rub(2440000));
}

TEST_F(PropertySale, SeizedPropertyDeductsTheClaimUpToTheIncome) {
    AddLine(Source, 4900, Rub(70000), 908, Rub(90000));
    AddLine(Source, 4900, Rub(10000), 901, Rub(10000));
    const kTSvodSumPrilH1& h = Run();
    EXPECT_EQ(h.SeizedIncome, Rub(70000));
    EXPECT_EQ(h.SeizedDeduction, Rub(70000));
    EXPECT_EQ(h.HousingSaleIncome, Money());
}

TEST_F(PropertySale, AForeignClaimIsFirstLimitedToItsOwnIncome) {
    AddForeign(*D, 1512, Rub(100000), 902, Rub(250000));
    AddLine(Source, 1512, Rub(300000), 902, Rub(300000));
    const kTSvodSumPrilH1& h = Run();
    // The Russian line is walked first and takes the whole allowance.
    EXPECT_EQ(h.RealEstateDeduction, Rub(250000));

    D->Thirteen.Delete(0);
    AddLine(test::deduct::AddSource(*D), 1520, Rub(200000), 906, Rub(200000));
    EXPECT_EQ(Run().PropertyDeduction, Rub(200000));
    // Limited to its income of 100 000, the foreign claim still fits in what is left.
    EXPECT_EQ(Sum.PrilH1.RealEstateDeduction, Rub(50000));
}

TEST_F(PropertySale, OnlyAResidentHasSaleDeductions) {
    AddLine(Source, 1512, Rub(300000), 902, Rub(300000));
    D->DeclarationKind = kDecl3NdflNonResident;
    EXPECT_EQ(Run(), kTSvodSumPrilH1());
}

}  // namespace
}  // namespace kvz
