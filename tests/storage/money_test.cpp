// Rounding and the texts in which amounts leave the program.
#include <gtest/gtest.h>

#include "storage/errors.h"
#include "storage/money.h"

using namespace kvz;

TEST(AmountTexts, KopeckFormCutsAndCaps) {
    EXPECT_EQ(KopeckForm(Money::FromRaw(12345000)), "1234.50");
    EXPECT_EQ(KopeckForm(Money()), "0.00");
    EXPECT_EQ(KopeckForm(Money::FromUnits(-5)), "0.00");
    EXPECT_EQ(KopeckForm(Money::FromRaw(9990)), "0.99");
    EXPECT_EQ(KopeckForm(Money::FromRaw(75)), "0.00");
    EXPECT_EQ(KopeckForm(Money::FromUnits(999999999999)), "999999999999.00");
    EXPECT_EQ(KopeckForm(Money::FromUnits(1000000000000)), "999999999999.99");
}

TEST(AmountTexts, PlainFormIsShortestAndCapped) {
    EXPECT_EQ(PlainForm(Money::FromRaw(12345000)), "1234.5");
    EXPECT_EQ(PlainForm(Money::FromUnits(100)), "100");
    EXPECT_EQ(PlainForm(Money::FromRaw(-2500)), "-0.25");
    EXPECT_EQ(PlainForm(Money::FromRaw(12345678902345)), "1234567890.2345");
    EXPECT_EQ(PlainForm(Money::FromRaw(1234567890123456)), "999999999999999");
}

TEST(AmountTexts, ParsingIsExactOrRefused) {
    EXPECT_EQ(MoneyFromText("1234.5"), Money::FromRaw(12345000));
    EXPECT_EQ(MoneyFromText("-0,25", ','), Money::FromRaw(-2500));
    EXPECT_EQ(MoneyFromText("0.00005"), Money::FromRaw(1));
    EXPECT_THROW(MoneyFromText("1,5"), EConvertError);
    EXPECT_THROW(MoneyFromText(""), EConvertError);
    EXPECT_THROW(MoneyFromText("-"), EConvertError);
    EXPECT_THROW(MoneyFromText("99999999999999999999"), EConvertError);
    Money m;
    EXPECT_FALSE(TryParseMoneyExact("1.23456", m));
    EXPECT_TRUE(TryParseMoneyExact("1.2345", m));
    EXPECT_EQ(m, Money::FromRaw(12345));
    // Every four-decimal value reads back from its own text.
    for (int64_t raw : {0LL, 1LL, -1LL, 9999LL, 10000LL, -123456789LL, 922337203685477LL})
        EXPECT_EQ(MoneyFromText(MoneyToText(Money::FromRaw(raw))), Money::FromRaw(raw)) << raw;
}

TEST(AmountArithmetic, SumsOutsideTheRangeAreRefusedNotWrapped) {
    Money big = Money::FromRaw(INT64_MAX - 5);
    EXPECT_THROW(big + Money::FromRaw(10), std::overflow_error);
    EXPECT_THROW(Money::FromRaw(INT64_MIN) - Money::FromRaw(1), std::overflow_error);
    EXPECT_THROW(-Money::FromRaw(INT64_MIN), std::overflow_error);
    Money sum = Money::FromRaw(1);
    sum += Money::FromRaw(2);
    EXPECT_EQ(sum, Money::FromRaw(3));
}
