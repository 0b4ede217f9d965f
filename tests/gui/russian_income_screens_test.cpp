// The section of Russian incomes: its group buttons for residents and non-residents,
// leaving a screen through its check, the jump of the declaration check, and the
// 13 %, specialists', 9 %, dividend and 35 % screens with their lists.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "gui_typing.h"
#include "screen_harness.h"
#include "screens/masked_edit.h"
#include "screens/rate_source_screens.h"
#include "screens/russian_income_screen.h"
#include "screens/thirteen_percent_screen.h"

using namespace kvz;
using kvz::test::OnNextModal;
using kvz::test::ScreenHarness;

namespace {

mTThirteenPercent& AddSource(mTItemList<mTThirteenPercent>& list, const char* name, const char* income,
                             const char* withheld) {
    mTThirteenPercent& s = list.Get(list.Add());
    s.SourceName = name;
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeAmount = MoneyFromText(income);
    line.Month = 12;
    if (!line.IncomeAmount.IsZero()) s.AddLine(line);
    s.TaxWithheld = MoneyFromText(withheld);
    return s;
}

void Resident(mTDeclaration& d) { d.SetIncomeKinds(kIncomeRussian); }

void NonResident(mTDeclaration& d) {
    d.DeclarationKind = kDecl3NdflNonResident;
    d.SetIncomeKinds(kIncomeRussian);
}

QStringList Row(QTreeWidget* list, int row) {
    QStringList texts;
    QTreeWidgetItem* item = list->topLevelItem(row);
    for (int c = 0; item && c < item->columnCount(); ++c) texts << item->text(c);
    return texts;
}

}  // namespace

class RussianIncomeScreensTest : public QObject {
    Q_OBJECT
private slots:
    void residentButtons() {
        ScreenHarness<TfrRussianIncome> h;
        Resident(h.declaration);
        TfrRussianIncome& section = h.Open();
        QVERIFY(qobject_cast<TfrThirteenPercent*>(section.PageScreen()));
        QVERIFY(h.Find<QToolButton>("fbThirteen")->isChecked());
        QVERIFY(h.Find<QToolButton>("fbThirteen")->toolTip().startsWith("Доходы, облагаемые по ставке 13% (КРОМЕ"));
        for (const char* hidden : {"fbThirty", "fbFifteen", "fbThirteenNR"}) QVERIFY(h.Find(hidden)->isHidden());
        h.Find<QToolButton>("fbNine")->click();
        QVERIFY(qobject_cast<TfrNinePercent*>(section.PageScreen()));
        QCOMPARE(h.Find<QLabel>("lblGroup")->text(), QString("Доходы, облагаемые по ставке 9% (НЕ дивиденды)"));
        h.Find<QToolButton>("fbDividends")->click();
        QVERIFY(qobject_cast<TfrThirtyPercent*>(section.PageScreen()));
        h.Find<QToolButton>("fbThirtyFive")->click();
        QVERIFY(qobject_cast<TfrThirtyFivePercent*>(section.PageScreen()));
        QVERIFY(h.Find<QToolButton>("fbThirtyFive")->isChecked());
        // A resident's 13 % screen has the advance payments of a foreign worker.
        h.Find<QToolButton>("fbThirteen")->click();
        QVERIFY(h.Find("ForeignerAdvancePayments") != nullptr);
    }

    void nonResidentButtons() {
        ScreenHarness<TfrRussianIncome> h;
        NonResident(h.declaration);
        TfrRussianIncome& section = h.Open();
        QCOMPARE(h.Find<QToolButton>("fbThirteen")->toolTip(), QString("Доходы нерезидента"));
        for (const char* hidden : {"fbThirtyFive", "fbDividends"}) QVERIFY(h.Find(hidden)->isHidden());
        QVERIFY(!h.Find("fbThirteenNR")->isHidden());
        QVERIFY(section.PageScreen()->findChild<QWidget*>("ForeignerAdvancePayments") == nullptr);
        // The second button shows the dividends.
        h.Find<QToolButton>("fbNine")->click();
        QVERIFY(qobject_cast<TfrThirtyPercent*>(section.PageScreen()));
        QVERIFY(h.Find<QToolButton>("fbNine")->isChecked());
        h.Find<QToolButton>("fbThirteenNR")->click();
        QVERIFY(qobject_cast<TTfrThirteenPercentNR*>(section.PageScreen()));
        QVERIFY(section.PageScreen()->findChild<QGroupBox*>("gbFarm") == nullptr);
    }

    // The first source whose income is below the tax withheld keeps the user on the
    // screen with that source chosen; the other answers let the user go.
    void leavingThroughTheCheck() {
        ScreenHarness<TfrRussianIncome> h({kCheckAnswerFix});
        Resident(h.declaration);
        AddSource(h.declaration.Thirteen, "Первый", "1000", "130");
        AddSource(h.declaration.Thirteen, "Второй", "100", "130");
        AddSource(h.declaration.Thirteen, "Третий", "10", "130");
        TfrRussianIncome& section = h.Open();
        h.Find<QToolButton>("fbNine")->click();
        QVERIFY(qobject_cast<TfrThirteenPercent*>(section.PageScreen()));
        QVERIFY(h.Find<QToolButton>("fbThirteen")->isChecked());
        QCOMPARE(h.checks.Messages.size(), std::size_t(1));
        QCOMPARE(h.checks.Messages[0].caption, std::string("Доходы, облагаемые ставкой 13%"));
        QCOMPARE(h.checks.Messages[0].message,
                 std::string("По данному источнику выплаты общая сумма дохода меньше удержанной суммы"));
        QCOMPARE(h.List("lvSources")->CurrentRow(), 1);

        h.checks.Answers = {kCheckAnswerSkip};
        h.Find<QToolButton>("fbNine")->click();
        QVERIFY(qobject_cast<TfrNinePercent*>(section.PageScreen()));
        QCOMPARE(h.Find<QLabel>("lblGroup")->text(), QString("Доходы, облагаемые по ставке 9% (НЕ дивиденды)"));
        QCOMPARE(h.checks.Messages.size(), std::size_t(2));
    }

    // The declaration check's jump opens the group without asking the screen shown.
    void jumpToGroupAndRow() {
        ScreenHarness<TfrRussianIncome> h({kCheckAnswerFix});
        Resident(h.declaration);
        AddSource(h.declaration.Thirteen, "Неверный", "100", "130");
        for (const char* name : {"А", "Б", "В"}) h.declaration.ThirtyFive.Get(h.declaration.ThirtyFive.Add()).SourceName = name;
        TfrRussianIncome& section = h.Open();
        section.FocusField(kGroupThirtyFive, 3);
        QVERIFY(qobject_cast<TfrThirtyFivePercent*>(section.PageScreen()));
        QVERIFY(h.Find<QToolButton>("fbThirtyFive")->isChecked());
        QCOMPARE(h.List("lvSources")->CurrentRow(), 2);
        QVERIFY(h.checks.Messages.empty());
    }

    void noSourcesDisableTheRest() {
        ScreenHarness<TfrThirteenPercent> h;
        Resident(h.declaration);
        h.Open();
        QVERIFY(!h.List("lvIncomes")->findChild<QPushButton*>("fbAdd")->isEnabled());
        QVERIFY(!h.Find<QLineEdit>("TaxWithheld")->isEnabled());
        QCOMPARE(h.Find<QLineEdit>("IncomeTotal")->text(), QString());
        QCOMPARE(h.Find<QLineEdit>("TaxWithheld")->text(), QString());
    }

    void linesAndRepeat() {
        ScreenHarness<TfrThirteenPercent> h;
        Resident(h.declaration);
        AddSource(h.declaration.Thirteen, "Завод", "1000", "0");
        h.Open();
        auto* lines = h.Find<QTreeWidget>("lvIncomes");
        QCOMPARE(Row(lines, 0), QStringList({"12", "2000", "1 000,00", "Нет", "-"}));
        h.Find<QPushButton>("fbRepeat")->click();
        const mTThirteenPercent& s = h.declaration.Thirteen.Get(0);
        QCOMPARE(s.LineCount(), 2);
        QCOMPARE(int(s.Line(1).Month), 12);
        // The months of the lines are what the check of standard deductions reads.
        QCOMPARE(s.MonthAmounts[11], MoneyFromText("2000"));
        QCOMPARE(int(s.MonthsPresent), 1 << 11);
        QCOMPARE(lines->topLevelItemCount(), 2);
        QCOMPARE(h.List("lvIncomes")->CurrentRow(), 1);
        QCOMPARE(h.Find<QLineEdit>("IncomeTotal")->text(), QString("2 000,00"));
        QCOMPARE(h.modified->count(), 1);
        // Another month goes on to the next one.
        mTSourseIncome march = s.Line(0);
        march.Month = 3;
        h.declaration.Thirteen.Get(0).ReplaceLine(0, march);
        h.List("lvIncomes")->Refresh();
        h.List("lvIncomes")->SetCurrentRow(0);
        h.Find<QPushButton>("fbRepeat")->click();
        QCOMPARE(int(s.Line(2).Month), 4);
    }

    // The totals typed for a source are kept when another source is chosen.
    void choosingAnotherSourceKeepsTheTotals() {
        ScreenHarness<TfrThirteenPercent> h;
        Resident(h.declaration);
        AddSource(h.declaration.Thirteen, "Первый", "1000", "0");
        AddSource(h.declaration.Thirteen, "Второй", "2000", "260");
        h.Open();
        h.Find<TMaskedEdit>("TaxWithheld")->setText("130");
        h.Find<TMaskedEdit>("TaxableAmount")->setText("1000");
        h.List("lvSources")->SetCurrentRow(1);
        QCOMPARE(h.declaration.Thirteen.Get(0).TaxWithheld, MoneyFromText("130"));
        QCOMPARE(h.declaration.Thirteen.Get(0).TaxableAmount, MoneyFromText("1000"));
        QCOMPARE(h.Find<QLineEdit>("TaxWithheld")->text(), QString("260"));
        QCOMPARE(h.Find<QLineEdit>("IncomeTotal")->text(), QString("2 000,00"));
    }

    // Deleting the source shown, or adding the first one, shows another item; the
    // screen's own amounts typed meanwhile stay and are stored.
    void anotherSourceKeepsTheScreensOwnFields() {
        for (const bool deleteShown : {true, false}) {
            ScreenHarness<TfrThirteenPercent> h;
            Resident(h.declaration);
            if (deleteShown) AddSource(h.declaration.Thirteen, "Первый", "1000", "130");
            h.Open();
            auto* payments = h.Find<TMaskedEdit>("ForeignerAdvancePayments");
            test::TypeKeys(payments, "4200");
            if (deleteShown) {
                h.questions.Answers.push_back(true);
                h.List("lvSources")->DeleteItem();
            } else {
                OnNextModal([](QDialog* d) {
                    test::TypeKeys(d->findChild<TMaskedEdit*>("SourceName"), "Второй");
                    d->findChild<QPushButton*>("fbYes")->click();
                });
                h.List("lvSources")->AddItem();
                QCOMPARE(h.declaration.Thirteen.Count(), 1);
            }
            QCOMPARE(payments->text(), QString("4200"));
            h.screen->Store();
            QCOMPARE(h.declaration.ForeignerAdvancePayments, MoneyFromText("4200"));
        }
    }

    void farmGroupFollowsPayInKind() {
        ScreenHarness<TfrThirteenPercent> h;
        Resident(h.declaration);
        mTThirteenPercent& s = AddSource(h.declaration.Thirteen, "Колхоз", "1000", "0");
        h.Open();
        auto* farm = h.Find<QGroupBox>("gbFarm");
        QVERIFY(farm->isHidden());
        mTSourseIncome line;
        line.IncomeCode = kFarmPayInKindIncomeCode;
        line.IncomeAmount = MoneyFromText("500");
        s.AddLine(line);
        h.screen->ApplyRules();
        QVERIFY(farm->isHidden());  // no deduction: the months do not matter
        line.DeductionCode = 509;
        s.ReplaceLine(1, line);
        h.screen->ApplyRules();
        QVERIFY(!farm->isHidden());
        auto* months = h.Find<TMaskedEdit>("MonthsWorked");
        months->clear();
        test::TypeKeys(months, "15");
        QCOMPARE(months->text(), QString("12"));
        months->clear();
        test::TypeKeys(months, "0");
        emit months->editingFinished();
        QCOMPARE(months->text(), QString("1"));
        months->clear();
        test::TypeKeys(months, "7");
        h.screen->Store();
        QCOMPARE(h.declaration.MonthsWorked, 7);
    }

    // A source with lines or amounts goes only after "Да"; an empty one at once.
    void deletingAsksFirst() {
        ScreenHarness<TfrThirteenPercent> h;
        Resident(h.declaration);
        AddSource(h.declaration.Thirteen, "Завод", "1000", "0");
        AddSource(h.declaration.Thirteen, "Пустой", "0", "0");
        h.Open();
        const std::vector<unsigned char> before = h.Saved();
        auto* remove = h.List("lvSources")->findChild<QPushButton*>("fbDelete");
        remove->click();
        QCOMPARE(h.questions.Asked, std::vector<std::string>{"Удалить запись \"Завод\"?"});
        QCOMPARE(h.Saved(), before);
        h.List("lvSources")->SetCurrentRow(1);
        remove->click();
        QCOMPARE(h.questions.Asked.size(), std::size_t(1));
        QCOMPARE(h.declaration.Thirteen.Count(), 1);
        // The source before the deleted one is shown.
        QCOMPARE(h.List("lvSources")->CurrentRow(), 0);
        QCOMPARE(h.Find<QLineEdit>("IncomeTotal")->text(), QString("1 000,00"));
        // A line is named by its month, code and amount.
        h.questions.Answers = {true};
        h.List("lvIncomes")->findChild<QPushButton*>("fbDelete")->click();
        QCOMPARE(h.questions.Asked.back(), std::string("Удалить запись \"декабрь, 2000, 1 000,00\"?"));
        QCOMPARE(h.declaration.Thirteen.Get(0).LineCount(), 0);
        QCOMPARE(h.Find<QLineEdit>("IncomeTotal")->text(), QString("0"));
    }

    void specialistsKeepTheirOwnList() {
        ScreenHarness<TTfrThirteenPercentNR> h;
        NonResident(h.declaration);
        AddSource(h.declaration.ThirteenNR, "Институт", "500000", "65000");
        AddSource(h.declaration.Thirteen, "Другой", "1", "2");
        h.Open();
        QCOMPARE(h.Find<QTreeWidget>("lvSources")->topLevelItemCount(), 1);
        QCOMPARE(h.screen->Validate(), 0u);
        QVERIFY(h.checks.Messages.empty());
    }

    void panelsShowTheChosenSource() {
        ScreenHarness<TfrThirtyFivePercent> h;
        Resident(h.declaration);
        mTThirtyFivePercent& s = h.declaration.ThirtyFive.Get(h.declaration.ThirtyFive.Add());
        s.SourceName = "Банк";
        s.IncomeCode = 2610;
        s.IncomeTotal = MoneyFromText("4321.5");
        h.Open();
        QCOMPARE(h.Find<QLineEdit>("IncomeCode")->text(), QString("2610"));
        QCOMPARE(h.Find<QLineEdit>("DeductionCode")->text(), QString("Нет"));
        QCOMPARE(h.Find<QLineEdit>("IncomeTotal")->text(), QString("4 321,50"));
        h.questions.Answers = {true};
        h.List("lvSources")->findChild<QPushButton*>("fbDelete")->click();
        QCOMPARE(h.declaration.ThirtyFive.Count(), 0);
        for (const char* field : {"IncomeCode", "DeductionCode", "IncomeTotal", "DeductionAmount", "TaxWithheld"})
            QCOMPARE(h.Find<QLineEdit>(field)->text(), QString());
        QCOMPARE(h.screen->Validate(), 0u);
    }

    // "Нет" in any dialog of the screens leaves the document as it was.
    void cancelledDialogsChangeNothing() {
        ScreenHarness<TfrRussianIncome> h;
        Resident(h.declaration);
        AddSource(h.declaration.Thirteen, "Завод", "1000", "0");
        h.declaration.Nine.Get(h.declaration.Nine.Add()).SourceName = "Фонд";
        h.declaration.Dividends.Get(h.declaration.Dividends.Add()).SourceName = "АО";
        h.declaration.ThirtyFive.Get(h.declaration.ThirtyFive.Add()).SourceName = "Банк";
        TfrRussianIncome& section = h.Open();
        const std::vector<unsigned char> before = h.Saved();
        const auto cancelEach = [&](const char* list, std::initializer_list<const char*> buttons) {
            for (const char* button : buttons) {
                bool shown = false;
                OnNextModal([&shown](QDialog* d) {
                    shown = true;
                    d->findChild<QPushButton*>("fbNo")->click();
                });
                section.PageScreen()->findChild<QTreeWidget*>(list)->parentWidget()->findChild<QPushButton*>(button)->click();
                QVERIFY2(shown, button);
            }
        };
        cancelEach("lvSources", {"fbAdd", "fbEdit"});
        cancelEach("lvIncomes", {"fbAdd", "fbEdit"});
        for (const char* group : {"fbNine", "fbDividends", "fbThirtyFive"}) {
            h.Find<QToolButton>(group)->click();
            cancelEach("lvSources", {"fbAdd", "fbEdit"});
        }
        QCOMPARE(h.Saved(), before);
        QCOMPARE(h.modified->count(), 0);
    }
};

QTEST_MAIN(RussianIncomeScreensTest)
#include "russian_income_screens_test.moc"
