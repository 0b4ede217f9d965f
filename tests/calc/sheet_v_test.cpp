// Sheet В: business income and the professional deduction.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/calc_fixtures.h"

namespace kvz {
namespace {

using test::AddBusiness;
using test::NewDeclaration;
using test::Rub;

TEST(SheetV, ConfirmedAndUnconfirmedExpensesAddUp) {
    auto d = NewDeclaration(kDecl3Ndfl, kIncomeBusiness);
    d->AdvancePaid = Rub(5000);
    d->AdvanceAssessed = Rub(6000);
    mTBusinessNew& confirmed = AddBusiness(*d, Rub(300000), Rub(100000));
    confirmed.UnconfirmedExpenses = Rub(999);  // not the chosen kind: ignored
    mTBusinessNew& norm = AddBusiness(*d, Rub(200000), Rub(40000), false);
    norm.ExpenseItems[kExpenseTotal] = Rub(777);  // likewise
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilV1.IncomeTotal, Rub(500000));
    EXPECT_EQ(sum.PrilV1.ProfessionalDeduction, Rub(140000));
    EXPECT_EQ(sum.PrilV1.AdvancePaid, Rub(5000));
    EXPECT_EQ(sum.PrilV1.AdvanceAssessed, Rub(6000));
}

TEST(SheetV, DeductionIsCappedAtTheIncome) {
    auto d = NewDeclaration(kDecl3Ndfl, kIncomeBusiness);
    AddBusiness(*d, Rub(100000), Rub(150000));
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilV1.ProfessionalDeduction, Rub(100000));
}

TEST(SheetV, NothingWithoutBusinessIncome) {
    auto d = NewDeclaration(kDecl3Ndfl, kIncomeRussian);
    d->AdvancePaid = Rub(5000);
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilV1, kTSvodSumPrilV1());
}

}  // namespace
}  // namespace kvz
