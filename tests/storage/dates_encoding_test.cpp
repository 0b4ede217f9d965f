// Day counts and texts; windows-1251 at the file boundary.
#include <gtest/gtest.h>

#include <iconv.h>

#include <cmath>
#include <optional>
#include <string>

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

namespace {

std::string Utf8Of(char32_t cp) {
    std::string out;
    if (cp < 0x80) return std::string(1, static_cast<char>(cp));
    if (cp < 0x800) return {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
    if (cp < 0x10000)
        return {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                static_cast<char>(0x80 | (cp & 0x3F))};
    return {static_cast<char>(0xF0 | (cp >> 18)), static_cast<char>(0x80 | ((cp >> 12) & 0x3F)),
            static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), static_cast<char>(0x80 | (cp & 0x3F))};
}

// The system converter's answer for one text; nullopt when it refuses the text.
std::optional<std::string> SystemConverts(const char* to, const char* from, const std::string& text) {
    iconv_t cd = iconv_open(to, from);
    std::string out(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    char* at = out.data();
    std::size_t inLeft = text.size(), outLeft = out.size();
    const std::size_t r = iconv(cd, &in, &inLeft, &at, &outLeft);
    iconv_close(cd);
    if (r != 0 || inLeft != 0) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

// The program converts by a table taken from the system's converter: every character
// and every byte must come out exactly as the system converts them, and whatever the
// system refuses is refused, malformed text included.
TEST(Encoding, Windows1251AgreesWithTheSystemConverter) {
    for (char32_t cp = 1; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const std::string text = "a" + Utf8Of(cp) + "b";
        const std::optional<std::string> expected = SystemConverts("CP1251", "UTF-8", text);
        ASSERT_EQ(CanEncodeCp1251(text), expected.has_value()) << static_cast<uint32_t>(cp);
        if (expected) {
            ASSERT_EQ(Utf8ToCp1251(text), *expected) << static_cast<uint32_t>(cp);
        }
    }
    EXPECT_FALSE(CanEncodeCp1251(Utf8Of(0x1F600)));
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::optional<std::string> expected = SystemConverts("UTF-8", "CP1251", byte);
        if (expected) {
            EXPECT_EQ(Cp1251ToUtf8(byte), *expected) << b;
        } else {
            EXPECT_THROW(Cp1251ToUtf8(byte), EEncodingError) << b;
        }
    }
    for (const std::string bad : {"\x80", "\xC0\xAF", "\xD0", "\xD0\x41", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8"}) {
        EXPECT_FALSE(CanEncodeCp1251("Иван" + bad)) << bad;
        try {
            Utf8ToCp1251("Иван" + bad + "ов");
            ADD_FAILURE() << bad;
        } catch (const EEncodingError& e) {
            EXPECT_NE(std::string(e.what()).find("«" + bad.substr(0, 1)), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(UpperCaseCp1251("ђѓљњќћџўіґєјѕїёабвгдеёжзийклмнопрстуфхцчшщъыьэюя"),
              "ЂЃЉЊЌЋЏЎІҐЄЈЅЇЁАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    EXPECT_THROW(UpperCaseCp1251("ab€漢"), EEncodingError);
}

TEST(Dates, DayCountsOutsideTheCalendarAreClamped) {
    EXPECT_EQ(DateToText(1e300), "31.12.9999");
    EXPECT_EQ(DateToText(-1e300), "01.01.0001");
    EXPECT_EQ(DateToText(std::nan("")), "01.01.0001");
    EXPECT_EQ(YearOf(3e6), 9999);
}
