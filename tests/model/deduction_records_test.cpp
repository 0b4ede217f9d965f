// What the deduction records do by themselves: the child education chain, the
// month accessors of the standard deductions and the loss totals.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <stdexcept>

#include "model/cb_deduct.h"
#include "model/construction_deduct.h"
#include "model/social_deduct.h"
#include "model/standart_deduct.h"
#include "storage/errors.h"

namespace kvz {
namespace {

void ExpectChainError(uint16_t code, const std::function<void()>& action) {
    try {
        action();
        ADD_FAILURE() << "no error, expected code " << code;
    } catch (const mEMemoryAllocate& e) {
        EXPECT_EQ(e.Code, code);
        EXPECT_STREQ(e.what(), msg::kNoMemory);
    }
}

TEST(ChildEducationChain, KeepsTheOrderOfEntry) {
    mTSocialDeduct d;
    EXPECT_EQ(d.ChildEducationAdd(Money::FromUnits(100)), 0);
    EXPECT_EQ(d.ChildEducationAdd(Money::FromUnits(200)), 1);
    EXPECT_EQ(d.ChildEducationAdd(Money::FromUnits(300)), 2);
    EXPECT_EQ(d.ChildEducationCount(), 3);
    d.ChildEducationSet(2, MoneyFromText("0.0001"));
    d.ChildEducationDelete(0);
    ASSERT_EQ(d.ChildEducationCount(), 2);
    EXPECT_EQ(d.ChildEducationGet(0), Money::FromUnits(200));
    EXPECT_EQ(d.ChildEducationGet(1), MoneyFromText("0.0001"));
    d.ChildEducationDelete(1);
    d.ChildEducationDelete(0);
    EXPECT_EQ(d.ChildEducationCount(), 0);
    EXPECT_EQ(d.ChildEducationAdd(Money::FromUnits(5)), 0);
}

TEST(ChildEducationChain, EmptyChainAndIndexOutsideHaveTheirOwnCodes) {
    mTSocialDeduct d;
    ExpectChainError(310, [&] { d.ChildEducationGet(0); });
    ExpectChainError(320, [&] { d.ChildEducationSet(0, Money()); });
    ExpectChainError(330, [&] { d.ChildEducationDelete(0); });
    d.ChildEducationAdd(Money::FromUnits(1));
    d.ChildEducationAdd(Money::FromUnits(2));
    ExpectChainError(311, [&] { d.ChildEducationGet(2); });
    ExpectChainError(321, [&] { d.ChildEducationSet(2, Money()); });
    ExpectChainError(331, [&] { d.ChildEducationDelete(2); });
    // A negative index is outside too, never the first node.
    ExpectChainError(311, [&] { d.ChildEducationGet(-1); });
    ExpectChainError(321, [&] { d.ChildEducationSet(-1, Money()); });
    ExpectChainError(331, [&] { d.ChildEducationDelete(-1); });
    EXPECT_EQ(d.ChildEducationCount(), 2);
    EXPECT_EQ(d.ChildEducationGet(0), Money::FromUnits(1));
}

TEST(PensionContracts, AddGetDelete) {
    mTSocialDeduct d;
    EXPECT_EQ(d.PensionContractAdd(), 0);
    EXPECT_EQ(d.PensionContractAdd(), 1);
    EXPECT_EQ(d.PensionContract(1), mTPens());
    d.PensionContract(1).OrgName = "второй";
    d.PensionContractDelete(0);
    ASSERT_EQ(d.PensionContractCount(), 1);
    EXPECT_EQ(d.PensionContract(0).OrgName, "второй");
    EXPECT_THROW(d.PensionContract(1), std::out_of_range);
    EXPECT_THROW(d.PensionContractDelete(-1), std::out_of_range);
}

TEST(ConstructionObjects, AddGetDelete) {
    mTConstructionDeduct d;
    mTConstructionDeductObj o;
    o.City = "Тверь";
    EXPECT_EQ(d.ObjectAdd(mTConstructionDeductObj()), 0);
    EXPECT_EQ(d.ObjectAdd(o), 1);
    d.ObjectDelete(0);
    ASSERT_EQ(d.ObjectCount(), 1);
    EXPECT_EQ(d.Object(0).City, "Тверь");
    EXPECT_THROW(d.Object(1), std::out_of_range);
    EXPECT_THROW(d.ObjectDelete(1), std::out_of_range);
}

TEST(StandartDeductRecord, MonthNumbersAndIndexesAddressTheSameSlots) {
    mTStandartDeduct d;
    d.SetBusinessIncomeByMonth(1, Money::FromUnits(10));
    d.SetBusinessExpenseByMonth(12, Money::FromUnits(20));
    d.SetMonthlySelfCodes(3, 2);
    d.SetMonthlyChildStatus(12, 1);
    d.SetChildrenByMonth(0, 4);
    d.SetDisabledByMonth(11, 5);
    d.SetThirdByMonth(5, 6);
    d.SetBusinessMonthChecked(11, true);
    EXPECT_EQ(d.BusinessIncomeByMonth[0], Money::FromUnits(10));
    EXPECT_EQ(d.BusinessExpenseByMonth[11], Money::FromUnits(20));
    EXPECT_EQ(d.MonthlySelfCodes[2], 2);
    EXPECT_EQ(d.MonthlyChildStatus[11], 1);
    EXPECT_EQ(d.ChildrenByMonth[0], 4);
    EXPECT_EQ(d.DisabledByMonth[11], 5);
    EXPECT_EQ(d.GetThirdByMonth(5), 6);
    EXPECT_TRUE(d.BusinessMonthChecked[11]);

    EXPECT_THROW(d.GetBusinessIncomeByMonth(0), std::out_of_range);
    EXPECT_THROW(d.SetMonthlySelfCodes(13, 1), std::out_of_range);
    EXPECT_THROW(d.GetChildrenByMonth(12), std::out_of_range);
    EXPECT_THROW(d.SetBusinessMonthChecked(-1, true), std::out_of_range);
}

TEST(CBDeductTotals, SumTheTenYearsExactly) {
    mTCBDeduct d;
    EXPECT_EQ(d.SecuritiesLossTotal(), Money());
    d.SecuritiesLoss[0] = MoneyFromText("123456.7891");
    EXPECT_EQ(d.SecuritiesLossTotal(), MoneyFromText("123456.7891"));
    EXPECT_EQ(d.FissLossTotal(), Money());
    for (Money& m : d.FissLoss) m = MoneyFromText("0.1");
    d.FissLoss[4] = MoneyFromText("-0.0001");
    EXPECT_EQ(d.FissLossTotal(), MoneyFromText("0.8999"));
    EXPECT_EQ(d.SecuritiesLossTotal(), MoneyFromText("123456.7891"));
}

TEST(CBDeductTotals, ASumOutsideTheMoneyRangeIsRefused) {
    mTCBDeduct d;
    d.SecuritiesLoss[1] = Money::FromRaw(std::numeric_limits<int64_t>::max() - 5);
    d.SecuritiesLoss[2] = Money::FromRaw(6);
    EXPECT_THROW(d.SecuritiesLossTotal(), std::overflow_error);
}

}  // namespace
}  // namespace kvz
