// The checks of the foreign-income, business and partnership screens and their dialogs.
#include <gtest/gtest.h>

#include "check_declarations.h"
#include "checks/section_checks.h"

namespace kvz {
namespace {

std::vector<std::string> Messages(const CheckFindings& findings) {
    std::vector<std::string> texts;
    for (const auto& f : findings) texts.push_back(f.message);
    return texts;
}

std::unique_ptr<mTDeclaration> With(uint8_t kinds) {
    auto d = test::CompleteDeclaration();
    d->SetIncomeKinds(kinds);
    return d;
}

TEST(ScreenSectionChecks, ForeignScreenNamesTheFirstFailingIncomeWithItsFirstRule) {
    auto d = With(kIncomeForeign);
    test::AddForeignIncome(*d);
    EXPECT_TRUE(ForeignFindings(*d, CheckUse::Screen).empty());

    mTCurrencyIncome& second = test::AddForeignIncome(*d);
    second.IncomeCode = 0;
    second.SetIncomeInCurrency(Money());
    mTCurrencyIncome& third = test::AddForeignIncome(*d);
    third.CurrencyCode = " ";
    const CheckFindings findings = ForeignFindings(*d, CheckUse::Screen);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0], (CheckFinding{kCheckSectionForeign, "Доходы в валюте", 2,
                                         "По данному источнику выплаты не указан код дохода"}));
    // Going to a finding lands on the field of the first rule the income breaks.
    EXPECT_EQ(ForeignFieldToFix(d->Foreign.Get(0)), "");
    EXPECT_EQ(ForeignFieldToFix(d->Foreign.Get(1)), "IncomeCode");
    EXPECT_EQ(ForeignFieldToFix(d->Foreign.Get(2)), "CurrencyCode");

    // A deduction without an amount passes only for the securities incomes.
    d->Foreign.Delete(2);
    d->Foreign.Delete(1);
    mTCurrencyIncome& f = d->Foreign.Get(0);
    f.DeductionCode = 201;
    EXPECT_EQ(Messages(ForeignFindings(*d, CheckUse::Screen)),
              std::vector<std::string>{"По данному источнику выплаты не указана сумма вычета"});
    EXPECT_EQ(ForeignFieldToFix(f), "DeductionAmount");
    f.IncomeCode = 1530;
    EXPECT_TRUE(ForeignFindings(*d, CheckUse::Screen).empty());
    f.UnitsOnIncomeDate = 0;
    EXPECT_EQ(Messages(ForeignFindings(*d, CheckUse::Screen)),
              std::vector<std::string>{"По данному источнику выплаты не указан курс валюты"});
    EXPECT_EQ(ForeignFieldToFix(f), "RateOnIncomeDate");
}

// Tax paid abroad without the rate of its day would be 0 roubles: the screen and
// the declaration check both name it, on the field of that rate.
TEST(ScreenSectionChecks, TaxPaidAbroadNeedsTheRateOfItsDay) {
    struct Case {
        const char* tax;
        int32_t units;
        const char* rate;
        bool named;
    };
    const Case cases[] = {{"100", 0, "0", true},  {"100", 1, "0", true}, {"100", 0, "70", true},
                          {"100", 1, "70", false}, {"0", 0, "0", false}};
    for (const Case& c : cases) {
        auto d = With(kIncomeForeign);
        mTCurrencyIncome& f = test::AddForeignIncome(*d);
        f.UnitsOnTaxDate = c.units;
        f.RateOnTaxDate = MoneyFromText(c.rate);
        f.SetTaxInCurrency(MoneyFromText(c.tax));
        const std::vector<std::string> expected =
            c.named ? std::vector<std::string>{"По данному источнику выплаты не указан курс валюты на дату уплаты налога"}
                    : std::vector<std::string>{};
        EXPECT_EQ(Messages(ForeignFindings(*d, CheckUse::Screen)), expected) << c.tax << " " << c.units << " " << c.rate;
        EXPECT_EQ(Messages(ForeignFindings(*d, CheckUse::Declaration)), expected);
        EXPECT_EQ(ForeignFieldToFix(f), c.named ? "RateOnTaxDate" : "");
    }
}

// A farm without its year of formation is asked for it, on the year's field.
TEST(ScreenSectionChecks, AFarmNeedsItsYear) {
    auto d = With(kIncomeBusiness);
    test::AddActivity(*d);
    d->IsFarmHead = true;
    d->FarmStartDate = FarmStartDateOf(kNoFarmYear);
    ASSERT_EQ(BusinessScreenFindings(*d).size(), 1u);
    EXPECT_EQ(BusinessScreenFindings(*d)[0], (CheckFinding{kCheckSectionBusiness, kCaptionBusiness, kBusinessFieldFarmYear,
                                                          "Не указан год образования крестьянского (фермерского) хозяйства"}));
    EXPECT_EQ(FarmFindings(*d), BusinessScreenFindings(*d));
    d->FarmStartDate = FarmStartDateOf(2000);
    EXPECT_TRUE(BusinessScreenFindings(*d).empty());
    d->IsFarmHead = false;
    d->FarmStartDate = FarmStartDateOf(kNoFarmYear);
    EXPECT_TRUE(BusinessScreenFindings(*d).empty());
}

TEST(ScreenSectionChecks, BusinessScreenChecksEveryActivity) {
    auto d = With(kIncomeBusiness);
    test::AddActivity(*d);
    EXPECT_TRUE(BusinessScreenFindings(*d).empty());

    mTBusinessNew& norm = test::AddActivity(*d);
    norm.ExpensesConfirmed = false;
    mTBusinessNew& wrong = test::AddActivity(*d);
    wrong.ExpenseItems = {};
    wrong.ExpenseItems[kExpenseMaterial] = MoneyFromText("100");
    wrong.ExpenseItems[kExpenseLabour] = MoneyFromText("50");
    wrong.ExpenseItems[kExpenseLabourContracts] = MoneyFromText("60.5");
    wrong.ExpenseItems[kExpenseTotal] = MoneyFromText("140");
    const CheckFindings findings = BusinessScreenFindings(*d);
    ASSERT_EQ(findings.size(), 3u);
    EXPECT_EQ(findings[0].field, 2);
    EXPECT_EQ(findings[0].message, "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.");
    EXPECT_EQ(findings[1].field, 3);
    EXPECT_EQ(findings[1].message,
              "Расходы по оплате трудовых договоров(60,5) превышают сумму расходов на оплату труда (50)");
    // Unlike the declaration check, a total above its parts is also refused here.
    EXPECT_EQ(findings[2].message,
              "Общие расходы (140) не совпадают с суммой расходов материальных, на оплату труда, прочих и "
              "амортизационных отчислений (150)");
    EXPECT_EQ(findings[2].sectionTitle, "Доходы от предпринимательской деятельности");
}

TEST(ScreenSectionChecks, ActivityCodeAndPartnershipLine) {
    EXPECT_EQ(Messages(ActivityCodeFindings("01")),
              std::vector<std::string>{"Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"});
    EXPECT_EQ(ActivityCodeFindings("")[0].sectionTitle, "ОКВЭД");
    EXPECT_TRUE(ActivityCodeFindings("01.1").empty());

    EXPECT_EQ(InvestLineFindings(mTInvestTovIncome{}),
              (CheckFindings{{kCheckSectionInvestTov, "Проверка данных участия в инвест. тов.", kCheckFieldOperationKind,
                              "Не выбран вид операций"}}));
    mTInvestTovIncome exit;
    exit.OperationKind = 6;
    EXPECT_TRUE(InvestLineFindings(exit).empty());
}

}  // namespace
}  // namespace kvz
