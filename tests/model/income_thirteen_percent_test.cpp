#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/income_test_storage.h"
#include "model/thirteen_percent.h"
#include "storage/errors.h"
#include "support/random_income_sections.h"

namespace kvz {
namespace {

using test::MemoryDocument;

Money Units(int64_t units) { return Money::FromUnits(units); }

mTSourseIncome Salary(int64_t amount, uint16_t month) {
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeName = "Заработная плата";
    line.IncomeAmount = Units(amount);
    line.Month = month;
    return line;
}

mTThirteenPercent GoldenSource() {
    mTThirteenPercent source;
    source.StandardDeductionsHere = true;
    source.Inn = "7707083893";
    source.Kpp = "773601001";
    source.Oktmo = "45383000";
    source.SourceName = "ООО \"Ромашка\"";
    source.TaxWithheld = Units(13000);
    source.TaxableAmount = Units(100000);
    source.TaxComputed = Units(13000);
    source.SetMonthAmount(0, Units(50000));
    source.SetMonthAmount(2, Money());
    mTSourseIncome line = Salary(100000, 1);
    line.IncomeAmount = Money::FromRaw(1000005000);  // 100000.5
    source.AddLine(line);
    return source;
}

const std::string kGoldenHead =
    "00011"
    "00107707083893"
    "0009773601001"
    "000845383000"
    "0013ООО \"Ромашка\""
    "000513000"
    "0006100000"
    "000513000"
    "00010"
    "000550000"
    "0001a"
    "00010"
    "0001a0001a0001a0001a0001a0001a0001a0001a0001a"
    "00011";
const std::string kGoldenLine =
    "00042000"
    "0016Заработная плата"
    "0008100000.5"
    "00010"
    "00010"
    "00010"
    "00011";

TEST(ThirteenPercentTest, WritesTheSourceAndItsLinesItemByItem) {
    mTThirteenPercent source = GoldenSource();
    MemoryDocument doc(source.StoredSize(1));
    uint32_t written = doc.Write([&](mTDocumentStorage& s) { source.Save(s, 1, false); });
    EXPECT_EQ(doc.Items(), "0019@ThirteenPercent001" + kGoldenHead + "0019@SourseIncome001000" + kGoldenLine);
    EXPECT_EQ(written, source.StoredSize(1));

    MemoryDocument nr(source.StoredSize(1));
    nr.Write([&](mTDocumentStorage& s) { source.Save(s, 1, true); });
    EXPECT_EQ(nr.Items(), "0019@ThirteenPerceNR001" + kGoldenHead + "0019@SourseIncoNR001000" + kGoldenLine);
}

TEST(ThirteenPercentTest, StoredSizeCountsEveryItemOfBothVariants) {
    mTThirteenPercent source = GoldenSource();
    // The marker of source 1 is 19 characters: 23 bytes; an absent month 5 bytes.
    EXPECT_EQ(source.StoredSize(1), 23u + 5 + 14 + 13 + 12 + 17 + 9 + 10 + 9 + 5 + 9 + 5 + 5 + 9 * 5 + 5 +
                                        23 + 8 + 20 + 12 + 5 + 5 + 5 + 5);
    // "%.3d" of 1000 has four digits: both markers grow by one byte.
    EXPECT_EQ(source.StoredSize(1000), source.StoredSize(1) + 2);
    for (bool variant : {false, true}) {
        uint32_t written = 0;
        EXPECT_EQ(test::SaveAndLoad(source, 1000, variant, written), source);
        EXPECT_EQ(written, source.StoredSize(1000));
    }
}

TEST(ThirteenPercentTest, MonthsKeepTheDifferenceBetweenAbsentAndZero) {
    mTThirteenPercent source;
    source.SetMonthAmount(3, Money());
    source.SetMonthAmount(4, Units(-5));
    source.SetMonthAmount(5, Units(7));
    source.SetMonthAmount(5, kAbsentAmount);
    EXPECT_EQ(source.MonthsPresent, (1 << 3) | (1 << 4));
    EXPECT_EQ(source.MonthAmounts[5], Money());

    uint32_t written = 0;
    mTThirteenPercent loaded = test::SaveAndLoad(source, 0, false, written);
    EXPECT_EQ(loaded, source);
    EXPECT_TRUE(loaded.MonthPresent(3));
    EXPECT_EQ(loaded.MonthAmounts[4], Units(-5));
    EXPECT_FALSE(loaded.MonthPresent(5));
    EXPECT_FALSE(loaded.MonthPresent(12));
    EXPECT_THROW(source.SetMonthAmount(12, Units(1)), std::out_of_range);
    EXPECT_THROW(source.SetMonthAmount(-1, Units(1)), std::out_of_range);
}

TEST(ThirteenPercentTest, LinesKeepTheIncomeTotal) {
    mTThirteenPercent source;
    EXPECT_EQ(source.AddLine(Salary(100, 1)), 0);
    EXPECT_EQ(source.AddLine(Salary(250, 2)), 1);
    EXPECT_EQ(source.AddLine(Salary(40, 3)), 2);
    EXPECT_EQ(source.IncomeTotal, Units(390));

    source.ReplaceLine(1, Salary(200, 7));
    EXPECT_EQ(source.IncomeTotal, Units(340));
    EXPECT_EQ(source.Line(1).Month, 7);

    source.ReplaceLine(0, std::nullopt);
    EXPECT_EQ(source.LineCount(), 2);
    EXPECT_EQ(source.Line(0).IncomeAmount, Units(200));  // later lines moved up
    EXPECT_EQ(source.IncomeTotal, Units(240));

    EXPECT_THROW(source.ReplaceLine(2, std::nullopt), std::out_of_range);
    EXPECT_THROW(source.Line(-1), std::out_of_range);
    source.ReplaceLine(1, std::nullopt);
    source.ReplaceLine(0, std::nullopt);
    EXPECT_EQ(source.LineCount(), 0);
    EXPECT_EQ(source.IncomeTotal, Money());
}

TEST(ThirteenPercentTest, SourceWithoutLinesSavesACountOfZero) {
    mTThirteenPercent source;
    MemoryDocument doc(source.StoredSize(0));
    doc.Write([&](mTDocumentStorage& s) { source.Save(s, 0, false); });
    std::string months;
    for (int m = 0; m < 12; ++m) months += "0001a";
    EXPECT_EQ(doc.Items(), "0019@ThirteenPercent000" "00010" "0000" "0000" "0000" "0000" "00010" "00010" "00010"
                           "00010" + months + "00010");
    mTThirteenPercent loaded;
    loaded.IncomeTotal = Units(5);  // a load starts from nothing
    doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 0, false); });
    EXPECT_EQ(loaded.IncomeTotal, Money());
    EXPECT_EQ(loaded, source);
}

TEST(ThirteenPercentTest, LoadedTotalIsTheSumOfTheLoadedLines) {
    mTThirteenPercent source;
    source.AddLine(Salary(1000, 1));
    source.AddLine(Salary(2345, 2));
    uint32_t written = 0;
    mTThirteenPercent loaded = test::SaveAndLoad(source, 4, false, written);
    EXPECT_EQ(loaded.IncomeTotal, Units(3345));
    EXPECT_EQ(loaded.LineCount(), 2);
}

TEST(ThirteenPercentTest, ResidentAndNonResidentSourcesOfOneIndexStayApart) {
    mTThirteenPercent resident = GoldenSource();
    mTThirteenPercent nonResident;
    nonResident.SourceName = "Non-resident Ltd";
    nonResident.AddLine(Salary(77, 0));
    MemoryDocument doc(resident.StoredSize(0) + nonResident.StoredSize(0));
    doc.Write([&](mTDocumentStorage& s) {
        resident.Save(s, 0, false);
        nonResident.Save(s, 0, true);
    });
    mTThirteenPercent a, b;
    doc.Read([&](mTDocumentStorage& s) {
        b.Load(s, 0, true);
        a.Load(s, 0, false);
    });
    EXPECT_EQ(a, resident);
    EXPECT_EQ(b, nonResident);
}

TEST(ThirteenPercentTest, DocumentOfVersion10HasNoStandardDeductionFlag) {
    mTThirteenPercent source = GoldenSource();
    MemoryDocument doc(source.StoredSize(1));
    doc.Write([](mTDocumentStorage&) {});
    // The same items as today's minus the flag item behind the marker.
    doc.SetItems("0019@ThirteenPercent001" + kGoldenHead.substr(5) + "0019@SourseIncome001000" + kGoldenLine);
    doc.SetVersion("01", "00");
    mTThirteenPercent loaded;
    doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 1, false); });
    mTThirteenPercent expected = GoldenSource();
    expected.StandardDeductionsHere = false;
    EXPECT_EQ(loaded, expected);

    // From version 1.1 on the flag is there.
    doc.SetItems("0019@ThirteenPercent001" + kGoldenHead + "0019@SourseIncome001000" + kGoldenLine);
    doc.SetVersion("01", "01");
    doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 1, false); });
    EXPECT_EQ(loaded, GoldenSource());
}

TEST(ThirteenPercentTest, MissingStreamsFailWithThePlaceOfTheSource) {
    MemoryDocument empty(0);
    empty.Write([](mTDocumentStorage&) {});
    mTThirteenPercent loaded;
    try {
        empty.Read([&](mTDocumentStorage& s) { loaded.Load(s, 0, false); });
        FAIL() << "no stream, yet loaded";
    } catch (const mEOpenStream& e) {
        EXPECT_EQ(e.Place, mTThirteenPercent::kPlace);
        EXPECT_EQ(e.Code, 210);
        EXPECT_STREQ(e.what(), "Попытка открытия несуществующего потока");
    }

    // A count that promises a line the document does not hold.
    MemoryDocument doc(0);
    doc.Write([](mTDocumentStorage&) {});
    doc.SetItems("0019@ThirteenPercent001" + kGoldenHead.substr(0, kGoldenHead.size() - 5) + "00012" +
                 "0019@SourseIncome001000" + kGoldenLine);
    try {
        doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 1, false); });
        FAIL() << "second line missing, yet loaded";
    } catch (const mEOpenStream& e) {
        EXPECT_EQ(e.Place, mTThirteenPercent::kPlace);
    }
    EXPECT_EQ(loaded.LineCount(), 1);  // filled as far as the document went
}

TEST(ThirteenPercentTest, SaveThatDoesNotFitFailsWithThePlaceOfTheSource) {
    mTThirteenPercent source = GoldenSource();
    MemoryDocument doc(source.StoredSize(0) - 1);
    try {
        doc.Write([&](mTDocumentStorage& s) { source.Save(s, 0, false); });
        FAIL() << "wrote past the end";
    } catch (const mEWriteStorage& e) {
        EXPECT_EQ(e.Place, mTThirteenPercent::kPlace);
    }
}

TEST(ThirteenPercentTest, TextsHoldingStreamNamesDoNotDisturbLoading) {
    mTThirteenPercent first = GoldenSource();
    first.SourceName = "ivan@Pension.ru, см. @ThirteenPercent001 и @SourseIncome001000";
    mTSourseIncome line = Salary(5, 2);
    line.IncomeName = "перевод на @ThirteenPercent001";
    first.AddLine(line);
    mTThirteenPercent second = GoldenSource();
    second.Inn = "500100732259";
    MemoryDocument doc(first.StoredSize(0) + second.StoredSize(1));
    doc.Write([&](mTDocumentStorage& s) {
        first.Save(s, 0, false);
        second.Save(s, 1, false);
    });
    mTThirteenPercent a, b;
    doc.Read([&](mTDocumentStorage& s) {
        b.Load(s, 1, false);
        a.Load(s, 0, false);
    });
    EXPECT_EQ(a, first);
    EXPECT_EQ(b, second);
}

TEST(ThirteenPercentTest, RandomSourcesRoundTrip) { test::ExpectRandomRoundTrips<mTThirteenPercent>(20150013); }

}  // namespace
}  // namespace kvz
