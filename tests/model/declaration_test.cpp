// The document as a whole: the exact bytes of a new declaration, round trips,
// documents of earlier years, damaged files and saves that fail midway.
#include <gtest/gtest.h>

#include <dirent.h>

#include <random>

#include "model/declaration.h"
#include "model/declaration_json.h"
#include "storage/document_storage.h"
#include "storage/encoding.h"
#include "storage/errors.h"
#include "storage/file_loader.h"
#include <cstring>
#include "support/random_declaration.h"
#include "support/temp_dir.h"

using namespace kvz;
using kvz::test::TempDir;

namespace {

class FixedClock : public ::testing::Test {
protected:
    void SetUp() override { SetClock([] { return EncodeDate(2016, 4, 1) + 0.25; }); }
    void TearDown() override { SetClock(nullptr); }
};

std::string Item(const std::string& text) {
    char length[8];
    std::snprintf(length, sizeof length, "%04zu", text.size());
    return length + text;
}

std::string Items(std::initializer_list<std::string> texts) {
    std::string out;
    for (const auto& t : texts) out += Item(t);
    return out;
}

std::vector<std::string> FilesIn(const std::string& dir) {
    std::vector<std::string> names;
    DIR* d = opendir(dir.c_str());
    while (dirent* e = readdir(d))
        if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.push_back(e->d_name);
    closedir(d);
    return names;
}

}  // namespace

using NewDeclaration = FixedClock;

TEST_F(NewDeclaration, SavesTheDocumentedBytesAndItsComputedSize) {
    TempDir dir;
    mTDeclaration d;
    uint32_t size = d.ComputeSize();
    d.SaveToFile(dir.File("new.qz5"));
    auto bytes = kvz::test::ReadFileBytes(dir.File("new.qz5"));

    std::string expected = std::string("QZSG") + std::string(12, ' ') + "Kvrz2015" + "0102" + std::string(32, 'F');
    expected += Items({"@DeclInfo", "", "", "0", "0", "42461", "0", "5", "0", "0", "0"});
    expected += Items({"0", "0", "0", "0", "0", "0", "0", "0", "1", "0"});
    expected += Items({"", "0", "", "", "0", "0", "0"});
    expected += Items({"@PersonName", "", "", "", "", "", "0"});
    expected += Items({"@PersonDocument", "0", "", "", "32874", "28126", "", "", "0"});
    expected += Items({"@Foreigner", "", Utf8ToCp1251("РОССИЯ"), "", "643"});
    expected += Items({"@PhoneForeignerHome", "", "", "@PhoneForeignerWork", "", ""});
    expected += Items({"@PersonAddress", "0", "", "0", "", "", "", "", "", "", "", "", ""});
    expected += Items({"@HomePhone", "", "", "@WorkPhone", "", ""});
    expected += Items({"@Nalog", "0"});
    expected += std::string(3, '\0');  // the tax-record part is counted three bytes long

    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
    EXPECT_EQ(bytes.size(), size);
}

TEST_F(NewDeclaration, RussianIncomesAddTheInquiryCountsAndTheDeductionObjects) {
    TempDir dir;
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRussian);
    uint32_t size = d.ComputeSize();
    d.SaveToFile(dir.File("r.qz5"));
    auto bytes = kvz::test::ReadFileBytes(dir.File("r.qz5"));
    std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find(Items({"@DeclInquiry", "0", "0", "0", "0", "0"})), std::string::npos);
    for (const char* stream : {"@StandartDeduct", "@SocialDeduct", "@ConstructionDeduct", "@CBDeduct"})
        EXPECT_NE(text.find(stream), std::string::npos) << stream;
    EXPECT_EQ(bytes.size(), size);
    mTDeclaration back;
    back.LoadFromFile(dir.File("r.qz5"));
    EXPECT_TRUE(back == d);
}

TEST_F(NewDeclaration, IncomeKindsKeepTheListsAndTheSheetCounts) {
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRussian | kIncomeForeign);
    d.Thirteen.Add();
    d.Nine.Add();
    d.ForeignerAdvancePayments = Money::FromUnits(5);
    d.MonthsWorked = 7;
    d.SetIncomeKinds(kIncomeForeign);
    EXPECT_FALSE(d.Thirteen.Exists());
    EXPECT_EQ(d.Thirteen.Count(), 0);
    EXPECT_EQ(d.ForeignerAdvancePayments, Money());
    EXPECT_EQ(d.MonthsWorked, 0);
    d.SetIncomeKinds(kIncomeForeign | kIncomeRussian);
    EXPECT_TRUE(d.Nine.Exists());
    EXPECT_EQ(d.Nine.Count(), 0);

    d.AutoCountSheets = true;
    d.SetForeignSupportingDocs(1);
    d.SetForeignSupportingDocs(3);
    EXPECT_EQ(d.SupportingSheets, 3);
    d.SetSupportingSheets(10);
    EXPECT_EQ(d.SupportingSheets, 3);
    d.AutoCountSheets = false;
    d.SetSupportingSheets(10);
    d.SetForeignSupportingDocs(5);
    EXPECT_EQ(d.SupportingSheets, 10);
    EXPECT_EQ(d.ForeignSupportingDocs, 5);
}

TEST(DeclarationRoundTrip, EveryScalarAndTaxpayerFieldAwayFromItsDefault) {
    TempDir dir;
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRussian | kIncomeBusiness);
    std::string longText(250, 'x');
    for (int i = 0; i < 250; i += 5) longText.replace(i, 1, "Ж");
    d.InspectionCode = "7701";
    d.InspectionName = "ИФНС России № 1 по г. Москве \"Центр\"";
    d.SpareByte = 200;
    d.CorrectionNumber = 3;
    d.SigningDate = EncodeDate(2016, 4, 30) + 0.5;
    d.ConfirmedBy = 2;
    d.TaxpayerKind = 6;
    d.DeclarationKind = 1;
    d.AutoCountSheets = true;
    d.SupportingSheets = 12;
    d.ForeignSupportingDocs = 4;
    d.SpareA = 1, d.SpareB = 2, d.SpareC = 3, d.SpareD = 4, d.SpareE = 5, d.SpareF = 6;
    d.MonthsWorked = 9;
    d.AdvancePaid = MoneyFromText("1234.5678");
    d.AdvanceAssessed = MoneyFromText("-0.0001");
    d.ExpectedIncome = MoneyFromText("999999999.99");
    d.SpareAmount = MoneyFromText("7");
    d.RepresentativeDocument = longText;
    d.FarmStartDate = EncodeDate(2011, 5, 17);
    d.FarmExemptIncome = MoneyFromText("10.01");
    d.IsFarmHead = true;
    d.RepresentativeName = "O'Brien Анна-Мария";
    d.RepresentativeOrganization = "ООО «Рога и копыта»";
    d.ForeignerAdvancePayments = MoneyFromText("1200");
    d.CorrectedIncome = MoneyFromText("1.1");
    d.CorrectedExpense = MoneyFromText("2.2");
    d.PatentPayment = MoneyFromText("3.3");
    d.TradeFee = MoneyFromText("4.4");
    d.InvestmentDeduction = MoneyFromText("5.5");
    d.InvestmentDeductionReturn = MoneyFromText("6.6");
    std::mt19937 rng(7);
    kvz::test::RandomFill(rng, d.Person);
    d.Person.Street = longText;
    d.Person.Surname = "Иванов-Петров";
    d.SaveToFile(dir.File("all.qz5"));
    mTDeclaration back;
    back.LoadFromFile(dir.File("all.qz5"));
    EXPECT_TRUE(back == d);
    EXPECT_EQ(back.Person, d.Person);
}

TEST(DeclarationRoundTrip, SeededRandomDeclarationsLoadBackEqual) {
    TempDir dir;
    std::mt19937 rng(2015);
    for (int i = 0; i < 300; ++i) {
        auto d = kvz::test::RandomDeclaration(rng);
        std::string path = dir.File("r.qz5");
        uint32_t size = d->ComputeSize();
        d->SaveToFile(path);
        ASSERT_GE(kvz::test::ReadFileBytes(path).size(), size - 0u);
        mTDeclaration back;
        back.LoadFromFile(path);
        ASSERT_TRUE(back == *d) << "declaration " << i << "\n"
                                << DeclarationToJson(*d).dump(1) << "\n---\n" << DeclarationToJson(back).dump(1);
    }
}

namespace {

// Writes an earlier year's document in that year's layout, as its program did.
void WriteOldDocument(const std::string& path, const std::string& name, bool withForeigner) {
    std::vector<uint8_t> bytes(4096, 0);
    mTDocumentStorage s(bytes.data(), static_cast<uint32_t>(bytes.size()), false);
    s.CreateStorage(name);
    std::memcpy(bytes.data() + 24, "0101", 4);  // version 1.1: dates as texts
    bool known = name.rfind("Kvrz20", 0) == 0 && name.size() == 8 && name >= "Kvrz2004" && name <= "Kvrz2015";
    bool later = known && name != "Kvrz2004";
    bool recent = name == "Kvrz2013" || name == "Kvrz2014" || name == "Kvrz2015";
    s.CreateStream("@DeclInfo");
    s.WriteString("old conditions");
    s.CreateStream("@PersonName");
    for (const char* t : {"Сидоров", "Петр", "Ильич", "500100732259"}) s.WriteString(t);
    if (known) {
        s.WriteString("extra1");
        s.WriteString("extra2");
    }
    s.CreateStream("@PersonDocument");
    s.WriteWord(21);
    s.WriteString("Паспорт гражданина РФ");
    s.WriteString("45 03 123456");
    s.WriteString("15.03.2003");
    s.WriteString("02.02.1970");
    if (known) {
        s.WriteString("ОВД Тверского р-на");
        s.WriteString("г. Москва");
        if (later) s.WriteByte(1);
    }
    if (withForeigner) {
        s.CreateStream("@Foreigner");
        s.WriteString("1");
        s.WriteString("РОССИЯ");
        if (known) {
            s.WriteString("");
            s.WriteString("643");
        }
        if (later) {
            s.CreateStream("@PhoneForeignerHome");
            s.WriteString("7");
            s.WriteString("111");
            s.CreateStream("@PhoneForeignerWork");
            s.WriteString("7");
            s.WriteString("222");
        }
    }
    s.CreateStream("@PersonAddress");
    if (later) s.WriteByte(1);
    s.WriteString("125009");
    s.WriteWord(77);
    for (const char* t : {"Москва", "", "", "", "Тверская", "1", "", "5"}) s.WriteString(t);
    if (later) {
        if (recent) s.WriteString("45382000");
        s.CreateStream("@HomePhone");
        s.WriteString("495");
        s.WriteString("1234567");
        s.CreateStream("@WorkPhone");
        s.WriteString("495");
        s.WriteString("7654321");
    }
    bytes.resize(s.Position());
    kvz::test::WriteFileBytes(path, std::vector<unsigned char>(bytes.begin(), bytes.end()));
}

}  // namespace

TEST(EarlierYears, Kvrz2004LoadsItsFieldsAndNothingAfterTheFlat) {
    TempDir dir;
    WriteOldDocument(dir.File("a.qz4"), "Kvrz2004", true);
    mTDeclaration d;
    d.LoadFromFile(dir.File("a.qz4"));
    const auto& p = d.Person;
    EXPECT_EQ(p.Surname, "Сидоров");
    EXPECT_EQ(p.NameExtra1, "extra1");
    EXPECT_EQ(p.NameExtra2, "extra2");
    EXPECT_EQ(p.DocIssueDate, EncodeDate(2003, 3, 15));
    EXPECT_EQ(p.BirthPlace, "г. Москва");
    EXPECT_EQ(p.DocumentFlag, 0);
    EXPECT_EQ(p.CitizenshipCode, "643");
    EXPECT_EQ(p.ForeignHomePhone, "");
    EXPECT_FALSE(p.AddressIsStay);
    EXPECT_EQ(p.Flat, "5");
    EXPECT_EQ(p.ResidenceOktmo, "");
    EXPECT_EQ(p.HomePhone, "");
    EXPECT_EQ(d.InspectionCode, "") << "only the taxpayer carries over";
    EXPECT_EQ(d.IncomeKinds, 0);
}

TEST(EarlierYears, Kvrz2012HasAddressKindAndPhonesButNoTerritoryCode) {
    TempDir dir;
    WriteOldDocument(dir.File("b.qz2"), "Kvrz2012", true);
    mTDeclaration d;
    d.LoadFromFile(dir.File("b.qz2"));
    EXPECT_TRUE(d.Person.AddressIsStay);
    EXPECT_EQ(d.Person.DocumentFlag, 1);
    EXPECT_EQ(d.Person.ResidenceOktmo, "");
    EXPECT_EQ(d.Person.ForeignWorkPhone, "222");
    EXPECT_EQ(d.Person.HomePhone, "1234567");
    EXPECT_EQ(d.Person.WorkPhone, "7654321");
}

TEST(EarlierYears, UnknownNameReadsTheOldestLayoutAndMissingForeignerIsSkipped) {
    TempDir dir;
    WriteOldDocument(dir.File("c.qzl"), "Kvartira", false);
    mTDeclaration d;
    d.LoadFromFile(dir.File("c.qzl"));
    const auto& p = d.Person;
    EXPECT_EQ(p.PersonInn, "500100732259");
    EXPECT_EQ(p.NameExtra1, "");
    EXPECT_EQ(p.NameExtra2, "0");
    EXPECT_EQ(p.DocIssuedBy, "");
    EXPECT_EQ(p.CitizenshipKind, "");
    EXPECT_EQ(p.CitizenshipCountry, "РОССИЯ");
    EXPECT_EQ(p.Street, "Тверская");
    EXPECT_EQ(p.Flat, "5");
    EXPECT_EQ(p.HomePhone, "");
}

TEST(EarlierYears, ThisYearWithoutTheLastTwoAmountsLoadsThemAsZero) {
    TempDir dir;
    mTDeclaration d;
    d.InvestmentDeduction = MoneyFromText("5");
    d.InvestmentDeductionReturn = MoneyFromText("6");
    d.SaveToFile(dir.File("full.qz5"));
    auto bytes = kvz::test::ReadFileBytes(dir.File("full.qz5"));
    std::string text(bytes.begin(), bytes.end());
    auto cut = text.find("00015" "00016" "0011@PersonName");
    ASSERT_NE(cut, std::string::npos);
    text.erase(cut, 10);
    kvz::test::WriteFileText(dir.File("short.qz5"), text);
    mTDeclaration back;
    back.LoadFromFile(dir.File("short.qz5"));
    EXPECT_EQ(back.InvestmentDeduction, Money());
    EXPECT_EQ(back.InvestmentDeductionReturn, Money());
}

TEST(EarlierYears, ADamagedTrailingAmountIsReportedNotTakenAsMissing) {
    TempDir dir;
    mTDeclaration d;
    d.InvestmentDeduction = MoneyFromText("5");
    d.SaveToFile(dir.File("full.qz5"));
    auto bytes = kvz::test::ReadFileBytes(dir.File("full.qz5"));
    std::string text(bytes.begin(), bytes.end());
    auto at = text.find("00015" "00010" "0011@PersonName");
    ASSERT_NE(at, std::string::npos);
    text[at + 4] = 'x';
    kvz::test::WriteFileText(dir.File("bad.qz5"), text);
    mTDeclaration back;
    try {
        back.LoadFromFile(dir.File("bad.qz5"));
        FAIL() << "a damaged amount was read as a missing one";
    } catch (const mEBadStorage& e) {
        EXPECT_STREQ(e.what(), msg::kBadFormat);
    }
}

TEST(DamagedDocuments, GarbageInTheStorageNameSaysThatOnlyTheTaxpayerWasTaken) {
    TempDir dir;
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRussian);
    d.Person.Surname = "Смирнова";
    d.Thirteen.Get(d.Thirteen.Add()).IncomeTotal = MoneyFromText("1000");
    const std::string path = dir.File("damaged.qz5");
    d.SaveToFile(path);
    ASSERT_TRUE(d.LoadFromFile(path).Complete);  // as written
    auto bytes = kvz::test::ReadFileBytes(path);
    bytes[20] = 0x01;  // inside "Kvrz2015"
    kvz::test::WriteFileBytes(path, bytes);

    mTDeclaration back;
    const LoadedDocument loaded = back.LoadFromFile(path);
    EXPECT_FALSE(loaded.Complete);
    EXPECT_EQ(back.Person.Surname, "Смирнова");
    EXPECT_EQ(back.Thirteen.Count(), 0);
    EXPECT_EQ(PartialLoadMessage(path, loaded),
              "Файл " + path +
                  " не является декларацией за 2015 год (в заголовке «Kvrz?015»): из него взяты только сведения о "
                  "декларанте.");
    EXPECT_EQ(PartialLoadMessage(path, LoadedDocument{}), "");
}

TEST(DamagedDocuments, EveryCutAndRandomByteChangeEndsInTheProgramsError) {
    TempDir dir;
    std::mt19937 rng(99);
    auto d = kvz::test::RandomDeclaration(rng, 2);
    d->SetIncomeKinds(31 & ~kIncomeSpare);
    d->Thirteen.Add();
    d->SaveToFile(dir.File("good.qz5"));
    auto good = kvz::test::ReadFileBytes(dir.File("good.qz5"));
    std::string path = dir.File("bad.qz5");
    auto loadsOrFailsCleanly = [&](const std::vector<unsigned char>& bytes) {
        kvz::test::WriteFileBytes(path, bytes);
        mTDeclaration back;
        try {
            back.LoadFromFile(path);
        } catch (const mEPrivBase& e) {
            EXPECT_NE(std::string(e.what()), "");
        } catch (const std::exception& e) {
            ADD_FAILURE() << "unexpected error: " << e.what();
        }
    };
    for (std::size_t cut = 0; cut < good.size(); ++cut)
        loadsOrFailsCleanly(std::vector<unsigned char>(good.begin(), good.begin() + cut));
    for (int round = 0; round < 3000; ++round) {
        auto bytes = good;
        int changes = std::uniform_int_distribution<int>(1, 4)(rng);
        for (int c = 0; c < changes; ++c) {
            std::size_t at = std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(rng);
            bytes[at] = static_cast<unsigned char>(std::uniform_int_distribution<int>(0, 255)(rng));
        }
        loadsOrFailsCleanly(bytes);
    }
}

TEST_F(NewDeclaration, NotANumberIsTheBadFormatMessage) {
    TempDir dir;
    mTDeclaration d;
    d.SaveToFile(dir.File("x.qz5"));
    auto bytes = kvz::test::ReadFileBytes(dir.File("x.qz5"));
    std::string text(bytes.begin(), bytes.end());
    text.replace(text.find("000542461"), 9, "0005ABCDE");
    kvz::test::WriteFileText(dir.File("x.qz5"), text);
    mTDeclaration back;
    try {
        back.LoadFromFile(dir.File("x.qz5"));
        FAIL();
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.Code, 392);
        EXPECT_STREQ(e.what(), "Неправильный формат файла декларации, возможно он поврежден.");
    }
}

TEST(SafeSaving, AFailedSaveLeavesThePreviousDocumentByteForByte) {
    TempDir dir;
    std::string path = dir.File("doc.qz5");
    mTDeclaration d;
    d.Person.Surname = "Иванов";
    d.SaveToFile(path);
    auto before = kvz::test::ReadFileBytes(path);

    mTDeclaration unwritable;
    unwritable.Person.Surname = "Иванов ☃";  // no such character in windows-1251
    EXPECT_THROW(unwritable.SaveToFile(path), EEncodingError);
    EXPECT_EQ(kvz::test::ReadFileBytes(path), before);

    mTDeclaration tooLong;
    tooLong.Person.Street = std::string(10000, 'a');
    EXPECT_THROW(tooLong.SaveToFile(path), mEWriteStorage);
    EXPECT_EQ(kvz::test::ReadFileBytes(path), before);

    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"doc.qz5"}) << "no temporary file left behind";
}

TEST(SafeSaving, ADocumentOpenElsewhereIsNotReplaced) {
    TempDir dir;
    std::string path = dir.File("doc.qz5");
    mTDeclaration d;
    d.SaveToFile(path);
    auto before = kvz::test::ReadFileBytes(path);
    mTFileLoader otherInstance(path, true, 0);
    try {
        d.Person.Surname = "Новая";
        d.SaveToFile(path);
        FAIL();
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.Code, 21);
        EXPECT_EQ(e.Place, 389);
    }
    EXPECT_EQ(kvz::test::ReadFileBytes(path), before);
}

TEST(SafeSaving, WriteFailuresNameTheFileAndTheReasonInRussian) {
    TempDir dir;
    mTDeclaration d;
    auto saveMessage = [&](const std::string& path) {
        try {
            d.SaveToFile(path);
        } catch (const mEBadStorage& e) {
            EXPECT_EQ(e.Code, 20);
            EXPECT_EQ(e.Place, 389);
            return std::string(e.what());
        }
        return std::string("saved");
    };
    const std::string missing = dir.File("no/such/folder/doc.qz5");
    EXPECT_EQ(saveMessage(missing), "Ошибка записи файла: " + missing + " (файл или каталог не найден)");
    EXPECT_EQ(saveMessage(dir.Path()), "Ошибка записи файла: " + dir.Path() + " (указан каталог, а не файл)");
    EXPECT_EQ(saveMessage(""), "Ошибка записи файла:  (файл или каталог не найден)");
    EXPECT_THROW(d.LoadFromFile(dir.File("never.qz5")), mEBadStorage);
    EXPECT_FALSE(kvz::test::FileExists(dir.File("never.qz5")));
}
