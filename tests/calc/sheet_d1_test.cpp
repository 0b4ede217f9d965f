// The property deduction for housing.
#include <gtest/gtest.h>

#include <limits>

#include "calc/svod_sum.h"
#include "storage/dates.h"
#include "support/deduction_fixtures.h"

namespace kvz {
namespace {

using test::deduct::AddLine;
using test::deduct::AddProperty;
using test::deduct::Rub;

class HousingDeduction : public ::testing::Test {
protected:
    HousingDeduction() : D(test::deduct::DeductionDeclaration(kDecl3Ndfl)) {
        Sum.Bind(*D);
        Sum.PrilA13.IncomeTotal = Rub(5000000);
    }
    const kTSvodSumPrilZ& Run() {
        EXPECT_TRUE(Sum.CalcPrilZ());
        return Sum.PrilZ;
    }

    std::unique_ptr<mTDeclaration> D;
    kTSvodSum Sum;
};

TEST_F(HousingDeduction, HalfShareRegisteredIn2007TakesHalfTheOldLimit) {
    AddProperty(*D, Rub(1500000), 2007, 1, 2);
    const kTSvodSumPrilZ& z = Run();
    EXPECT_EQ(z.OwnershipShare, 0.5L);
    EXPECT_EQ(z.AcquisitionExpenses, Rub(500000));
    EXPECT_EQ(z.ObjectExpensesTaken, std::vector<Money>{Rub(500000)});
    EXPECT_EQ(z.ObjectOldRulesMark, std::vector<int32_t>{-1});
}

TEST_F(HousingDeduction, IncomeLimitsThisReturnsDeduction) {
    Sum.PrilA13.IncomeTotal = Rub(300000);
    AddProperty(*D, Rub(2000000), 2015);
    const kTSvodSumPrilZ& z = Run();
    EXPECT_EQ(z.IncomeBeforeDeduction, Rub(300000));
    EXPECT_EQ(z.NewDeductionThisReturn, Rub(300000));
    EXPECT_EQ(z.InterestThisReturn, Money());
    EXPECT_EQ(z.RemainingNew, Rub(1700000));
    EXPECT_EQ(z.ObjectOldRulesMark, std::vector<int32_t>{0});
}

TEST_F(HousingDeduction, ShareWithoutDenominatorIsTheWholeObject) {
    AddProperty(*D, Rub(3000000), 2012, 0, 0);
    const kTSvodSumPrilZ& z = Run();
    EXPECT_EQ(z.OwnershipShare, 1.0L);
    EXPECT_EQ(z.AcquisitionExpenses, Rub(2000000));

    D->Construction.Object(0).ShareNumerator = 5;
    EXPECT_EQ(Run().AcquisitionExpenses, Rub(2000000));
}

TEST_F(HousingDeduction, AThirdOfTheLimitIsRoundedToKopecks) {
    AddProperty(*D, Rub(1000000), 2015, 1, 3);
    EXPECT_EQ(Run().AcquisitionExpenses, Rub("666666.67"));
    D->Construction.Object(0).ObjectCost = Rub("600000.12345");
    EXPECT_EQ(Run().AcquisitionExpenses, Rub("600000.12"));
}

// A share is part of the object: never more than the whole, never below nothing,
// whatever numbers a damaged document holds.
TEST_F(HousingDeduction, AbsurdSharesStayBetweenNothingAndTheWholeObject) {
    mTConstructionDeductObj& object = AddProperty(*D, Rub(5000000), 2015, 3, 2);
    EXPECT_EQ(Run().AcquisitionExpenses, Rub(2000000));
    EXPECT_EQ(Sum.PrilZ.OwnershipShare, 1.0L);

    object.ShareNumerator = std::numeric_limits<int32_t>::max();
    object.ShareDenominator = 1;
    EXPECT_EQ(Run().AcquisitionExpenses, Rub(2000000));

    object.ShareNumerator = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(Run().AcquisitionExpenses, Money());
    EXPECT_EQ(Sum.PrilZ.OwnershipShare, 0.0L);
    EXPECT_EQ(Sum.PrilZ.ObjectExpensesTaken, std::vector<Money>{Money()});

    object.ShareNumerator = 1;
    object.ShareDenominator = -2;
    EXPECT_EQ(Run().AcquisitionExpenses, Money());

    object.ShareNumerator = std::numeric_limits<int32_t>::min();
    object.ShareDenominator = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(Run().AcquisitionExpenses, Rub(2000000));
}

TEST_F(HousingDeduction, AnInvestmentCountsFromTheTransferAct) {
    mTConstructionDeductObj& object = AddProperty(*D, Rub(1500000), 2010);
    object.ByInvestment = true;
    object.TransferActDate = EncodeDate(2007, 12, 31);
    const kTSvodSumPrilZ& z = Run();
    EXPECT_EQ(z.AcquisitionExpenses, Rub(1000000));
    EXPECT_EQ(z.ObjectOldRulesMark, std::vector<int32_t>{-1});

    object.TransferActDate = EncodeDate(2014, 1, 1);
    EXPECT_EQ(Run().AcquisitionExpenses, Rub(1500000));
    EXPECT_EQ(Sum.PrilZ.ObjectOldRulesMark, std::vector<int32_t>{0});
}

TEST_F(HousingDeduction, OfTwoObjectsTheOneWithExpensesDecides) {
    AddProperty(*D, Money(), 2015);
    AddProperty(*D, Rub(1800000), 2005, 1, 2);
    const kTSvodSumPrilZ& z = Run();
    EXPECT_EQ(z.AcquisitionExpenses, Rub(500000));
    EXPECT_EQ(z.ObjectExpensesTaken, (std::vector<Money>{Money(), Rub(500000)}));
    EXPECT_EQ(z.ObjectOldRulesMark, (std::vector<int32_t>{0, -1}));
}

TEST_F(HousingDeduction, TwoObjectsWithExpensesShareTheFullLimit) {
    AddProperty(*D, Rub(1500000), 2005, 1, 4);
    AddProperty(*D, Rub(1000000), 2006, 1, 4);
    const kTSvodSumPrilZ& z = Run();
    EXPECT_EQ(z.OwnershipShare, 1.0L);
    EXPECT_EQ(z.AcquisitionExpenses, Rub(2000000));
    EXPECT_EQ(z.ObjectExpensesTaken, (std::vector<Money>{Rub(1500000), Rub(500000)}));
    EXPECT_EQ(z.ObjectOldRulesMark, (std::vector<int32_t>{0, 0}));
}

TEST_F(HousingDeduction, ThreeObjectsSpreadTheLimitInOrder) {
    AddProperty(*D, Rub(1500000), 2005, 1, 2);
    AddProperty(*D, Rub(1000000), 2015);
    AddProperty(*D, Rub(500000), 2015);
    const kTSvodSumPrilZ& z = Run();
    EXPECT_EQ(z.InterestPaid, Money());
    EXPECT_EQ(z.AcquisitionExpenses, Rub(2000000));
    EXPECT_EQ(z.ObjectExpensesTaken, (std::vector<Money>{Rub(1500000), Rub(500000), Money()}));
}

TEST_F(HousingDeduction, EarlierYearsAndTheEmployerReduceWhatIsLeft) {
    AddProperty(*D, Rub(1800000), 2013).CreditInterest = Rub(900000);
    mTConstructionDeduct& c = D->Construction;
    c.ConstrAmount1 = Rub(1000000);
    c.ConstrAmount3 = Rub(700000);
    c.ConstrAmount5 = Rub(800000);
    c.ConstrAmount6 = Rub(200000);
    c.ConstrAmount7 = Rub(300000);
    c.ConstrAmount8 = Rub(100000);
    Sum.PrilA13.IncomeTotal = Rub(1500000);
    const kTSvodSumPrilZ& z = Run();
    EXPECT_EQ(z.CarriedFromLastYear, Rub(1000000));
    EXPECT_EQ(z.InterestCarriedFromLastYear, Rub(700000));
    EXPECT_EQ(z.TakenBefore, Rub(800000));
    EXPECT_EQ(z.InterestTakenBefore, Rub(200000));
    // The employer's deductions are taken from the income first.
    EXPECT_EQ(z.IncomeBeforeDeduction, Rub(1100000));
    EXPECT_EQ(z.NewDeductionThisReturn, Rub(700000));
    EXPECT_EQ(z.InterestThisReturn, Rub(400000));
    EXPECT_EQ(z.RemainingNew, Money());
    EXPECT_EQ(z.RemainingInterest, Rub(200000));
}

TEST_F(HousingDeduction, IncomeBeforeDeductionSubtractsEveryEarlierDeduction) {
    AddProperty(*D, Rub(2000000), 2015);
    Sum.PrilA13.IncomeTotal = Rub(3000000);
    Sum.PrilB13.OtherIncome = Rub(100000);
    Sum.PrilV1.IncomeTotal = Rub(200000);
    Sum.PrilV1.ProfessionalDeduction = Rub(1);
    Sum.PrilH1.DeductionTotal = Rub(2);
    Sum.PrilM.ExemptTotal = Rub(4);
    Sum.PrilG.ExpenseTotal = Rub(8);
    Sum.PrilG_In.ExpenseTotal = Rub(16);
    Sum.PrilE2.SocialTotal = Rub(32);
    Sum.PrilE3.InvestmentDeduction = Rub(64);
    Sum.PrilE2.SocialByAgent = Rub(128);
    Sum.PrilE1.StandardTotal = Rub(256);
    Sum.PrilJ.ExpensesTotal = Rub(512);
    Sum.PrilI.ExpensesTotal = Rub(1024);
    D->Construction.ConstrAmount7 = Rub(2048);
    D->Construction.ConstrAmount8 = Rub(4096);
    EXPECT_EQ(Run().IncomeBeforeDeduction, Rub(3300000 - 8191));

    Sum.PrilE1.StandardTotal = Rub(5000000);
    EXPECT_EQ(Run().IncomeBeforeDeduction, Money());
    EXPECT_EQ(Sum.PrilZ.NewDeductionThisReturn, Money());
    EXPECT_EQ(Sum.PrilZ.RemainingNew, Rub(2000000 - 2048));
}

TEST_F(HousingDeduction, NothingWithoutGrantObjectsOrResidence) {
    EXPECT_EQ(Run(), kTSvodSumPrilZ());
    AddProperty(*D, Rub(100000), 2015);
    D->Construction.Granted = false;
    EXPECT_EQ(Run(), kTSvodSumPrilZ());
    D->Construction.Granted = true;
    D->DeclarationKind = kDecl3NdflNonResident;
    EXPECT_EQ(Run(), kTSvodSumPrilZ());
}

TEST_F(HousingDeduction, CalculateUsesTheIncomeOfTheYear) {
    AddProperty(*D, Rub(2500000), 2015).CreditInterest = Rub(100000);
    AddLine(test::deduct::AddSource(*D), 2000, Rub(600000));
    kTSvodSum fresh;
    fresh.Calculate(*D);
    EXPECT_EQ(fresh.PrilZ.IncomeBeforeDeduction, Rub(600000));
    EXPECT_EQ(fresh.PrilZ.NewDeductionThisReturn, Rub(600000));
    EXPECT_EQ(fresh.PrilZ.RemainingNew, Rub(1400000));
    EXPECT_EQ(fresh.PrilZ.RemainingInterest, Rub(100000));
}

}  // namespace
}  // namespace kvz
