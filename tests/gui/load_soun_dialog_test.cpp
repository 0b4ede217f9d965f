// The classifier import dialog: the buttons' states, the import into the program
// folder with its progress, the failures that keep the old directory, and the links.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <fstream>
#include <string>
#include <vector>

#include "../directory/soun_table.h"
#include "app/ui/program_data_files.h"
#include "directory/atomic_file.h"
#include "directory/inspection_directory.h"
#include "directory/ui/load_soun_dialog.h"
#include "storage/dates.h"

namespace kvz::test {

namespace {

struct Shown {
    std::string text;
    bool failure;
};

struct Harness {
    QTemporaryDir folder;
    std::vector<Shown> messages;
    std::vector<std::string> chosenFiles;
    std::vector<std::string> helpPages;
    std::vector<QUrl> urls;
    bool browserWorks = true;

    std::string Folder() const { return folder.path().toStdString() + "/"; }
    std::string Directory() const { return Folder() + "InspectionNumbers.xml"; }

    LoadSounServices Services() {
        LoadSounServices services;
        services.showMessage = [this](const std::string& text, bool failure) { messages.push_back({text, failure}); };
        services.chooseFile = [this] {
            std::string file = chosenFiles.empty() ? std::string() : chosenFiles.front();
            if (!chosenFiles.empty()) chosenFiles.erase(chosenFiles.begin());
            return file;
        };
        services.openHelp = [this](const std::string& page) { helpPages.push_back(page); };
        services.openUrl = [this](const QUrl& url) {
            urls.push_back(url);
            return browserWorks;
        };
        return services;
    }

    std::string WriteTable(const std::string& bytes, const std::string& name = "soun1.dbf") {
        const std::string path = Folder() + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

template <typename T>
T* Child(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromUtf8(name));
}

std::vector<SounRow> ThreeRows() {
    return {{.Code = "7701", .Name = "Инспекция ФНС России № 1 по г.Москве"},
            {.Code = "7700", .Name = "Управление ФНС России по г.Москве"},
            {.Code = "7702", .Name = "Инспекция ФНС России № 2 по г.Москве"}};
}

}  // namespace

class LoadSounDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        SetClock([] { return EncodeDate(2016, 3, 15); });
    }
    void cleanup() { SetClock({}); }

    void browsedTableIsImportedWithProgress() {
        Harness h;
        WriteInspectionDirectory(h.Directory(), {"00", "01.01.2015", {{"0101", "Старая инспекция"}}});
        std::vector<SounRow> rows;
        for (int i = 0; i < 600; ++i) {
            // Codes ending in "00" are offices, not inspections: none here.
            char code[5];
            std::snprintf(code, sizeof code, "%04d", (i / 99 + 1) * 100 + i % 99 + 1);
            rows.push_back({.Code = code, .Name = "Инспекция " + std::to_string(i + 1)});
        }
        h.chosenFiles.push_back(h.WriteTable(SounTableBytes(rows)));

        TfmLoadSoun dialog(h.Folder(), h.Services());
        auto* progress = Child<QProgressBar>(dialog, "pbImport");
        std::vector<int> seen;
        connect(progress, &QProgressBar::valueChanged, [&](int value) { seen.push_back(value); });

        Child<QPushButton>(dialog, "btnBrowse")->click();
        QCOMPARE(Child<QLineEdit>(dialog, "edPath")->text().toStdString(), h.Folder() + "soun1.dbf");
        QVERIFY(Child<QPushButton>(dialog, "btnImport")->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog, "btnOk")->isEnabled());

        Child<QPushButton>(dialog, "btnImport")->click();
        QVERIFY(Child<QPushButton>(dialog, "btnOk")->isEnabled());
        QCOMPARE(h.messages.size(), std::size_t(1));
        QCOMPARE(h.messages[0].text, std::string("Данные успешно импортированы. Не забудьте перезапустить программу."));
        QVERIFY(!h.messages[0].failure);
        QCOMPARE(progress->value(), 100);
        QVERIFY(seen.size() >= 3);  // it moved on the way, not only at the end

        const InspectionDirectory directory = ReadInspectionDirectory(h.Directory());
        QCOMPARE(directory.Version, std::string("00"));
        QCOMPARE(directory.Date, std::string("15.03.2016"));
        QCOMPARE(directory.Entries.size(), std::size_t(600));
        QCOMPARE(directory.Entries.front(), (DirectoryEntry{"0101", "Инспекция 1"}));
    }

    void typedPathIsTrimmedAndOfficesAreLeftOut() {
        Harness h;
        const std::string table = h.WriteTable(SounTableBytes(ThreeRows()));
        TfmLoadSoun dialog(h.Folder(), h.Services());
        Child<QLineEdit>(dialog, "edPath")->setText(QStringLiteral("  %1  ").arg(QString::fromStdString(table)));
        Child<QPushButton>(dialog, "btnImport")->click();
        QCOMPARE(h.messages.size(), std::size_t(1));
        QVERIFY(!h.messages[0].failure);
        const InspectionDirectory directory = ReadInspectionDirectory(h.Directory());
        QCOMPARE(directory.Entries,
                 (std::vector<DirectoryEntry>{{"7701", "Инспекция ФНС России № 1 по г.Москве"},
                                              {"7702", "Инспекция ФНС России № 2 по г.Москве"}}));
    }

    void failuresSayWhyAndKeepTheOldDirectory() {
        Harness h;
        WriteInspectionDirectory(h.Directory(), {"00", "01.01.2015", {{"0101", "Старая инспекция"}}});
        const std::string before = ReadWholeFile(h.Directory());
        TfmLoadSoun dialog(h.Folder(), h.Services());
        auto* path = Child<QLineEdit>(dialog, "edPath");
        auto* import = Child<QPushButton>(dialog, "btnImport");

        path->setText(QStringLiteral("   "));
        import->click();
        QCOMPARE(h.messages.back().text, std::string("Укажите путь к файлу soun1.dbf"));

        // A truncated last record, and a file that is not there.
        std::string truncated = SounTableBytes(ThreeRows());
        truncated.resize(truncated.size() - 100);
        path->setText(QString::fromStdString(h.WriteTable(truncated, "cut.dbf")));
        import->click();
        QVERIFY(h.messages.back().failure);
        QVERIFY(QString::fromStdString(h.messages.back().text).startsWith(QStringLiteral("Импортировать данные не удалось")));
        QVERIFY(QString::fromStdString(h.messages.back().text).contains(QStringLiteral("cut.dbf")));

        path->setText(QString::fromStdString(h.Folder() + "missing.dbf"));
        import->click();
        QVERIFY(QString::fromStdString(h.messages.back().text).startsWith(QStringLiteral("Импортировать данные не удалось")));
        QCOMPARE(ReadWholeFile(h.Directory()), before);
        QCOMPARE(Child<QProgressBar>(dialog, "pbImport")->value(), 0);
        QVERIFY(import->isEnabled());
        QVERIFY(Child<QPushButton>(dialog, "btnOk")->isEnabled());
    }

    // An installed program's folder cannot be written: the rebuilt directory goes to
    // the user's data folder and is what the next start reads.
    void readOnlyProgramFolderImportsIntoTheUsersFolder() {
        Harness h;
        const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
        const std::string userHome = h.Folder() + "xdg";
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(userHome));
        // A plain file in place of the folder refuses writing even to root.
        const std::string programFolder = h.WriteTable("", "program") + "/";
        TfmLoadSoun dialog(programFolder, h.Services());
        Child<QLineEdit>(dialog, "edPath")->setText(QString::fromStdString(h.WriteTable(SounTableBytes(ThreeRows()))));
        Child<QPushButton>(dialog, "btnImport")->click();
        QCOMPARE(h.messages.size(), std::size_t(1));
        QCOMPARE(h.messages[0].text, std::string("Данные успешно импортированы. Не забудьте перезапустить программу."));

        const ProgramDataFiles next = LoadProgramDataFiles(programFolder);
        if (oldXdg.isNull()) {
            qunsetenv("XDG_DATA_HOME");
        } else {
            qputenv("XDG_DATA_HOME", oldXdg);
        }
        QVERIFY(QFile::exists(QString::fromStdString(userHome + "/kvarzen/InspectionNumbers.xml")));
        QVERIFY(next.inspections.has_value());
        QCOMPARE(next.inspections->Entries.size(), std::size_t(2));
    }

    void helpLinkOpensThePageOrSaysTheHelpIsMissing() {
        Harness h;
        TfmLoadSoun dialog(h.Folder(), h.Services());
        dialog.OpenHelpLink();
        QCOMPARE(h.messages.size(), std::size_t(1));
        QCOMPARE(h.messages[0].text, std::string("Не найден файл справки Kvrz2015.chm"));
        QVERIFY(h.messages[0].failure);
        QVERIFY(h.helpPages.empty());

        QVERIFY(QDir().mkpath(h.folder.filePath(QStringLiteral("help"))));
        QVERIFY(QFile::copy(QStringLiteral(KVZ_SOURCE_DIR "/data/help/EditSOUN.htm"),
                            h.folder.filePath(QStringLiteral("help/EditSOUN.htm"))));
        emit Child<QLabel>(dialog, "lblHelpLink")->linkActivated(QStringLiteral("help"));
        QCOMPARE(h.helpPages, std::vector<std::string>{h.Folder() + "help/EditSOUN.htm"});
        QCOMPARE(h.messages.size(), std::size_t(1));
    }

    void downloadLinkOpensThePublishersPage() {
        Harness h;
        TfmLoadSoun dialog(h.Folder(), h.Services());
        emit Child<QLabel>(dialog, "lblDownloadLink")->linkActivated(QStringLiteral("download"));
        QCOMPARE(h.urls.size(), std::size_t(1));
        QCOMPARE(h.urls[0].scheme(), QStringLiteral("https"));
        QCOMPARE(h.urls[0].host(), QStringLiteral("www.gnivc.ru"));
        QVERIFY(h.messages.empty());

        h.browserWorks = false;
        dialog.OpenDownloadLink();
        QCOMPARE(h.messages.size(), std::size_t(1));
        QCOMPARE(h.messages[0].text, std::string("Не удалось запустить браузер"));
    }
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::LoadSounDialogTest)
#include "load_soun_dialog_test.moc"
