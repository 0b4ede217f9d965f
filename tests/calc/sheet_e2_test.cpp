// Social deductions, and what the deduction sheets leave of the declaration.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/deduction_fixtures.h"

namespace kvz {
namespace {

using test::deduct::Rub;

class SocialDeductions : public ::testing::Test {
protected:
    SocialDeductions() : D(test::deduct::DeductionDeclaration(kDecl3Ndfl)) {
        D->Social.Granted = true;
        Sum.Bind(*D);
    }
    const kTSvodSumPrilE2& Run() {
        EXPECT_TRUE(Sum.CalcPrilE2());
        return Sum.PrilE2;
    }

    std::unique_ptr<mTDeclaration> D;
    kTSvodSum Sum;
};

TEST_F(SocialDeductions, CharityAboveAQuarterOfTheIncomeIsCutToAQuarterInKopecks) {
    Sum.PrilA13.IncomeTotal = Rub("100000.03");
    Sum.PrilB13.OtherIncome = Rub(20000);
    Sum.PrilV1.IncomeTotal = Rub("3456.76");
    Sum.PrilM.ExemptTotal = Rub(4000);
    D->Social.Charity = Rub(50000);
    // A quarter of 119 456.79 is 29 864.1975: the kopecks are cut, not rounded.
    EXPECT_EQ(Run().Charity, Rub("29864.19"));
    EXPECT_EQ(Sum.PrilE2.UnlimitedTotal, Rub("29864.19"));

    D->Social.Charity = Rub(29000);
    EXPECT_EQ(Run().Charity, Rub(29000));
}

TEST_F(SocialDeductions, NoIncomeAllowsNoCharity) {
    Sum.PrilA13.IncomeTotal = Rub(1000);
    Sum.PrilM.ExemptTotal = Rub(5000);
    D->Social.Charity = Rub(3000);
    EXPECT_EQ(Run().Charity, Money());
    EXPECT_EQ(Sum.PrilE2.SocialTotal, Money());
}

TEST_F(SocialDeductions, EachChildsEducationCountsUpTo50000AndTheEnteredAmountStays) {
    D->Social.ChildEducationAdd(Rub(60000));
    D->Social.ChildEducationAdd(Rub(30000));
    D->Social.ChildEducationAdd(Rub(50000));
    EXPECT_EQ(Run().ChildEducation, Rub(130000));
    EXPECT_EQ(Sum.PrilE2.UnlimitedTotal, Rub(130000));
    EXPECT_EQ(D->Social.ChildEducationGet(0), Rub(60000));

    // A second calculation finds the same amounts and gives the same result.
    EXPECT_EQ(Run().ChildEducation, Rub(130000));
    EXPECT_EQ(D->Social.ChildEducationGet(0), Rub(60000));
}

TEST_F(SocialDeductions, LimitedExpensesShareOneLimitOf120000) {
    D->Social.VoluntaryInsurance = Rub(80000);
    D->Social.Treatment = Rub(60000);
    EXPECT_EQ(Run().LimitedTotal, Rub(120000));
    EXPECT_EQ(Sum.PrilE2.PersonalInsurance, Rub(80000));
    EXPECT_EQ(Sum.PrilE2.Treatment, Rub(60000));

    D->Social.VoluntaryInsurance = Rub(10000);
    D->Social.OwnEducation = Rub(20000);
    Sum.PrilE3.ContributionsTotal = Rub(5000);
    EXPECT_EQ(Run().LimitedTotal, Rub(95000));
    EXPECT_EQ(Sum.PrilE2.PensionInsurance, Rub(5000));
    EXPECT_EQ(Sum.PrilE2.Education, Rub(20000));
}

TEST_F(SocialDeductions, TotalIsBothPartsLessWhatTheAgentGranted) {
    Sum.PrilA13.IncomeTotal = Rub(1000000);
    D->Social.Charity = Rub(10000);
    D->Social.ExpensiveTreatment = Rub(300000);
    D->Social.ChildEducationAdd(Rub(40000));
    D->Social.Treatment = Rub(50000);
    Sum.PrilE3.ContributionsTotal = Rub(30000);
    Sum.PrilE3.ProvidedByAgent = Rub(12000);
    const kTSvodSumPrilE2& e2 = Run();
    EXPECT_EQ(e2.UnlimitedTotal, Rub(350000));
    EXPECT_EQ(e2.LimitedTotal, Rub(80000));
    EXPECT_EQ(e2.SocialByAgent, Rub(12000));
    EXPECT_EQ(e2.SocialTotal, Rub(418000));
    EXPECT_EQ(e2.ExpensiveTreatment, Rub(300000));
}

TEST_F(SocialDeductions, NotGrantedOrNotResidentGivesNothing) {
    D->Social.Treatment = Rub(50000);
    D->Social.Granted = false;
    EXPECT_EQ(Run(), kTSvodSumPrilE2());
    D->Social.Granted = true;
    D->DeclarationKind = kDecl3NdflNonResident;
    EXPECT_EQ(Run(), kTSvodSumPrilE2());
}

TEST_F(SocialDeductions, CalculateFeedsContributionsAndIncomeIntoTheSocialSheet) {
    mTThirteenPercent& source = test::deduct::AddSource(*D);
    test::deduct::AddLine(source, 2000, Rub(400000), 0, Money(), 1);
    D->Social.Charity = Rub(150000);
    mTPens& p = D->Social.PensionContract(D->Social.PensionContractAdd());
    p.ContractKind = 1;
    p.Contribution = Rub(30000);
    p.AgentDeduction = Rub(10000);
    kTSvodSum fresh;
    fresh.Calculate(*D);
    EXPECT_EQ(fresh.PrilE2.Charity, Rub(100000));
    EXPECT_EQ(fresh.PrilE2.PensionInsurance, Rub(30000));
    EXPECT_EQ(fresh.PrilE2.SocialTotal, Rub(100000 + 30000 - 10000));
}

// What the calculation may write into the declaration is the income-kind code of
// the sources and the taxable income and tax of the 35 % sources; every entered
// amount, the child education amounts included, stays as it was typed.
TEST(DeductionSheets, CalculateLeavesTheEnteredDeclarationUntouched) {
    int calculated = 0;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        auto d = test::deduct::RandomDeductionDeclaration(seed);
        auto original = test::deduct::RandomDeductionDeclaration(seed);
        ASSERT_TRUE(*d == *original) << "seed " << seed;
        kTSvodSum sum;
        ASSERT_NO_THROW(sum.Calculate(*d)) << "seed " << seed;
        test::deduct::ClearCalculatedFields(*d);
        test::deduct::ClearCalculatedFields(*original);
        EXPECT_TRUE(*d == *original) << "seed " << seed;
        calculated += sum.PrilE2.ChildEducation.IsZero() ? 0 : 1;
    }
    EXPECT_GT(calculated, 50);
}

TEST(DeductionSheets, CalculateIsDeterministic) {
    for (uint32_t seed = 1000; seed < 1200; ++seed) {
        auto d = test::deduct::RandomDeductionDeclaration(seed);
        kTSvodSum first;
        kTSvodSum second;
        first.Calculate(*d);
        second.Calculate(*d);
        EXPECT_EQ(first.PrilE1, second.PrilE1) << "seed " << seed;
        EXPECT_EQ(first.PrilE2, second.PrilE2) << "seed " << seed;
        EXPECT_EQ(first.PrilE3, second.PrilE3) << "seed " << seed;
        EXPECT_EQ(first.PrilM, second.PrilM) << "seed " << seed;
        EXPECT_EQ(first.PrilG, second.PrilG) << "seed " << seed;
        EXPECT_EQ(first.PrilG_In, second.PrilG_In) << "seed " << seed;
        EXPECT_EQ(first.PrilH1, second.PrilH1) << "seed " << seed;
        EXPECT_EQ(first.PrilZ, second.PrilZ) << "seed " << seed;
    }
}

}  // namespace
}  // namespace kvz
