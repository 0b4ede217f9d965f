// Sheet З: securities and derivatives, the offsetting of losses between groups and
// the losses of earlier years.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/calc_fixtures.h"

namespace kvz {
namespace {

using test::AddForeign;
using test::AddPartnership;
using test::AddThirteen;
using test::Line;
using test::NewDeclaration;
using test::PartnershipLine;
using test::Rub;

kTSvodSumPrilJ SheetOf(mTDeclaration& d) {
    kTSvodSum sum;
    sum.Calculate(d);
    return sum.PrilJ;
}

TEST(SheetZ, GroupALossWithNothingToOffsetIsCarriedForward) {
    auto d = NewDeclaration(kDecl3Ndfl);
    AddThirteen(*d, {Line(1530, Rub(100000), 201, Rub(130000))});
    const kTSvodSumPrilJ j = SheetOf(*d);
    EXPECT_EQ(j.IncomeA, Rub(100000));
    EXPECT_EQ(j.ExpensesA, Rub(130000));
    EXPECT_EQ(j.ReducingA, Rub(130000));
    EXPECT_EQ(j.BaseA, Money());
    EXPECT_EQ(j.LossA, Rub(30000));
    EXPECT_EQ(j.LossAFuture, Rub(30000));
    EXPECT_EQ(j.TaxableA, Money());
    EXPECT_EQ(j.FutureLossSecurities, Rub(30000));
    EXPECT_EQ(j.IncomeTotal, Rub(100000));
    EXPECT_EQ(j.ExpensesTotal, Rub(100000));
}

TEST(SheetZ, CarriedSecuritiesLossesReduceGroupA) {
    auto d = NewDeclaration(kDecl3Ndfl);
    AddThirteen(*d, {Line(1530, Rub(100000), 201, Rub(60000))});
    d->CB.SecuritiesLoss[0] = Rub(20000);  // 2014
    d->CB.SecuritiesLoss[5] = Rub(30000);  // 2009
    d->CB.FissLoss[1] = Rub(7000);
    const kTSvodSumPrilJ j = SheetOf(*d);
    EXPECT_EQ(j.BaseA, Rub(40000));
    EXPECT_EQ(j.CarriedSecurities, Rub(50000));
    EXPECT_EQ(j.CarriedUsedA, Rub(40000));
    EXPECT_EQ(j.CarriedSecuritiesUsed, Rub(40000));
    EXPECT_EQ(j.TaxableA, Money());
    EXPECT_EQ(j.CarriedSecuritiesLeft, Rub(10000));
    EXPECT_EQ(j.FutureLossSecurities, Rub(10000));
    // Derivative losses of earlier years wait for a derivative base.
    EXPECT_EQ(j.CarriedDerivatives, Rub(7000));
    EXPECT_EQ(j.CarriedDerivativesLeft, Rub(7000));
    EXPECT_EQ(j.FutureLossDerivatives, Rub(7000));
    EXPECT_EQ(j.BaseSecurities, Rub(40000));
}

TEST(SheetZ, DerivativesLossOffsetsGroupEThenGroupAThenIsCarried) {
    auto d = NewDeclaration(kDecl3Ndfl);
    AddThirteen(*d, {Line(1532, Rub(10000), 601, Rub(30000)),   // group D: loss 20 000
                     Line(1535, Rub(25000), 601, Rub(10000)),   // group E: base 15 000
                     Line(1530, Rub(3000), 201, Money())});      // group A: base 3 000
    const kTSvodSumPrilJ j = SheetOf(*d);
    EXPECT_EQ(j.LossD, Rub(20000));
    EXPECT_EQ(j.BaseE, Rub(15000));
    EXPECT_EQ(j.LossDUsedE, Rub(15000));
    EXPECT_EQ(j.TaxableE, Money());
    EXPECT_EQ(j.LossDUsedA, Rub(3000));
    EXPECT_EQ(j.DerivLossUsedA, Rub(3000));
    EXPECT_EQ(j.TaxableA, Money());
    EXPECT_EQ(j.LossDFuture, Rub(2000));
    EXPECT_EQ(j.FutureLossDerivatives, Rub(2000));
    EXPECT_EQ(j.BaseDerivatives, Rub(15000));
}

TEST(SheetZ, GroupALossOffsetsGroupBThenGroupD) {
    auto d = NewDeclaration(kDecl3Ndfl);
    AddThirteen(*d, {Line(1530, Rub(10000), 201, Rub(50000)),   // loss A 40 000
                     Line(1536, Rub(30000), 201, Rub(5000)),    // B: 25 000 before the loss
                     Line(1532, Rub(20000), 601, Money()),       // D: base 20 000
                     Line(1535, Rub(1000), 601, Rub(3000))});   // E: loss 2 000, offsets D first
    const kTSvodSumPrilJ j = SheetOf(*d);
    EXPECT_EQ(j.LossA, Rub(40000));
    EXPECT_EQ(j.LossAUsedB, Rub(25000));
    EXPECT_EQ(j.TaxableB, Money());
    EXPECT_EQ(j.LossEUsedD, Rub(2000));
    EXPECT_EQ(j.LossAUsedD, Rub(15000));
    EXPECT_EQ(j.TaxableD, Rub(3000));
    EXPECT_EQ(j.LossAFuture, Money());
    EXPECT_EQ(j.LossEFuture, Money());
}

TEST(SheetZ, RepoLossCountsAgainstAGroupOnlyWhenItHasIncome) {
    auto d = NewDeclaration(kDecl3Ndfl);
    AddThirteen(*d, {Line(1537, Rub(1000), 1, Rub(4000)), Line(9537, Rub(500), 1, Rub(2500)),
                     Line(1538, Rub(100), 1, Rub(600))});
    kTSvodSumPrilJ j = SheetOf(*d);
    EXPECT_EQ(j.RepoIncome, Rub(1500));
    EXPECT_EQ(j.RepoExpenses, Rub(6500));
    EXPECT_EQ(j.RepoLoss, Rub(5000));
    EXPECT_EQ(j.RepoTaxable, Money());
    EXPECT_EQ(j.LoanLoss, Rub(500));
    EXPECT_EQ(j.RepoLossTraded, Money());  // groups A and C have no income
    EXPECT_EQ(j.RepoLossOther, Money());
    EXPECT_EQ(j.LoanLossTraded, Money());

    AddThirteen(*d, {Line(1530, Rub(10000), 201, Rub(1000))});
    j = SheetOf(*d);
    EXPECT_EQ(j.RepoLossTraded, Rub(3000));
    EXPECT_EQ(j.LoanLossTraded, Rub(500));
    EXPECT_EQ(j.RepoLossA, Rub(3000));
    EXPECT_EQ(j.LoanLossA, Rub(500));
    EXPECT_EQ(j.ReducingA, Rub(4500));
    EXPECT_EQ(j.RepoLossOther, Money());

    AddThirteen(*d, {Line(1531, Rub(10000), 202, Rub(1000))});
    j = SheetOf(*d);
    EXPECT_EQ(j.RepoLossOther, Rub(2000));
    EXPECT_EQ(j.RepoLossC, Rub(2000));
    EXPECT_EQ(j.ReducingC, Rub(3000));
    EXPECT_EQ(j.TaxableC, Rub(7000));
}

TEST(SheetZ, RepoKindLossNeverExceedsTheWholeLoss) {
    auto d = NewDeclaration(kDecl3Ndfl);
    // Traded REPO loses 3 000 but other REPO gains 2 000: only 1 000 is a loss at all.
    AddThirteen(*d, {Line(1537, Rub(1000), 1, Rub(4000)), Line(9537, Rub(2500), 1, Rub(500)),
                     Line(1530, Rub(10000), 201, Money())});
    const kTSvodSumPrilJ j = SheetOf(*d);
    EXPECT_EQ(j.RepoLossTraded, Rub(1000));
    EXPECT_EQ(j.BaseA, Rub(9000));
}

TEST(SheetZ, PartnershipExitLossReducesGroupC) {
    auto d = NewDeclaration(kDecl3Ndfl, kIncomeRussian | kIncomeInvestTov);
    AddThirteen(*d, {Line(1531, Rub(100000), 202, Rub(20000)), Line(1531, Money(), 219, Rub(5000))});
    AddPartnership(*d, {PartnershipLine(6, Rub(50000), Rub(80000))});
    const kTSvodSumPrilJ j = SheetOf(*d);
    EXPECT_EQ(j.ExpensesC, Rub(20000));
    EXPECT_EQ(j.InterestC, Rub(5000));
    EXPECT_EQ(j.PartnershipExitLoss, Rub(30000));
    EXPECT_EQ(j.ReducingC, Rub(55000));
    EXPECT_EQ(j.TaxableC, Rub(45000));
}

TEST(SheetZ, LinesWithoutDeductionCodeDoNotCountAndUnknownCodesAddOnlyIncome) {
    auto d = NewDeclaration(kDecl3Ndfl);
    AddThirteen(*d, {Line(1530, Rub(5000)),                 // no deduction code: not on this sheet
                     Line(1530, Rub(7000), 999, Rub(3000)),  // counted, but 999 is neither expense nor interest
                     Line(1530, Money(), 218, Rub(1000))});
    const kTSvodSumPrilJ j = SheetOf(*d);
    EXPECT_EQ(j.IncomeA, Rub(7000));
    EXPECT_EQ(j.ExpensesA, Money());
    EXPECT_EQ(j.InterestA, Rub(1000));
    EXPECT_EQ(j.BaseA, Rub(6000));
}

TEST(SheetZ, ForeignRecordsCountWithForeignIncome) {
    auto d = NewDeclaration(kDecl3Ndfl, kIncomeRussian | kIncomeForeign);
    mTCurrencyIncome& f = AddForeign(*d, 13, 1533, Rub(9000), Money(), Rub(4000));
    f.DeductionCode = 201;
    AddThirteen(*d, {Line(1533, Rub(1000), 201, Rub(500))});
    const kTSvodSumPrilJ j = SheetOf(*d);
    EXPECT_EQ(j.IncomeF, Rub(10000));
    EXPECT_EQ(j.ExpensesF, Rub(4500));
    EXPECT_EQ(j.TaxableF, Rub(5500));
    EXPECT_EQ(j.TaxableTotal, Rub(5500));
    EXPECT_EQ(j.ExpensesTotal, Rub(4500));
}

TEST(SheetZ, CarriedDerivativeLossesGoToGroupEFirstThenGroupD) {
    auto d = NewDeclaration(kDecl3Ndfl);
    AddThirteen(*d, {Line(1535, Rub(4000), 601, Money()), Line(1532, Rub(10000), 601, Money())});
    d->CB.FissLoss[0] = Rub(6000);
    const kTSvodSumPrilJ j = SheetOf(*d);
    EXPECT_EQ(j.CarriedUsedE, Rub(4000));
    EXPECT_EQ(j.CarriedUsedD, Rub(2000));
    EXPECT_EQ(j.CarriedDerivativesUsed, Rub(6000));
    EXPECT_EQ(j.CarriedDerivativesLeft, Money());
    EXPECT_EQ(j.TaxableE, Money());
    EXPECT_EQ(j.TaxableD, Rub(8000));
}

}  // namespace
}  // namespace kvz
