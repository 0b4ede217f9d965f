#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/income_sections_json.h"
#include "support/random_income_sections.h"

namespace kvz {
namespace {

using nlohmann::json;

Money Units(int64_t units) { return Money::FromUnits(units); }

template <class T>
T FromText(const std::string& text, const std::string& path = "Item[0]") {
    const json parsed = json::parse(text);
    JsonObjectReader reader(parsed, path);
    T item;
    FromJson(reader, item);
    return item;
}

// The message of the EJsonError that reading text raises.
template <class T>
std::string ErrorOf(const std::string& text) {
    try {
        FromText<T>(text, "Thirteen[0]");
    } catch (const EJsonError& e) {
        return e.what();
    }
    return "no error";
}

// Through JSON text and back, as kvarzen-cli info and create do.
template <class T>
void ExpectRandomJsonRoundTrips(uint32_t seed) {
    std::mt19937 rng(seed);
    for (int n = 0; n < 1000; ++n) {
        T item;
        test::RandomFill(rng, item);
        ASSERT_EQ(FromText<T>(ToJson(item).dump()), item) << ToJson(item).dump();
    }
}

TEST(IncomeSectionsJsonTest, ThirteenPercentSourceShowsLinesAndMonths) {
    mTThirteenPercent source;
    source.SourceName = "ООО \"Ромашка\"";
    source.SetMonthAmount(0, Money::FromRaw(500005));
    source.SetMonthAmount(2, Money());
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeAmount = Units(100);
    line.Month = 1;
    source.AddLine(line);
    source.IncomeKindCode = "06";

    const json j = ToJson(source);
    EXPECT_FALSE(j.contains("IncomeTotal"));
    EXPECT_FALSE(j.contains("IncomeKindCode"));
    EXPECT_FALSE(j.contains("MonthsPresent"));
    EXPECT_EQ(j["SourceName"], "ООО \"Ромашка\"");
    EXPECT_EQ(j["MonthAmounts"], json::parse(R"(["50.0005", null, "0", null, null, null, null, null, null, null, null, null])"));
    EXPECT_EQ(j["Lines"][0]["IncomeAmount"], "100");
    EXPECT_EQ(j["Lines"][0]["Month"], 1);

    mTThirteenPercent back = FromText<mTThirteenPercent>(j.dump());
    EXPECT_EQ(back.MonthsPresent, 0b101);
    EXPECT_EQ(back.IncomeTotal, Units(100));
    back.IncomeKindCode = "06";
    EXPECT_EQ(back, source);
}

TEST(IncomeSectionsJsonTest, MissingKeysKeepTheDefaults) {
    mTThirteenPercent source = FromText<mTThirteenPercent>("{}");
    EXPECT_EQ(source, mTThirteenPercent());
    mTBusinessNew activity = FromText<mTBusinessNew>(R"({"ActivityKind": "6"})");
    EXPECT_EQ(activity.ActivityCode, "..");
    EXPECT_TRUE(activity.ExpensesConfirmed);
    EXPECT_EQ(DateToText(FromText<mTCurrencyIncome>("{}").IncomeDate), "01.01.2015");
}

TEST(IncomeSectionsJsonTest, ErrorsNameTheWholePath) {
    EXPECT_EQ(ErrorOf<mTThirteenPercent>(R"({"IncomeTotal": "5"})"), "Thirteen[0].IncomeTotal: неизвестный ключ");
    EXPECT_EQ(ErrorOf<mTThirteenPercent>(R"({"Lines": [{}, {}, {"Month": 13}]})"),
              "Thirteen[0].Lines[2].Month: месяц 1…12 или 0, когда месяца нет");
    EXPECT_EQ(ErrorOf<mTThirteenPercent>(R"({"Lines": [{"Amount": "1"}]})"), "Thirteen[0].Lines[0].Amount: неизвестный ключ");
    EXPECT_EQ(ErrorOf<mTThirteenPercent>(R"({"Lines": [5]})"), "Thirteen[0].Lines[0]: нужен объект JSON");
    EXPECT_EQ(ErrorOf<mTThirteenPercent>(R"({"MonthAmounts": [null]})"), "Thirteen[0].MonthAmounts: нужно ровно 12 значений");
    EXPECT_EQ(ErrorOf<mTThirteenPercent>(R"({"MonthAmounts": [null, null, null, "1,5", null, null, null, null, null, null, null, null]})"),
              "Thirteen[0].MonthAmounts[3]: \"1,5\" не сумма (не более четырех знаков после точки)");
    EXPECT_EQ(ErrorOf<mTThirteenPercent>(R"({"MonthAmounts": [null, 7, null, null, null, null, null, null, null, null, null, null]})"),
              "Thirteen[0].MonthAmounts[1]: сумма записывается строкой с точкой, например \"1234.5\"");
    EXPECT_EQ(ErrorOf<mTBusinessNew>(R"({"ExpenseItems": ["0"]})"), "Thirteen[0].ExpenseItems: нужно ровно 19 значений");
    EXPECT_EQ(ErrorOf<mTInvestTov>(R"({"Lines": [{"OperationKind": 7}]})"),
              "Thirteen[0].Lines[0].OperationKind: число вне допустимого диапазона 0…6");
    EXPECT_EQ(ErrorOf<mTThirtyFivePercent>(R"({"TaxComputed": "1"})"), "Thirteen[0].TaxComputed: неизвестный ключ");
    EXPECT_EQ(ErrorOf<mTInvestTov>(R"({"IncomeTotal": "1"})"), "Thirteen[0].IncomeTotal: неизвестный ключ");
}

TEST(IncomeSectionsJsonTest, MissingRoubleValuesAreComputedGivenOnesKept) {
    const std::string rates = R"("RateOnIncomeDate": "65.3862", "UnitsOnIncomeDate": 1, "IncomeInCurrency": "1000",
                                 "RateOnTaxDate": "82.1234", "UnitsOnTaxDate": 100, "TaxInCurrency": "10")";
    mTCurrencyIncome computed = FromText<mTCurrencyIncome>("{" + rates + "}");
    EXPECT_EQ(computed.IncomeInRoubles, Money::FromRaw(653862000));
    EXPECT_EQ(computed.TaxInRoubles, Money::FromRaw(82100));
    mTCurrencyIncome given =
        FromText<mTCurrencyIncome>("{" + rates + R"(, "IncomeInRoubles": "65000", "TaxInRoubles": "8")" + "}");
    EXPECT_EQ(given.IncomeInRoubles, Units(65000));
    EXPECT_EQ(given.TaxInRoubles, Units(8));
}

TEST(IncomeSectionsJsonTest, RandomSectionsRoundTrip) {
    ExpectRandomJsonRoundTrips<mTThirteenPercent>(1);
    ExpectRandomJsonRoundTrips<mTThirtyPercent>(2);
    ExpectRandomJsonRoundTrips<mTThirtyFivePercent>(3);
    ExpectRandomJsonRoundTrips<mTInvestTov>(4);
    ExpectRandomJsonRoundTrips<mTCurrencyIncome>(5);
    ExpectRandomJsonRoundTrips<mTBusinessNew>(6);
    ExpectRandomJsonRoundTrips<mTNalog>(7);
}

}  // namespace
}  // namespace kvz
