// The two check dialogs: titles, messages, the answer of each button, the close box
// and the enabled state that carries over between showings.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "checks/ui/check_all_error_dialog.h"
#include "checks/ui/check_error_dialog.h"

namespace kvz::test {

namespace {

// Acts on the dialog once its modal loop runs.
void WhenShown(QDialog& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        if (!dialog.isVisible()) return;
        act();
    });
    // A dialog that the action leaves open would hold the test: close it.
    QTimer::singleShot(3000, &dialog, [&dialog] { dialog.close(); });
}

void Click(QDialog& dialog, const char* button) {
    dialog.findChild<QPushButton*>(QString::fromUtf8(button))->click();
}

}  // namespace

class CheckDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void startsAsAQuestionMarkTitledCheck() {
        TfmCheckError single;
        TfmCheckAllError all;
        for (TCheckDialogFrame* dialog : {static_cast<TCheckDialogFrame*>(&single),
                                          static_cast<TCheckDialogFrame*>(&all)}) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Проверка"));
            QCOMPARE(dialog->MessageText(), QStringLiteral("?"));
        }
        QStringList buttons;
        for (QPushButton* b : single.findChildren<QPushButton*>()) buttons << b->text();
        QCOMPARE(buttons, (QStringList{QStringLiteral("Исправить"), QStringLiteral("Пропустить"),
                                       QStringLiteral("Пропустить все")}));
        buttons.clear();
        for (QPushButton* b : all.findChildren<QPushButton*>()) buttons << b->text();
        QCOMPARE(buttons, (QStringList{QStringLiteral("Исправить"), QStringLiteral("Отмена")}));
    }

    void sectionCaptionMakesTheTitle() {
        TfmCheckError dialog;
        dialog.SetCheckSection("Доходы, облагаемые по ставке 13%");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Проверка: Доходы, облагаемые по ставке 13%"));
        dialog.SetCheckMessage("Не указан ИНН источника выплаты");
        QCOMPARE(dialog.MessageText(), QStringLiteral("Не указан ИНН источника выплаты"));
    }

    void eachButtonGivesItsAnswer() {
        const struct {
            const char* button;
            int answer;
        } single[] = {{"btnFix", 6}, {"btnSkip", 7}, {"btnSkipAll", 9}};
        TfmCheckError dialog;
        for (const auto& c : single) {
            WhenShown(dialog, [&] { Click(dialog, c.button); });
            QCOMPARE(dialog.Ask("Сведения о декларанте", "Не указана фамилия", {}), c.answer);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Проверка: Сведения о декларанте"));
        }

        TfmCheckAllError all;
        WhenShown(all, [&] { Click(all, "btnFix"); });
        QCOMPARE(all.Ask("Задание условий", "Не введен номер инспекции"), 6);
        WhenShown(all, [&] { Click(all, "btnCancel"); });
        QCOMPARE(all.Ask("Задание условий", "Не введен номер инспекции"), 7);
    }

    void closingTheWindowIsNeitherFixNorSkip() {
        TfmCheckError single;
        WhenShown(single, [&] { single.close(); });
        QCOMPARE(single.Ask("Вычеты", "?", {}), 2);
        WhenShown(single, [&] { QTest::keyClick(&single, Qt::Key_Escape); });
        QCOMPARE(single.Ask("Вычеты", "?", {}), 2);

        TfmCheckAllError all;
        WhenShown(all, [&] { all.close(); });
        QCOMPARE(all.Ask("Вычеты", "?"), 2);
    }

    void disabledButtonsStayDisabledUntilChanged() {
        TfmCheckError dialog;
        bool skipEnabled = true;
        bool skipAllEnabled = true;
        WhenShown(dialog, [&] {
            skipEnabled = dialog.findChild<QPushButton*>(QStringLiteral("btnSkip"))->isEnabled();
            skipAllEnabled = dialog.findChild<QPushButton*>(QStringLiteral("btnSkipAll"))->isEnabled();
            // A disabled button does not answer.
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnSkipAll")), Qt::LeftButton);
            if (dialog.isVisible()) Click(dialog, "btnFix");
        });
        QCOMPARE(dialog.Ask("Задание условий", "Не указаны ФИО подписанта-представителя", {true, false}), 6);
        QVERIFY(skipEnabled);
        QVERIFY(!skipAllEnabled);

        // Set through the dialog itself, the state carries over to the next showing.
        dialog.SetSkipEnabled(false);
        WhenShown(dialog, [&] {
            skipEnabled = dialog.findChild<QPushButton*>(QStringLiteral("btnSkip"))->isEnabled();
            Click(dialog, "btnFix");
        });
        dialog.exec();
        QVERIFY(!skipEnabled);
    }

    void longMessagesAreWrappedNotCut() {
        TfmCheckError dialog;
        dialog.SetCheckMessage("Короткое сообщение");
        const QSize small = dialog.size();
        std::string words;
        for (int i = 0; i < 60; ++i) words += "слово ";
        dialog.SetCheckMessage(words);
        QVERIFY(dialog.size().height() > small.height());
        QCOMPARE(dialog.size().width(), small.width());
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());  // not resizable
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblMessage"));
        QVERIFY(label->wordWrap());
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
    }
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::CheckDialogsTest)
#include "check_dialogs_test.moc"
