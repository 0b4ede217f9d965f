#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "directory/currency_rates.h"
#include "directory/data_file_error.h"
#include "storage/encoding.h"

namespace kvz {
namespace {

using ::testing::HasSubstr;

Money Rate(const std::string& text) { return MoneyFromText(text); }

CurrencyRateTable Table(const std::string& utf8) {
    return ParseCurrencyRates(Utf8ToCp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?>" + utf8), "CurrencyRates.xml");
}

TEST(CurrencyRatesTest, WritesAndReadsBack) {
    CurrencyRateTable table;
    table.Currencies.push_back({"840", "Доллар США", "R01235",
                                {{EncodeDate(2015, 1, 10), Rate("56.2376"), 1}, {EncodeDate(2015, 1, 13), Rate("62.7363"), 1}}});
    table.Currencies.push_back({"392", "Японских иен", "", {{EncodeDate(2015, 1, 10), Rate("47.6201"), 100}}});
    std::string bytes = CurrencyRatesXml(table);

    EXPECT_NE(bytes.find("<Rate Date=\"13.01.2015\" Rate=\"62.7363\" Quantity=\"1\"/>"), std::string::npos);
    EXPECT_NE(bytes.find(Utf8ToCp1251("<Currency Code=\"392\" Name=\"Японских иен\">")), std::string::npos);
    CurrencyRateTable back = ParseCurrencyRates(bytes, "x");
    ASSERT_EQ(back.Currencies.size(), 2u);
    EXPECT_EQ(back.Currencies[0].BankId, "R01235");
    EXPECT_EQ(back.Currencies[0].Rates, table.Currencies[0].Rates);
    EXPECT_EQ(back.Currencies[1].Name, "Японских иен");
    EXPECT_EQ(back.Currencies[1].Rates, table.Currencies[1].Rates);
    EXPECT_EQ(back.Find("392")->Rates[0].Quantity, 100);
    EXPECT_EQ(back.Find("978"), nullptr);
}

TEST(CurrencyRatesTest, LookupTakesTheDayOrTheLastEarlierEntry) {
    CurrencyRateTable table = Table(
        "<R><C Code=\"840\" Name=\"Доллар США\">"
        "<E Date=\"10.01.2015\" Rate=\"56,2376\" Quantity=\"1\"/>"
        "<E Date=\"15.01.2015\" Rate=\"65.4321\" Quantity=\"1\"/>"
        // Out of order, as a file edited by hand may be: the last earlier entry in
        // file order wins, not the latest date.
        "<E Date=\"05.01.2015\" Rate=\"50\" Quantity=\"1\"/>"
        "</C></R>");
    const Currency& usd = *table.Find("840");
    auto rateOn = [&](int day) {
        const CurrencyRate* rate = FindRate(usd, EncodeDate(2015, 1, day));
        return rate ? MoneyToText(rate->Rate) : std::string("none");
    };
    EXPECT_EQ(rateOn(12), "50");
    EXPECT_EQ(rateOn(15), "65.4321");
    EXPECT_EQ(rateOn(10), "56.2376");
    EXPECT_EQ(rateOn(4), "none");
    // The time of day does not matter.
    EXPECT_EQ(MoneyToText(FindRate(usd, EncodeDate(2015, 1, 15) + 0.75)->Rate), "65.4321");
}

TEST(CurrencyRatesTest, RefusesDamagedEntries) {
    auto failure = [](const std::string& entry) {
        try {
            Table("<R><C Code=\"840\" Name=\"Доллар США\">\n" + entry + "</C></R>");
        } catch (const EDataFileError& e) {
            return std::string(e.what());
        }
        return std::string("parsed");
    };
    EXPECT_THAT(failure("<E Date=\"32.01.2015\" Rate=\"1\" Quantity=\"1\"/>"), HasSubstr("неверная дата"));
    EXPECT_THAT(failure("<E Date=\"1.1.15\" Rate=\"1\" Quantity=\"1\"/>"), HasSubstr("неверная дата"));
    EXPECT_THAT(failure("<E Date=\"10.01.2015\" Rate=\"-1\" Quantity=\"1\"/>"), HasSubstr("неверный курс"));
    EXPECT_THAT(failure("<E Date=\"10.01.2015\" Rate=\"1.23456\" Quantity=\"1\"/>"), HasSubstr("неверный курс"));
    EXPECT_THAT(failure("<E Date=\"10.01.2015\" Rate=\"1\" Quantity=\"0\"/>"), HasSubstr("количество"));
    EXPECT_THAT(failure("<E Date=\"10.01.2015\" Quantity=\"1\"/>"), HasSubstr("строка 2: нет атрибута Rate"));
    EXPECT_THAT(failure("<E Date=\"10.01.2015\" Rate=\"1\" Quantity=\"1\">"), HasSubstr("CurrencyRates.xml"));
}

}  // namespace
}  // namespace kvz
