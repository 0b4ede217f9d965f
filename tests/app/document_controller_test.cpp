#include "app/document_controller.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/fake_platform.h"
#include "model/declaration.h"
#include "storage/dates.h"

namespace kvz {
namespace {

namespace fs = std::filesystem;
using test::FakePlatform;
using Args = std::vector<std::string>;

constexpr const char* kCaption = "Кварзен 2015";
constexpr const char* kUntitled = "Без имени - Кварзен 2015";
constexpr const char* kBadFormat = "Неправильный формат файла декларации, возможно он поврежден.";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A container header naming this year's declaration with the given major version field.
std::string Header(const std::string& major) {
    return "QZSG" + std::string(12, ' ') + "Kvrz2015" + major + "02" + std::string(32, 'F');
}

// A real document on disk, written by the declaration itself.
void WriteDocument(const std::string& path, const std::string& inspection, uint8_t kinds = kIncomeRussian) {
    mTDeclaration declaration;
    declaration.SetIncomeKinds(kinds);
    declaration.InspectionCode = inspection;
    declaration.SigningDate = EncodeDate(2016, 2, 1);
    declaration.SaveToFile(path);
}

class DocumentControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kvz_controller_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        SetClock([] { return EncodeDate(2016, 3, 15); });
        DocumentServices services;
        services.checkDeclaration = [this](mTDeclaration&) {
            ++checks;
            return checkResult;
        };
        services.exportDeclaration = [this](const std::string& folder, mTDeclaration&) {
            exportFolders.push_back(folder);
            if (onExport) onExport(folder);
            return exportResult;
        };
        services.printDeclaration = [this](mTDeclaration&, int mode) {
            // The window is disabled while the print module works.
            printWindowEnabled.push_back(platform.windowEnabled.empty() || platform.windowEnabled.back());
            printModes.push_back(mode);
        };
        controller = std::make_unique<DocumentController>(platform, services, dir);
    }

    void TearDown() override {
        controller.reset();
        SetClock({});
        fs::remove_all(dir);
        EXPECT_TRUE(platform.unscripted.empty()) << platform.unscripted.front();
    }

    std::string Path(const std::string& name) const { return dir + "/" + name; }
    std::string BadFormat(const std::string& name) const { return std::string(kBadFormat) + "\nФайл: " + Path(name); }

    // A document the user has edited.
    void Modify(const std::string& inspection) {
        controller->Declaration().InspectionCode = inspection;
        controller->DocumentModified();
    }

    void ExpectOnlyMessage(const std::string& text, MessageIcon icon) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, text);
        EXPECT_EQ(platform.messages[0].caption, kCaption);
        EXPECT_EQ(platform.messages[0].icon, icon);
    }

    // One error box, whatever the failing layer had to say.
    void ExpectOneError() {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].caption, kCaption);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
        EXPECT_FALSE(platform.messages[0].text.empty());
    }

    // A declaration as a new document starts.
    void ExpectFreshDocument() {
        const mTDeclaration& d = controller->Declaration();
        EXPECT_EQ(d.InspectionCode, "");
        EXPECT_EQ(d.SigningDate, EncodeDate(2016, 3, 15));
        EXPECT_EQ(d.ConfirmedBy, 0);
        EXPECT_EQ(d.IncomeKinds, kIncomeRussian);
        EXPECT_TRUE(d.AutoCountSheets);
        EXPECT_EQ(controller->DocumentPath(), "");
        EXPECT_EQ(platform.LastTitle(), kUntitled);
        EXPECT_TRUE(controller->Unchanged());
    }

    std::string dir;
    FakePlatform platform;
    std::unique_ptr<DocumentController> controller;
    uint32_t checkResult = 0;
    int checks = 0;
    std::string exportResult;
    std::vector<std::string> exportFolders;
    std::function<void(const std::string&)> onExport;
    std::vector<int> printModes;
    std::vector<bool> printWindowEnabled;
};

// --- start ---------------------------------------------------------------

TEST_F(DocumentControllerTest, StartWithoutArgumentsShowsANewDocument) {
    controller->Start({});
    ExpectFreshDocument();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.shown, std::vector<Section>{Section::Conditions});
    EXPECT_EQ(controller->CurrentSection(), Section::Conditions);
    EXPECT_FALSE(controller->Loading());
    EXPECT_TRUE(platform.buttonEnabled.at(Section::RussianIncome));
    EXPECT_TRUE(platform.buttonEnabled.at(Section::Deductions));
    EXPECT_FALSE(platform.buttonEnabled.at(Section::ForeignIncome));
    EXPECT_FALSE(platform.buttonEnabled.at(Section::Business));
    EXPECT_FALSE(platform.buttonEnabled.at(Section::InvestTov));
}

TEST_F(DocumentControllerTest, StartOpensTheDocumentAfterUpperCaseP) {
    const std::string path = Path("ivanov.qz5");
    WriteDocument(path, "7701", kIncomeForeign);
    controller->Start({"-P", path});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(controller->Declaration().InspectionCode, "7701");
    EXPECT_EQ(controller->Declaration().SigningDate, EncodeDate(2016, 2, 1));
    EXPECT_EQ(controller->DocumentPath(), path);
    EXPECT_EQ(platform.LastTitle(), "ivanov.qz5 - Кварзен 2015");
    EXPECT_TRUE(controller->Unchanged());
    // The buttons follow the opened document, not a new one.
    EXPECT_FALSE(platform.buttonEnabled.at(Section::RussianIncome));
    EXPECT_TRUE(platform.buttonEnabled.at(Section::ForeignIncome));
}

TEST_F(DocumentControllerTest, LoneDashPOrAMissingFileIsALoadingFailure) {
    controller->Start({"-p"});
    ExpectOnlyMessage("Ошибка чтения файла: ", MessageIcon::Error);
    ExpectFreshDocument();

    // A mistyped name must not leave an empty document behind.
    platform.messages.clear();
    const std::string path = Path("missing.qz5");
    controller->Start({path});
    ExpectOnlyMessage("Ошибка чтения файла: " + path, MessageIcon::Error);
    EXPECT_FALSE(fs::exists(path));
    ExpectFreshDocument();
}

TEST_F(DocumentControllerTest, DamagedDocumentsEndInAMessageAndANewDocument) {
    // Each is reported with the storage's own message or the format message naming
    // the file, none is kept open (a partly read declaration saved back would
    // destroy the file), none is changed.
    struct Damaged {
        std::string name;
        std::string bytes;
        std::string message;
    };
    const Damaged files[] = {
        {"empty.qz5", "", BadFormat("empty.qz5")},
        {"short.qz5", "QZSG", BadFormat("short.qz5")},
        {"noitems.qz5", Header("01"), "Попытка открытия несуществующего потока"},
        {"version.qz5", Header("xx"), BadFormat("version.qz5")},
    };
    for (const Damaged& file : files) {
        SCOPED_TRACE(file.name);
        platform.messages.clear();
        const std::string path = Path(file.name);
        WriteBytes(path, file.bytes);
        controller->Start({path});
        ExpectOnlyMessage(file.message, MessageIcon::Error);
        ExpectFreshDocument();
        EXPECT_EQ(ReadBytes(path), file.bytes);
    }
}

// --- save ----------------------------------------------------------------

TEST_F(DocumentControllerTest, SaveOfAnOldYearDocumentWritesThisYearsExtension) {
    const std::string old = Path("old.qz4");
    WriteDocument(old, "7701");
    const std::string oldBytes = ReadBytes(old);
    controller->Start({old});
    Modify("7702");
    EXPECT_FALSE(controller->Unchanged());

    EXPECT_TRUE(controller->SaveDoc());
    EXPECT_EQ(platform.saveDialogs, 0);
    EXPECT_EQ(controller->DocumentPath(), Path("old.qz5"));
    EXPECT_EQ(platform.LastTitle(), "old.qz5 - Кварзен 2015");
    EXPECT_TRUE(controller->Unchanged());
    EXPECT_EQ(ReadBytes(old), oldBytes);
    mTDeclaration saved;
    saved.LoadFromFile(Path("old.qz5"));
    EXPECT_EQ(saved.InspectionCode, "7702");
}

TEST_F(DocumentControllerTest, UntitledSaveAsksForTheNameAndSaveAsKeepsItsExtension) {
    controller->Start({});
    Modify("7703");
    platform.saveFiles = {""};
    EXPECT_FALSE(controller->SaveDoc());
    EXPECT_FALSE(controller->Unchanged());
    EXPECT_EQ(controller->DocumentPath(), "");
    ASSERT_TRUE(platform.saveOptions.has_value());
    EXPECT_EQ(platform.saveOptions->defaultExtension, "qz5");
    EXPECT_EQ(platform.saveOptions->filters, (std::vector<FileFilter>{{"Кварзен 2015 *.qz5", "*.qz5"}}));

    platform.saveFiles = {Path("copy.qz4")};
    EXPECT_TRUE(controller->SaveAsDoc());
    EXPECT_TRUE(fs::exists(Path("copy.qz4")));
    EXPECT_FALSE(fs::exists(Path("copy.qz5")));
    EXPECT_EQ(controller->DocumentPath(), Path("copy.qz4"));
    EXPECT_EQ(platform.LastTitle(), "copy.qz4 - Кварзен 2015");
    EXPECT_TRUE(controller->Unchanged());
}

TEST_F(DocumentControllerTest, FailedSaveKeepsTheOldFileAndReports) {
    const std::string path = Path("kept.qz5");
    WriteDocument(path, "7701");
    const std::string before = ReadBytes(path);
    controller->Start({path});
    // A character windows-1251 cannot hold makes the write fail.
    Modify("77\xF0\x9F\x98\x80");

    EXPECT_FALSE(controller->SaveDoc());
    ExpectOneError();
    EXPECT_FALSE(controller->Unchanged());
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(controller->DocumentPath(), path);
}

TEST_F(DocumentControllerTest, FailedSaveAsKeepsThePathAndTitle) {
    const std::string path = Path("mine.qz5");
    WriteDocument(path, "7701");
    controller->Start({path});
    Modify("7705");
    const size_t titles = platform.titles.size();

    platform.saveFiles = {Path("no-such-folder/copy.qz5")};
    EXPECT_FALSE(controller->SaveAsDoc());
    ExpectOneError();
    EXPECT_FALSE(fs::exists(Path("no-such-folder")));
    EXPECT_EQ(controller->DocumentPath(), path);
    EXPECT_EQ(platform.titles.size(), titles);
    EXPECT_FALSE(controller->Unchanged());

    // A later plain save still goes to the document's own file.
    platform.messages.clear();
    EXPECT_TRUE(controller->SaveDoc());
    EXPECT_TRUE(platform.messages.empty());
    mTDeclaration saved;
    saved.LoadFromFile(path);
    EXPECT_EQ(saved.InspectionCode, "7705");
}

TEST_F(DocumentControllerTest, APartlyReadDocumentSaysSoAndIsNotReplacedUnasked) {
    // This year's document whose storage name was damaged reads as an earlier year's.
    const std::string path = Path("damaged.qz5");
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRussian);
    d.Person.Surname = "Смирнова";
    d.Thirteen.Add();
    d.SaveToFile(path);
    std::string bytes = ReadBytes(path);
    bytes[20] = '\x01';
    WriteBytes(path, bytes);

    controller->Start({path});
    ExpectOnlyMessage("Файл " + path +
                          " не является декларацией за 2015 год (в заголовке «Kvrz?015»): из него взяты только "
                          "сведения о декларанте.",
                      MessageIcon::Information);
    EXPECT_EQ(controller->Declaration().Person.Surname, "Смирнова");
    EXPECT_EQ(controller->DocumentPath(), path);

    platform.messages.clear();
    Modify("7702");
    platform.answers = {MessageAnswer::No};
    EXPECT_FALSE(controller->SaveDoc());
    ExpectOnlyMessage(ReplacePartialQuestion(path), MessageIcon::Question);
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_FALSE(controller->Unchanged());

    // Asked and agreed, the file is replaced, and the next save asks no more.
    platform.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(controller->SaveDoc());
    mTDeclaration saved;
    EXPECT_TRUE(saved.LoadFromFile(path).Complete);
    EXPECT_EQ(saved.InspectionCode, "7702");
    platform.messages.clear();
    EXPECT_TRUE(controller->SaveDoc());
    EXPECT_TRUE(platform.messages.empty());
}

// --- new, open and close -------------------------------------------------

// "Да" to the offer and then no file name keeps the changes: neither a new document
// nor the close of the window throws them away.
TEST_F(DocumentControllerTest, YesThenCancelledSaveDialogKeepsTheChanges) {
    controller->Start({});
    Modify("7706");
    platform.answers = {MessageAnswer::Yes};
    platform.saveFiles = {""};
    controller->CreateDoc();
    ExpectOnlyMessage("Вы хотите сохранить декларацию?", MessageIcon::Question);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(controller->Declaration().InspectionCode, "7706");
    EXPECT_FALSE(controller->Unchanged());
    EXPECT_TRUE(fs::is_empty(dir));

    platform.answers = {MessageAnswer::Yes};
    platform.saveFiles = {""};
    EXPECT_FALSE(controller->CloseRequest());
    EXPECT_EQ(controller->Declaration().InspectionCode, "7706");
    EXPECT_FALSE(controller->Unchanged());
}

TEST_F(DocumentControllerTest, YesSavesToTheDocumentsOwnFileBeforeCreating) {
    const std::string old = Path("prev.qz4");
    WriteDocument(old, "7701");
    controller->Start({old});
    Modify("7707");
    platform.answers = {MessageAnswer::Yes};
    controller->CreateDoc();
    EXPECT_EQ(platform.saveDialogs, 0);
    mTDeclaration saved;
    saved.LoadFromFile(Path("prev.qz5"));
    EXPECT_EQ(saved.InspectionCode, "7707");
    ExpectFreshDocument();
}

TEST_F(DocumentControllerTest, CancelOrFailedSaveStopsCreate) {
    const std::string path = Path("stay.qz5");
    WriteDocument(path, "7701");
    controller->Start({path});
    Modify("7708");
    const size_t shown = platform.shown.size();

    platform.answers = {MessageAnswer::Cancel};
    controller->CreateDoc();
    EXPECT_EQ(controller->Declaration().InspectionCode, "7708");
    EXPECT_EQ(controller->DocumentPath(), path);
    EXPECT_FALSE(controller->Unchanged());

    // Yes, but the file cannot be written: the document is kept, not thrown away.
    Modify("77\xF0\x9F\x98\x80");
    platform.messages.clear();
    platform.answers = {MessageAnswer::Yes};
    controller->CreateDoc();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].icon, MessageIcon::Error);
    EXPECT_EQ(controller->Declaration().InspectionCode, "77\xF0\x9F\x98\x80");
    EXPECT_EQ(controller->DocumentPath(), path);
    EXPECT_FALSE(controller->Unchanged());
    EXPECT_EQ(platform.shown.size(), shown);
}

// Cancelling the open dialog leaves the open document as it was, unsaved edits
// included (their save was offered and declined).
TEST_F(DocumentControllerTest, CancelledOpenKeepsTheOpenDocument) {
    const std::string path = Path("first.qz5");
    WriteDocument(path, "7701");
    controller->Start({path});
    platform.openFiles = {""};
    controller->OpenDoc();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(controller->Declaration().InspectionCode, "7701");
    EXPECT_EQ(controller->DocumentPath(), path);
    EXPECT_TRUE(controller->Unchanged());
    EXPECT_EQ(platform.LastTitle(), "first.qz5 - Кварзен 2015");

    Modify("7702");
    platform.answers = {MessageAnswer::No};
    platform.openFiles = {""};
    controller->OpenDoc();
    EXPECT_EQ(controller->Declaration().InspectionCode, "7702");
    EXPECT_FALSE(controller->Unchanged());
    ASSERT_TRUE(platform.openOptions.has_value());
    EXPECT_EQ(platform.openOptions->defaultExtension, "qz5");
    ASSERT_EQ(platform.openOptions->filters.size(), 12u);
    EXPECT_EQ(platform.openOptions->filters.front(), (FileFilter{"Кварзен 2015", "*.qz5"}));
    EXPECT_EQ(platform.openOptions->filters.back(), (FileFilter{"Кварзен 200*", "*.qzl"}));
}

TEST_F(DocumentControllerTest, OpenReplacesTheDocument) {
    const std::string second = Path("second.qz5");
    WriteDocument(second, "7799", kIncomeBusiness);
    controller->Start({});
    Modify("7709");
    platform.answers = {MessageAnswer::No};
    platform.openFiles = {second};
    controller->OpenDoc();
    EXPECT_EQ(controller->Declaration().InspectionCode, "7799");
    EXPECT_EQ(controller->DocumentPath(), second);
    EXPECT_EQ(platform.LastTitle(), "second.qz5 - Кварзен 2015");
    EXPECT_TRUE(controller->Unchanged());
    EXPECT_EQ(platform.shown.back(), Section::Conditions);
    EXPECT_TRUE(platform.buttonEnabled.at(Section::Business));
    EXPECT_FALSE(platform.buttonEnabled.at(Section::RussianIncome));
}

TEST_F(DocumentControllerTest, OpenOfADamagedFileShowsTheFormatMessage) {
    const std::string path = Path("broken.qz5");
    WriteBytes(path, Header("x1"));
    controller->Start({});
    platform.openFiles = {path};
    controller->OpenDoc();
    ExpectOnlyMessage(BadFormat("broken.qz5"), MessageIcon::Error);
    ExpectFreshDocument();
}

TEST_F(DocumentControllerTest, CloseAsksOnlyForAChangedDocument) {
    controller->Start({});
    EXPECT_TRUE(controller->CloseRequest());
    EXPECT_TRUE(platform.messages.empty());

    // The screen writes a field the user typed and reports the change on store.
    platform.onStore = [this] { controller->DocumentModified(); };
    platform.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(controller->CloseRequest());
    ExpectOnlyMessage("Вы хотите сохранить декларацию?", MessageIcon::Question);
    platform.answers = {MessageAnswer::No};
    EXPECT_TRUE(controller->CloseRequest());
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(DocumentControllerTest, ModifiedNoticeIsIgnoredWhileAScreenIsFilled) {
    std::vector<bool> loadingSeen;
    platform.onShowSection = [&](Section) {
        loadingSeen.push_back(controller->Loading());
        controller->DocumentModified();
    };
    controller->Start({});
    EXPECT_TRUE(controller->Unchanged());
    controller->SwitchSection(Section::Taxpayer);
    EXPECT_TRUE(controller->Unchanged());
    EXPECT_EQ(loadingSeen, (std::vector<bool>{true, true}));
    EXPECT_FALSE(controller->Loading());
    controller->DocumentModified();
    EXPECT_FALSE(controller->Unchanged());
}

// --- section buttons -----------------------------------------------------

TEST_F(DocumentControllerTest, SwitchingSectionsStoresValidatesAndMayRefuse) {
    controller->Start({});
    platform.stores = 0;
    controller->SwitchSection(Section::Conditions);
    EXPECT_EQ(platform.stores, 0);
    EXPECT_EQ(platform.validations, 0);

    platform.validateResult = 3;
    controller->SwitchSection(Section::Taxpayer);
    EXPECT_EQ(platform.stores, 1);
    EXPECT_EQ(controller->CurrentSection(), Section::Conditions);
    EXPECT_EQ(platform.pressed, std::vector<Section>{Section::Conditions});
    EXPECT_EQ(platform.focus, (std::vector<std::pair<int, int>>{{kNoPage, 3}}));
    EXPECT_EQ(platform.shown.size(), 1u);

    // A disabled section is never shown.
    platform.validateResult = 0;
    controller->SwitchSection(Section::Business);
    EXPECT_EQ(controller->CurrentSection(), Section::Conditions);
    EXPECT_EQ(platform.shown.size(), 1u);

    controller->SwitchSection(Section::RussianIncome);
    EXPECT_EQ(controller->CurrentSection(), Section::RussianIncome);
    EXPECT_EQ(platform.shown.back(), Section::RussianIncome);
}

// --- check and go --------------------------------------------------------

TEST_F(DocumentControllerTest, CheckResultDecidesWhetherToGoAndWhere) {
    controller->Start({});
    checkResult = 0x00000007u;  // a section without a field means nothing was found
    EXPECT_EQ(controller->CheckAndGo(), CheckOutcome::Passed);
    checkResult = 0xFFFF0004u;
    EXPECT_EQ(controller->CheckAndGo(), CheckOutcome::Declined);
    EXPECT_EQ(platform.shown.size(), 1u);
    EXPECT_TRUE(platform.focus.empty());

    struct Case {
        uint16_t section;
        Section screen;
        int page;
    };
    const Case cases[] = {
        {3, Section::Taxpayer, 1}, {6, Section::RussianIncome, 2}, {12, Section::InvestTov, kNoPage}};
    std::vector<bool> loadingSeen;
    platform.onShowSection = [&](Section) { loadingSeen.push_back(controller->Loading()); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        checkResult = (5u << 16) | c.section;
        EXPECT_EQ(controller->CheckAndGo(), CheckOutcome::Moved);
        EXPECT_EQ(platform.shown.back(), c.screen);
        EXPECT_EQ(controller->CurrentSection(), c.screen);
        EXPECT_EQ(platform.focus.back(), std::make_pair(c.page, 5));
    }
    EXPECT_EQ(loadingSeen, std::vector<bool>(std::size(cases), true));

    // The screen already shown is not rebuilt; an unknown section moves nothing.
    const size_t shown = platform.shown.size();
    checkResult = (2u << 16) | 12u;
    EXPECT_EQ(controller->CheckAndGo(), CheckOutcome::Moved);
    checkResult = (2u << 16) | 11u;
    EXPECT_EQ(controller->CheckAndGo(), CheckOutcome::Moved);
    EXPECT_EQ(platform.shown.size(), shown);
    EXPECT_EQ(platform.focus.size(), std::size(cases) + 1);
    EXPECT_EQ(platform.focus.back(), std::make_pair(kNoPage, 2));
}

TEST_F(DocumentControllerTest, CheckCommandReportsSuccessOnly) {
    controller->Start({});
    checkResult = 0xFFFF0001u;
    controller->CheckDoc();
    EXPECT_TRUE(platform.messages.empty());
    checkResult = 0;
    controller->Declaration().Person.Surname = "Иванов";
    controller->Declaration().Person.FirstName = "Иван";
    controller->CheckDoc();
    // The verdict says what the declaration comes to.
    ExpectOnlyMessage("Проверка декларации завершена успешно\nНалог к уплате и возврату отсутствует",
                      MessageIcon::Information);
    EXPECT_EQ(checks, 2);
}

// --- export, print and preview --------------------------------------------

TEST_F(DocumentControllerTest, ExportReportsEachOutcome) {
    controller->Start({});
    const std::string out = Path("out");
    fs::create_directory(out);

    // The file is written: its folder and name are reported.
    exportResult = "NO_NDFL3_7701_7701_000000000000_20160315_X.xml";
    onExport = [&](const std::string& folder) { WriteBytes(folder + exportResult, "<x/>"); };
    platform.folders = {out};
    controller->ExportDoc();
    EXPECT_EQ(exportFolders, std::vector<std::string>{out + "/"});
    ExpectOnlyMessage("Сформирован файл " + out + "/ " + exportResult, MessageIcon::Information);
    EXPECT_EQ(platform.folderTitles, std::vector<std::string>{kCaption});
    EXPECT_EQ(platform.windowEnabled, (std::vector<bool>{false, true}));

    // The export refused the declaration (here a scripted check let it through): the
    // value is named in the screens' words and "Да" goes to its field.
    platform.messages.clear();
    onExport = nullptr;
    exportResult = "ERROR";
    platform.folders = {out + "/"};
    platform.answers = {MessageAnswer::Yes};
    controller->ExportDoc();
    EXPECT_EQ(exportFolders.back(), out + "/");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Файл не сформирован. Задание условий: Не введен номер инспекции\nПерейти к этому полю?");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(platform.focus.back(), (std::pair<int, int>{kNoPage, 1}));

    // A name came back but no file is there.
    platform.messages.clear();
    exportResult = "NO_NDFL3_missing.xml";
    platform.folders = {out};
    controller->ExportDoc();
    ExpectOnlyMessage(
        "Не удалось сохранить файл в указанный каталог. Выберите другой каталог или запускайте программу с правами "
        "администратора.",
        MessageIcon::Information);
    EXPECT_EQ(platform.windowEnabled.back(), true);
}

TEST_F(DocumentControllerTest, ExportStopsOnFindingsAndCancelledFolder) {
    controller->Start({});
    checkResult = 0xFFFF0001u;
    controller->ExportDoc();
    EXPECT_TRUE(platform.folderTitles.empty());
    EXPECT_TRUE(platform.windowEnabled.empty());

    checkResult = 0;
    platform.folders = {std::nullopt};
    controller->ExportDoc();
    EXPECT_TRUE(exportFolders.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.windowEnabled, (std::vector<bool>{false, true}));
}

TEST_F(DocumentControllerTest, FailingExportIsShownAndTheWindowComesBack) {
    DocumentServices services;
    services.checkDeclaration = [](mTDeclaration&) { return 0u; };
    services.exportDeclaration = [](const std::string&, mTDeclaration&) -> std::string {
        throw std::runtime_error("Невозможно загрузить библиотеку: libxml2");
    };
    services.printDeclaration = [](mTDeclaration&, int) { throw std::runtime_error("Принтер не найден"); };
    DocumentController failing(platform, services, dir);
    failing.Start({});
    platform.folders = {dir};
    failing.ExportDoc();
    failing.PrintDoc();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Невозможно загрузить библиотеку: libxml2");
    EXPECT_EQ(platform.messages[1].text, "Принтер не найден");
    EXPECT_EQ(platform.messages[1].icon, MessageIcon::Error);
    EXPECT_EQ(platform.windowEnabled, (std::vector<bool>{false, true, false, true}));
}

TEST_F(DocumentControllerTest, PrintAndPreviewHandOverWithTheirModes) {
    controller->Start({});
    controller->PrintDoc();
    controller->PreviewDoc();
    EXPECT_EQ(printModes, (std::vector<int>{3, 2}));
    EXPECT_EQ(printWindowEnabled, (std::vector<bool>{false, false}));
    EXPECT_EQ(platform.windowEnabled, (std::vector<bool>{false, true, false, true}));

    checkResult = (1u << 16) | 2u;
    controller->PrintDoc();
    EXPECT_EQ(printModes.size(), 2u);
    EXPECT_EQ(controller->CurrentSection(), Section::Taxpayer);
}

// --- help ----------------------------------------------------------------

TEST_F(DocumentControllerTest, HelpOpensTheStartPageOrSaysItIsMissing) {
    controller->Help();
    ExpectOnlyMessage("Не найден файл справки Kvrz2015.chm", MessageIcon::Error);
    EXPECT_TRUE(platform.helpPages.empty());

    fs::create_directory(Path("help"));
    WriteBytes(Path("help/runprogramm.htm"), "<html></html>");
    controller->Help();
    EXPECT_EQ(platform.helpPages, std::vector<std::string>{Path("help/runprogramm.htm")});
    EXPECT_EQ(platform.messages.size(), 1u);

    // A screen's page opens when installed; one that is not, or none, gives the start page.
    WriteBytes(Path("help/business.htm"), "<html></html>");
    platform.helpPages.clear();
    controller->Help("help/business.htm");
    controller->Help("help/currency.htm");
    controller->Help("");
    EXPECT_EQ(platform.helpPages, (std::vector<std::string>{Path("help/business.htm"), Path("help/runprogramm.htm"),
                                                            Path("help/runprogramm.htm")}));
    EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace kvz
