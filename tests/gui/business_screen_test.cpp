// The business screen: the expense norm, the activity dialog and the classifier
// picker, deleting with a question, and the screen's three checks.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include "directory/activity_classifier.h"
#include "gui_typing.h"
#include "model/declaration.h"
#include "screen_test_support.h"
#include "screens/activity_dialogs.h"
#include "screens/business_screen.h"
#include "screens/masked_edit.h"
#include "screens/year_spin.h"
#include "support/temp_dir.h"

using namespace kvz;
using namespace kvz::test;

namespace {

mTBusinessNew& AddActivity(mTDeclaration& d, const char* kind, bool confirmed) {
    mTBusinessNew& b = d.Business.Get(d.Business.Add());
    b.ActivityKind = kind;
    b.ActivityCode = "01.11";
    b.ExpensesConfirmed = confirmed;
    return b;
}

std::unique_ptr<mTDeclaration> Business() {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeKinds(kIncomeBusiness);
    return d;
}

const ActivityClassifier& Classifier() {
    static const ActivityClassifier classifier =
        ReadActivityClassifier(std::string(KVZ_SOURCE_DIR) + "/data/Sp_OKVED2.xml");
    return classifier;
}

void Choose(QComboBox* box, const QString& name) {
    const int row = box->findText(name);
    QVERIFY2(row >= 0, qPrintable(name));
    box->setCurrentIndex(row);
    emit box->activated(row);
}

}  // namespace

class BusinessScreenTest : public QObject {
    Q_OBJECT
private slots:
    void normIsAFifthOfTheIncome() {
        auto d = Business();
        AddActivity(*d, "2", false);
        TfrBusinessNew screen(*d, {}, nullptr);
        QVERIFY(!FindNamed<QCheckBox>(screen, "ExpensesConfirmed")->isChecked());
        TypeInto(screen, "Income", "12345,67");
        QCOMPARE(FindNamed<QLineEdit>(screen, "UnconfirmedExpenses")->text(), QString("2469,13"));
        screen.Store();
        QCOMPARE(d->Business.Get(0).UnconfirmedExpenses, MoneyFromText("2469.13"));
        QCOMPARE(d->Business.Get(0).Income, MoneyFromText("12345.67"));
    }

    void mixedExpensesFailOnTheSecondActivity() {
        auto d = Business();
        AddActivity(*d, "2", true);
        AddActivity(*d, "3", false);
        ScriptedCheckDialog checks({kCheckAnswerFix});
        ScreenResources resources;
        resources.checkDialog = &checks;
        TfrBusinessNew screen(*d, resources, nullptr);
        QCOMPARE(screen.Validate(), 2u);
        QCOMPARE(checks.Texts(),
                 std::vector<std::string>{"Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%."});
        QCOMPARE(checks.Messages[0].caption, std::string("Доходы от предпринимательской деятельности"));
    }

    void totalThatIsNotTheSumOfItsParts() {
        auto d = Business();
        mTBusinessNew& b = AddActivity(*d, "2", true);
        b.ExpenseItems[kExpenseMaterial] = MoneyFromText("100");
        b.ExpenseItems[kExpenseLabour] = MoneyFromText("50");
        b.ExpenseItems[kExpenseTotal] = MoneyFromText("140");
        ScriptedCheckDialog checks;
        ScreenResources resources;
        resources.checkDialog = &checks;
        TfrBusinessNew screen(*d, resources, nullptr);
        QCOMPARE(screen.Validate(), 0u);  // skipped
        QCOMPARE(checks.Texts(), std::vector<std::string>{
                                     "Общие расходы (140) не совпадают с суммой расходов материальных, на оплату "
                                     "труда, прочих и амортизационных отчислений (150)"});
        TypeInto(screen, "ExpenseLabourContracts", "60,5");
        screen.Store();
        checks.Messages.clear();
        screen.Validate();
        QCOMPARE(checks.Texts().front(),
                 std::string("Расходы по оплате трудовых договоров(60,5) превышают сумму расходов на оплату труда (50)"));
    }

    void classifierPickerWalksTheLevels() {
        ScriptedCheckDialog checks({kCheckAnswerFix, kCheckAnswerSkip});
        TFormOKVED picker(Classifier(), "", &checks, nullptr);
        QCOMPARE(picker.Level(1)->count(), 21);
        QCOMPARE(picker.Level(2)->itemText(0), QString("нет"));
        Choose(picker.Level(1), "СЕЛЬСКОЕ, ЛЕСНОЕ ХОЗЯЙСТВО, ОХОТА, РЫБОЛОВСТВО И РЫБОВОДСТВО");
        Choose(picker.Level(2), "Растениеводство и животноводство, охота и предоставление соответствующих услуг в этих "
                                "областях");
        QCOMPARE(picker.ChosenCode(), std::string("01"));
        picker.show();
        FindNamed<QPushButton>(picker, "fbYes")->click();  // "01" is too short: "Исправить" stays
        QVERIFY(picker.isVisible());
        QCOMPARE(checks.Messages[0].caption, std::string("ОКВЭД"));
        QCOMPARE(checks.Messages[0].message, std::string("Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"));
        QCOMPARE(checks.Messages[0].buttons, (CheckButtons{true, false}));
        FindNamed<QPushButton>(picker, "fbYes")->click();  // "Пропустить" takes it all the same
        QCOMPARE(picker.result(), int(QDialog::Accepted));

        TFormOKVED again(Classifier(), "01.11.11", &checks, nullptr);
        QCOMPARE(again.Level(6)->currentText(), QString("Выращивание пшеницы"));
        Choose(again.Level(4), "нет");
        QCOMPARE(again.ChosenCode(), std::string("01.1"));
        QCOMPARE(again.Level(6)->currentText(), QString("нет"));
    }

    void addingAnActivityThroughItsDialog() {
        auto d = Business();
        TfrBusinessNew screen(*d, {}, nullptr);
        QVERIFY(!FindNamed<QWidget>(screen, "Income")->isEnabledTo(&screen));
        OnNextModal([](QDialog* dialog) {
            FindNamed<QRadioButton>(*dialog, "rbKind1")->click();
            FindNamed<QPushButton>(*dialog, "fbYes")->click();  // a business activity needs its code
            QVERIFY(dialog->isVisible());
            TypeKeys(FindNamed<TMaskedEdit>(*dialog, "ActivityCode"), "47.11");
            FindNamed<QPushButton>(*dialog, "fbYes")->click();
        });
        FindNamed<QPushButton>(screen, "fbAdd")->click();
        QCOMPARE(d->Business.Count(), 1);
        QCOMPARE(d->Business.Get(0).ActivityKind, std::string("1"));
        QVERIFY(!d->Business.Get(0).ExpensesConfirmed);
        QCOMPARE(FindNamed<QTreeWidget>(screen, "lvActivities")->topLevelItem(0)->text(0), QString("47.11"));
        QVERIFY(FindNamed<QWidget>(screen, "Income")->isEnabledTo(&screen));
    }

    void deletingAndCancellingChangeNothingUnasked() {
        auto d = Business();
        AddActivity(*d, "3", false);
        ScriptedQuestions questions;
        ScreenResources resources;
        resources.askYesNo = questions.Callback();
        TfrBusinessNew screen(*d, resources, nullptr);
        const std::string before = SavedBytes(*d);
        FindNamed<QPushButton>(screen, "fbDelete")->click();
        QCOMPARE(questions.Asked, std::vector<std::string>{"Удалить запись \"Адвокатская деятельность\"?"});
        OnNextModal([](QDialog* dialog) {
            FindNamed<QRadioButton>(*dialog, "rbKind6")->click();
            dialog->reject();
        });
        FindNamed<QPushButton>(screen, "fbEdit")->click();
        screen.Store();
        QCOMPARE(SavedBytes(*d), before);
    }

    // The year shows what is stored, 2000 too, and stays as it is when untouched;
    // the farm's labels grey with its fields; a farm without a year is asked for it.
    void farmYearShowsWhatIsStored() {
        for (int year : {TYearSpin::kEmpty, 2000, 1995, 2015})
            for (bool head : {false, true}) {
                auto d = Business();
                d->IsFarmHead = head;
                d->FarmStartDate = FarmStartDateOf(year);
                ScriptedCheckDialog checks({kCheckAnswerFix});
                ScreenResources resources;
                resources.checkDialog = &checks;
                TfrBusinessNew screen(*d, resources, nullptr);
                const std::string before = SavedBytes(*d);
                auto* shown = FindNamed<QSpinBox>(screen, "FarmStartDate");
                QCOMPARE(shown->text(), year == TYearSpin::kEmpty ? QString() : QString::number(year));
                for (QLabel* label : screen.findChildren<QLabel*>())
                    if (label->text() == QStringLiteral("Год образования") ||
                        label->text() == QStringLiteral("Необлагаемый доход"))
                        QCOMPARE(label->isEnabledTo(&screen), head);
                screen.Store();
                QCOMPARE(SavedBytes(*d), before);
                const bool asked = head && year == TYearSpin::kEmpty;
                QCOMPARE(screen.Validate(), asked ? uint32_t(kBusinessFieldFarmYear) : uint32_t(0));
                QCOMPARE(checks.Texts(), asked ? std::vector<std::string>{"Не указан год образования крестьянского "
                                                                          "(фермерского) хозяйства"}
                                               : std::vector<std::string>{});
            }
    }

    // The year of formation may stay empty: it is kept as the declaration's "no
    // year" and comes back empty; a typed year comes back as typed.
    void farmYearMayStayEmptyAndRoundTrips() {
        TempDir dir;
        const std::string path = dir.File("farm.qz5");
        auto d = Business();
        {
            TfrBusinessNew screen(*d, {}, nullptr);
            auto* year = FindNamed<QSpinBox>(screen, "FarmStartDate");
            QVERIFY(!year->isEnabled());
            QCOMPARE(year->text(), QString());
            FindNamed<QCheckBox>(screen, "IsFarmHead")->click();
            QVERIFY(year->isEnabled());
            QVERIFY(FindNamed<QWidget>(screen, "FarmExemptIncome")->isEnabled());
            screen.Store();
            QVERIFY(d->IsFarmHead);
            QCOMPARE(d->FarmStartDate, mTDeclaration().FarmStartDate);
            d->SaveToFile(path);
        }
        auto reloaded = std::make_unique<mTDeclaration>();
        reloaded->LoadFromFile(path);
        {
            TfrBusinessNew screen(*reloaded, {}, nullptr);
            auto* year = FindNamed<QSpinBox>(screen, "FarmStartDate");
            QCOMPARE(year->text(), QString());
            // Typed digit by digit; a year outside the calendar of farms is refused.
            year->selectAll();
            TypeKeys(year, QStringLiteral("1850"));
            QCOMPARE(year->text(), QStringLiteral("1"));
            year->selectAll();
            TypeKeys(year, QStringLiteral("2012"));
            screen.Store();
            QCOMPARE(reloaded->FarmStartDate, EncodeDate(2012, 1, 1));
            reloaded->SaveToFile(path);
        }
        reloaded = std::make_unique<mTDeclaration>();
        reloaded->LoadFromFile(path);
        TfrBusinessNew screen(*reloaded, {}, nullptr);
        auto* year = FindNamed<QSpinBox>(screen, "FarmStartDate");
        QCOMPARE(year->text(), QStringLiteral("2012"));
        // Cleared again, it is "no year" once more; the arrows start from 2009.
        year->selectAll();
        QTest::keyClick(year, Qt::Key_Backspace);
        screen.Store();
        QCOMPARE(reloaded->FarmStartDate, mTDeclaration().FarmStartDate);
        QTest::keyClick(year, Qt::Key_Up);
        QCOMPARE(year->value(), 2009);
    }
};

QTEST_MAIN(BusinessScreenTest)
#include "business_screen_test.moc"
