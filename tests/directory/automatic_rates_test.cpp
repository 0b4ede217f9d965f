// The rates a foreign income takes from the rate file shipped with the program.
#include <gtest/gtest.h>

#include "directory/automatic_rates.h"
#include "model/currency_income.h"

namespace kvz {
namespace {

const CurrencyRateTable& Shipped() {
    static const CurrencyRateTable table =
        ReadCurrencyRates(std::string(KVZ_SOURCE_DIR) + "/data/CurrencyRates.xml");
    return table;
}

std::string Text(Money m) { return MoneyToText(m); }

TEST(AutomaticRatesTest, DollarIncomeOfNewYearsEveTakesTheBanksRateOfThatDay) {
    AutomaticRates rates = LookUpAutomaticRates(&Shipped(), "840", EncodeDate(2015, 12, 31), EncodeDate(2016, 1, 14));
    ASSERT_TRUE(rates.Available);
    EXPECT_EQ(rates.OnIncomeDate, (RateRow{MoneyFromText("72.8827"), 1}));
    EXPECT_EQ(rates.OnTaxDate, (RateRow{MoneyFromText("76.4275"), 1}));

    mTCurrencyIncome income;
    income.CurrencyCode = "840";
    income.SetIncomeInCurrency(Money::FromUnits(1000));
    income.SetTaxInCurrency(Money::FromUnits(100));
    SetIncomeRates(income, rates.OnIncomeDate, rates.OnTaxDate);
    EXPECT_EQ(Text(income.IncomeInRoubles), "72882.7");
    EXPECT_EQ(Text(income.TaxInRoubles), "7642.75");
}

TEST(AutomaticRatesTest, TakesTheLastRateBeforeADayWithoutOneAndNoneBeforeTheFirst) {
    // No rate was set over the new-year holidays: 01.01.2015, then 13.01.2015.
    AutomaticRates holidays = LookUpAutomaticRates(&Shipped(), "978", EncodeDate(2015, 1, 9), EncodeDate(2015, 1, 13));
    ASSERT_TRUE(holidays.Available);
    EXPECT_EQ(holidays.OnIncomeDate, LookUpAutomaticRates(&Shipped(), "978", EncodeDate(2015, 1, 1), 0).OnIncomeDate);
    EXPECT_NE(holidays.OnIncomeDate, holidays.OnTaxDate);

    // Yen are quoted per 100.
    EXPECT_EQ(LookUpAutomaticRates(&Shipped(), "392", EncodeDate(2015, 6, 1), 0).OnIncomeDate.Units, 100);

    AutomaticRates tooEarly =
        LookUpAutomaticRates(&Shipped(), "840", EncodeDate(2014, 12, 31), EncodeDate(2015, 12, 31));
    EXPECT_FALSE(tooEarly.Available);
    EXPECT_EQ(tooEarly.OnIncomeDate, RateRow{});
    EXPECT_EQ(tooEarly.OnTaxDate.Rate, MoneyFromText("72.8827"));

    EXPECT_FALSE(LookUpAutomaticRates(&Shipped(), "826", EncodeDate(2015, 6, 1), 0).Available);  // not shipped
    EXPECT_FALSE(LookUpAutomaticRates(nullptr, "840", EncodeDate(2015, 6, 1), 0).Available);    // no file
}

TEST(AutomaticRatesTest, PickerListsTheShippedCurrencies) {
    std::vector<DirectoryEntry> list = CurrencyList(Shipped());
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[0], (DirectoryEntry{"840", "Доллар США"}));
    EXPECT_EQ(list[1], (DirectoryEntry{"978", "Евро"}));
}

}  // namespace
}  // namespace kvz
