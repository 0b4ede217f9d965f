// The export operation as a whole: its two modes, what the user is told when it
// cannot write a file, and that nothing is ever written from a failed step.
#include <gtest/gtest.h>

#include <regex>

#include "calc/amount_range.h"
#include "export/export_fixtures.h"
#include "export/xml_dom.h"
#include "storage/encoding.h"
#include "support/calc_fixtures.h"
#include "support/temp_dir.h"

namespace kvz::test {
namespace {

struct Outcome {
    std::string Result;
    std::vector<std::string> Messages;
    std::vector<std::string> Files;
};

Outcome Export(mTDeclaration& d, int mode, const std::string& folder = "") {
    TempDir dir;
    Outcome o;
    const std::string target = folder.empty() ? dir.Path() + "/" : folder;
    ExportDeclaration(target, d, mode, o.Result, CollectingSettings(o.Messages));
    o.Files = FilesIn(dir.Path());
    return o;
}

std::unique_ptr<mTDeclaration> Resident() {
    auto d = NewDeclaration(kDecl3Ndfl, kIncomeRussian);
    d->InspectionCode = "7724";
    d->Standard.Granted = false;
    FillPerson(d->Person);
    mTThirteenPercent& s =
        AddThirteen(*d, {Line(2000, Rub(120000))}, {Rub(120000), Rub(15600), Rub(15600), "45915000"});
    s.SourceName = "ООО Южный ветер";
    s.Inn = "7724261610";
    s.Kpp = "772401001";
    return d;
}

TEST(ExportModes, TextModeGivesTheFilesTreeInUtf8AndWritesNothing) {
    FixedClockAndGuid fixed;
    auto d = Resident();
    const Outcome text = Export(*d, kExportTextMode);
    EXPECT_TRUE(text.Files.empty());
    EXPECT_TRUE(text.Messages.empty());
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    ASSERT_EQ(text.Result.substr(0, declaration.size()), declaration);
    TempDir dir;
    std::string name;
    std::vector<std::string> messages;
    ExportDeclaration(dir.Path() + "/", *d, kExportFileMode, name, CollectingSettings(messages));
    const std::string file = Cp1251ToUtf8(ReadBytes(dir.File(name)));
    const std::string fileDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";
    ASSERT_EQ(file.substr(0, fileDeclaration.size()), fileDeclaration);
    EXPECT_EQ(text.Result.substr(declaration.size()), file.substr(fileDeclaration.size()));
}

TEST(ExportModes, TheGuidIsTheContentsOwnSoOneDeclarationIsOneFileAndAnotherIsAnother) {
    SetClock([] { return EncodeDate(2016, 4, 30) + 0.99; });
    auto d = Resident();
    TempDir dir;
    std::vector<std::string> messages;
    std::string first, second, text;
    ExportDeclaration(dir.Path() + "/", *d, kExportFileMode, first, CollectingSettings(messages));
    const std::string firstBytes = ReadBytes(dir.File(first));
    ExportDeclaration(dir.Path() + "/", *d, kExportFileMode, second, CollectingSettings(messages));
    // The text the printed form and its barcode are made from names the same file.
    ExportDeclaration("", *d, kExportTextMode, text, CollectingSettings(messages));
    d->Thirteen.Get(0).TaxWithheld = Rub(15601);
    std::string changed;
    ExportDeclaration(dir.Path() + "/", *d, kExportFileMode, changed, CollectingSettings(messages));
    SetClock(nullptr);
    // Version 5 (name-based, SHA-1) in the third group, the RFC variant in the fourth.
    const std::regex name(
        "NO_NDFL3_7724_7724_772412345636_20160430_[0-9A-F]{8}-[0-9A-F]{4}-5[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\.xml");
    EXPECT_TRUE(std::regex_match(first, name)) << first;
    EXPECT_EQ(first, second);
    EXPECT_EQ(ReadBytes(dir.File(second)), firstBytes);
    EXPECT_EQ(XmlView(text).Value("/Файл/@ИдФайл") + ".xml", first);
    EXPECT_EQ(XmlView(firstBytes).Value("/Файл/@ИдФайл") + ".xml", first);
    EXPECT_TRUE(std::regex_match(changed, name)) << changed;
    EXPECT_NE(changed, first);
    EXPECT_EQ(FilesIn(dir.Path()).size(), 2u);
    EXPECT_EQ(XmlView(firstBytes).Value("//Документ/@ДатаДок"), "30.04.2016");
}

TEST(ExportFailures, AFailedCalculationIsToldAndNothingIsExported) {
    FixedClockAndGuid fixed;
    auto d = Resident();
    d->Thirteen.Get(0).TaxWithheld = Rub(20000000000000LL);
    for (int mode : {kExportFileMode, kExportTextMode}) {
        const Outcome o = Export(*d, mode);
        EXPECT_EQ(o.Result, "ERROR");
        EXPECT_TRUE(o.Files.empty());
        EXPECT_EQ(o.Messages, std::vector<std::string>{std::string(kCalculationFailedMessage) + "\n" +
                                                       msg::kAmountsTooLarge});
    }
}

TEST(ExportFailures, CharactersTheFileCannotHoldAreAllNamedAndNothingIsWritten) {
    FixedClockAndGuid fixed;
    auto d = Resident();
    d->Person.Surname = "Ли 李";
    d->Person.DocIssuedBy = "ОВД ☺";
    AddThirteen(*d, {Line(2000, Rub(1))}).SourceName = "ООО\x01Ромашка";
    const Outcome o = Export(*d, kExportFileMode);
    EXPECT_EQ(o.Result, "ERROR");
    EXPECT_TRUE(o.Files.empty());
    EXPECT_EQ(o.Messages,
              std::vector<std::string>{
                  std::string(kUnwritableHeading) +
                  "\nСвНП/НПФЛ3/ФИОФЛ/Фамилия = \"Ли 李\": символ «李» нельзя записать в кодировке windows-1251"
                  "\nСвНП/НПФЛ3/СведФЛ1/УдЛичн/ВыдДок = \"ОВД ☺\": символ «☺» нельзя записать в кодировке "
                  "windows-1251"
                  "\nДоходИстРФ[2]/ИстФЛИн/ФИОИн: управляющий символ, который нельзя записать в файл XML"});
    // The expected-income form goes through the same check.
    d->DeclarationKind = kDecl4Ndfl;
    d->Person.DocIssuedBy = "";
    const Outcome four = Export(*d, kExportFileMode);
    EXPECT_EQ(four.Result, "ERROR");
    EXPECT_TRUE(four.Files.empty());
}

TEST(ExportFailures, AFolderThatCannotTakeTheFileLeavesNothingBehind) {
    FixedClockAndGuid fixed;
    auto d = Resident();
    TempDir dir;
    const std::string missing = dir.File("absent") + "/";
    const Outcome o = Export(*d, kExportFileMode, missing);
    // The user's folder, not a fault of the program: no file name, and the reason.
    EXPECT_EQ(o.Result, "");
    ASSERT_EQ(o.Messages.size(), 1u);
    EXPECT_EQ(o.Messages[0], "Ошибка записи файла: " + missing + "NO_NDFL3_7724_7724_772412345636_20160315_" +
                                 kFixedGuid + ".xml (файл или каталог не найден)");
    EXPECT_TRUE(FilesIn(dir.Path()).empty());
}

TEST(Ndfl4Export, WithoutInnTheUnderscoresMeetAndOtherCategoriesAreZeros) {
    FixedClockAndGuid fixed;
    auto d = NewDeclaration(kDecl4Ndfl, 0);
    d->InspectionCode = "7724";
    FillPerson(d->Person);
    d->Person.PersonInn = "";
    d->Person.Patronymic = " ";
    d->TaxpayerKind = 6;
    d->ExpectedIncome = Rub("120000.5");
    d->ConfirmedBy = 1;
    d->RepresentativeName = "Сидоров Алексей Петрович";
    d->RepresentativeDocument = "Доверенность";
    d->RepresentativeOrganization = "  ";
    TempDir dir;
    std::vector<std::string> messages;
    std::string name;
    ExportDeclaration(dir.Path() + "/", *d, kExportFileMode, name, CollectingSettings(messages));
    EXPECT_EQ(name, std::string("NO_NDFL4_7724_7724__20160315_") + kFixedGuid + ".xml");
    const XmlView view(ReadBytes(dir.File(name)));
    EXPECT_EQ(view.AttributeNames("//НПФЛ"), "ДокПредст ИННФЛ ОКТМО Тлф");
    EXPECT_EQ(view.Value("//НПФЛ/@ДокПредст"), "000");
    EXPECT_EQ(view.Value("//НПФЛ/@ИННФЛ"), "");
    EXPECT_EQ(view.AttributeNames("//НПФЛ/ФИО"), "Фамилия Имя");
    EXPECT_EQ(view.Values("//Подписант/ФИО/@*"), (std::vector<std::string>{"СИДОРОВ", "АЛЕКСЕЙ", "ПЕТРОВИЧ"}));
    EXPECT_EQ(view.AttributeNames("//Подписант/СвПред"), "НаимДок");
    EXPECT_EQ(view.Value("//НДФЛ4/@ПредДоход"), "120000.5");
    EXPECT_EQ(view.Count("//Документ/@Период"), 0);
}

// No schema reads the 4-НДФЛ file before it is written: its texts are held to the
// format's lengths, the longest allowed written, one more refused with every place.
TEST(Ndfl4Export, TextsBeyondTheFormatsLengthsAreRefusedWithEveryPlace) {
    FixedClockAndGuid fixed;
    auto d = NewDeclaration(kDecl4Ndfl, 0);
    d->InspectionCode = "7724";
    FillPerson(d->Person);
    d->ConfirmedBy = 2;
    d->RepresentativeName = "Сидоров Алексей Петрович";
    auto repeat = [](const char* letter, int n) {
        std::string text;
        for (int i = 0; i < n; ++i) text += letter;
        return text;
    };
    d->Person.Surname = repeat("Я", 60);
    d->Person.HomePhone = repeat("7", 20);
    d->RepresentativeDocument = repeat("Д", 120);
    d->RepresentativeOrganization = repeat("О", 1000);
    const Outcome longest = Export(*d, kExportFileMode);
    ASSERT_EQ(longest.Files.size(), 1u) << (longest.Messages.empty() ? "" : longest.Messages[0]);
    EXPECT_TRUE(longest.Messages.empty());

    d->Person.Surname += "Я";
    d->Person.HomePhone += "7";
    d->RepresentativeDocument += "Д";
    d->RepresentativeOrganization += "О";
    const Outcome refused = Export(*d, kExportFileMode);
    EXPECT_EQ(refused.Result, "ERROR");
    EXPECT_TRUE(refused.Files.empty());
    ASSERT_EQ(refused.Messages.size(), 1u);
    EXPECT_EQ(refused.Messages[0], std::string(kSchemaRefusedHeading) + "\nСвНП/НПФЛ/Тлф = \"" + repeat("7", 21) +
                                       "\": нужно не больше 20 символов, а здесь 21\nСвНП/НПФЛ/ФИО/Фамилия = \"" +
                                       repeat("Я", 61) + "\": нужно не больше 60 символов, а здесь 61" +
                                       "\nПодписант/СвПред/НаимДок = \"" + repeat("Д", 121) +
                                       "\": нужно не больше 120 символов, а здесь 121" +
                                       "\nПодписант/СвПред/НаимОрг = \"" + repeat("О", 1001) +
                                       "\": нужно не больше 1000 символов, а здесь 1001");
}

}  // namespace
}  // namespace kvz::test
