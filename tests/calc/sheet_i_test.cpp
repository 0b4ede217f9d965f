// Sheet И: investment partnerships by kind of operation.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/calc_fixtures.h"

namespace kvz {
namespace {

using test::AddPartnership;
using test::NewDeclaration;
using test::PartnershipLine;
using test::Rub;

kTSvodSumPrilI SheetOf(std::initializer_list<mTInvestTovIncome> lines, uint8_t kind = kDecl3Ndfl) {
    auto d = NewDeclaration(kind, kIncomeInvestTov);
    AddPartnership(*d, lines);
    kTSvodSum sum;
    sum.Calculate(*d);
    return sum.PrilI;
}

TEST(SheetI, TaxableIncomeAfterExpensesFeeAndLoss) {
    const kTSvodSumPrilI i = SheetOf({PartnershipLine(1, Rub(100000), Rub(30000), Rub(10000), Rub(5000))});
    EXPECT_EQ(i.Groups[0].Income, Rub(100000));
    EXPECT_EQ(i.Groups[0].ExpenseShare, Rub(30000));
    EXPECT_EQ(i.Groups[0].ManagerFee, Rub(10000));
    EXPECT_EQ(i.Groups[0].LossReducing, Rub(5000));
    EXPECT_EQ(i.Groups[0].TaxableIncome, Rub(55000));
    EXPECT_EQ(i.Groups[0].LossCarried, Money());
    EXPECT_EQ(i.IncomeTotal, Rub(100000));
    EXPECT_EQ(i.TaxableTotal, Rub(55000));
    EXPECT_EQ(i.ExpensesTotal, Rub(45000));
}

TEST(SheetI, ExpensesAboveIncomeOffsetTheWholeIncome) {
    const kTSvodSumPrilI i = SheetOf({PartnershipLine(3, Rub(50000), Rub(40000), Rub(20000), Rub(1000))});
    EXPECT_EQ(i.Groups[2].TaxableIncome, Money());
    EXPECT_EQ(i.Groups[2].LossCarried, Rub(11000));
    EXPECT_EQ(i.ExpensesTotal, Rub(50000));
}

TEST(SheetI, ExitBelowTheContributionIsALoss) {
    const kTSvodSumPrilI i = SheetOf({PartnershipLine(6, Rub(50000), Rub(80000))});
    EXPECT_EQ(i.ExitIncome, Rub(50000));
    EXPECT_EQ(i.Contribution, Rub(80000));
    EXPECT_EQ(i.ExitLoss, Rub(30000));
    EXPECT_EQ(i.ExitTaxableIncome, Money());
    EXPECT_EQ(i.IncomeTotal, Rub(50000));
    EXPECT_EQ(i.ExpensesTotal, Rub(50000));

    const kTSvodSumPrilI gain = SheetOf({PartnershipLine(6, Rub(90000), Rub(80000))});
    EXPECT_EQ(gain.ExitTaxableIncome, Rub(10000));
    EXPECT_EQ(gain.ExitLoss, Money());
}

TEST(SheetI, KindsGoToTheirGroupsAndOthersAreIgnored) {
    const kTSvodSumPrilI i = SheetOf({PartnershipLine(2, Rub(100)), PartnershipLine(5, Rub(200)),
                                      PartnershipLine(5, Rub(300), Rub(50)), PartnershipLine(0, Rub(1000)),
                                      PartnershipLine(7, Rub(2000))},
                                     kDecl3NdflNonResident);
    EXPECT_EQ(i.Groups[1].Income, Rub(100));
    EXPECT_EQ(i.Groups[4].Income, Rub(500));
    EXPECT_EQ(i.Groups[4].TaxableIncome, Rub(450));
    EXPECT_EQ(i.Groups[0], bmTInvestGroup());
    EXPECT_EQ(i.IncomeTotal, Rub(600));
    EXPECT_EQ(i.TaxableTotal, Rub(550));
}

TEST(SheetI, TotalsOverEveryPartnership) {
    auto d = NewDeclaration(kDecl3Ndfl, kIncomeInvestTov);
    AddPartnership(*d, {PartnershipLine(4, Rub(1000), Rub(100))});
    AddPartnership(*d, {PartnershipLine(4, Rub(2000), Rub(200)), PartnershipLine(6, Rub(10), Rub(20))});
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilI.Groups[3].Income, Rub(3000));
    EXPECT_EQ(sum.PrilI.Groups[3].TaxableIncome, Rub(2700));
    EXPECT_EQ(sum.PrilI.IncomeTotal, Rub(3010));
    EXPECT_EQ(sum.PrilI.TaxableTotal, Rub(2700));
    EXPECT_EQ(sum.PrilI.ExpensesTotal, Rub(310));
}

}  // namespace
}  // namespace kvz
