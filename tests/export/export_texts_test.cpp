// Text forms of the export: amounts, currency texts, dates, padded codes, the
// file identifier and the representative's name split.
#include <gtest/gtest.h>

#include "export/export_file_name.h"
#include "export/export_texts.h"
#include "export/representative_name.h"
#include "storage/money.h"

namespace kvz {
namespace {

Money M(const char* text) { return MoneyFromText(text, '.'); }

TEST(ExportTexts, AmountFormsCutRoundAndCap) {
    EXPECT_EQ(KopeckForm(M("10.5")), "10.50");
    EXPECT_EQ(PlainForm(M("10.5")), "10.5");
    EXPECT_EQ(KopeckForm(M("10.2567")), "10.25");  // cut, not rounded
    EXPECT_EQ(KopeckForm(M("-5")), "0.00");
    EXPECT_EQ(PlainForm(M("-5")), "-5");
    EXPECT_EQ(PlainForm(M("120000")), "120000");
    EXPECT_EQ(KopeckForm(M("1234567890123.45")), "999999999999.99");
    EXPECT_EQ(PlainForm(M("1234567890123.4567")), "999999999999999");
    EXPECT_EQ(KopeckForm(M("999999999999.99")), "999999999999.99");
}

TEST(ExportTexts, CurrencyTextsDatesCodesAndIntegers) {
    EXPECT_EQ(CurrencyText(" 1234,56 "), "1234.56");
    EXPECT_EQ(CurrencyText("65.4321"), "65.4321");
    EXPECT_EQ(ExportDateText(EncodeDate(2015, 1, 5)), "05.01.2015");
    EXPECT_EQ(YearText(EncodeDate(2012, 7, 1)), "2012");
    EXPECT_EQ(IdentifierDateText(EncodeDate(2016, 3, 5) + 0.75), "20160305");
    EXPECT_EQ(PadWithZeros("4", 3), "004");
    EXPECT_EQ(PadWithZeros("7", 2), "07");
    EXPECT_EQ(PadWithZeros("1234", 3), "1234");
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(12), "12");
}

TEST(ExportTexts, TrimmingAndCharactersCountCyrillicAsOne) {
    EXPECT_EQ(TrimText("\t  Иванов \r\n"), "Иванов");
    EXPECT_TRUE(IsBlankText(" \t "));
    EXPECT_FALSE(IsBlankText(" я "));
    EXPECT_EQ(TextLength("Ёлка"), 4u);
    EXPECT_EQ(TextSlice("Щука и ёрш", 5, 1), "и");
    EXPECT_EQ(TextSlice("абв", 2, 100), "в");
    EXPECT_EQ(TextSlice("абв", 5, 1), "");
}

TEST(ExportFileName, IdentifiersOfBothForms) {
    const DateTime day = EncodeDate(2016, 3, 15);
    const std::string guid = "0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0";
    EXPECT_EQ(Ndfl3FileIdentifier("7724", "772412345636", day, guid),
              "NO_NDFL3_7724_7724_772412345636_20160315_0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0");
    EXPECT_EQ(Ndfl3FileIdentifier("7724", "", day, guid),
              "NO_NDFL3_7724_7724_000000000000_20160315_0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0");
    // 4-НДФЛ has no substitute: the underscores meet.
    EXPECT_EQ(Ndfl4FileIdentifier("7724", "", day, guid),
              "NO_NDFL4_7724_7724__20160315_0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0");
}

TEST(ExportFileName, IdentifiersThatCannotNameAFileAreRefused) {
    EXPECT_NO_THROW(CheckFileIdentifier("NO_NDFL3_7724_7724_000000000000_20160315_X"));
    EXPECT_ANY_THROW(CheckFileIdentifier("NO_NDFL4_../../etc_x"));
    EXPECT_ANY_THROW(CheckFileIdentifier("NO_NDFL4_77\n24"));
    EXPECT_ANY_THROW(CheckFileIdentifier(".."));
}

TEST(RepresentativeName, SplitsIntoThreeParts) {
    EXPECT_EQ(SplitRepresentativeName("Петров Пётр Петрович"),
              (RepresentativeName{"Петров", "Пётр", "Петрович"}));
    // Extra blanks anywhere are dropped; the patronymic keeps its inner blanks.
    EXPECT_EQ(SplitRepresentativeName("  Петров   Пётр  Оглы  Ахмед "),
              (RepresentativeName{"Петров", "Пётр", "Оглы  Ахмед"}));
    EXPECT_EQ(SplitRepresentativeName("Петров"), (RepresentativeName{"Петров", " ", ""}));
    EXPECT_EQ(SplitRepresentativeName("Петров Пётр"), (RepresentativeName{"Петров", "Пётр", ""}));
    EXPECT_EQ(SplitRepresentativeName("   "), (RepresentativeName{" ", " ", ""}));
}

TEST(RepresentativeName, LongWordsAreCutAtSixtyCharacters) {
    std::string longSurname;
    for (int i = 0; i < 70; ++i) longSurname += "ж";
    const RepresentativeName cut = SplitRepresentativeName(longSurname + " Иван Иванович");
    EXPECT_EQ(TextLength(cut.Surname), 60u);
    // The rest starts right after the sixty characters taken.
    EXPECT_EQ(cut.FirstName, "жжжжжжжжжж");
    EXPECT_EQ(cut.Patronymic, "Иван Иванович");
    // A name without blanks is taken whole.
    EXPECT_EQ(TextLength(SplitRepresentativeName(longSurname).Surname), 70u);
    std::string longPatronymic;
    for (int i = 0; i < 65; ++i) longPatronymic += "о";
    // The sixty characters are counted from the blank after the first name.
    EXPECT_EQ(TextLength(SplitRepresentativeName("А Б " + longPatronymic).Patronymic), 59u);
}

}  // namespace
}  // namespace kvz
