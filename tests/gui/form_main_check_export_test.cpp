// Check, export, print and preview from the main window: check-and-go landing on
// the section's screen and field, the check dialog of the real check, the folder
// choice and the messages of the export.
#include <QLabel>
#include <QPushButton>

#include "checks/ui/check_all_error_dialog.h"
#include "form_main_fixture.h"
#include "support/example_document.h"

namespace kvz::test {

namespace {

uint32_t Finding(uint16_t section, uint16_t field) { return (uint32_t(field) << 16) | section; }

// The bundled example, which passes the check.
std::string SaveExample(const ProgramFolder& folder) {
    mTDeclaration declaration;
    LoadExample(declaration);
    const std::string path = folder.Path() + "example.qz5";
    declaration.SaveToFile(path);
    return path;
}

// Any check dialog that comes up is answered "Отмена" and remembered.
struct UnexpectedDialogs {
    QStringList titles;
    QPointer<QTimer> watch;
    void Watch() {
        watch = OnNextModal([this](QWidget* modal) {
            titles << modal->windowTitle();
            modal->close();
        });
    }
    ~UnexpectedDialogs() { delete watch.data(); }
};

}  // namespace

class FormMainCheckExportTest : public QObject {
    Q_OBJECT

private slots:
    void checkAndGoLandsOnTheSectionsScreenAndField() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        uint32_t finding = 0;
        auto form = MakeForm(folder, dialogs, screens, [&](mTDeclaration&) { return finding; });
        form->Start({});
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));

        const struct {
            uint32_t finding;
            Section section;
            std::pair<int, int> focus;
        } cases[] = {
            {Finding(3, 4), Section::Taxpayer, {1, 4}},      // the address page
            {Finding(2, 5), Section::Taxpayer, {0, 5}},      // the same screen, its first page
            {Finding(10, 2), Section::Deductions, {1, 2}},   // the second deductions page
            {Finding(1, 1), Section::Conditions, {kNoPage, 1}},
            {Finding(6, 3), Section::RussianIncome, {2, 3}},
            {Finding(7, 2), Section::ForeignIncome, {kNoPage, 2}},
        };
        for (const auto& c : cases) {
            finding = c.finding;
            screens.focus.clear();
            QTest::mouseClick(Find<QToolButton>(*form, "fbCheck"), Qt::LeftButton);
            QCOMPARE(Shown(*form)->ShownSection(), c.section);
            QVERIFY(form->SectionButton(c.section)->isChecked());
            QCOMPARE(form->Controller().CurrentSection(), c.section);
            QCOMPARE(screens.focus, (std::vector<std::pair<int, int>>{c.focus}));
            QCOMPARE(QApplication::focusWidget(),
                     Find<QLineEdit>(*form->CurrentScreen(), QStringLiteral("field%1").arg(c.focus.second)
                                                                 .toUtf8()
                                                                 .constData()));
        }
        // A section without a screen moves nothing; a declined check says nothing.
        const std::size_t created = screens.created.size();
        for (const uint32_t quiet : {Finding(11, 3), Finding(4, 0xFFFF)}) {
            finding = quiet;
            screens.focus.clear();
            Find<QAction>(*form, "miCheck")->trigger();
            QCOMPARE(screens.created.size(), created);
            QVERIFY(screens.focus.empty());
        }
        QVERIFY(dialogs.messages.empty());

        finding = 0;
        form->Controller().Declaration().Person.Surname = "Иванов";
        form->Controller().Declaration().Person.FirstName = "Иван";
        Find<QAction>(*form, "miCheck")->trigger();
        QCOMPARE(dialogs.Texts(), std::vector<std::string>{
                                      "Проверка декларации завершена успешно\nНалог к уплате и возврату отсутствует"});
        QCOMPARE(dialogs.messages[0].caption, std::string("Кварзен 2015"));
        QCOMPARE(dialogs.messages[0].icon, MessageIcon::Information);
    }

    void realCheckAsksInItsDialogAndGoesToTheField() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens, nullptr);  // the program's own check
        form->Start({});
        QTest::mouseClick(form->SectionButton(Section::Taxpayer), Qt::LeftButton);
        QCOMPARE(Shown(*form)->ShownSection(), Section::Taxpayer);

        QString title;
        QString message;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<TfmCheckAllError*>(modal);
            if (dialog == nullptr) return modal->close();
            title = dialog->windowTitle();
            message = dialog->MessageText();
            Find<QPushButton>(*dialog, "btnFix")->click();
            return true;
        });
        QTest::mouseClick(Find<QToolButton>(*form, "fbCheck"), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Проверка: Задание условий"));
        QCOMPARE(message, QStringLiteral("Не введен номер инспекции"));
        QCOMPARE(Shown(*form)->ShownSection(), Section::Conditions);
        QCOMPARE(screens.focus, (std::vector<std::pair<int, int>>{{kNoPage, 1}}));
        QVERIFY(dialogs.messages.empty());
    }

    void exportWritesIntoTheChosenFolderAndSaysSo() {
        ProgramFolder folder;
        QTemporaryDir target;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens, nullptr);  // the program's own check
        form->Start({SaveExample(folder)});
        QVERIFY(dialogs.messages.empty());

        UnexpectedDialogs unexpected;
        unexpected.Watch();
        dialogs.folders.push_back(target.path().toStdString());
        QTest::mouseClick(Find<QToolButton>(*form, "fbExsport"), Qt::LeftButton);
        QCOMPARE(unexpected.titles, QStringList());
        QCOMPARE(dialogs.folderTitles, std::vector<std::string>{"Кварзен 2015"});
        QCOMPARE(dialogs.folderPreselected, std::vector<std::string>{""});

        const QStringList written = QDir(target.path()).entryList(QDir::Files);
        QCOMPARE(written.size(), 1);
        QVERIFY(written[0].startsWith(QStringLiteral("NO_NDFL3_")));
        QVERIFY(written[0].endsWith(QStringLiteral(".xml")));
        QCOMPARE(dialogs.Texts(), std::vector<std::string>{"Сформирован файл " + target.path().toStdString() + "/ " +
                                                           written[0].toStdString()});
        QCOMPARE(dialogs.messages[0].icon, MessageIcon::Information);
        QVERIFY(form->centralWidget()->isEnabled());
        QVERIFY(form->menuBar()->isEnabled());

        // The folder chosen last is offered again; cancelling exports nothing.
        dialogs.folders.push_back(std::nullopt);
        Find<QAction>(*form, "miExport")->trigger();
        QCOMPARE(dialogs.folderPreselected.back(), target.path().toStdString());
        QCOMPARE(QDir(target.path()).entryList(QDir::Files).size(), 1);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QVERIFY(form->centralWidget()->isEnabled());
    }

    void exportToAFolderThatCannotBeWrittenAsksForAnother() {
        ProgramFolder folder;
        QTemporaryDir target;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        // The folder is gone by the time the file would be written.
        dialogs.folders.push_back(target.path().toStdString() + "/removed");
        Find<QAction>(*form, "miExport")->trigger();
        QCOMPARE(dialogs.Texts(),
                 std::vector<std::string>{"Не удалось сохранить файл в указанный каталог. Выберите другой каталог или "
                                          "запускайте программу с правами администратора."});
        QVERIFY(QDir(target.path()).entryList(QDir::Files).isEmpty());
    }

    void exportStopsAtAFindingBeforeTheFolderDialog() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens, [](mTDeclaration&) { return Finding(2, 1); });
        form->Start({});
        Find<QAction>(*form, "miExport")->trigger();
        QVERIFY(dialogs.folderTitles.empty());
        QCOMPARE(Shown(*form)->ShownSection(), Section::Taxpayer);
        QVERIFY(dialogs.messages.empty());
    }

    void printAndPreviewWithoutThePrintModuleSayWhatToInstall() {
        ProgramFolder folder;  // holds no print module
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        QTest::mouseClick(Find<QToolButton>(*form, "fbPrint"), Qt::LeftButton);
        QTest::mouseClick(Find<QToolButton>(*form, "fbView"), Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), std::size_t(2));
        for (const auto& message : dialogs.messages) {
            QVERIFY(message.text.starts_with("Не найден модуль печати. "));
            QVERIFY(message.text.find("fonts-liberation2") != std::string::npos);
            QCOMPARE(message.caption, std::string("Кварзен 2015"));
        }
        QVERIFY(form->centralWidget()->isEnabled());
        QCOMPARE(screens.stores, 2);  // the screen is stored before each check
    }

private:
    SettingsSandbox Settings_;
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::FormMainCheckExportTest)
#include "form_main_check_export_test.moc"
