// Foreign-currency incomes, business activities and tax payments.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "model/business_new.h"
#include "model/currency_income.h"
#include "model/expense_norm.h"
#include "model/income_test_storage.h"
#include "model/nalog.h"
#include "storage/dates.h"

namespace kvz {
namespace {

using test::MemoryDocument;

Money Units(int64_t units) { return Money::FromUnits(units); }
Money Raw(int64_t raw) { return Money::FromRaw(raw); }

mTCurrencyIncome GoldenForeignIncome() {
    mTCurrencyIncome income;
    income.IncomeRate = 13;
    income.IncomeCode = 1010;
    income.IncomeName = "Дивиденды";
    income.SourceName = "Apple Inc.";
    income.CountryCode = "840";
    income.IncomeDate = EncodeDate(2015, 3, 15);
    income.TaxPaymentDate = EncodeDate(2015, 3, 15);
    income.AutoRate = true;
    income.CurrencyCode = "840";
    income.CurrencyName = "Доллар США";
    income.RateOnIncomeDate = Raw(653862);  // 65.3862 a dollar
    income.UnitsOnIncomeDate = 1;
    income.RateOnTaxDate = Raw(821234);  // 82.1234 per 100
    income.UnitsOnTaxDate = 100;
    income.SetIncomeInCurrency(Units(1000));
    income.SetTaxInCurrency(Units(10));
    return income;
}

TEST(CurrencyIncomeTest, DefaultsToTheFirstDayOfTheYear) {
    mTCurrencyIncome income;
    EXPECT_EQ(DateToText(income.IncomeDate), "01.01.2015");
    EXPECT_EQ(DateToText(income.TaxPaymentDate), "01.01.2015");
    EXPECT_FALSE(income.AutoRate);
}

TEST(CurrencyIncomeTest, WritesItsItemsInTheFileOrder) {
    mTCurrencyIncome income = GoldenForeignIncome();
    MemoryDocument doc(income.StoredSize(0));
    const uint32_t written = doc.Write([&](mTDocumentStorage& s) { income.Save(s, 0); });
    EXPECT_EQ(doc.Items(),
              "0018@CurrencyIncome000"
              "000213"
              "00041010"
              "0009Дивиденды"
              "0010Apple Inc."
              "0003840"
              "000542078"
              "000542078"
              "00011"
              "0003840"
              "000765.3862"
              "00011"
              "000782.1234"
              "0003100"
              "0010Доллар США"
              "00041000"
              "000765386.2"
              "000210"
              "00048.21"
              "00010"
              "00010"
              "00010");
    EXPECT_EQ(written, income.StoredSize(0));

    mTCurrencyIncome loaded;
    doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 0); });
    EXPECT_EQ(loaded, income);
}

TEST(CurrencyIncomeTest, StoredRoubleValuesAreNotRecomputedOnLoad) {
    mTCurrencyIncome income = GoldenForeignIncome();
    income.IncomeInRoubles = Units(1);  // as a document of another rounding may hold
    uint32_t written = 0;
    EXPECT_EQ(test::SaveAndLoad(income, 5, false, written).IncomeInRoubles, Units(1));
}

TEST(CurrencyIncomeTest, DatesOfOlderDocumentsAreReadFromText) {
    MemoryDocument doc(0);
    doc.Write([](mTDocumentStorage&) {});
    doc.SetItems("0018@CurrencyIncome000" "000213" "00041010" "0000" "0000" "0003840"
                 "001015.03.2015" "001001.04.2015" "00010" "0003840" "000265" "00011" "000265" "00011" "0000"
                 "00043000" "0006195000" "00010" "00010" "00010" "00010" "00010");
    doc.SetVersion("01", "01");
    mTCurrencyIncome loaded;
    doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 0); });
    EXPECT_EQ(loaded.IncomeDate, EncodeDate(2015, 3, 15));
    EXPECT_EQ(loaded.TaxPaymentDate, EncodeDate(2015, 4, 1));
    EXPECT_EQ(loaded.IncomeInRoubles, Units(195000));
}

TEST(CurrencyIncomeTest, ConvertsToRoublesRoundingHalfKopecksUp) {
    mTCurrencyIncome income = GoldenForeignIncome();
    EXPECT_EQ(income.IncomeInRoubles, Raw(653862000));  // 65 386.20
    EXPECT_EQ(income.TaxInRoubles, Raw(82100));         // 8.21

    income.RateOnIncomeDate = Raw(654321);
    income.SetIncomeInCurrency(Units(1000));
    EXPECT_EQ(income.IncomeInRoubles, Raw(654321000));  // 65 432.10
    income.RateOnIncomeDate = Raw(123456);
    income.UnitsOnIncomeDate = 10;
    income.SetIncomeInCurrency(Units(500));
    EXPECT_EQ(income.IncomeInRoubles, Raw(6172800));  // 617.28
    EXPECT_EQ(income.IncomeInCurrency, Units(500));

    income.UnitsOnIncomeDate = 0;
    income.SetIncomeInCurrency(Units(500));
    EXPECT_EQ(income.IncomeInRoubles, Money());
    income.UnitsOnTaxDate = 0;
    income.SetTaxInCurrency(Units(7));
    EXPECT_EQ(income.TaxInRoubles, Money());
    EXPECT_EQ(income.TaxInCurrency, Units(7));

    // Exact halves go up, however binary fractions would see them; negatives are cut.
    EXPECT_EQ(CurrencyToRoubles(Raw(10050), Units(1), 1), Raw(10100));   // 1.005 -> 1.01
    EXPECT_EQ(CurrencyToRoubles(Units(1), Raw(50), 1), Raw(100));        // 0.005 -> 0.01
    EXPECT_EQ(CurrencyToRoubles(Units(1), Raw(49), 1), Money());         // 0.0049 -> 0
    EXPECT_EQ(CurrencyToRoubles(Units(-3), Raw(50), 1), Raw(-100));      // -0.015 -> -0.01
    EXPECT_EQ(CurrencyToRoubles(Units(10), Units(1), 3), Raw(33300));    // 3.333… -> 3.33
    EXPECT_EQ(CurrencyToRoubles(Units(20), Units(1), 3), Raw(66700));    // 6.666… -> 6.67
    EXPECT_EQ(CurrencyToRoubles(Units(20), Units(1), -3), Raw(-66600));  // a negative unit count
    EXPECT_THROW(CurrencyToRoubles(Units(900000000000000), Units(900000), 1), std::overflow_error);
}

TEST(CurrencyIncomeTest, StorageErrorsCarryTheIncomePlaces) {
    test::ExpectMissingStreamPlace<mTCurrencyIncome>(378);
    test::ExpectSavePlace(GoldenForeignIncome(), 377);
}

TEST(CurrencyIncomeTest, RandomIncomesRoundTrip) { test::ExpectRandomRoundTrips<mTCurrencyIncome>(20150002); }

mTBusinessNew ConfirmedActivity() {
    mTBusinessNew activity;
    activity.ActivityKind = "1";
    activity.ActivityCode = "47.91";
    activity.Income = Units(1000000);
    activity.ExpenseItems[kExpenseTotal] = Units(600000);
    activity.ExpenseItems[kExpenseMaterial] = Units(200000);
    activity.ExpenseItems[kExpenseDepreciation] = Units(50000);
    activity.ExpenseItems[kExpenseLabour] = Units(250000);
    activity.ExpenseItems[kExpenseLabourContracts] = Units(100000);
    activity.ExpenseItems[kExpenseOther] = Units(100000);
    return activity;
}

mTBusinessNew NormActivity() {
    mTBusinessNew activity;
    activity.ActivityKind = "2";
    activity.Income = Raw(123456700);
    activity.ExpensesConfirmed = false;
    activity.UnconfirmedExpenses = ExpenseNorm(activity.Income);
    return activity;
}

TEST(BusinessNewTest, ExpenseNormIsAFifthOfTheIncomeInKopecks) {
    EXPECT_EQ(ExpenseNorm(Raw(123456700)), Raw(24691300));  // 12 345.67 -> 2 469.13 (2 469.134)
    EXPECT_EQ(ExpenseNorm(Raw(250)), Raw(100));             // 0.025 -> exactly half a kopeck, up
    EXPECT_EQ(ExpenseNorm(kAbsentAmount), Money());          // an income not entered
}

TEST(BusinessNewTest, ConfirmedExpensesGoIntoTheirOwnStream) {
    mTBusinessNew activity = ConfirmedActivity();
    MemoryDocument doc(activity.StoredSize(0));
    const uint32_t written = doc.Write([&](mTDocumentStorage& s) { activity.Save(s, 0); });
    std::string zeros;
    for (int i = kExpenseOtherFirstComponent; i < kExpenseItemCount; ++i) zeros += "00010";
    EXPECT_EQ(doc.Items(),
              "0018@BusinessIncome000"
              "00011"
              "000547.91"
              "00071000000"
              "00011"
              "0019@BusinessExpense000"
              "0006600000"
              "0006200000"
              "000550000"
              "0006250000"
              "0006100000"
              "0006100000" +
                  zeros);
    EXPECT_EQ(written, activity.StoredSize(0));

    mTBusinessNew loaded;
    doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 0); });
    EXPECT_EQ(loaded, activity);
}

TEST(BusinessNewTest, ExpensesOfTheNormSkipTheExpenseStream) {
    mTBusinessNew activity = NormActivity();
    activity.ExpenseItems[kExpenseLabour] = Units(5);  // kept in memory, not saved
    MemoryDocument doc(activity.StoredSize(3));
    const uint32_t written = doc.Write([&](mTDocumentStorage& s) { activity.Save(s, 3); });
    EXPECT_EQ(doc.Items(),
              "0018@BusinessIncome003"
              "00012"
              "0002.."
              "000812345.67"
              "00010"
              "00072469.13");
    EXPECT_EQ(written, activity.StoredSize(3));

    mTBusinessNew loaded = ConfirmedActivity();
    doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 3); });
    EXPECT_EQ(loaded, NormActivity());  // every expense item 0
}

TEST(BusinessNewTest, ClearRestoresTheNewActivity) {
    mTBusinessNew activity = ConfirmedActivity();
    activity.ExpensesConfirmed = false;
    activity.UnconfirmedExpenses = Units(3);
    activity.ExpenseItems[18] = Units(4);
    activity.Clear();
    EXPECT_EQ(activity, mTBusinessNew());
    EXPECT_EQ(activity.ActivityKind, "");
    EXPECT_EQ(activity.ActivityCode, "..");
    EXPECT_TRUE(activity.ExpensesConfirmed);
    EXPECT_EQ(activity.Income, Money());
    for (Money item : activity.ExpenseItems) EXPECT_EQ(item, Money());
}

TEST(BusinessNewTest, StorageErrorsCarryTheActivityPlaces) {
    test::ExpectMissingStreamPlace<mTBusinessNew>(380);
    test::ExpectSavePlace(ConfirmedActivity(), 379);
    test::ExpectSavePlace(NormActivity(), 379);

    // The activity stream without its expense stream.
    mTBusinessNew activity = ConfirmedActivity();
    MemoryDocument doc(activity.StoredSize(0));
    doc.Write([&](mTDocumentStorage& s) { activity.Save(s, 0); });
    std::string items = doc.Items();
    items.replace(items.find("@BusinessExpense"), 16, "@BusinessXxxxxxx");
    doc.SetItems(items);
    mTBusinessNew loaded;
    try {
        doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 0); });
        FAIL() << "loaded without the expense stream";
    } catch (const mEOpenStream& e) {
        EXPECT_EQ(e.Place, 380);
    }
}

TEST(BusinessNewTest, RandomActivitiesRoundTrip) { test::ExpectRandomRoundTrips<mTBusinessNew>(20150004); }

TEST(NalogTest, WritesThePayment) {
    mTNalog payment;
    payment.PaymentText1 = "18210102020011000110";
    payment.PaymentText2 = "Аванс";
    payment.PaymentAmount = Raw(12345000);
    MemoryDocument doc(payment.StoredSize(3));
    const uint32_t written = doc.Write([&](mTDocumentStorage& s) { payment.Save(s, 3); });
    EXPECT_EQ(doc.Items(), "0012@NalogSub003" "002018210102020011000110" "0005Аванс" "00061234.5");
    EXPECT_EQ(written, payment.StoredSize(3));
    EXPECT_EQ(written, 16u + 24 + 9 + 10);

    mTNalog loaded;
    doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 3); });
    EXPECT_EQ(loaded, payment);
}

TEST(NalogTest, StorageErrorsCarryThePaymentPlaces) {
    test::ExpectMissingStreamPlace<mTNalog>(376);
    mTNalog payment;
    payment.PaymentText2 = "x";
    test::ExpectSavePlace(payment, 375);
}

TEST(NalogTest, RandomPaymentsRoundTrip) { test::ExpectRandomRoundTrips<mTNalog>(20150017); }

}  // namespace
}  // namespace kvz
