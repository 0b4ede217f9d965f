// Day counts and texts; windows-1251 at the file boundary.
#include <gtest/gtest.h>

#include <cmath>

#include "storage/dates.h"
#include "storage/encoding.h"
#include "storage/errors.h"

using namespace kvz;

TEST(Dates, DayCountsAndTexts) {
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(DateToText(36526), "01.01.2000");
    EXPECT_EQ(DateToText(EncodeDate(2016, 2, 29)), "29.02.2016");
    EXPECT_EQ(DateToText(42000.75), DateToText(42000));
    EXPECT_EQ(YearOf(EncodeDate(2015, 12, 31)), 2015);
    EXPECT_EQ(DateFromText("1.2.2015"), EncodeDate(2015, 2, 1));
    EXPECT_THROW(DateFromText("29.02.2015"), EConvertError);
    EXPECT_THROW(DateFromText("01/01/2015"), EConvertError);
    EXPECT_THROW(DateFromText("01.13.2015"), EConvertError);
    for (int d = 0; d < 80000; d += 37) {
        EXPECT_EQ(DateFromText(DateToText(d)), d);
    }
}

TEST(Dates, ClockIsInjectable) {
    SetClock([] { return EncodeDate(2016, 4, 30) + 0.5; });
    EXPECT_EQ(Today(), EncodeDate(2016, 4, 30));
    SetClock(nullptr);
    EXPECT_GT(Today(), EncodeDate(2020, 1, 1));
}

TEST(Encoding, Windows1251RoundTripAndRefusals) {
    std::string text = "Ёлка «ёж» №5 Ўў";
    EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251(text)), text);
    EXPECT_EQ(Utf8ToCp1251("Я"), "\xDF");
    EXPECT_EQ(Cp1251Length("Иван"), 4u);
    EXPECT_THROW(Utf8ToCp1251("漢"), EEncodingError);
    EXPECT_FALSE(CanEncodeCp1251("€ ok 😀"));
    EXPECT_THROW(Cp1251ToUtf8("\x98"), EEncodingError);
    // Every defined byte comes back, however long the text and with ASCII, NUL included.
    std::string bytes(1, '\0');
    for (int b = 1; b < 256; ++b)
        if (b != 0x98) bytes += static_cast<char>(b);
    const std::string many = bytes + std::string(5000, '\x88');
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(many)), many);
    EXPECT_EQ(Utf8ToCp1251(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_THROW(Utf8ToCp1251("ok \xFF"), EEncodingError);
    EXPECT_FALSE(CanEncodeCp1251("\xD0"));
    EXPECT_EQ(Cp866ToUtf8("\x8F\xE0\xA8"), "При");
    EXPECT_EQ(UpperCaseCp1251("ул. ёлочная, д.5a"), "УЛ. ЁЛОЧНАЯ, Д.5A");
}

TEST(Dates, DayCountsOutsideTheCalendarAreClamped) {
    EXPECT_EQ(DateToText(1e300), "31.12.9999");
    EXPECT_EQ(DateToText(-1e300), "01.01.0001");
    EXPECT_EQ(DateToText(std::nan("")), "01.01.0001");
    EXPECT_EQ(YearOf(3e6), 9999);
}
