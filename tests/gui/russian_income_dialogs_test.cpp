// The dialogs of the Russian income screens: the income and deduction fields with
// the dictionary's rules, the month, the sources' requisites and amounts, what is
// stored on "Да" and that nothing is on "Нет" or Escape.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "gui_typing.h"
#include "model/declaration.h"
#include "model/income_dictionary.h"
#include "screen_test_support.h"
#include "screens/income_deduction_fields.h"
#include "screens/masked_edit.h"
#include "screens/russian_income_dialogs.h"
#include "screens/thirteen_line_dialog.h"
#include "support/temp_dir.h"

using namespace kvz;
using namespace kvz::test;

namespace {

QString TextOf(QObject& dialog, const char* name) { return FindNamed<QLineEdit>(dialog, name)->text(); }
bool Enabled(QObject& dialog, const char* name) { return FindNamed<QWidget>(dialog, name)->isEnabled(); }

void Retype(QObject& dialog, const char* name, const QString& text) {
    auto* edit = FindNamed<TMaskedEdit>(dialog, name);
    edit->clear();
    TypeKeys(edit, text);
}

// Chooses `code` in the pick list that the button opens; returns the codes listed.
QStringList PickCode(QObject& dialog, const char* button, const QString& code) {
    auto listed = std::make_shared<QStringList>();
    OnNextModal([listed, code](QDialog* picker) {
        auto* list = FindNamed<QTreeWidget>(*picker, "lvPickList");
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            listed->append(list->topLevelItem(row)->text(0));
            if (list->topLevelItem(row)->text(0) == code) list->setCurrentItem(list->topLevelItem(row));
        }
        picker->accept();
    });
    FindNamed<QPushButton>(dialog, button)->click();
    return *listed;
}

void FillRequisites(QDialog& dialog) {
    TypeKeys(FindNamed<TMaskedEdit>(dialog, "SourceName"), QStringLiteral("ООО Ромашка"));
    Retype(dialog, "Inn", "7707083893");
    Retype(dialog, "Kpp", "773601001");
    Retype(dialog, "Oktmo", "45382000");
}

// Answers the question that leaving an edited dialog asks with the button of that
// text; what was asked ("caption: text") stays empty when no question came.
std::shared_ptr<QString> AnswerQuestion(const QString& button, int triesLeft = 200) {
    auto asked = std::make_shared<QString>();
    OnNextModal(
        [asked, button](QDialog* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) return;
            *asked = box->windowTitle() + QStringLiteral(": ") + box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == button) return b->click();
        },
        triesLeft);
    return asked;
}

std::string Bytes(mTDeclaration& d) {
    TempDir dir;
    d.SaveToFile(dir.File("d.qz5"));
    return ReadFileText(dir.File("d.qz5"));
}

Money M(const char* text) { return MoneyFromText(text); }

}  // namespace

class RussianIncomeDialogsTest : public QObject {
    Q_OBJECT
private slots:
    // Resident line dialog: the income list of the 13 % group, the deduction states
    // and amounts of real codes, and another income clearing what went with the last.
    void residentLineFollowsTheDictionary() {
        TThirteenLineDialog dialog({"TfmInput13Income", true, ThirteenLineDialog::Common}, mTSourseIncome{}, nullptr,
                                   nullptr);
        dialog.show();
        QVERIFY(!Enabled(dialog, "IncomeAmount") && !Enabled(dialog, "fbDeductionCode") && !Enabled(dialog, "Month"));
        // The 13 % incomes of the dictionary only; every income for a non-resident.
        QCOMPARE(PickCode(dialog, "fbIncomeCode", "2201").size(),
                 static_cast<qsizetype>(IncomeDictionary::LoadEmbedded().IncomesFor("13", false).size()));
        QCOMPARE(TextOf(dialog, "IncomeCode"), QString("2201"));
        QVERIFY(Enabled(dialog, "IncomeAmount") && Enabled(dialog, "fbDeductionCode") && Enabled(dialog, "Month"));
        QVERIFY(!Enabled(dialog, "DeductionAmount"));
        QCOMPARE(PickCode(dialog, "fbDeductionCode", "405"), (QStringList{"404", "405", "0"}));
        TypeKeys(FindNamed<TMaskedEdit>(dialog, "IncomeAmount"), "1234,56");
        QCOMPARE(TextOf(dialog, "DeductionAmount"), QString("246,91"));
        QVERIFY(!Enabled(dialog, "DeductionAmount"));
        TypeKeys(FindNamed<TMaskedEdit>(dialog, "Month"), "3");
        mTSourseIncome line = dialog.Line();
        QCOMPARE(line.IncomeCode, 2201);
        QCOMPARE(line.DeductionCode, 405);
        QCOMPARE(line.DeductionRate, 20);
        QCOMPARE(line.DeductionAmount, M("246.91"));
        QCOMPARE(line.Month, uint16_t(3));
        QVERIFY(!line.IncomeName.empty());

        // The entry that grants no deduction hides the amount.
        dialog.Fields()->ChooseDeduction("0");
        QVERIFY(!FindNamed<QWidget>(dialog, "DeductionAmount")->isVisible());
        QCOMPARE(dialog.Line().DeductionAmount, Money());
        QCOMPARE(dialog.Line().DeductionRate, 0);

        dialog.Fields()->ChooseIncome("2300");
        QCOMPARE(TextOf(dialog, "IncomeAmount"), QString());
        QCOMPARE(TextOf(dialog, "DeductionCode"), QString());
        QVERIFY(!Enabled(dialog, "fbDeductionCode") && !Enabled(dialog, "DeductionAmount"));
        QVERIFY(FindNamed<QWidget>(dialog, "DeductionAmount")->isVisible());
        QCOMPARE(dialog.Line().DeductionCode, 0);

        // Equal to the income up to a ceiling, computed: not editable.
        dialog.Fields()->ChooseIncome("1510");
        dialog.Fields()->ChooseDeduction("901");
        TypeKeys(FindNamed<TMaskedEdit>(dialog, "IncomeAmount"), "1500000");
        QCOMPARE(TextOf(dialog, "DeductionAmount"), QString("1000000"));
        QVERIFY(!Enabled(dialog, "DeductionAmount"));

        // Typed, without a ceiling.
        dialog.Fields()->ChooseIncome("2762");
        dialog.Fields()->ChooseDeduction("508");
        QVERIFY(Enabled(dialog, "DeductionAmount"));
        TypeKeys(FindNamed<TMaskedEdit>(dialog, "IncomeAmount"), "9000");
        QCOMPARE(TextOf(dialog, "DeductionAmount"), QString());
        TypeKeys(FindNamed<TMaskedEdit>(dialog, "DeductionAmount"), "25000");
        QCOMPARE(dialog.Line().DeductionAmount, M("25000"));
    }

    void ceilingOnTheIncomeAndOnTyping() {
        TThirteenLineDialog dialog({"TfmInput13Income", true, ThirteenLineDialog::Common}, mTSourseIncome{}, nullptr,
                                   nullptr);
        dialog.Fields()->ChooseIncome("1211");
        dialog.Fields()->ChooseDeduction("510");
        TypeKeys(FindNamed<TMaskedEdit>(dialog, "IncomeAmount"), "15000");
        QCOMPARE(TextOf(dialog, "DeductionAmount"), QString("12000"));
        QVERIFY(Enabled(dialog, "DeductionAmount"));
        Retype(dialog, "DeductionAmount", "13000");
        QCOMPARE(TextOf(dialog, "DeductionAmount"), QString("12000"));
        Retype(dialog, "DeductionAmount", "11999,99");
        QCOMPARE(dialog.Line().DeductionAmount, M("11999.99"));
    }

    // Non-resident: every income, no month, deductions only for the incomes listed.
    void nonResidentLayout() {
        mTSourseIncome stored;
        stored.IncomeCode = 2000;
        stored.IncomeAmount = M("100");
        stored.Month = 5;
        TThirteenLineDialog dialog({"TfmInput13Income", false, ThirteenLineDialog::Common}, stored, nullptr, nullptr);
        QVERIFY(!Enabled(dialog, "Month"));
        QCOMPARE(TextOf(dialog, "Month"), QString());
        QCOMPARE(PickCode(dialog, "fbIncomeCode", "2201").size(),
                 static_cast<qsizetype>(IncomeDictionary::LoadEmbedded().IncomesFor("", false).size()));
        QVERIFY(!Enabled(dialog, "Month"));
        QVERIFY(!Enabled(dialog, "fbDeductionCode") && !Enabled(dialog, "DeductionAmount"));
        dialog.Fields()->ChooseIncome("2720");
        QCOMPARE(PickCode(dialog, "fbDeductionCode", "501"), (QStringList{"501", "0"}));
        TypeKeys(FindNamed<TMaskedEdit>(dialog, "IncomeAmount"), "6000");
        QCOMPARE(TextOf(dialog, "DeductionAmount"), QString("4000"));
        QCOMPARE(dialog.Line().Month, uint16_t(0));

        // The specialists' dialog offers a non-resident's deductions too.
        TThirteenLineDialog specialists({"TfmInput13NRIncome", false, ThirteenLineDialog::Specialists},
                                        mTSourseIncome{}, nullptr, nullptr);
        specialists.Fields()->ChooseIncome("1530");
        QCOMPARE(PickCode(specialists, "fbDeductionCode", "201"), (QStringList{"201", "0"}));
        QVERIFY(Enabled(specialists, "DeductionAmount"));
    }

    void monthIsKeptWithinTheYear() {
        mTSourseIncome stored;
        stored.IncomeCode = 2000;
        TThirteenLineDialog dialog({"TfmInput13Income", true, ThirteenLineDialog::Common}, stored, nullptr, nullptr);
        auto* month = FindNamed<TMaskedEdit>(dialog, "Month");
        QCOMPARE(dialog.Line().Month, uint16_t(1));  // empty reads as 1
        TypeKeys(month, "13");
        QCOMPARE(month->text(), QString("12"));
        Retype(dialog, "Month", "05");
        QCOMPARE(dialog.Line().Month, uint16_t(5));
        Retype(dialog, "Month", "0");
        emit month->editingFinished();
        QCOMPARE(month->text(), QString("1"));
    }

    // "Да" on an empty line: the income list opens; the dialog stays until it passes.
    void acceptanceOpensWhatTheCheckNames() {
        ScriptedCheckDialog checks({kCheckAnswerFix});
        ScreenResources resources;
        resources.checkDialog = &checks;
        mTSourseIncome line;
        line.Month = 7;
        bool pickerOpened = false;
        OnNextModal([&](QDialog* dialog) {
            OnNextModal([&](QDialog* picker) {
                pickerOpened = picker->findChild<QTreeWidget*>("lvPickList") != nullptr;
                picker->reject();
            });
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
            QVERIFY(dialog->isVisible());
            PickCode(*dialog, "fbIncomeCode", "2000");
            auto* amount = FindNamed<TMaskedEdit>(*dialog, "IncomeAmount");
            QApplication::setActiveWindow(dialog);
            amount->setFocus();
            TypeKeys(amount, "50000");
            // Enter must reach "Да", not the "..." button that had the focus last.
            if (!FindNamed<QPushButton>(*dialog, "fbYes")->isDefault()) return dialog->reject();
            QTest::keyClick(amount, Qt::Key_Return);
        });
        QVERIFY(EditThirteenLine(line, true, resources, nullptr));
        QVERIFY(pickerOpened);
        QCOMPARE(checks.Texts(), std::vector<std::string>{"Не выбран доход"});
        QCOMPARE(line.IncomeCode, 2000);
        QCOMPARE(line.IncomeAmount, M("50000"));
        QCOMPARE(line.Month, uint16_t(7));
    }

    void tabOrderFollowsTheLayout() {
        mTSourseIncome stored;
        stored.IncomeCode = 2762;
        stored.DeductionCode = 508;
        TThirteenLineDialog dialog({"TfmInput13Income", true, ThirteenLineDialog::Common}, stored, nullptr, nullptr);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        FindNamed<QWidget>(dialog, "fbIncomeCode")->setFocus();
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // A code panel is a stop of its own: a code can be typed into it.
        QCOMPARE(order, (QStringList{"fbIncomeCode", "IncomeAmount", "DeductionCode", "fbDeductionCode",
                                     "DeductionAmount", "Month", "fbYes", "fbNo"}));
    }

    // Blank names create nothing and change nothing; the standard deductions box is
    // a resident's only; a failed requisite keeps the dialog open at that field.
    void thirteenSource() {
        ScriptedCheckDialog checks;
        ScreenResources resources;
        resources.checkDialog = &checks;
        mTThirteenPercent fresh;
        OnNextModal([](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QString("TfmInput13SourseIncome"));
            FindNamed<QCheckBox>(*dialog, "StandardDeductionsHere")->setChecked(true);
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
        });
        QVERIFY(!EditThirteenSource(fresh, true, resources, nullptr));
        QVERIFY(fresh == mTThirteenPercent{});
        QCOMPARE(checks.Texts().front(), std::string("Не заполненно поле \"Наименование источника выплаты\""));

        mTThirteenPercent source;
        source.SourceName = "Прежний";
        source.StandardDeductionsHere = true;
        OnNextModal([](QDialog* dialog) {
            QVERIFY(dialog->findChild<QCheckBox*>("StandardDeductionsHere") == nullptr);
            FindNamed<TMaskedEdit>(*dialog, "SourceName")->clear();
            Retype(*dialog, "Inn", "500100732259");
            Retype(*dialog, "Oktmo", "45382000");
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
        });
        const mTThirteenPercent before = source;
        QVERIFY(!EditThirteenSource(source, false, resources, nullptr));
        QVERIFY(source == before);  // neither the name nor what was typed beside it

        ScriptedCheckDialog fix({kCheckAnswerFix});
        resources.checkDialog = &fix;
        OnNextModal([](QDialog* dialog) {
            FillRequisites(*dialog);
            Retype(*dialog, "Inn", "7707083894");
            QApplication::setActiveWindow(dialog);
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(QApplication::focusWidget(), FindNamed<QWidget>(*dialog, "Inn"));
            AnswerQuestion(QStringLiteral("Нет"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!EditThirteenSource(source, true, resources, nullptr));
        QCOMPARE(fix.Texts(), std::vector<std::string>{"Номер ИНН введен неверно"});
        QCOMPARE(fix.Messages[0].caption, std::string("Доходы, облагаемые по ставке 13%"));
    }

    // The taxable amount is stored as typed and the tax as shown, so that the
    // source opens again with the same numbers.
    void nineSourceKeepsWhatWasTyped() {
        ScriptedCheckDialog checks;
        ScreenResources resources;
        resources.checkDialog = &checks;
        mTThirtyPercent source;
        OnNextModal([](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QString("TfmInput9SourseIncome"));
            FillRequisites(*dialog);
            TypeKeys(FindNamed<TMaskedEdit>(*dialog, "IncomeTotal"), "2000");
            QCOMPARE(TextOf(*dialog, "TaxComputed"), QString("180"));  // of the income while nothing is typed
            TypeKeys(FindNamed<TMaskedEdit>(*dialog, "TaxableAmount"), "1234,50");
            QCOMPARE(TextOf(*dialog, "TaxComputed"), QString("111"));
            TypeKeys(FindNamed<TMaskedEdit>(*dialog, "TaxWithheld"), "100");
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
        });
        QVERIFY(EditNineSource(source, resources, nullptr));
        QVERIFY(checks.Messages.empty());
        QCOMPARE(source.IncomeCode, 1011);
        QCOMPARE(source.IncomeTotal, M("2000"));
        QCOMPARE(source.TaxableAmount, M("1234.5"));
        QCOMPARE(source.TaxComputed, M("111"));
        QCOMPARE(source.TaxWithheld, M("100"));

        OnNextModal([](QDialog* dialog) {
            QCOMPARE(TextOf(*dialog, "TaxableAmount"), QString("1234,5"));
            QCOMPARE(TextOf(*dialog, "TaxComputed"), QString("111"));
            FindNamed<TMaskedEdit>(*dialog, "TaxableAmount")->clear();
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
        });
        QVERIFY(EditNineSource(source, resources, nullptr));
        QCOMPARE(source.TaxableAmount, M("2000"));
        QCOMPARE(source.TaxComputed, M("180"));
    }

    void dividendComputedTaxNearThirteenPercent() {
        ScriptedCheckDialog checks({kCheckAnswerFix});
        ScreenResources resources;
        resources.checkDialog = &checks;
        mTThirtyPercent source;
        const auto fill = [](QDialog& dialog, const char* computed) {
            Retype(dialog, "IncomeTotal", "100000");
            Retype(dialog, "TaxableAmount", "100000");
            Retype(dialog, "TaxComputed", computed);
            Retype(dialog, "TaxWithheld", "13000");
        };
        OnNextModal([&](QDialog* dialog) {
            QApplication::setActiveWindow(dialog);
            FillRequisites(*dialog);
            fill(*dialog, "13011");
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(QApplication::focusWidget(), FindNamed<QWidget>(*dialog, "TaxComputed"));
            fill(*dialog, "13005");
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
        });
        QVERIFY(EditDividendSource(source, resources, nullptr));
        QCOMPARE(checks.Texts(),
                 std::vector<std::string>{"Исчисленный налог значительно отличает от 13% от облагаемой суммы диведендов"});
        QCOMPARE(source.IncomeCode, 1010);
        QCOMPARE(source.TaxComputed, M("13005"));
        QCOMPARE(source.TaxableAmount, M("100000"));
    }

    void thirtyFiveSourceWithItsDeduction() {
        ScriptedCheckDialog checks;
        ScreenResources resources;
        resources.checkDialog = &checks;
        mTThirtyFivePercent source;
        OnNextModal([](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QString("TfmInput35SourseIncome"));
            FillRequisites(*dialog);
            QCOMPARE(PickCode(*dialog, "fbIncomeCode", "2740"), (QStringList{"2610", "2620", "2740", "3020", "3022"}));
            PickCode(*dialog, "fbDeductionCode", "505");
            TypeKeys(FindNamed<TMaskedEdit>(*dialog, "IncomeTotal"), "6000");
            QCOMPARE(TextOf(*dialog, "DeductionAmount"), QString("4000"));
            TypeKeys(FindNamed<TMaskedEdit>(*dialog, "TaxWithheld"), "700");
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
        });
        QVERIFY(EditThirtyFiveSource(source, resources, nullptr));
        QVERIFY(checks.Messages.empty());
        QCOMPARE(source.IncomeCode, 2740);
        QCOMPARE(source.DeductionCode, 505);
        QCOMPARE(source.IncomeTotal, M("6000"));
        QCOMPARE(source.DeductionAmount, M("4000"));
        QCOMPARE(source.TaxWithheld, M("700"));
        QCOMPARE(source.SourceName, std::string("ООО Ромашка"));
    }

    // Whatever was typed, Escape and "Нет" leave the declaration as it was saved.
    void cancellingLeavesTheDeclarationByteIdentical() {
        mTDeclaration d;
        d.SetIncomeKinds(kIncomeRussian);
        mTThirteenPercent& thirteen = d.Thirteen.Get(d.Thirteen.Add());
        thirteen.SourceName = "Завод";
        mTSourseIncome line;
        line.IncomeCode = 2201;
        line.IncomeAmount = M("1000");
        line.DeductionCode = 405;
        line.DeductionAmount = M("200");
        line.DeductionRate = 20;
        line.Month = 4;
        thirteen.AddLine(line);
        d.Nine.Get(d.Nine.Add()).SourceName = "Банк";
        d.Dividends.Get(d.Dividends.Add()).SourceName = "АО";
        d.ThirtyFive.Get(d.ThirtyFive.Add()).SourceName = "Лотерея";
        const std::string before = Bytes(d);
        ScreenResources resources;

        const auto typeAndEscape = [](const char* field, bool escape) {
            OnNextModal([field, escape](QDialog* dialog) {
                Retype(*dialog, field, "777");
                if (escape) {
                    AnswerQuestion(QStringLiteral("Нет"));
                    QTest::keyClick(dialog, Qt::Key_Escape);
                } else
                    FindNamed<QPushButton>(*dialog, "fbNo")->click();
            });
        };
        typeAndEscape("SourceName", true);
        QVERIFY(!EditThirteenSource(d.Thirteen.Get(0), true, resources, nullptr));
        mTSourseIncome edited = d.Thirteen.Get(0).Line(0);
        typeAndEscape("IncomeAmount", false);
        QVERIFY(!EditThirteenLine(edited, true, resources, nullptr));
        QVERIFY(edited == d.Thirteen.Get(0).Line(0));
        typeAndEscape("Month", true);
        QVERIFY(!EditThirteenNRLine(edited, resources, nullptr));
        QVERIFY(edited == d.Thirteen.Get(0).Line(0));
        typeAndEscape("TaxableAmount", true);
        QVERIFY(!EditNineSource(d.Nine.Get(0), resources, nullptr));
        typeAndEscape("TaxComputed", false);
        QVERIFY(!EditDividendSource(d.Dividends.Get(0), resources, nullptr));
        typeAndEscape("IncomeTotal", true);
        QVERIFY(!EditThirtyFiveSource(d.ThirtyFive.Get(0), resources, nullptr));
        QCOMPARE(Bytes(d), before);
    }

    // Escape or the window's close button after an edit asks before the typed data
    // is dropped: "Отмена" stays, "Нет" drops it, "Да" stores it through the checks
    // of "Да". Without an edit they leave at once.
    void leavingAnEditedDialogAsksFirst() {
        ScreenResources resources;
        mTThirteenPercent source;
        source.SourceName = "Прежний";
        OnNextModal([](QDialog* dialog) {
            auto kept = AnswerQuestion(QStringLiteral("Отмена"));
            Retype(*dialog, "SourceName", "Новый");
            QTest::keyClick(dialog, Qt::Key_Escape);
            QCOMPARE(*kept, QStringLiteral("Кварзен 2015: Сохранить внесённые изменения?"));
            QVERIFY(dialog->isVisible());
            QCOMPARE(TextOf(*dialog, "SourceName"), QStringLiteral("Новый"));

            kept = AnswerQuestion(QStringLiteral("Отмена"));
            QVERIFY(!dialog->close());
            QVERIFY(!kept->isEmpty());
            QVERIFY(dialog->isVisible());

            kept = AnswerQuestion(QStringLiteral("Нет"));
            QVERIFY(dialog->close());
            QVERIFY(!kept->isEmpty());
        });
        QVERIFY(!EditThirteenSource(source, false, resources, nullptr));
        QCOMPARE(source.SourceName, std::string("Прежний"));

        // "Да" runs the source check: a wrong ИНН keeps the dialog open.
        ScriptedCheckDialog fix({kCheckAnswerFix});
        resources.checkDialog = &fix;
        OnNextModal([](QDialog* dialog) {
            FillRequisites(*dialog);
            Retype(*dialog, "Inn", "7707083894");
            AnswerQuestion(QStringLiteral("Да"));
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(dialog->isVisible());
            Retype(*dialog, "Inn", "7707083893");
            AnswerQuestion(QStringLiteral("Да"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(EditThirteenSource(source, false, resources, nullptr));
        QCOMPARE(fix.Texts(), std::vector<std::string>{"Номер ИНН введен неверно"});
        QCOMPARE(source.Inn, std::string("7707083893"));

        // Unchanged, Escape leaves without a question, also after a window of its own
        // (the help) opened above it.
        auto asked = std::make_shared<QString>();
        OnNextModal([&asked](QDialog* dialog) {
            auto* help = new QWidget(dialog, Qt::Window);
            new QLineEdit(QStringLiteral("поиск"), help);
            help->show();
            asked = AnswerQuestion(QStringLiteral("Нет"), 5);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!EditThirteenSource(source, false, resources, nullptr));
        QTest::qWait(100);
        QVERIFY(asked->isEmpty());
    }
};

QTEST_MAIN(RussianIncomeDialogsTest)
#include "russian_income_dialogs_test.moc"
