// Text forms of the export: amounts, file identifiers that cannot name a file,
// and the representative's name split.
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

TEST(ExportFileName, IdentifiersThatCannotNameAFileAreRefused) {
    EXPECT_NO_THROW(CheckFileIdentifier("NO_NDFL3_7724_7724_000000000000_20160315_X"));
    EXPECT_ANY_THROW(CheckFileIdentifier("NO_NDFL4_../../etc_x"));
    EXPECT_ANY_THROW(CheckFileIdentifier("NO_NDFL4_77\n24"));
    EXPECT_ANY_THROW(CheckFileIdentifier(".."));
}

TEST(ExportFileName, AnInnOfBlanksIsWrittenAsNoInn) {
    const DateTime day = EncodeDate(2016, 3, 15);
    EXPECT_EQ(Ndfl3FileIdentifier("7724", "", day, "G"), "NO_NDFL3_7724_7724_000000000000_20160315_G");
    // The taxpayer block reads blanks as no ИНН; the file name must agree with it.
    EXPECT_EQ(Ndfl3FileIdentifier("7724", "            ", day, "G"), "NO_NDFL3_7724_7724_000000000000_20160315_G");
    EXPECT_EQ(Ndfl3FileIdentifier("7724", "772412345636", day, "G"), "NO_NDFL3_7724_7724_772412345636_20160315_G");
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
