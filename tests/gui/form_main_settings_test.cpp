// The toolbar switches and the window's place, kept in the program's settings; the
// keyboard's way to the commands; the about box.
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QToolBar>
#include <QToolButton>

#include "app/ui/about_box.h"
#include "export/ndfl3_document.h"

#include "form_main_fixture.h"

namespace kvz::test {

namespace {

const char* const kCommandButtons[] = {"fbCreate", "fbOpen", "fbSave", "fbView", "fbPrint", "fbExsport", "fbCheck"};

}  // namespace

class FormMainSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }

    void withoutStoredSettingsToolbarAndLabelsAreOn() {
        QCOMPARE(ReadToolbarSettings(), (ToolbarSettings{true, true}));
        auto form = NewForm();
        QVERIFY(Find<QAction>(*form, "miShowStdToolbar")->isChecked());
        QVERIFY(Find<QAction>(*form, "miTextLabels")->isChecked());
        auto* bar = Find<QToolBar>(*form, "CoolBarButtons");
        QVERIFY(bar->isVisibleTo(form.get()));
        QCOMPARE(bar->minimumHeight(), 50);
        const char* const labels[] = {"Создать", "Открыть", "Сохранить", "Просмотр", "Печать", "Файл xml", "Проверить"};
        for (int i = 0; i < 7; ++i) {
            auto* button = Find<QToolButton>(*form, kCommandButtons[i]);
            QVERIFY2(button != nullptr, kCommandButtons[i]);
            QCOMPARE(button->text(), QString::fromUtf8(labels[i]));
            QCOMPARE(button->size(), QSize(80, 47));
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            QVERIFY(!button->toolTip().isEmpty());
            // Tab goes through the screen's fields; the commands have the menu's keys.
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        }
    }

    void everyMenuAndCommandHasItsAltLetter() {
        auto form = NewForm();
        QSet<QChar> menuLetters;
        for (QAction* menu : form->menuBar()->actions()) {
            const QString title = menu->text();
            QVERIFY2(title.count(QLatin1Char('&')) == 1, qPrintable(title));
            menuLetters.insert(title.at(title.indexOf(QLatin1Char('&')) + 1).toLower());
            QSet<QChar> itemLetters;
            int items = 0;
            for (QAction* item : menu->menu()->actions()) {
                if (item->isSeparator()) continue;
                const QString text = item->text();
                QVERIFY2(text.count(QLatin1Char('&')) == 1, qPrintable(text));
                itemLetters.insert(text.at(text.indexOf(QLatin1Char('&')) + 1).toLower());
                ++items;
            }
            QCOMPARE(itemLetters.size(), items);
        }
        QCOMPARE(menuLetters.size(), form->menuBar()->actions().size());
    }

    void aboutBoxShowsTheVersionTheFilesCarry() {
        TfmAbout about;
        const QString text = about.findChild<QLabel*>(QStringLiteral("lblAbout"))->text();
        QVERIFY2(text.contains(QStringLiteral("Версия ") + QString::fromUtf8(kProgramVersion)), qPrintable(text));
        QCOMPARE(std::string(kNdfl3ProgramVersion), std::string("Kvrz2015_") + kProgramVersion);
    }

    void storedSettingsApplyAtStart() {
        {
            QSettings settings = TestSettings();
            settings.setValue(QStringLiteral("TextLabels"), false);
            settings.setValue(QStringLiteral("ShowStdToolbar"), false);
        }
        auto form = NewForm();
        QVERIFY(!Find<QAction>(*form, "miShowStdToolbar")->isChecked());
        QVERIFY(!Find<QAction>(*form, "miTextLabels")->isChecked());
        auto* bar = Find<QToolBar>(*form, "CoolBarButtons");
        QVERIFY(!bar->isVisibleTo(form.get()));
        QCOMPARE(bar->minimumHeight(), 38);
        for (const char* name : kCommandButtons) {
            auto* button = Find<QToolButton>(*form, name);
            QCOMPARE(button->size(), QSize(35, 35));
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        }
    }

    void checkItemsWriteAndApplyAtOnce() {
        auto form = NewForm();
        Find<QAction>(*form, "miTextLabels")->trigger();
        QCOMPARE(TestSettings().value(QStringLiteral("TextLabels")).toBool(), false);
        QCOMPARE(Find<QToolButton>(*form, "fbSave")->size(), QSize(35, 35));
        QCOMPARE(Find<QToolBar>(*form, "CoolBarButtons")->minimumHeight(), 38);

        Find<QAction>(*form, "miShowStdToolbar")->trigger();
        QCOMPARE(TestSettings().value(QStringLiteral("ShowStdToolbar")).toBool(), false);
        QVERIFY(!Find<QToolBar>(*form, "CoolBarButtons")->isVisibleTo(form.get()));

        Find<QAction>(*form, "miTextLabels")->trigger();
        Find<QAction>(*form, "miShowStdToolbar")->trigger();
        QCOMPARE(ReadToolbarSettings(), (ToolbarSettings{true, true}));
        QCOMPARE(Find<QToolButton>(*form, "fbSave")->size(), QSize(80, 47));
        QVERIFY(Find<QToolBar>(*form, "CoolBarButtons")->isVisibleTo(form.get()));

        // The next window starts as this one was left.
        Find<QAction>(*form, "miTextLabels")->trigger();
        form.reset();
        QCOMPARE(Find<QToolButton>(*NewForm(), "fbOpen")->size(), QSize(35, 35));
    }

    void closingStoresThePlaceAndTheNextWindowTakesIt() {
        QVERIFY(!ReadWindowGeometry().has_value());
        {
            auto form = NewForm();
            form->show();
            form->move(40, 30);
            form->resize(900, 640);
            QVERIFY(form->close());
        }
        const std::optional<WindowGeometry> stored = ReadWindowGeometry();
        QVERIFY(stored.has_value());
        QCOMPARE(stored->fullScreen, false);
        QCOMPARE(stored->width, 900);
        QCOMPARE(stored->height, 640);

        auto next = NewForm();
        next->ShowAtStoredPlace();
        QCOMPARE(next->size(), QSize(900, 640));
        QCOMPARE(next->pos(), QPoint(stored->left, stored->top));
        QVERIFY(next->close());
    }

    void aRefusedCloseStoresNothing() {
        auto form = NewForm();
        form->show();
        // A change the user does not want to lose, and "Отмена" to the save offer.
        form->Controller().DocumentModified();
        Dialogs_.answers.push_back(MessageAnswer::Cancel);
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QVERIFY(!ReadWindowGeometry().has_value());
        QCOMPARE(Dialogs_.Texts(), std::vector<std::string>{"Вы хотите сохранить декларацию?"});
        Dialogs_.answers.push_back(MessageAnswer::No);
        QVERIFY(form->close());
    }

private:
    std::unique_ptr<TFormMain> NewForm() {
        Dialogs_ = DialogScript();
        auto form = MakeForm(Folder_, Dialogs_, Screens_);
        form->Start({});
        return form;
    }

    SettingsSandbox Settings_;
    ProgramFolder Folder_;
    DialogScript Dialogs_;
    ScreenScript Screens_;
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::FormMainSettingsTest)
#include "form_main_settings_test.moc"
