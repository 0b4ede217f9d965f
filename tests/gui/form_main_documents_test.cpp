// The document commands of the main window: the title, the extension rule and the
// file dialogs, with the dialogs scripted and with the real ones.
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTreeView>
#include <QWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>

#include "app/ui/help_window.h"
#include "app/ui/russian_translation.h"
#include "form_main_fixture.h"

namespace kvz::test {

namespace {

bool Exists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

QByteArray ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

void Trigger(TFormMain& form, const char* action) { Find<QAction>(form, action)->trigger(); }

}  // namespace

class FormMainDocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstallRussianTranslation(*QCoreApplication::instance())); }

    void titleAndExtensionFollowSaveAndSaveAs() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        QCOMPARE(form->windowTitle(), QStringLiteral("Без имени - Кварзен 2015"));

        // Save as keeps the name as given.
        const std::string old = folder.Path() + "old.qz4";
        dialogs.saveFiles.push_back(old);
        Trigger(*form, "miSaveAs");
        QVERIFY(Exists(old));
        QCOMPARE(form->windowTitle(), QStringLiteral("old.qz4 - Кварзен 2015"));
        QCOMPARE(dialogs.saveOptions.back().defaultExtension, std::string("qz5"));
        QCOMPARE(dialogs.saveOptions.back().filters,
                 (std::vector<FileFilter>{{"Кварзен 2015 *.qz5", "*.qz5"}}));

        // A plain save writes this year's extension without asking.
        QTest::mouseClick(Find<QToolButton>(*form, "fbSave"), Qt::LeftButton);
        QVERIFY(Exists(folder.Path() + "old.qz5"));
        QCOMPARE(form->windowTitle(), QStringLiteral("old.qz5 - Кварзен 2015"));
        QCOMPARE(dialogs.saveOptions.size(), std::size_t(1));
        QVERIFY(form->Controller().Unchanged());
        QVERIFY(dialogs.messages.empty());
    }

    void openingOldYearAndCancellingOpen() {
        ProgramFolder folder;
        const std::string old = folder.Path() + "Иванов.qz4";
        {
            mTDeclaration declaration;
            declaration.SetIncomeKinds(kIncomeRussian);
            declaration.SaveToFile(old);
        }
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});

        dialogs.openFiles.push_back(old);
        QTest::mouseClick(Find<QToolButton>(*form, "fbOpen"), Qt::LeftButton);
        QCOMPARE(form->windowTitle(), QStringLiteral("Иванов.qz4 - Кварзен 2015"));
        const FileDialogOptions& open = dialogs.openOptions.back();
        QCOMPARE(open.defaultExtension, std::string("qz5"));
        QCOMPARE(open.filters.size(), std::size_t(12));
        QCOMPARE(open.filters.front(), (FileFilter{"Кварзен 2015", "*.qz5"}));
        QCOMPARE(open.filters.back(), (FileFilter{"Кварзен 200*", "*.qzl"}));

        // The conditions screen is shown again, and the old-year file is not touched by save.
        QCOMPARE(Shown(*form)->ShownSection(), Section::Conditions);
        Trigger(*form, "miSave");
        QVERIFY(Exists(folder.Path() + "Иванов.qz5"));

        // A cancelled open keeps the document that is open.
        dialogs.openFiles.push_back("");
        Trigger(*form, "miOpen");
        QCOMPARE(form->windowTitle(), QStringLiteral("Иванов.qz5 - Кварзен 2015"));
        QCOMPARE(form->Controller().DocumentPath(), folder.Path() + "Иванов.qz5");
        QVERIFY(dialogs.messages.empty());
    }

    void damagedDocumentIsReportedWithTheProgramsCaption() {
        ProgramFolder folder;
        const std::string path = folder.Path() + "broken.qz5";
        {
            QFile file(QString::fromStdString(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a declaration at all, only some text in a file");
        }
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({path});
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].caption, std::string("Кварзен 2015"));
        QCOMPARE(dialogs.messages[0].icon, MessageIcon::Error);
        QCOMPARE(form->windowTitle(), QStringLiteral("Без имени - Кварзен 2015"));
        QCOMPARE(Shown(*form)->ShownSection(), Section::Conditions);
    }

    void qtSaveDialogSpeaksRussianAddsTheExtensionAndRefusesAMissingFolder() {
        QTemporaryDir target;
        const QString existing = target.filePath(QStringLiteral("decl.qz5"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        QWidget owner;
        QtWindowDialogs dialogs(&owner);
        QStringList filters, buttons;
        bool confirmOverwrite = true, stayedOpen = false;
        QString suffix, refusal;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr) return modal->close();
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
            confirmOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) buttons << button->text();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name == nullptr) return modal->close();
            // A folder that does not exist is refused and the dialog stays.
            name->setText(target.filePath(QStringLiteral("nonexist/x.qz5")));
            OnNextModal([&](QWidget* box) {
                if (auto* message = qobject_cast<QMessageBox*>(box)) refusal = message->text();
                box->close();
            });
            static_cast<QDialog*>(dialog)->accept();
            stayedOpen = dialog->isVisible();
            // Typed by the user without the extension.
            name->setText(target.filePath(QStringLiteral("decl")));
            static_cast<QDialog*>(dialog)->accept();
            return true;
        });
        const std::string chosen = dialogs.AskSaveFile({{{"Кварзен 2015 *.qz5", "*.qz5"}}, "qz5"});
        QCOMPARE(QString::fromStdString(chosen), existing);
        QCOMPARE(filters, QStringList{QStringLiteral("Кварзен 2015 (*.qz5)")});
        QCOMPARE(suffix, QStringLiteral("qz5"));
        // The question before replacing is the command's, not the dialog's.
        QVERIFY(!confirmOverwrite);
        QVERIFY2(buttons.contains(QStringLiteral("Отмена")), qPrintable(buttons.join(QLatin1Char('|'))));
        QVERIFY(stayedOpen);
        QVERIFY2(refusal.contains(QStringLiteral("nonexist")) && refusal.contains(QStringLiteral("не существует")),
                 qPrintable(refusal));
    }

    void saveAsOverAnotherFileAsksAndNoKeepsIt() {
        ProgramFolder folder;
        const std::string other = folder.Path() + "другая.qz5";
        {
            mTDeclaration declaration;
            declaration.Person.Surname = "Сидоров";
            declaration.SaveToFile(other);
        }
        const QByteArray before = ReadAll(other);
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});

        dialogs.saveFiles.push_back(other);
        dialogs.answers.push_back(MessageAnswer::No);
        Trigger(*form, "miSaveAs");
        QCOMPARE(ReadAll(other), before);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].text, "Файл " + other + " уже существует. Заменить его?");
        QCOMPARE(dialogs.messages[0].caption, std::string(kProgramTitle));
        QVERIFY(dialogs.messages[0].buttons == MessageButtons::YesNo);
        QCOMPARE(form->windowTitle(), QStringLiteral("Без имени - Кварзен 2015"));

        // "Да" replaces it; saving the open document again asks nothing.
        dialogs.saveFiles.push_back(other);
        dialogs.answers.push_back(MessageAnswer::Yes);
        Trigger(*form, "miSaveAs");
        QVERIFY(ReadAll(other) != before);
        QCOMPARE(form->windowTitle(), QStringLiteral("другая.qz5 - Кварзен 2015"));
        dialogs.saveFiles.push_back(other);
        Trigger(*form, "miSaveAs");
        QCOMPARE(dialogs.messages.size(), std::size_t(2));
    }

    void qtOpenDialogListsEveryYear() {
        QWidget owner;
        QtWindowDialogs dialogs(&owner);
        QStringList filters;
        OnNextModal([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) filters = dialog->nameFilters();
            modal->close();
        });
        QCOMPARE(dialogs.AskOpenFile({{{"Кварзен 2015", "*.qz5"}, {"Кварзен 2014", "*.qz4"}}, "qz5"}), std::string());
        QCOMPARE(filters, (QStringList{QStringLiteral("Кварзен 2015 (*.qz5)"), QStringLiteral("Кварзен 2014 (*.qz4)")}));
    }

    // The save dialog starts at the document, its name filled in, and lists the
    // folder in Russian: no "Folder", "KiB" or English month in any column.
    void qtSaveDialogStartsAtTheDocumentInRussian() {
        QTemporaryDir target;
        QDir(target.path()).mkdir(QStringLiteral("Архив"));
        QFile document(target.filePath(QStringLiteral("2015.qz5")));
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.write(QByteArray(3000, 'x'));
        document.close();
        QWidget owner;
        QtWindowDialogs dialogs(&owner);
        QString shownFolder, typedName;
        QStringList texts;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr) {
                modal->close();
                return;
            }
            shownFolder = dialog->directory().absolutePath();
            typedName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
            QAbstractItemModel* model = view->model();
            // The folder is read in the background.
            QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(view->rootIndex()), 2, 5000);
            for (int row = 0; row < 2; ++row)
                for (int column = 0; column < 4; ++column)
                    texts << model->index(row, column, view->rootIndex()).data().toString();
            modal->close();
        });
        QCOMPARE(dialogs.AskSaveFile({{{"Кварзен 2015", "*.qz5"}}, "qz5", target.filePath(QStringLiteral("2015.qz5")).toStdString()}),
                 std::string());
        QCOMPARE(shownFolder, QDir(target.path()).absolutePath());
        QCOMPARE(typedName, QStringLiteral("2015.qz5"));
        QVERIFY2(texts.contains(QStringLiteral("Папка")), qPrintable(texts.join(u'|')));
        for (const QString& text : texts) {
            QVERIFY2(!text.contains(QStringLiteral("Folder")) && !text.contains(QStringLiteral("iB")) &&
                         !text.contains(QRegularExpression(QStringLiteral("[A-Z][a-z]{2}"))),
                     qPrintable(text));
        }
        QVERIFY(texts.filter(QRegularExpression(QStringLiteral("^\\d{2}\\.\\d{2}\\.\\d{4} \\d{2}:\\d{2}$"))).size() == 2);
    }

    void qtFolderDialogPreselectsOnlyAnExistingFolder() {
        QTemporaryDir target;
        QWidget owner;
        QtWindowDialogs dialogs(&owner);
        QString title;
        QString shownFolder;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr) return modal->close();
            title = dialog->windowTitle();
            shownFolder = dialog->directory().absolutePath();
            static_cast<QDialog*>(dialog)->accept();
            return true;
        });
        const auto chosen = dialogs.AskFolder("Кварзен 2015", target.path().toStdString());
        QCOMPARE(title, QStringLiteral("Кварзен 2015"));
        QCOMPARE(shownFolder, QDir(target.path()).absolutePath());
        QVERIFY(chosen.has_value());
        QCOMPARE(QDir(QString::fromStdString(*chosen)).absolutePath(), QDir(target.path()).absolutePath());

        const std::string missing = target.path().toStdString() + "/no-such-folder";
        OnNextModal([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) shownFolder = dialog->directory().absolutePath();
            modal->close();
        });
        QVERIFY(!dialogs.AskFolder("Кварзен 2015", missing).has_value());
        QVERIFY(shownFolder != QString::fromStdString(missing));
    }

    void qtMessageBoxSpeaksRussianAndReportsTheButton() {
        QString caption;
        QStringList buttons;
        OnNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) return modal->close();
            caption = box->windowTitle();
            for (QAbstractButton* button : box->buttons()) buttons << button->text();
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == QStringLiteral("Нет")) button->click();
            }
            return true;
        });
        const MessageAnswer answer = ShowMessageBox(nullptr, QStringLiteral("Вы хотите сохранить декларацию?"),
                                                    QStringLiteral("Кварзен 2015"), MessageIcon::Question,
                                                    MessageButtons::YesNoCancel);
        QCOMPARE(answer, MessageAnswer::No);
        QCOMPARE(caption, QStringLiteral("Кварзен 2015"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет"), QStringLiteral("Отмена")}));

        // Closing the box without a button is Cancel.
        OnNextModal([](QWidget* modal) { modal->close(); });
        QCOMPARE(ShowMessageBox(nullptr, QStringLiteral("?"), QStringLiteral("Кварзен 2015"), MessageIcon::Question,
                                MessageButtons::YesNoCancel),
                 MessageAnswer::Cancel);
    }

    void qtDeletingQuestionKeepsTheDataOnEnterAndEscape() {
        QWidget owner;
        QtWindowDialogs dialogs(&owner);
        QString defaultText;
        const auto pressOnBox = [&](int key) {
            OnNextModal([&defaultText, key](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (box == nullptr) return modal->close();
                if (box->defaultButton() != nullptr) defaultText = box->defaultButton()->text();
                QTest::keyClick(box, static_cast<Qt::Key>(key));
                return true;
            });
        };
        pressOnBox(Qt::Key_Return);
        QVERIFY(!dialogs.AskYesNo("Удалить источник?"));
        QCOMPARE(defaultText, QStringLiteral("Нет"));
        pressOnBox(Qt::Key_Escape);
        QVERIFY(!dialogs.AskYesNo("Удалить источник?"));

        // "Да" is still one click away.
        OnNextModal([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) return modal->close();
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == QStringLiteral("Да")) button->click();
            }
            return true;
        });
        QVERIFY(dialogs.AskYesNo("Удалить источник?"));
    }

    // Help opens beside the window where there is room, else over the screen's right
    // part, leaving the window's left side in view; it never covers the screen.
    void helpOpensBesideTheWindow_data() {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("help");
        QTest::newRow("room on the right") << QRect(0, 0, 800, 700) << QRect(800, 0, 480, 800);
        QTest::newRow("room on the left") << QRect(500, 50, 780, 700) << QRect(0, 0, 500, 800);
        QTest::newRow("more room on the right than the left") << QRect(430, 0, 400, 800) << QRect(830, 0, 450, 800);
        QTest::newRow("no room: a wide window") << QRect(90, 20, 1100, 760) << QRect(768, 0, 512, 800);
        QTest::newRow("no room: a maximised window") << QRect(0, 0, 1280, 800) << QRect(768, 0, 512, 800);
    }
    void helpOpensBesideTheWindow() {
        QFETCH(QRect, window);
        QFETCH(QRect, help);
        QCOMPARE(HelpPlace(QRect(0, 0, 1280, 800), window), help);
    }

    void helpOpensTheStartPageOrSaysItIsMissing() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        Trigger(*form, "miHelp");
        auto* browser = form->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
        QVERIFY(browser != nullptr);
        QVERIFY(browser->window()->isVisible());
        QVERIFY(!browser->window()->isMaximized());
        QCOMPARE(browser->source().fileName(), QStringLiteral("runprogramm.htm"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Проверка декларации")));
        QVERIFY(dialogs.messages.empty());
        // Escape closes it.
        QTest::keyClick(browser, Qt::Key_Escape);
        QVERIFY(!browser->window()->isVisible());

        // Asked for from a modal dialog, help belongs to that dialog and stands above
        // it; "Содержание" shows the contents, not the page it was opened at.
        QDialog modal(form.get());
        QWidget* helpWindow = nullptr;
        bool aboveTheDialog = false;
        QUrl contents;
        OnNextModal([&](QWidget* shown) {
            form->ShowHelp(folder.Path() + "help/EditSOUN.htm");
            auto* help = QApplication::activeModalWidget()->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
            if (help == nullptr) return shown->close();
            helpWindow = help->window();
            aboveTheDialog = helpWindow->isVisible() && helpWindow->windowHandle() != nullptr &&
                             helpWindow->windowHandle()->transientParent() == shown->windowHandle();
            for (QAction* action : helpWindow->findChildren<QAction*>())
                if (action->text() == QStringLiteral("Содержание")) action->trigger();
            contents = help->source();
            shown->close();
            return true;
        });
        modal.exec();
        QVERIFY(helpWindow != nullptr);
        QVERIFY(aboveTheDialog);
        QCOMPARE(contents.fileName(), QStringLiteral("runprogramm.htm"));

        ProgramFolder bare(false);
        DialogScript bareDialogs;
        auto withoutHelp = MakeForm(bare, bareDialogs, screens);
        withoutHelp->Start({});
        Trigger(*withoutHelp, "miHelp");
        QCOMPARE(bareDialogs.Texts(), std::vector<std::string>{"Не найден файл справки Kvrz2015.chm"});
        QCOMPARE(bareDialogs.messages[0].icon, MessageIcon::Error);
    }

private:
    SettingsSandbox Settings_;
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::FormMainDocumentsTest)
#include "form_main_documents_test.moc"
