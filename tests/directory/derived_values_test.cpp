// The values a document derives from its codes and from the rate file: each case
// gives some values of a record and expects either the values derived for the rest
// or the refusal of the key whose given value cannot stand.
#include <functional>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "directory/derived_values.h"
#include "model/declaration.h"
#include "model/declaration_json.h"

namespace kvz {
namespace {

using nlohmann::json;

const CurrencyRateTable& Shipped() {
    static const CurrencyRateTable table =
        ReadCurrencyRates(std::string(KVZ_SOURCE_DIR) + "/data/CurrencyRates.xml");
    return table;
}

const IncomeDictionary& Incomes() {
    static const IncomeDictionary dictionary = IncomeDictionary::LoadEmbedded();
    return dictionary;
}

Money Rub(const char* text) { return MoneyFromText(text); }

// 1 000 dollars received on 12.06.2015, 100 dollars of tax paid abroad the same day.
mTCurrencyIncome& Dollars(mTDeclaration& d, int32_t incomeCode) {
    mTCurrencyIncome& f = d.Foreign.Get(d.Foreign.Add());
    f.IncomeCode = incomeCode;
    f.CurrencyCode = "840";
    f.IncomeDate = f.TaxPaymentDate = EncodeDate(2015, 6, 12);
    f.IncomeInCurrency = Rub("1000");
    f.TaxInCurrency = Rub("100");
    return f;
}

mTSourseIncome& LineOf(mTDeclaration& d, bool resident, int32_t incomeCode, const char* amount,
                       int32_t deductionCode) {
    auto& list = resident ? d.Thirteen : d.ThirteenNR;
    mTThirteenPercent& s = list.Get(list.Add());
    mTSourseIncome line;
    line.IncomeCode = incomeCode;
    line.IncomeAmount = Rub(amount);
    line.DeductionCode = deductionCode;
    s.AddLine(line);
    return const_cast<mTSourseIncome&>(s.Line(0));
}

struct Case {
    const char* name;
    std::function<void(mTDeclaration&)> given;
    // JSON pointer into the document as `info` prints it → the value expected.
    std::map<std::string, json> derived;
    const char* refused = nullptr;  // the key named by the refusal
};

const std::string kDividendName = "Дивиденды";

const Case kCases[] = {
    {"automatic rates: everything from the codes and the rate file",
     [](mTDeclaration& d) { Dollars(d, 1010).AutoRate = true; },
     {{"/Foreign/0/IncomeRate", 14}, {"/Foreign/0/IncomeName", kDividendName},
      {"/Foreign/0/CurrencyName", "Доллар США"}, {"/Foreign/0/RateOnIncomeDate", "54.5285"},
      {"/Foreign/0/UnitsOnIncomeDate", 1}, {"/Foreign/0/RateOnTaxDate", "54.5285"},
      {"/Foreign/0/IncomeInRoubles", "54528.5"}, {"/Foreign/0/TaxInRoubles", "5452.85"}}},
    {"automatic rates of a day without one take the day before",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 1010);
         f.AutoRate = true;
         f.IncomeDate = EncodeDate(2015, 1, 10);  // holidays: the rate of 01.01.2015
     },
     {{"/Foreign/0/RateOnIncomeDate", "56.2376"}, {"/Foreign/0/IncomeInRoubles", "56237.6"}}},
    {"typed rates give the rouble amounts",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 1010);
         f.RateOnIncomeDate = Rub("65.3862");
         f.UnitsOnIncomeDate = 1;
     },
     {{"/Foreign/0/IncomeInRoubles", "65386.2"}, {"/Foreign/0/TaxInRoubles", "0"}, {"/Foreign/0/IncomeRate", 14}}},
    {"a rate per 100 units",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 1010);
         f.CurrencyCode = "392";
         f.IncomeInCurrency = Rub("10");
         f.RateOnIncomeDate = Rub("82.1234");
         f.UnitsOnIncomeDate = 100;
     },
     {{"/Foreign/0/IncomeInRoubles", "8.21"}, {"/Foreign/0/CurrencyName", "Японских иен"}}},
    {"a normative deduction of a foreign fee",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 2206);
         f.AutoRate = true;
         f.DeductionCode = 405;
     },
     {{"/Foreign/0/IncomeRate", 13}, {"/Foreign/0/DeductionRate", 25}, {"/Foreign/0/DeductionAmount", "13632.13"}}},
    {"a gift's deduction is the income up to its ceiling",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 2720);
         f.AutoRate = true;
         f.DeductionCode = 501;
     },
     {{"/Foreign/0/DeductionRate", 0}, {"/Foreign/0/DeductionAmount", "4000"}}},
    {"an unknown income code with its rate given is kept",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 1234);
         f.IncomeRate = 13;
         f.IncomeName = "Свой доход";
     },
     {{"/Foreign/0/IncomeRate", 13}, {"/Foreign/0/IncomeName", "Свой доход"}}},
    {"the fixed codes of 9 % and dividend sources",
     [](mTDeclaration& d) {
         d.Nine.Add();
         d.Dividends.Get(d.Dividends.Add()).IncomeCode = mTThirtyPercent::kDividendIncomeCode;
     },
     {{"/Nine/0/IncomeCode", 1011}, {"/Dividends/0/IncomeCode", 1010}}},
    {"a 13 % line takes its name and its normative deduction",
     [](mTDeclaration& d) { LineOf(d, true, 2201, "1234.56", 405); },
     {{"/Thirteen/0/Lines/0/DeductionRate", 20}, {"/Thirteen/0/Lines/0/DeductionAmount", "246.91"}}},
    {"a typed deduction stays the user's",
     [](mTDeclaration& d) { LineOf(d, true, 1510, "2000000", 903).DeductionAmount = Rub("1500000"); },
     {{"/Thirteen/0/Lines/0/DeductionAmount", "1500000"}}},
    {"a computed deduction follows the income up to its ceiling",
     [](mTDeclaration& d) { LineOf(d, true, 1510, "2000000", 901); },
     {{"/Thirteen/0/Lines/0/DeductionAmount", "1000000"}}},
    {"a 35 % prize takes the income as its deduction up to 4 000",
     [](mTDeclaration& d) {
         mTThirtyFivePercent& s = d.ThirtyFive.Get(d.ThirtyFive.Add());
         s.IncomeCode = 2740;
         s.IncomeTotal = Rub("6000");
         s.DeductionCode = 505;
     },
     {{"/ThirtyFive/0/DeductionAmount", "4000"}}},
    {"the taxpayer's document type and region name their codes",
     [](mTDeclaration& d) {
         d.Person.DocTypeCode = 21;
         d.Person.RegionCode = 2;
     },
     {{"/Person/DocTypeName", "Паспорт гражданина РФ"}, {"/Person/RegionName", "Республика Башкортостан"}}},
    {"a name spelled otherwise by an earlier version stays",
     [](mTDeclaration& d) {
         d.Person.RegionCode = 77;
         d.Person.RegionName = "Москва г";
     },
     {{"/Person/RegionName", "Москва г"}}},
    {"names in the user's words stay, roubles a kopeck off take the program's rounding",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 1010);
         f.IncomeName = "Дивиденды";
         f.CurrencyName = "USD";
         f.RateOnIncomeDate = Rub("54.5285");
         f.UnitsOnIncomeDate = 1;
         f.IncomeInRoubles = Rub("54528.49");
     },
     {{"/Foreign/0/IncomeName", "Дивиденды"}, {"/Foreign/0/CurrencyName", "USD"},
      {"/Foreign/0/IncomeInRoubles", "54528.5"}, {"/Foreign/0/IncomeRate", 14}}},
    // Refusals.
    {"a rate against the income code", [](mTDeclaration& d) { Dollars(d, 1010).IncomeRate = 13; }, {},
     "Foreign[0].IncomeRate"},
    {"roubles against the rate",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 1010);
         f.RateOnIncomeDate = Rub("54.5285");
         f.UnitsOnIncomeDate = 1;
         f.IncomeInRoubles = Rub("54528.48");
     },
     {}, "Foreign[0].IncomeInRoubles"},
    {"a rate against the rate file",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 1010);
         f.AutoRate = true;
         f.RateOnTaxDate = Rub("60");
     },
     {}, "Foreign[0].RateOnTaxDate"},
    {"automatic rates of a currency the file does not have",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 1010);
         f.CurrencyCode = "999";
         f.AutoRate = true;
     },
     {}, "Foreign[0].AutoRate"},
    {"automatic rates before the file's first day",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 1010);
         f.IncomeDate = EncodeDate(2014, 12, 30);
         f.AutoRate = true;
     },
     {}, "Foreign[0].AutoRate"},
    {"an unknown income code without a rate", [](mTDeclaration& d) { Dollars(d, 1234); }, {},
     "Foreign[0].IncomeRate"},
    {"a deduction the income does not have",
     [](mTDeclaration& d) { Dollars(d, 1010).DeductionCode = 501; }, {}, "Foreign[0].DeductionCode"},
    {"a computed deduction typed otherwise",
     [](mTDeclaration& d) {
         mTCurrencyIncome& f = Dollars(d, 2206);
         f.AutoRate = true;
         f.DeductionCode = 405;
         f.DeductionAmount = Rub("13000");
     },
     {}, "Foreign[0].DeductionAmount"},
    {"a dividend source with the 9 % code",
     [](mTDeclaration& d) { d.Dividends.Get(d.Dividends.Add()).IncomeCode = mTThirtyPercent::kNineIncomeCode; }, {},
     "Dividends[0].IncomeCode"},
    {"a non-resident's deduction the law does not give him",
     [](mTDeclaration& d) { LineOf(d, false, 1530, "1000", 218); }, {}, "ThirteenNR[0].Lines[0].DeductionCode"},
};

TEST(DerivedValues, EachCodeGivesTheWindowsValuesOrTheKeyIsRefused) {
    const DerivationSources sources{Incomes(), &Shipped()};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        mTDeclaration d;
        d.SetIncomeKinds(kIncomeRussian | kIncomeForeign);
        c.given(d);
        const json before = DeclarationToJson(d);
        if (c.refused) {
            try {
                DeriveDeclarationValues(d, sources);
                ADD_FAILURE() << "accepted";
            } catch (const EDerivedValueError& e) {
                EXPECT_EQ(std::string(e.what()).rfind(std::string(c.refused) + ": ", 0), 0u) << e.what();
            }
            EXPECT_EQ(DeclarationToJson(d), before);  // untouched
            continue;
        }
        DeriveDeclarationValues(d, sources);
        const json after = DeclarationToJson(d);
        for (const auto& [pointer, value] : c.derived)
            EXPECT_EQ(after.at(json::json_pointer(pointer)), value) << pointer;
        // Deriving again finds every value as it derives it.
        DeriveDeclarationValues(d, sources);
        EXPECT_EQ(DeclarationToJson(d), after);
    }
}

TEST(DerivedValues, AChosenCodeReplacesTheValuesOfTheCodeBefore) {
    mTCurrencyIncome f;
    TakeIncomeCode(f, *Incomes().FindIncome("2206"));
    TakeDeductionCode(f, *Incomes().DeductionsFor("2206", true).front());
    TakeIncomeCode(f, *Incomes().FindIncome("1010"));
    EXPECT_EQ(f.IncomeRate, 14);
    EXPECT_EQ(f.IncomeName, kDividendName);
    EXPECT_EQ(f.DeductionCode, 0);
    EXPECT_EQ(f.DeductionRate, 0);
}

}  // namespace
}  // namespace kvz
