#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "directory/data_file_error.h"
#include "directory/rate_import.h"
#include "storage/encoding.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

struct Valute {
    std::string Id, NumCode, CharCode, Nominal, Name, Value;
};

std::string Cp1251Xml(const std::string& body) {
    return Utf8ToCp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n" + body);
}

std::string DailyFile(const std::string& date, const std::vector<Valute>& valutes) {
    std::string body = "<ValCurs Date=\"" + date + "\" name=\"Foreign Currency Market\">";
    for (const auto& v : valutes)
        body += "<Valute ID=\"" + v.Id + "\"><NumCode>" + v.NumCode + "</NumCode><CharCode>" + v.CharCode +
                "</CharCode><Nominal>" + v.Nominal + "</Nominal><Name>" + v.Name + "</Name><Value>" + v.Value +
                "</Value></Valute>";
    return Cp1251Xml(body + "</ValCurs>");
}

struct PeriodRecord {
    std::string Date, Nominal, Value;
};

std::string PeriodFile(const std::string& id, const std::string& from, const std::string& to,
                       const std::vector<PeriodRecord>& records) {
    std::string body = "<ValCurs ID=\"" + id + "\" DateRange1=\"" + from + "\" DateRange2=\"" + to +
                       "\" name=\"Foreign Currency Market Dynamic\">";
    for (const auto& r : records)
        body += "<Record Date=\"" + r.Date + "\" Id=\"" + id + "\"><Nominal>" + r.Nominal + "</Nominal><Value>" +
                r.Value + "</Value></Record>";
    return Cp1251Xml(body + "</ValCurs>");
}

const Valute kUsd10{"R01235", "840", "USD", "1", "Доллар США", "56,2376"};
const Valute kJpy10{"R01820", "392", "JPY", "100", "Японских иен", "47,6201"};
const Valute kUah10{"R01720", "980", "UAH", "10", "Украинских гривен", "35,6570"};

class RateImportTest : public ::testing::Test {
protected:
    std::string Input(const std::string& name, const std::string& bytes) {
        std::string path = dir.File(name);
        test::WriteFileText(path, bytes);
        return path;
    }

    std::string RateText(const CurrencyRateTable& table, const std::string& code, int day) {
        const CurrencyRate* rate = FindRate(*table.Find(code), EncodeDate(2015, 1, day));
        return rate ? MoneyToText(rate->Rate) + "/" + std::to_string(rate->Quantity) : "none";
    }

    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.Path()), {}));
    }

    test::TempDir dir;
    std::string out = dir.File("CurrencyRates.xml");
};

TEST_F(RateImportTest, MergesDailyAndPeriodFiles) {
    std::string day10 = Input("d10.xml", DailyFile("10.01.2015", {kUsd10, kJpy10, kUah10}));
    std::string day13 = Input("d13.xml", DailyFile("13.01.2015", {{"R01235", "840", "USD", "1", "Доллар США", "62,7363"},
                                                                  {"R01820", "392", "JPY", "100", "Японских иен", "53,1005"},
                                                                  {"R01720", "980", "UAH", "10", "Украинских гривен", "39,8810"}}));
    // The period file corrects the 13th and adds two days; it comes later, so it wins.
    std::string usd = Input("usd.xml", PeriodFile("R01235", "01.01.2015", "31.01.2015",
                                                  {{"13.01.2015", "1", "62,7400"},
                                                   {"14.01.2015", "1", "64,8597"},
                                                   {"16.01.2015", "1", "65,5826"}}));

    RateImportSummary summary = ImportRateFiles({day10, day13, usd}, out);
    EXPECT_EQ(summary.Files, 3u);
    EXPECT_EQ(summary.Rates, 9u);
    EXPECT_EQ(summary.Added, 8u);
    EXPECT_EQ(summary.Changed, 1u);
    EXPECT_EQ(summary.Currencies, 3u);

    CurrencyRateTable table = ReadCurrencyRates(out);
    ASSERT_EQ(table.Currencies.size(), 3u);
    EXPECT_EQ(table.Currencies[1].Code, "392");
    EXPECT_EQ(table.Currencies[1].Name, "Японских иен");
    EXPECT_EQ(table.Currencies[1].BankId, "R01820");
    EXPECT_EQ(RateText(table, "840", 9), "none");
    EXPECT_EQ(RateText(table, "840", 12), "56.2376/1");
    EXPECT_EQ(RateText(table, "840", 13), "62.74/1");
    EXPECT_EQ(RateText(table, "840", 15), "64.8597/1");
    EXPECT_EQ(RateText(table, "392", 13), "53.1005/100");
    EXPECT_EQ(RateText(table, "980", 31), "39.881/10");
    EXPECT_EQ(table.Find("840")->Rates.size(), 4u);
}

TEST_F(RateImportTest, PeriodFileCurrencyComesFromTheDailyFilesOrTheOutput) {
    std::string usd = Input("usd.xml", PeriodFile("R01235", "01.01.2015", "31.01.2015", {{"14.01.2015", "1", "64,8597"}}));
    try {
        ImportRateFiles({usd}, out);
        FAIL() << "a currency known only by the bank's identifier was imported";
    } catch (const EDataFileError& e) {
        EXPECT_THAT(e.what(), HasSubstr("R01235"));
        EXPECT_THAT(e.what(), HasSubstr("usd.xml"));
    }
    EXPECT_FALSE(test::FileExists(out));

    ImportRateFiles({Input("d10.xml", DailyFile("10.01.2015", {kUsd10}))}, out);
    RateImportSummary summary = ImportRateFiles({usd}, out);
    EXPECT_EQ(summary.Added, 1u);
    CurrencyRateTable table = ReadCurrencyRates(out);
    EXPECT_EQ(RateText(table, "840", 14), "64.8597/1");
    EXPECT_EQ(RateText(table, "840", 11), "56.2376/1");
}

TEST_F(RateImportTest, KeepsWhatTheExistingFileHolds) {
    test::WriteFileText(out, Cp1251Xml("<CurrencyRates><Currency Code=\"840\" Name=\"Доллар\">"
                                       "<Rate Date=\"12.01.2015\" Rate=\"60\" Quantity=\"1\"/>"
                                       "<Rate Date=\"05.01.2015\" Rate=\"55\" Quantity=\"1\"/>"
                                       "</Currency><Currency Code=\"999\" Name=\"Своя\"/></CurrencyRates>"));
    ImportRateFiles({Input("d10.xml", DailyFile("10.01.2015", {kUsd10}))}, out);
    CurrencyRateTable table = ReadCurrencyRates(out);
    ASSERT_EQ(table.Currencies.size(), 2u);
    EXPECT_EQ(table.Currencies[0].Name, "Доллар");
    EXPECT_EQ(table.Currencies[0].BankId, "R01235");
    EXPECT_EQ(table.Currencies[1].Code, "999");
    ASSERT_EQ(table.Currencies[0].Rates.size(), 3u);
    EXPECT_EQ(table.Currencies[0].Rates[0].Date, EncodeDate(2015, 1, 5));
    EXPECT_EQ(RateText(table, "840", 11), "56.2376/1");
    EXPECT_EQ(RateText(table, "840", 12), "60/1");
}

TEST_F(RateImportTest, DamagedInputIsRefusedAndTheOutputUntouched) {
    std::string good = Input("good.xml", DailyFile("10.01.2015", {kUsd10}));
    ImportRateFiles({good}, out);
    auto before = test::ReadFileBytes(out);
    std::string full = DailyFile("13.01.2015", {kUsd10, kJpy10});
    Valute badValue = kJpy10, noNominal = kJpy10, zeroNominal = kJpy10, badCode = kJpy10;
    badValue.Value = "47,62О1";  // a Cyrillic letter in place of a zero
    zeroNominal.Nominal = "0";
    badCode.NumCode = "39";
    std::string missingNominal = DailyFile("13.01.2015", {kUsd10, kJpy10});
    missingNominal.replace(missingNominal.rfind("<Nominal>100</Nominal>"), 22, "");
    std::string undefinedByte = DailyFile("13.01.2015", {kUsd10});
    undefinedByte.replace(undefinedByte.find("USD"), 1, "\x98");  // no character in windows-1251
    std::string mismatched = DailyFile("13.01.2015", {kUsd10});
    mismatched.replace(mismatched.find("</Valute>"), 9, "</Valuta>");

    const std::vector<std::pair<std::string, std::string>> damaged = {
        {full.substr(0, full.size() / 2), "файл обрывается, не закрыт элемент"},
        {mismatched, "элемент Valute (открыт в строке 2) закрыт тегом Valuta"},
        {DailyFile("13.01.2015", {kUsd10, badValue}), "неверный курс"},
        {missingNominal, "нет элемента Nominal"},
        {DailyFile("13.01.2015", {kUsd10, zeroNominal}), "неверный номинал"},
        {DailyFile("13.01.2015", {kUsd10, badCode}), "цифровой код"},
        {DailyFile("13.01.2015", {kUsd10, kUsd10}), "дважды"},
        {DailyFile("2015-01-13", {kUsd10}), "неверная дата"},
        {Cp1251Xml("<Rates Date=\"13.01.2015\"/>"), "ValCurs"},
        {PeriodFile("R01235", "01.01.2015", "31.01.2015", {{"01.02.2015", "1", "68,9291"}}), "вне периода"},
        {PeriodFile("R01235", "01.01.2015", "31.01.2015", {{"14.01.2015", "1", ""}}), "пустой элемент Value"},
        {std::string("<?xml version=\"1.0\" encoding=\"windows-1251\"?><!DOCTYPE ValCurs [<!ENTITY a \"1\">]>"
                     "<ValCurs Date=\"13.01.2015\"/>"), "DOCTYPE"},
        {"", "пуст"},
        {undefinedByte, "строка 2, столбец 111: байт 0x98 недопустим в кодировке файла"},
    };
    // The reason is in the message; the XML library prints nothing of its own.
    testing::internal::CaptureStderr();
    for (const auto& [bytes, reason] : damaged) {
        std::string bad = Input("bad.xml", bytes);
        try {
            ImportRateFiles({good, bad}, out);
            ADD_FAILURE() << "imported a damaged file expected to fail with " << reason;
        } catch (const EDataFileError& e) {
            EXPECT_THAT(e.what(), HasSubstr("поврежден"));
            EXPECT_THAT(e.what(), HasSubstr(bad));
            EXPECT_THAT(e.what(), HasSubstr(reason));
        }
        EXPECT_EQ(test::ReadFileBytes(out), before) << reason;
        EXPECT_EQ(FilesInFolder(), 3u) << reason;  // good.xml, bad.xml, the output: no leftovers
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(RateImportTest, ADeviceOrAFolderIsRefusedAtOnce) {
    std::string good = Input("good.xml", DailyFile("10.01.2015", {kUsd10}));
    ImportRateFiles({good}, out);
    auto before = test::ReadFileBytes(out);
    // /dev/zero would be read until the memory ran out.
    EXPECT_THAT([&] { ImportRateFiles({"/dev/zero"}, out); },
                ThrowsMessage<EDataFileError>(HasSubstr("/dev/zero (это не обычный файл")));
    EXPECT_THAT([&] { ImportRateFiles({good}, dir.Path()); },
                ThrowsMessage<EDataFileError>(HasSubstr(dir.Path() + " (указан каталог, а не файл)")));
    EXPECT_EQ(test::ReadFileBytes(out), before);
}

TEST_F(RateImportTest, DamagedOutputIsNotOverwritten) {
    test::WriteFileText(out, "<CurrencyRates><Currency Code=\"840\">");
    EXPECT_THROW(ImportRateFiles({Input("d10.xml", DailyFile("10.01.2015", {kUsd10}))}, out), EDataFileError);
    EXPECT_EQ(test::ReadFileText(out), "<CurrencyRates><Currency Code=\"840\">");
}

}  // namespace
}  // namespace kvz
