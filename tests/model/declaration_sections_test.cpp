// A declaration holding every kind of section: its exact bytes, its size, texts that
// look like stream names, and the JSON form in both directions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>

#include "directory/derived_values.h"
#include "model/declaration.h"
#include "model/declaration_json.h"
#include "storage/document_storage.h"
#include "support/random_declaration.h"
#include "support/temp_dir.h"

using namespace kvz;
using kvz::test::TempDir;

namespace {

Money M(const char* text) { return MoneyFromText(text); }

// One item of every class, with both 13 % variants, lines, absent and present
// months, confirmed and unconfirmed business expenses, pension contracts and
// property objects.
std::unique_ptr<mTDeclaration> EveryClass() {
    auto d = std::make_unique<mTDeclaration>();
    d->SigningDate = EncodeDate(2016, 4, 1);
    d->InspectionCode = "7724";
    d->SetIncomeKinds(kIncomeRussian | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov);
    d->Person.Surname = "Смирнова";
    d->Person.PersonInn = "772412345674";

    auto& resident = d->Thirteen.Get(d->Thirteen.Add());
    resident.Inn = "7724261610";
    resident.Kpp = "772401001";
    resident.Oktmo = "45915000";
    resident.SourceName = "ООО \"Ветер\"";
    resident.TaxWithheld = M("6500");
    resident.AddLine({2000, "Зарплата", M("50000"), 0, Money(), 0, 1});
    resident.AddLine({2010, "Договор", M("1000.5"), 403, M("200"), 20, 0});
    resident.SetMonthAmount(0, M("50000"));
    resident.StandardDeductionsHere = true;

    auto& nonResident = d->ThirteenNR.Get(d->ThirteenNR.Add());
    nonResident.SourceName = "Nord AG";
    nonResident.AddLine({2000, "Зарплата", M("1234.5678"), 0, Money(), 0, 12});

    auto& thirtyFive = d->ThirtyFive.Get(d->ThirtyFive.Add());
    thirtyFive.SourceName = "Банк";
    thirtyFive.IncomeTotal = M("4000");
    thirtyFive.IncomeCode = 2740;
    thirtyFive.DeductionCode = 501;
    thirtyFive.DeductionAmount = M("4000");

    auto& dividends = d->Dividends.Get(d->Dividends.Add());
    dividends.SourceName = "АО Дивиденд";
    dividends.IncomeCode = 1010;
    dividends.IncomeTotal = M("10000");
    dividends.TaxWithheld = M("900");

    auto& nine = d->Nine.Get(d->Nine.Add());
    nine.SourceName = "Ипотечный агент";
    nine.IncomeCode = 1011;
    nine.IncomeTotal = M("300");

    auto& foreign = d->Foreign.Get(d->Foreign.Add());
    foreign.IncomeRate = 13;
    foreign.IncomeCode = 1010;
    foreign.SourceName = "Apple Inc.";
    foreign.CountryCode = "840";
    foreign.CurrencyCode = "840";
    foreign.RateOnIncomeDate = M("56.2376");
    foreign.UnitsOnIncomeDate = 1;
    foreign.RateOnTaxDate = M("56.2376");
    foreign.UnitsOnTaxDate = 1;
    foreign.SetIncomeInCurrency(M("100"));
    foreign.SetTaxInCurrency(M("10"));

    auto& confirmed = d->Business.Get(d->Business.Add());
    confirmed.ActivityKind = "1";
    confirmed.ExpensesConfirmed = true;
    confirmed.Income = M("900000");
    confirmed.ExpenseItems[0] = M("300000");
    auto& unconfirmed = d->Business.Get(d->Business.Add());
    unconfirmed.ActivityKind = "3";
    unconfirmed.ExpensesConfirmed = false;
    unconfirmed.Income = M("100000");
    unconfirmed.UnconfirmedExpenses = M("20000");

    auto& partnership = d->InvestTov.Get(d->InvestTov.Add());
    partnership.SourceName = "Инвестиционное товарищество";
    partnership.AddLine({1, M("5000"), M("100"), M("50"), M("0")});

    auto& tax = d->Nalog.Get(d->Nalog.Add());
    tax.PaymentText1 = "Уведомление";
    tax.PaymentAmount = M("1500");

    d->Standard.ChildrenCount = 2;
    d->Social.Granted = true;
    d->Social.Treatment = M("12000");
    d->Social.ChildEducationAdd(M("50000"));
    d->Social.ChildEducationAdd(M("70000"));
    auto& contract = d->Social.PensionContract(d->Social.PensionContractAdd());
    contract.OrgName = "НПФ";
    contract.Contribution = M("24000");
    d->Construction.Granted = true;
    mTConstructionDeductObj flat;
    flat.ObjectNameCode = 2;
    flat.ShareNumerator = 1;
    flat.ShareDenominator = 2;
    flat.ObjectCost = M("3000000");
    d->Construction.ObjectAdd(flat);
    d->CB.SecuritiesLoss[0] = M("1000");
    return d;
}

std::string GoldenPath() { return std::string(KVZ_TEST_DATA_DIR) + "/golden/every_class.qz5"; }

// The stream markers of a saved file, in order.
std::vector<std::string> Markers(const std::vector<unsigned char>& bytes) {
    std::vector<std::string> names;
    std::size_t at = 60;
    while (at + 4 <= bytes.size() && std::isdigit(bytes[at])) {
        std::size_t length = std::stoul(std::string(bytes.begin() + at, bytes.begin() + at + 4));
        std::string text(bytes.begin() + at + 4, bytes.begin() + at + 4 + length);
        if (!text.empty() && text[0] == '@') names.push_back(text);
        at += 4 + length;
    }
    return names;
}

}  // namespace

TEST(EveryClassDocument, SavesTheGoldenBytesWithItsComputedSize) {
    TempDir dir;
    auto d = EveryClass();
    uint32_t size = d->ComputeSize();
    d->SaveToFile(dir.File("all.qz5"));
    auto bytes = kvz::test::ReadFileBytes(dir.File("all.qz5"));
    EXPECT_EQ(bytes.size(), size);
    // Over-counts: three bytes of the tax records, two of the 9 % source, ten of the
    // property deduction's two working amounts.
    ASSERT_GE(bytes.size(), 15u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.end() - 15, bytes.end()), std::vector<unsigned char>(15, 0));
    EXPECT_NE(bytes[bytes.size() - 16], 0);

    if (std::getenv("KVZ_UPDATE_GOLDEN")) kvz::test::WriteFileBytes(GoldenPath(), bytes);
    EXPECT_EQ(bytes, kvz::test::ReadFileBytes(GoldenPath()));

    std::vector<std::string> expected = {
        "@DeclInfo", "@PersonName", "@PersonDocument", "@Foreigner", "@PhoneForeignerHome",
        "@PhoneForeignerWork", "@PersonAddress", "@HomePhone", "@WorkPhone", "@DeclInquiry",
        "@ThirteenPercent000", "@SourseIncome000000", "@SourseIncome000001", "@ThirteenPerceNR000",
        "@SourseIncoNR000000", "@ThirtyFivePercent000", "@ThirtyPercent000", "@NinePercent000",
        "@DeclForeign", "@CurrencyIncome000", "@DeclInvestTov", "@InvestTov000"};
    auto markers = Markers(bytes);
    ASSERT_GE(markers.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(markers.begin(), markers.begin() + expected.size()), expected);
    EXPECT_EQ(markers.back(), "@NalogSub000");

    mTDeclaration back;
    back.LoadFromFile(dir.File("all.qz5"));
    EXPECT_TRUE(back == *d) << DeclarationToJson(*d).dump(1) << "\n---\n" << DeclarationToJson(back).dump(1);
}

TEST(EveryClassDocument, StreetWithAnEmailDoesNotHideThePensionContracts) {
    TempDir dir;
    auto d = EveryClass();
    d->Person.Street = "ivan@Pension.ru";
    d->Person.Flat = "@PensSub";
    for (int i = 0; i < 3; ++i) {
        auto& c = d->Social.PensionContract(d->Social.PensionContractAdd());
        c.OrgName = "Фонд " + std::to_string(i);
        c.Contribution = MoneyFromText(std::to_string(1000 * (i + 1)));
    }
    d->SaveToFile(dir.File("pens.qz5"));
    mTDeclaration back;
    back.LoadFromFile(dir.File("pens.qz5"));
    ASSERT_EQ(back.Social.PensionContractCount(), 4);
    EXPECT_EQ(back.Social.PensionContract(3).OrgName, "Фонд 2");
    EXPECT_EQ(back.Social.PensionContract(3).Contribution, MoneyFromText("3000"));
    EXPECT_TRUE(back == *d);
}

TEST(DocumentJson, RandomDeclarationsGoThroughJsonUnchanged) {
    std::mt19937 rng(31);
    for (int i = 0; i < 400; ++i) {
        auto d = kvz::test::RandomDeclaration(rng);
        nlohmann::json json = DeclarationToJson(*d);
        mTDeclaration back;
        DeclarationFromJson(json, back);
        ASSERT_EQ(DeclarationToJson(back), json) << i;
    }
}

TEST(DocumentJson, RefusalsNameTheKey) {
    auto refuse = [](const char* text, const char* key) {
        mTDeclaration d;
        try {
            DeclarationFromJson(nlohmann::json::parse(text), d);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const EJsonError& e) {
            EXPECT_NE(std::string(e.what()).find(key), std::string::npos) << e.what();
        }
    };
    refuse(R"({"Colour": 1})", "Colour");
    refuse(R"({"CorrectionNumber": "1"})", "CorrectionNumber");
    refuse(R"({"ExpectedIncome": "1.23456"})", "ExpectedIncome");
    refuse(R"({"SigningDate": "30.02.2016"})", "SigningDate");
    refuse(R"({"Person": {"Surname": "Ω☃"}})", "Person.Surname");
    refuse(R"({"IncomeKinds": 1, "Thirteen": [{"Lines": [{"Month": "May"}]}]})", "Thirteen[0].Lines[0].Month");
    refuse(R"({"Thirteen": [{}]})", "Thirteen");
    refuse(R"({"TaxpayerKind": 300})", "TaxpayerKind");
}

// create is reading plus the derived values: a document whose values agree with its
// codes comes back as it went in, one that does not is refused as the core refuses it.
TEST(DocumentJson, CommandLineCreateThenInfoGivesTheSameDocument) {
    TempDir dir;
    std::mt19937 rng(5);
    std::string cli = std::string(KVZ_BIN_DIR) + "/kvarzen-cli";
    const CurrencyRateTable rates = ReadCurrencyRates(std::string(KVZ_SOURCE_DIR) + "/data/CurrencyRates.xml");
    const IncomeDictionary incomes = IncomeDictionary::LoadEmbedded();
    int accepted = 0;
    for (int i = 0; i < 12; ++i) {
        auto d = kvz::test::RandomDeclaration(rng);
        if (i % 2 == 0) {
            // Half of them as the window makes them: derived values agree with their codes.
            for (int f = 0; f < d->Foreign.Count(); ++f) d->Foreign.Get(f) = mTCurrencyIncome();
            for (int n = 0; n < d->Nine.Count(); ++n) d->Nine.Get(n).IncomeCode = 0;
            for (int n = 0; n < d->Dividends.Count(); ++n) d->Dividends.Get(n).IncomeCode = 0;
            for (auto* list : {&d->Thirteen, &d->ThirteenNR})
                for (int n = 0; n < list->Count(); ++n) list->Get(n) = mTThirteenPercent();
            for (int n = 0; n < d->ThirtyFive.Count(); ++n) d->ThirtyFive.Get(n).DeductionCode = 0;
        }
        const nlohmann::json given = DeclarationToJson(*d);
        std::optional<std::string> refusal;
        try {
            DeriveDeclarationValues(*d, DerivationSources{incomes, &rates});
        } catch (const EDerivedValueError& e) {
            refusal = e.what();
        }
        std::ofstream(dir.File("in.json")) << given.dump(1);
        std::filesystem::remove(dir.File("doc.qz5"));
        std::string command = cli + " create " + dir.File("in.json") + " " + dir.File("doc.qz5") + " 2> " +
                              dir.File("err.txt") + " && " + cli + " info " + dir.File("doc.qz5") + " > " +
                              dir.File("out.json");
        const int code = std::system(command.c_str());
        if (refusal) {
            EXPECT_NE(code, 0) << i;
            EXPECT_EQ(kvz::test::ReadFileText(dir.File("err.txt")), dir.File("in.json") + ": " + *refusal + "\n");
            EXPECT_FALSE(std::filesystem::exists(dir.File("doc.qz5")));
            continue;
        }
        ASSERT_EQ(code, 0) << command;
        EXPECT_EQ(nlohmann::json::parse(kvz::test::ReadFileText(dir.File("out.json"))), DeclarationToJson(*d)) << i;
        ++accepted;
    }
    EXPECT_GE(accepted, 6);
    EXPECT_NE(std::system((cli + " info " + dir.File("missing.qz5") + " 2> " + dir.File("err.txt")).c_str()), 0);
    EXPECT_EQ(kvz::test::ReadFileText(dir.File("err.txt")), "Ошибка чтения файла: " + dir.File("missing.qz5") + "\n");
}
