// The investment partnership screen: partnerships and their operations, the two
// dialogs with their checks, the totals and the splitter.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QtTest>

#include "gui_typing.h"
#include "model/declaration.h"
#include "screen_test_support.h"
#include "screens/invest_tov_dialogs.h"
#include "screens/invest_tov_screen.h"
#include "screens/masked_edit.h"
#include "support/temp_dir.h"

using namespace kvz;
using namespace kvz::test;

namespace {

// A button of the list named `list` ("lvSources" or "lvIncomes").
QPushButton* ListButton(QWidget& screen, const char* list, const char* button) {
    return FindNamed<QPushButton>(*FindNamed<QTreeWidget>(screen, list)->parentWidget(), button);
}

std::unique_ptr<mTDeclaration> WithPartnership() {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeKinds(kIncomeInvestTov);
    mTInvestTov& p = d->InvestTov.Get(d->InvestTov.Add());
    p.SourceName = "Фонд";
    return d;
}

std::string Bytes(mTDeclaration& d) {
    TempDir dir;
    d.SaveToFile(dir.File("d.qz5"));
    return ReadFileText(dir.File("d.qz5"));
}

}  // namespace

class InvestTovScreenTest : public QObject {
    Q_OBJECT
private slots:
    void exitKindHidesTheManagerExpensesAndPriorLosses() {
        mTInvestTovIncome line{5, MoneyFromText("100"), MoneyFromText("10"), MoneyFromText("3"), MoneyFromText("4")};
        TfmIncomeInvestTov dialog(line, nullptr, nullptr);
        dialog.show();
        dialog.Kind()->setCurrentIndex(6);
        QVERIFY(!FindNamed<QWidget>(dialog, "ManagerExpenses")->isVisible());
        QVERIFY(!FindNamed<QWidget>(dialog, "PriorLosses")->isVisible());
        QCOMPARE(dialog.Line().ManagerExpenses, Money());
        dialog.Kind()->setCurrentIndex(1);
        QVERIFY(FindNamed<QWidget>(dialog, "ManagerExpenses")->isVisible());
        QCOMPARE(FindNamed<TMaskedEdit>(dialog, "ManagerExpenses")->text(), QString("0"));
        QCOMPARE(FindNamed<TMaskedEdit>(dialog, "PriorLosses")->text(), QString("0"));
        QCOMPARE(dialog.Line().ExpenseShare, MoneyFromText("10"));
    }

    void lineWithoutAKindIsRefused() {
        ScriptedCheckDialog checks;
        TfmIncomeInvestTov dialog(mTInvestTovIncome{}, &checks, nullptr);
        dialog.show();
        FindNamed<QPushButton>(dialog, "fbYes")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(checks.Messages.size(), std::size_t(1));
        QCOMPARE(checks.Messages[0].caption, std::string("Проверка данных участия в инвест. тов."));
        QCOMPARE(checks.Messages[0].message, std::string("Не выбран вид операций"));
        QCOMPARE(checks.Messages[0].buttons, (CheckButtons{false, false}));
    }

    void partnershipWithoutLinesShowsZero() {
        auto d = WithPartnership();
        TfrInvestTov screen(*d, {}, nullptr);
        QCOMPARE(FindNamed<QTreeWidget>(screen, "lvIncomes")->topLevelItemCount(), 0);
        QCOMPARE(FindNamed<QLineEdit>(screen, "IncomeTotal")->text(), QString("0"));
        QCOMPARE(screen.Validate(), 0u);
    }

    void linesAddUpAndAskBeforeDeleting() {
        auto d = WithPartnership();
        ScriptedQuestions questions;
        questions.Answers = {false};
        ScreenResources resources;
        resources.askYesNo = questions.Callback();
        TfrInvestTov screen(*d, resources, nullptr);
        OnNextModal([](QDialog* dialog) {
            FindNamed<QComboBox>(*dialog, "OperationKind")->setCurrentIndex(1);
            TypeKeys(FindNamed<TMaskedEdit>(*dialog, "IncomeAmount"), "1500,5");
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
        });
        ListButton(screen, "lvIncomes", "fbAdd")->click();
        QCOMPARE(d->InvestTov.Get(0).LineCount(), 1);
        QCOMPARE(FindNamed<QLineEdit>(screen, "IncomeTotal")->text(), QString("1 500,50"));
        QTreeWidgetItem* row = FindNamed<QTreeWidget>(screen, "lvIncomes")->topLevelItem(0);
        QCOMPARE(row->text(0), QString("1"));
        QCOMPARE(row->text(2), QString("-"));
        QCOMPARE(row->text(3), QString("Нет"));

        const std::string before = Bytes(*d);
        ListButton(screen, "lvIncomes", "fbDelete")->click();
        QCOMPARE(questions.Asked.size(), std::size_t(1));
        OnNextModal([](QDialog* dialog) { dialog->reject(); });
        ListButton(screen, "lvIncomes", "fbEdit")->click();
        screen.Store();
        QCOMPARE(Bytes(*d), before);
    }

    void partnershipDialogRunsTheSourceCheckWithoutSkipping() {
        auto d = WithPartnership();
        ScriptedCheckDialog checks({kCheckAnswerFix});
        ScreenResources resources;
        resources.checkDialog = &checks;
        TfrInvestTov screen(*d, resources, nullptr);
        OnNextModal([](QDialog* dialog) {
            FindNamed<TMaskedEdit>(*dialog, "SourceName")->clear();
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
            QVERIFY(dialog->isVisible());
            QVERIFY(FindNamed<TMaskedEdit>(*dialog, "SourceName")->hasFocus() || !dialog->isActiveWindow());
            dialog->reject();
        });
        ListButton(screen, "lvSources", "fbEdit")->click();
        QCOMPARE(checks.Messages.size(), std::size_t(1));
        QCOMPARE(checks.Messages[0].caption, std::string("Доходы от участия в инвестиционном товариществе"));
        QVERIFY(!checks.Messages[0].buttons.skip);
        QCOMPARE(d->InvestTov.Get(0).SourceName, std::string("Фонд"));
    }

    void splitterKeepsBothSidesUsable() {
        auto d = WithPartnership();
        TfrInvestTov screen(*d, {}, nullptr);
        screen.resize(800, 700);
        screen.show();
        screen.Splitter()->setSizes({10, 1000});
        QVERIFY(screen.Splitter()->sizes()[0] >= kSourceSplitterMinimum);
    }
};

QTEST_MAIN(InvestTovScreenTest)
#include "invest_tov_screen_test.moc"
