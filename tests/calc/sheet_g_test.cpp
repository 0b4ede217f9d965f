// Income exempt up to a limit, and the advertising prizes.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/deduction_fixtures.h"

namespace kvz {
namespace {

using test::deduct::AddForeign;
using test::deduct::AddLine;
using test::deduct::AddThirtyFive;
using test::deduct::Rub;

class ExemptIncome : public ::testing::Test {
protected:
    ExemptIncome() : D(test::deduct::DeductionDeclaration(kDecl3Ndfl, kIncomeRussian | kIncomeForeign)) { Sum.Bind(*D); }
    const kTSvodSumPrilM& Run() {
        EXPECT_TRUE(Sum.CalcPrilM());
        return Sum.PrilM;
    }

    std::unique_ptr<mTDeclaration> D;
    kTSvodSum Sum;
};

TEST_F(ExemptIncome, TwoGiftsOf3000AreExemptUpTo4000) {
    mTThirteenPercent& source = test::deduct::AddSource(*D);
    AddLine(source, 2720, Rub(3000), 501, Rub(3000));
    AddLine(source, 2720, Rub(3000), 501, Rub(3000));
    const kTSvodSumPrilM& m = Run();
    EXPECT_EQ(m.GiftIncome, Rub(6000));
    EXPECT_EQ(m.GiftExempt, Rub(4000));
    EXPECT_EQ(m.ExemptTotal, Rub(4000));
}

TEST_F(ExemptIncome, EachKindHasItsOwnLimitAndTheRussianAndForeignLinesAddUp) {
    mTThirteenPercent& source = test::deduct::AddSource(*D);
    AddLine(source, 2760, Rub(5000), 503, Rub(4000));
    AddLine(source, 1211, Rub(9000), 510, Rub(9000));
    AddForeign(*D, 1211, Rub(8000), 510, Rub(8000));
    AddLine(source, 2790, Rub(7000), 507, Rub(7000));
    AddForeign(*D, 2790, Rub(7000), 507, Rub(7000));
    AddLine(source, 2761, Rub(2500), 506, Rub(2500));
    AddLine(source, 2730, Rub(1000), 502, Rub(1000));
    AddLine(source, 2770, Rub(6000), 504, Rub(4000));
    const kTSvodSumPrilM& m = Run();
    EXPECT_EQ(m.WorkAidIncome, Rub(5000));
    EXPECT_EQ(m.WorkAidExempt, Rub(4000));
    EXPECT_EQ(m.PensionContribIncome, Rub(17000));
    EXPECT_EQ(m.PensionContribExempt, Rub(12000));
    EXPECT_EQ(m.VeteranAidIncome, Rub(14000));
    EXPECT_EQ(m.VeteranAidExempt, Rub(10000));
    EXPECT_EQ(m.DisabilityAidExempt, Rub(2500));
    EXPECT_EQ(m.PrizeExempt, Rub(1000));
    EXPECT_EQ(m.MedicineExempt, Rub(4000));
    EXPECT_EQ(m.ExemptTotal, Rub(4000 + 12000 + 10000 + 2500 + 1000 + 4000));
}

TEST_F(ExemptIncome, BirthAidAndFarmPayAreExemptAsEnteredWithoutLimit) {
    mTThirteenPercent& source = test::deduct::AddSource(*D);
    AddLine(source, 2762, Rub(90000), 508, Rub(50000));
    AddLine(source, 2791, Rub(30000), 509, Rub(25000));
    const kTSvodSumPrilM& m = Run();
    EXPECT_EQ(m.BirthAidIncome, Rub(90000));
    EXPECT_EQ(m.BirthAidExempt, Rub(50000));
    EXPECT_EQ(m.FarmPayIncome, Rub(30000));
    EXPECT_EQ(m.FarmPayExempt, Rub(25000));
    EXPECT_EQ(m.ExemptTotal, Rub(75000));
}

TEST_F(ExemptIncome, WithoutItsDeductionCodeALineIsIncomeOnly) {
    mTThirteenPercent& source = test::deduct::AddSource(*D);
    AddLine(source, 2720, Rub(3000), 0, Rub(3000));
    AddLine(source, 2720, Rub(2000), 502, Rub(2000));
    AddLine(source, 2000, Rub(2000), 501, Rub(2000));
    const kTSvodSumPrilM& m = Run();
    EXPECT_EQ(m.GiftIncome, Rub(5000));
    EXPECT_EQ(m.GiftExempt, Money());
    EXPECT_EQ(m.ExemptTotal, Money());
}

TEST_F(ExemptIncome, ForeignIncomeCountsOnlyWhenDeclared) {
    AddForeign(*D, 2720, Rub(3000), 501, Rub(3000));
    EXPECT_EQ(Run().GiftExempt, Rub(3000));
    D->SetIncomeKinds(kIncomeRussian);
    EXPECT_EQ(Run().GiftExempt, Money());
}

TEST_F(ExemptIncome, NonResidentSourcesOfTheSecondListAreNotWalked) {
    D->DeclarationKind = kDecl3NdflNonResident;
    AddLine(test::deduct::AddNonResidentSource(*D), 2720, Rub(3000), 501, Rub(3000));
    AddLine(test::deduct::AddSource(*D), 2720, Rub(1000), 501, Rub(1000));
    EXPECT_EQ(Run().GiftExempt, Rub(1000));
}

TEST_F(ExemptIncome, AdvertisingPrizesShareOneAllowanceInListOrder) {
    mTThirtyFivePercent& first = AddThirtyFive(*D, 2740, Rub(3000), 505, Rub(3000));
    mTThirtyFivePercent& second = AddThirtyFive(*D, 2740, Rub(3000), 505, Rub(3000));
    mTThirtyFivePercent& unclaimed = AddThirtyFive(*D, 2740, Rub(5000));
    unclaimed.TaxableAmount = Rub(5000);
    const kTSvodSumPrilM& m = Run();
    EXPECT_EQ(first.TaxableAmount, Money());
    EXPECT_EQ(first.TaxComputed, Money());
    EXPECT_EQ(second.TaxableAmount, Rub(2000));
    EXPECT_EQ(second.TaxComputed, Rub(700));
    EXPECT_EQ(unclaimed.TaxableAmount, Rub(5000));  // left as sheet А set it
    EXPECT_EQ(m.AdPrizeIncome, Rub(6000));
    EXPECT_EQ(m.ExemptPrizes, Rub(4000));
    EXPECT_EQ(m.ExemptTotal, Money());
}

TEST_F(ExemptIncome, AdvertisingPrizeClaimIsLimitedToThePrizeAndTaxIsRounded) {
    mTThirtyFivePercent& prize = AddThirtyFive(*D, 2740, Rub("2500.10"), 505, Rub(4000));
    mTThirtyFivePercent& other = AddThirtyFive(*D, 2740, Rub("1501.43"), 505, Rub(4000));
    const kTSvodSumPrilM& m = Run();
    EXPECT_EQ(prize.TaxableAmount, Money());
    // 1 501.43 less the 1 499.90 left: 1.53 × 0.35 = 0.5355, one rouble.
    EXPECT_EQ(other.TaxableAmount, Rub("1.53"));
    EXPECT_EQ(other.TaxComputed, Rub(1));
    EXPECT_EQ(m.ExemptPrizes, Rub(4000));
}

TEST_F(ExemptIncome, NonResidentAdvertisingPrizesAreLinesCappedAt4000) {
    D->DeclarationKind = kDecl3NdflNonResident;
    mTThirteenPercent& source = test::deduct::AddSource(*D);
    AddLine(source, 2740, Rub(3000), 505, Rub(3000));
    AddLine(source, 2740, Rub(3000), 505, Rub(3000));
    AddLine(source, 2740, Rub(9000), 0, Rub(3000));
    mTThirtyFivePercent& ignored = AddThirtyFive(*D, 2740, Rub(3000), 505, Rub(3000));
    const kTSvodSumPrilM& m = Run();
    EXPECT_EQ(m.AdPrizeIncome, Rub(6000));
    EXPECT_EQ(m.ExemptPrizes, Rub(4000));
    EXPECT_EQ(ignored.TaxableAmount, Money());
}

}  // namespace
}  // namespace kvz
