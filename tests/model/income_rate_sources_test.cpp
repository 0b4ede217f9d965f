// The payment sources of the other rates: 9 % and dividends, 35 %, investment partnerships.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/income_test_storage.h"
#include "model/invest_tov.h"
#include "model/thirty_five_percent.h"
#include "model/thirty_percent.h"
#include "storage/errors.h"
#include "support/random_income_sections.h"

namespace kvz {
namespace {

using test::MemoryDocument;

Money Units(int64_t units) { return Money::FromUnits(units); }

mTThirtyPercent GoldenNine() {
    mTThirtyPercent source;
    source.IncomeCode = mTThirtyPercent::kNineIncomeCode;
    source.Inn = "7702070139";
    source.Kpp = "770201001";
    source.Oktmo = "45379000";
    source.SourceName = "Банк ВТБ (ПАО)";
    source.IncomeTotal = Money::FromRaw(25007500);
    source.TaxComputed = Units(225);
    source.TaxableAmount = Units(2500);
    source.TaxWithheld = Units(225);
    return source;
}

const std::string kNineItems =
    "00041011"
    "00107702070139"
    "0009770201001"
    "000845379000"
    "0014Банк ВТБ (ПАО)"
    "00072500.75"
    "0003225"
    "00042500"
    "0003225";

TEST(ThirtyPercentTest, NinePercentAndDividendSourcesUseTheirOwnStreams) {
    mTThirtyPercent source = GoldenNine();
    MemoryDocument nine(source.StoredSize(2));
    const uint32_t nineWritten = nine.Write([&](mTDocumentStorage& s) { source.Save(s, 2, false); });
    EXPECT_EQ(nine.Items(), "0015@NinePercent002" + kNineItems);

    MemoryDocument dividends(source.StoredSize(2));
    const uint32_t dividendWritten = dividends.Write([&](mTDocumentStorage& s) { source.Save(s, 2, true); });
    EXPECT_EQ(dividends.Items(), "0017@ThirtyPercent002" + kNineItems);

    // Both count their marker as "@ThirtyPercent…": a 9 % source 2 bytes more than it writes.
    EXPECT_EQ(dividendWritten, 119u);
    EXPECT_EQ(source.StoredSize(2), 119u);
    EXPECT_EQ(nineWritten, 117u);

    mTThirtyPercent loadedNine, loadedDividend;
    nine.Read([&](mTDocumentStorage& s) { loadedNine.Load(s, 2, false); });
    dividends.Read([&](mTDocumentStorage& s) { loadedDividend.Load(s, 2, true); });
    EXPECT_EQ(loadedNine, source);
    EXPECT_EQ(loadedDividend, source);
}

TEST(ThirtyPercentTest, StorageErrorsCarryTheSourcePlaces) {
    test::ExpectMissingStreamPlace<mTThirtyPercent>(mTThirtyPercent::kPlaceLoad);
    test::ExpectSavePlace(GoldenNine(), mTThirtyPercent::kPlaceSave, 2);
    EXPECT_EQ(mTThirtyPercent::kPlaceSave, 375);
    EXPECT_EQ(mTThirtyPercent::kPlaceLoad, 376);
}

TEST(ThirtyPercentTest, RandomSourcesRoundTrip) { test::ExpectRandomRoundTrips<mTThirtyPercent>(20150009, 2); }

mTThirtyFivePercent GoldenThirtyFive() {
    mTThirtyFivePercent source;
    source.IncomeCode = 2740;
    source.SourceName = "Lottery \"Win\"";
    source.IncomeTotal = Units(10000);
    source.DeductionCode = 501;
    source.DeductionAmount = Units(4000);
    source.TaxWithheld = Units(2100);
    return source;
}

TEST(ThirtyFivePercentTest, WritesItsItemsAndLeavesTheCalculatedAmountsOut) {
    mTThirtyFivePercent source = GoldenThirtyFive();
    source.TaxableAmount = Units(6000);
    source.TaxComputed = Units(2100);
    MemoryDocument doc(source.StoredSize(0));
    const uint32_t written = doc.Write([&](mTDocumentStorage& s) { source.Save(s, 7, true); });
    EXPECT_EQ(doc.Items(),
              "0021@ThirtyFivePercent007"
              "00042740"
              "0000"
              "0000"
              "0000"
              "0013Lottery \"Win\""
              "000510000"
              "0003501"
              "00044000"
              "00042100");
    EXPECT_EQ(written, source.StoredSize(7));
    EXPECT_EQ(written, 25u + 8 + 4 + 4 + 4 + 17 + 9 + 7 + 8 + 8);

    mTThirtyFivePercent loaded;
    loaded.TaxComputed = Units(1);
    doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 7, false); });  // one list: variant ignored
    EXPECT_EQ(loaded, GoldenThirtyFive());
}

TEST(ThirtyFivePercentTest, StorageErrorsCarryTheSourcePlaces) {
    test::ExpectMissingStreamPlace<mTThirtyFivePercent>(374);
    test::ExpectSavePlace(GoldenThirtyFive(), 373);
}

TEST(ThirtyFivePercentTest, RandomSourcesRoundTrip) { test::ExpectRandomRoundTrips<mTThirtyFivePercent>(20150035, 0); }

mTInvestTovIncome Operation(int32_t kind, int64_t income, int64_t expenses, int64_t managers, int64_t losses) {
    mTInvestTovIncome line;
    line.OperationKind = kind;
    line.IncomeAmount = Units(income);
    line.ExpenseShare = Units(expenses);
    line.ManagerExpenses = Units(managers);
    line.PriorLosses = Units(losses);
    return line;
}

mTInvestTov GoldenPartnership() {
    mTInvestTov source;
    source.Inn = "7710140679";
    source.Kpp = "771001001";
    source.Oktmo = "45000000";
    source.SourceName = "ИТ «Рост»";
    source.TaxWithheld = Units(1300);
    source.TaxableAmount = Units(10000);
    source.TaxComputed = Units(1300);
    source.AddLine(Operation(1, 15000, 4000, 1000, 0));
    source.AddLine(Operation(6, 5000, 5000, 0, 0));
    return source;
}

TEST(InvestTovTest, WritesThePartnershipAndItsOperations) {
    mTInvestTov source = GoldenPartnership();
    EXPECT_EQ(source.IncomeTotal, Units(20000));
    MemoryDocument doc(source.StoredSize(0));
    const uint32_t written = doc.Write([&](mTDocumentStorage& s) { source.Save(s, 0, false); });
    EXPECT_EQ(doc.Items(),
              "0013@InvestTov000"
              "00107710140679"
              "0009771001001"
              "000845000000"
              "0009ИТ «Рост»"
              "00041300"
              "000510000"
              "00041300"
              "00012"
              "0022@InvestTovIncome000000"
              "00011"
              "000515000"
              "00044000"
              "00041000"
              "00010"
              "0022@InvestTovIncome000001"
              "00016"
              "00045000"
              "00045000"
              "00010"
              "00010");
    EXPECT_EQ(written, source.StoredSize(0));

    mTInvestTov loaded;
    doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 0, false); });
    EXPECT_EQ(loaded, source);
    EXPECT_EQ(loaded.IncomeTotal, Units(20000));
}

TEST(InvestTovTest, LinesKeepTheIncomeTotal) {
    mTInvestTov source = GoldenPartnership();
    source.ReplaceLine(0, Operation(2, 12000, 0, 0, 0));
    EXPECT_EQ(source.IncomeTotal, Units(17000));
    source.ReplaceLine(1, std::nullopt);
    EXPECT_EQ(source.LineCount(), 1);
    EXPECT_EQ(source.IncomeTotal, Units(12000));
    EXPECT_THROW(source.ReplaceLine(1, std::nullopt), std::out_of_range);
    EXPECT_STREQ(InvestOperationKindText(6), "Доход при выходе из инвест.тов. или выделе доли (п.6 Листа И)");
    EXPECT_STREQ(InvestOperationKindText(0), "");
}

TEST(InvestTovTest, StorageErrorsCarryThePartnershipPlaces) {
    test::ExpectMissingStreamPlace<mTInvestTov>(400);
    test::ExpectSavePlace(GoldenPartnership(), 399);

    // A count promising more operations than the document holds.
    mTInvestTov source = GoldenPartnership();
    source.ReplaceLine(1, std::nullopt);
    MemoryDocument doc(source.StoredSize(0));
    doc.Write([&](mTDocumentStorage& s) { source.Save(s, 0, false); });
    std::string items = doc.Items();
    items.replace(items.find("00011" "0022@InvestTovIncome"), 5, "00013");
    doc.SetItems(items);
    mTInvestTov loaded;
    try {
        doc.Read([&](mTDocumentStorage& s) { loaded.Load(s, 0, false); });
        FAIL() << "missing operations, yet loaded";
    } catch (const mEOpenStream& e) {
        EXPECT_EQ(e.Place, 400);
    }
}

TEST(InvestTovTest, RandomPartnershipsRoundTrip) { test::ExpectRandomRoundTrips<mTInvestTov>(20150016, 0); }

}  // namespace
}  // namespace kvz
