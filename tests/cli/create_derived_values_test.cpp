// A document made with `create` from outside data is the document the window makes:
// a foreign dividend given without the values the window takes from its codes and
// from the rate file is calculated, checked and exported with its tax.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "storage/encoding.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

using nlohmann::json;
using test::CliJson;
using test::RunCli;
using test::TempDir;

// The bundled example's taxpayer with one dividend of 1 000 US dollars paid on
// 12.06.2015 and 100 dollars of tax withheld abroad the same day.
json Dividend(bool automaticRates) {
    json doc = json::parse(test::ReadFileText(std::string(KVZ_SOURCE_DIR) + "/data/example.json"));
    doc["IncomeKinds"] = 2;
    doc.erase("Thirteen");
    json income = {{"SourceName", "Apple Inc"},      {"CountryCode", "840"},       {"IncomeCode", 1010},
                   {"IncomeDate", "12.06.2015"},     {"TaxPaymentDate", "12.06.2015"}, {"CurrencyCode", "840"},
                   {"IncomeInCurrency", "1000"},     {"TaxInCurrency", "100"}};
    if (automaticRates) {
        income["AutoRate"] = true;
    } else {
        // Rates and rouble amounts as a user copies them from the bank's site.
        income["RateOnIncomeDate"] = income["RateOnTaxDate"] = "54.5285";
        income["UnitsOnIncomeDate"] = income["UnitsOnTaxDate"] = 1;
        income["IncomeInRoubles"] = "54528.5";
        income["TaxInRoubles"] = "5452.85";
    }
    doc["Foreign"] = json::array({income});
    return doc;
}

std::string Create(const TempDir& dir, const std::string& name, const json& doc, int& code) {
    test::WriteFileText(dir.File(name + ".json"), doc.dump());
    const std::string out = dir.File(name + ".qz5");
    code = RunCli(dir, "create " + dir.File(name + ".json") + " " + out).code;
    return out;
}

TEST(CreateDerivedValues, ForeignDividendIsTaxedAsTheWindowWouldTaxIt) {
    for (bool automatic : {false, true}) {
        SCOPED_TRACE(automatic ? "rates from the rate file" : "rates given");
        TempDir dir;
        int code = -1;
        const std::string doc = Create(dir, "dividend", Dividend(automatic), code);
        ASSERT_EQ(code, 0);

        const json f = CliJson(dir, "info", doc)["Foreign"][0];
        EXPECT_EQ(f["IncomeRate"], 14);  // the dictionary's rate code of dividends, taxed at 13 %
        EXPECT_EQ(f["IncomeName"], "Дивиденды");
        EXPECT_EQ(f["CurrencyName"], "Доллар США");
        EXPECT_EQ(f["IncomeInRoubles"], "54528.5");
        EXPECT_EQ(f["TaxInRoubles"], "5452.85");

        // 1 000 × 54,5285 = 54 528,50; 13 % of it = 7 088,705 → 7 089; tax abroad
        // 100 × 54,5285 = 5 452,85 → 5 453 credited; 7 089 − 5 453 = 1 636 to pay.
        const json sheet = CliJson(dir, "calc", doc)["kTSvodSumPrilB13"];
        EXPECT_EQ(sheet["DividendTaxComputed"], "7089");
        EXPECT_EQ(sheet["ForeignTaxCredited"], "5453");
        EXPECT_EQ(RunCli(dir, "check " + doc).code, 0);

        const std::string folder = dir.File("out");
        std::filesystem::create_directory(folder);
        ASSERT_EQ(RunCli(dir, "export --to " + folder + " " + doc).code, 0);
        const auto file = std::filesystem::directory_iterator(folder)->path();
        const std::string xml = Cp1251ToUtf8(test::ReadFileText(file));
        EXPECT_NE(xml.find("ПодлУпл=\"1636\""), std::string::npos) << xml;
    }
}

TEST(CreateDerivedValues, AValueAgainstItsCodeIsRefusedByKeyAndNothingIsWritten) {
    const struct {
        const char* key;
        json value;
        const char* named;
    } cases[] = {
        {"IncomeRate", 13, "Foreign[0].IncomeRate"},
        {"IncomeInRoubles", "60000", "Foreign[0].IncomeInRoubles"},
        {"CurrencyCode", "999", "Foreign[0].AutoRate"},
        {"IncomeCode", 1234, "Foreign[0].IncomeRate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        TempDir dir;
        json doc = Dividend(c.key == std::string("CurrencyCode"));
        doc["Foreign"][0][c.key] = c.value;
        test::WriteFileText(dir.File("in.json"), doc.dump());
        const test::CliResult run = RunCli(dir, "create " + dir.File("in.json") + " " + dir.File("out.qz5"));
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_FALSE(test::FileExists(dir.File("out.qz5")));
    }
}

}  // namespace
}  // namespace kvz
