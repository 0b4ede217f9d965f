// Standard deductions month by month.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/deduction_fixtures.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

using test::deduct::AddLine;
using test::deduct::AddSource;
using test::deduct::Rub;

class StandardDeductions : public ::testing::Test {
protected:
    StandardDeductions() : D(test::deduct::DeductionDeclaration(kDecl3Ndfl)) { Sum.Bind(*D); }

    // The same income every month at one source where the deductions are computed.
    void MonthlySalary(Money amount) {
        mTThirteenPercent& source = AddSource(*D, true);
        for (uint16_t m = 1; m <= 12; ++m) AddLine(source, 2000, amount, 0, Money(), m);
    }
    // An entrepreneur's months, each with income and expense, every month ticked.
    void Business(const std::array<int64_t, 12>& income, const std::array<int64_t, 12>& expense) {
        mTStandartDeduct& s = D->Standard;
        s.MonthlyBusiness = true;
        for (int m = 0; m < 12; ++m) {
            s.BusinessIncomeByMonth[m] = Rub(income[m]);
            s.BusinessExpenseByMonth[m] = Rub(expense[m]);
            s.BusinessMonthChecked[m] = true;
        }
    }
    const kTSvodSumPrilE1& Run() {
        EXPECT_TRUE(Sum.CalcPrilE1());
        return Sum.PrilE1;
    }

    std::unique_ptr<mTDeclaration> D;
    kTSvodSum Sum;
};

TEST_F(StandardDeductions, PersonalCodeGivesItsAmountForEveryDeductionMonth) {
    MonthlySalary(Rub(100000));
    D->Standard.SelfCode = mTStandartDeduct::kSelfNone;
    EXPECT_EQ(Run().StandardTotal, Money());

    D->Standard.SelfCode = mTStandartDeduct::kSelf104;
    EXPECT_EQ(Run().Deduction500, Rub(6000));
    EXPECT_EQ(Sum.PrilE1.Deduction3000, Money());

    // The personal deduction is not bound by the 280 000 of income.
    D->Standard.SelfCode = mTStandartDeduct::kSelf105;
    EXPECT_EQ(Run().Deduction3000, Rub(36000));
    EXPECT_EQ(Sum.PrilE1.StandardTotal, Rub(36000));
    EXPECT_EQ(Sum.PrilE1.MonthsUnder280000, 2);
    EXPECT_EQ(Sum.PrilE1.DeductionMonths, 12);
}

TEST_F(StandardDeductions, ChangingPersonalCodeCountsEachMonthByItsCode) {
    MonthlySalary(Rub(10000));
    D->Standard.SelfCode = mTStandartDeduct::kSelfChanged;
    D->Standard.MonthlySelfCodesGiven = true;
    for (int m = 0; m < 12; ++m) D->Standard.MonthlySelfCodes[m] = m < 3 ? 2 : (m < 8 ? 1 : 0);
    const kTSvodSumPrilE1& e1 = Run();
    EXPECT_EQ(e1.Deduction3000, Rub(9000));
    EXPECT_EQ(e1.Deduction500, Rub(2500));
    EXPECT_EQ(e1.StandardTotal, Rub(11500));
}

// The monthly codes and statuses count only when given, as the document keeps them
// only then; without them every month reads as a document opened again reads it, the
// lists' first position: no personal code, and the single parent's double amount.
TEST_F(StandardDeductions, MonthlyCodesAndStatusesCountOnlyWhenGiven) {
    MonthlySalary(Rub(10000));
    mTStandartDeduct& s = D->Standard;
    s.SelfCode = mTStandartDeduct::kSelfChanged;
    s.ChildStatus = mTStandartDeduct::kChildChanged;
    s.ChildrenCount = 1;
    s.MonthlySelfCodes.fill(2);
    s.MonthlyChildStatus.fill(1);  // "нет" in every month, but never given
    const kTSvodSumPrilE1& e1 = Run();
    EXPECT_EQ(e1.Deduction3000, Money());
    EXPECT_EQ(e1.ChildDeduction, Money());
    EXPECT_EQ(e1.ChildDeductionDouble, Rub(12 * 2800));

    // The dialogs store month by month, which gives the values.
    for (int month = 1; month <= 12; ++month) {
        s.SetMonthlySelfCodes(month, 2);
        s.SetMonthlyChildStatus(month, month <= 6 ? 1 : 0);
    }
    EXPECT_EQ(Run().Deduction3000, Rub(36000));
    EXPECT_EQ(Sum.PrilE1.ChildDeduction, Rub(6 * 1400));
    EXPECT_EQ(Sum.PrilE1.ChildDeductionDouble, Rub(6 * 2800));
}

TEST_F(StandardDeductions, ChildDeductionStopsWhenIncomePasses280000) {
    MonthlySalary(Rub(25000));
    D->Standard.ChildrenCount = 1;
    const kTSvodSumPrilE1& e1 = Run();
    EXPECT_EQ(e1.CumulativeIncome[10], Rub(275000));
    EXPECT_EQ(e1.CumulativeIncome[11], Rub(300000));
    EXPECT_EQ(e1.MonthsUnder280000, 11);
    EXPECT_EQ(e1.ChildDeduction, Rub(15400));
    EXPECT_EQ(e1.ChildDeductionDouble, Money());
    EXPECT_EQ(e1.StandardTotal, Rub(15400));
}

TEST_F(StandardDeductions, OnlyMarkedSourcesAndMonthsOfLinesCount) {
    mTThirteenPercent& counted = AddSource(*D, true);
    AddLine(counted, 2000, Rub(50000), 0, Money(), 2);
    AddLine(counted, 2000, Rub(7000), 403, Rub(2000), 2);
    AddLine(counted, 2000, Rub(900000), 0, Money(), 0);  // no month: neither income nor a month
    mTThirteenPercent& other = AddSource(*D, false);
    AddLine(other, 2000, Rub(900000), 0, Money(), 1);
    D->Standard.SelfCode = mTStandartDeduct::kSelf104;
    D->Standard.ChildStatus = mTStandartDeduct::kChildSingleParent;
    D->Standard.ChildrenCount = 2;

    const kTSvodSumPrilE1& e1 = Run();
    EXPECT_EQ(e1.CumulativeIncome[0], Money());
    EXPECT_EQ(e1.MonthlyIncome[1], Rub(57000));
    EXPECT_EQ(e1.MonthlyReduction[1], Rub(2000));
    EXPECT_EQ(e1.CumulativeIncome[1], Rub(55000));
    EXPECT_EQ(e1.CumulativeIncome[11], Rub(55000));
    EXPECT_EQ(e1.DeductionMonths, 1);
    EXPECT_EQ(e1.MonthsUnder280000, 1);
    EXPECT_EQ(e1.Deduction500, Rub(500));
    EXPECT_EQ(e1.ChildDeductionDouble, Rub(5600));
    EXPECT_EQ(e1.ChildDeduction, Money());
}

TEST_F(StandardDeductions, NegativeBusinessBalanceIsCarriedIntoLaterMonths) {
    Business({10000, 50000, 0, 300000, 0, 0, 0, 0, 0, 0, 0, 0},
             {30000, 0, 40000, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    D->Standard.ChildrenCount = 1;
    const kTSvodSumPrilE1& e1 = Run();
    // January leaves 20 000 uncovered, which February's income covers first.
    EXPECT_EQ(e1.CumulativeIncome[0], Money());
    EXPECT_EQ(e1.CumulativeIncome[1], Rub(30000));
    // March's expense is 10 000 above the income so far; April's income covers it.
    EXPECT_EQ(e1.CumulativeIncome[2], Money());
    EXPECT_EQ(e1.CumulativeIncome[3], Rub(290000));
    EXPECT_EQ(e1.CumulativeIncome[11], Rub(290000));
    EXPECT_EQ(e1.MonthsUnder280000, 3);
    EXPECT_EQ(e1.ChildDeduction, Rub(4200));
}

TEST_F(StandardDeductions, CarryLastsOverSeveralMonths) {
    Business({0, 10000, 10000, 10000, 0, 0, 0, 0, 0, 0, 0, 0}, {25000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const kTSvodSumPrilE1& e1 = Run();
    EXPECT_EQ(e1.CumulativeIncome[1], Money());
    EXPECT_EQ(e1.CumulativeIncome[2], Money());
    EXPECT_EQ(e1.CumulativeIncome[3], Rub(5000));
}

TEST_F(StandardDeductions, OnlyTickedBusinessMonthsGiveDeductions) {
    Business({40000, 40000, 40000, 40000, 40000, 40000, 40000, 40000, 40000, 40000, 40000, 40000}, {});
    for (int m = 0; m < 12; ++m) D->Standard.BusinessMonthChecked[m] = m % 2 == 1;
    D->Standard.SelfCode = mTStandartDeduct::kSelf105;
    D->Standard.ChildrenCount = 1;
    const kTSvodSumPrilE1& e1 = Run();
    // 280 000 is passed in August; February, April and June came before.
    EXPECT_EQ(e1.MonthsUnder280000, 3);
    EXPECT_EQ(e1.ChildDeduction, Rub(4200));
    EXPECT_EQ(e1.Deduction3000, Rub(18000));
}

TEST_F(StandardDeductions, ThreeChildrenChangingByMonthWithChangingStatus) {
    MonthlySalary(Rub(25000));
    mTStandartDeduct& s = D->Standard;
    s.ChildStatus = mTStandartDeduct::kChildChanged;
    s.MonthlyChildStatusGiven = true;
    s.ChildrenConstant = false;
    s.ThirdConstant = false;
    s.DisabledConstant = false;
    for (int m = 0; m < 12; ++m) {
        s.MonthlyChildStatus[m] = m < 6 ? 1 : 0;  // single parent from July
        s.ChildrenByMonth[m] = m < 4 ? 2 : 3;     // a third child from May
        s.ThirdByMonth[m] = m < 4 ? 0 : 1;
        s.DisabledByMonth[m] = m == 8 ? 1 : 0;    // a disabled child in September only
    }
    const kTSvodSumPrilE1& e1 = Run();
    // The income passes 280 000 in December: the months January to November count.
    EXPECT_EQ(e1.MonthsUnder280000, 11);
    // Ordinary: January-April 2 × 1 400, May-June 3 × 1 400 and one third child 3 000.
    EXPECT_EQ(e1.ChildDeduction, Rub(4 * 2800 + 2 * (4200 + 3000)));
    // Double: July-November 3 × 2 800 and the third child 6 000.
    EXPECT_EQ(e1.ChildDeductionDouble, Rub(5 * (8400 + 6000)));
    EXPECT_EQ(e1.DisabledChildDeduction, Money());
    EXPECT_EQ(e1.DisabledChildDeductionDouble, Rub(6000));
    EXPECT_EQ(e1.StandardTotal, Rub(25600 + 72000 + 6000));
}

TEST_F(StandardDeductions, DisabledChildrenOfAnOrdinaryParent) {
    MonthlySalary(Rub(10000));
    D->Standard.DisabledCount = 1;
    D->Standard.ThirdCount = 1;
    const kTSvodSumPrilE1& e1 = Run();
    EXPECT_EQ(e1.DisabledChildDeduction, Rub(36000));
    EXPECT_EQ(e1.ChildDeduction, Rub(36000));
    EXPECT_EQ(e1.DisabledChildDeductionDouble, Money());
}

TEST_F(StandardDeductions, TotalNeverExceedsTheIncomeOfTheYear) {
    mTThirteenPercent& source = AddSource(*D, true);
    AddLine(source, 2000, Rub(2000), 0, Money(), 1);
    D->Standard.SelfCode = mTStandartDeduct::kSelf105;
    D->Standard.ChildrenCount = 1;
    const kTSvodSumPrilE1& e1 = Run();
    EXPECT_EQ(e1.Deduction3000, Rub(3000));
    EXPECT_EQ(e1.ChildDeduction, Rub(1400));
    EXPECT_EQ(e1.StandardTotal, Rub(2000));

    // A loss for the year allows nothing.
    AddLine(source, 2000, Rub(1000), 403, Rub(9000), 3);
    EXPECT_EQ(Run().CumulativeIncome[11], Rub(-6000));
    EXPECT_EQ(Sum.PrilE1.StandardTotal, Money());
}

TEST_F(StandardDeductions, WithoutIncomeNoMonthCounts) {
    AddSource(*D, true);
    D->Standard.SelfCode = mTStandartDeduct::kSelf105;
    D->Standard.ChildrenCount = 3;
    const kTSvodSumPrilE1& e1 = Run();
    EXPECT_EQ(e1.MonthsUnder280000, 0);
    EXPECT_EQ(e1, kTSvodSumPrilE1());
}

TEST_F(StandardDeductions, NotGrantedOrNotResidentGivesNothing) {
    MonthlySalary(Rub(10000));
    D->Standard.SelfCode = mTStandartDeduct::kSelf105;
    D->Standard.ChildrenCount = 1;
    D->Standard.Granted = false;
    EXPECT_EQ(Run(), kTSvodSumPrilE1());

    D->Standard.Granted = true;
    D->DeclarationKind = kDecl3NdflNonResident;
    EXPECT_EQ(Run(), kTSvodSumPrilE1());
}

// What the calculation reads must be what the document keeps: a declaration saved
// and opened again gives the same deductions.
TEST(DeductionsOfAReopenedDeclaration, AreTheSameAsBeforeSaving) {
    test::TempDir dir;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        auto original = test::deduct::RandomDeductionDeclaration(seed);
        original->SaveToFile(dir.File("d.qz5"));
        mTDeclaration reopened;
        reopened.LoadFromFile(dir.File("d.qz5"));
        kTSvodSum before;
        kTSvodSum after;
        before.Calculate(*original);
        after.Calculate(reopened);
        EXPECT_EQ(before.PrilE1, after.PrilE1);
        EXPECT_EQ(before.PrilE2, after.PrilE2);
        EXPECT_EQ(before.PrilE3, after.PrilE3);
        EXPECT_EQ(before.PrilZ, after.PrilZ);
        EXPECT_EQ(before.PrilM, after.PrilM);
        EXPECT_EQ(before.PrilH1, after.PrilH1);
        EXPECT_EQ(before.PrilG, after.PrilG);
        EXPECT_EQ(before.PrilG_In, after.PrilG_In);
    }
}

TEST_F(StandardDeductions, CalculateFeedsTheStandardTotalFromTheDeclaration) {
    MonthlySalary(Rub(25000));
    D->Standard.SelfCode = mTStandartDeduct::kSelf104;
    D->Standard.ChildrenCount = 1;
    kTSvodSum fresh;
    fresh.Calculate(*D);
    EXPECT_EQ(fresh.PrilE1.StandardTotal, Rub(6000 + 15400));
}

}  // namespace
}  // namespace kvz
