// The foreign-currency income screen: rouble equivalents, automatic rates from the
// rate file, the source dialog, deleting with a question, and the screen's check.
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "directory/currency_rates.h"
#include "gui_typing.h"
#include "model/declaration.h"
#include "screen_test_support.h"
#include "screens/currency_screen.h"
#include "screens/item_list_editor.h"
#include "screens/masked_edit.h"
#include "support/temp_dir.h"

using namespace kvz;
using namespace kvz::test;

namespace {

QString Shown(QWidget& screen, const char* name) { return FindNamed<QLineEdit>(screen, name)->text(); }

// A declaration with foreign incomes and one source.
std::unique_ptr<mTDeclaration> WithSource(const std::string& name = "Bank of America") {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeKinds(kIncomeForeign);
    mTCurrencyIncome& income = d->Foreign.Get(d->Foreign.Add());
    income.SourceName = name;
    income.CountryCode = "840";
    return d;
}

CurrencyRateTable Shipped() { return ReadCurrencyRates(std::string(KVZ_SOURCE_DIR) + "/data/CurrencyRates.xml"); }

}  // namespace

class CurrencyScreenTest : public QObject {
    Q_OBJECT
private slots:
    void roubleEquivalentsOfTypedRates() {
        auto d = WithSource();
        TfrCurrency screen(*d, {}, nullptr);
        TypeInto(screen, "RateOnIncomeDate", "65,4321");
        TypeInto(screen, "UnitsOnIncomeDate", "1");
        TypeInto(screen, "IncomeInCurrency", "1000");
        QCOMPARE(Shown(screen, "IncomeInRoubles"), QString("65432,1"));
        TypeInto(screen, "RateOnTaxDate", "12,3456");
        TypeInto(screen, "UnitsOnTaxDate", "10");
        TypeInto(screen, "TaxInCurrency", "500");
        QCOMPARE(Shown(screen, "TaxInRoubles"), QString("617,28"));
        screen.Store();
        QCOMPARE(d->Foreign.Get(0).IncomeInRoubles, MoneyFromText("65432.10"));
        QCOMPARE(d->Foreign.Get(0).TaxInRoubles, MoneyFromText("617.28"));

        TypeInto(screen, "UnitsOnTaxDate", "0");
        QCOMPARE(Shown(screen, "TaxInRoubles"), QString("0"));
        // A rate changed alone still changes the stored equivalent.
        TypeInto(screen, "RateOnIncomeDate", "70");
        screen.Store();
        QCOMPARE(d->Foreign.Get(0).IncomeInRoubles, MoneyFromText("70000"));
    }

    void shortFieldsStartWhereTheirNeighboursStart() {
        auto d = WithSource();
        TfrCurrency screen(*d, {}, nullptr);
        screen.resize(1100, 800);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const auto left = [&](const char* name) {
            QWidget* w = FindNamed<QWidget>(screen, name);
            return w->mapTo(&screen, QPoint(0, 0)).x();
        };
        // A panel of limited width used to float to the middle of a row that had
        // nothing else to widen.
        QCOMPARE(left("IncomeInRoubles"), left("IncomeInCurrency"));
        QCOMPARE(left("TaxInRoubles"), left("TaxInCurrency"));
        QCOMPARE(left("DeductionCode"), left("IncomeCode"));
    }

    void dollarIncomeOfNewYearsEveConvertsAtTheShippedRate() {
        const CurrencyRateTable rates = Shipped();
        ScreenResources resources;
        resources.currencyRates = &rates;
        auto d = WithSource();
        TfrCurrency screen(*d, resources, nullptr);
        FindNamed<QDateEdit>(screen, "IncomeDate")->setDate(QDate(2015, 12, 31));
        TypeInto(screen, "CurrencyCode", "840");
        QCOMPARE(FindNamed<TMaskedEdit>(screen, "CurrencyName")->text(), QString("Доллар США"));
        QVERIFY(FindNamed<TMaskedEdit>(screen, "CurrencyName")->isReadOnly());
        auto* box = FindNamed<QCheckBox>(screen, "AutoRate");
        QVERIFY(box->isEnabled());
        box->click();
        QCOMPARE(FindNamed<TMaskedEdit>(screen, "RateOnIncomeDate")->text(), QString("72,8827"));
        QVERIFY(FindNamed<TMaskedEdit>(screen, "RateOnIncomeDate")->isReadOnly());
        TypeInto(screen, "IncomeInCurrency", "1000");
        QCOMPARE(Shown(screen, "IncomeInRoubles"), QString("72882,7"));
        screen.Store();
        QCOMPARE(d->Foreign.Get(0).IncomeInRoubles, MoneyFromText("72882.70"));
        QVERIFY(d->Foreign.Get(0).AutoRate);

        // No rate on or before the income date: automatic rates are off and unavailable.
        FindNamed<QDateEdit>(screen, "IncomeDate")->setDate(QDate(2014, 12, 31));
        QVERIFY(!box->isChecked());
        QVERIFY(!box->isEnabled());
        QVERIFY(!FindNamed<TMaskedEdit>(screen, "RateOnIncomeDate")->isReadOnly());
        QCOMPARE(FindNamed<TMaskedEdit>(screen, "RateOnIncomeDate")->text(), QString());
    }

    void takesTheRateOfTheDayOrTheLastBeforeIt() {
        CurrencyRateTable rates;
        rates.Currencies.push_back({"840", "Доллар США", "", {{EncodeDate(2015, 1, 10), MoneyFromText("60"), 1},
                                                             {EncodeDate(2015, 1, 15), MoneyFromText("65"), 1}}});
        ScreenResources resources;
        resources.currencyRates = &rates;
        auto d = WithSource();
        TfrCurrency screen(*d, resources, nullptr);
        TypeInto(screen, "CurrencyCode", "840");
        FindNamed<QDateEdit>(screen, "IncomeDate")->setDate(QDate(2015, 1, 12));
        FindNamed<QDateEdit>(screen, "TaxPaymentDate")->setDate(QDate(2015, 1, 15));
        FindNamed<QCheckBox>(screen, "AutoRate")->click();
        QCOMPARE(FindNamed<TMaskedEdit>(screen, "RateOnIncomeDate")->text(), QString("60"));
        QCOMPARE(FindNamed<TMaskedEdit>(screen, "RateOnTaxDate")->text(), QString("65"));
        // Switching the box off hands the rates back to the user, empty.
        FindNamed<QCheckBox>(screen, "AutoRate")->click();
        QCOMPARE(FindNamed<TMaskedEdit>(screen, "RateOnTaxDate")->text(), QString());
        QVERIFY(!FindNamed<TMaskedEdit>(screen, "RateOnTaxDate")->isReadOnly());
    }

    void deletingASourceAsksFirst() {
        auto d = WithSource("Deutsche Bank");
        ScriptedQuestions questions;
        questions.Answers = {false, true};
        ScreenResources resources;
        resources.askYesNo = questions.Callback();
        TfrCurrency screen(*d, resources, nullptr);
        const std::string before = SavedBytes(*d);
        auto* remove = FindNamed<QPushButton>(screen, "fbDelete");
        remove->click();
        QCOMPARE(questions.Asked.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(questions.Asked[0]).contains("Deutsche Bank"));
        screen.Store();
        QCOMPARE(SavedBytes(*d), before);  // "Нет" changes nothing
        remove->click();
        QCOMPARE(d->Foreign.Count(), 0);
        screen.Store();  // nothing is written into the deleted source
    }

    void cancellingTheSourceDialogChangesNothing() {
        auto d = WithSource();
        TfrCurrency screen(*d, {}, nullptr);
        const std::string before = SavedBytes(*d);
        OnNextModal([](QDialog* dialog) {
            TypeKeys(dialog->findChild<TMaskedEdit*>("SourceName"), "x");
            dialog->reject();
        });
        FindNamed<QPushButton>(screen, "fbEdit")->click();
        screen.Store();
        QCOMPARE(SavedBytes(*d), before);
    }

    // The dialog opens in its first field and Tab reaches "Да" and "Нет" last, so
    // that a name typed at once is not lost and Enter after it is not "Нет".
    void sourceDialogOpensInItsFirstField() {
        auto d = WithSource();
        TfrCurrency screen(*d, {}, nullptr);
        QStringList order;
        QWidget* focused = nullptr;
        OnNextModal([&](QDialog* dialog) {
            focused = dialog->focusWidget();
            QWidget* w = focused;
            do {
                if (dialog->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
                    order << w->objectName();
                w = w->nextInFocusChain();
            } while (w != focused);
            dialog->reject();
        });
        FindNamed<QPushButton>(screen, "fbAdd")->click();
        QVERIFY(focused != nullptr);
        QCOMPARE(focused->objectName(), QStringLiteral("SourceName"));
        QCOMPARE(order, QStringList({"SourceName", "CountryCode", "fbCountry", "fbYes", "fbNo"}));
    }

    void sourceDialogWantsACountry() {
        auto d = WithSource();
        d->Foreign.Delete(0);
        ScriptedCheckDialog checks({kCheckAnswerFix});
        ScreenResources resources;
        resources.checkDialog = &checks;
        TfrCurrency screen(*d, resources, nullptr);
        OnNextModal([](QDialog* dialog) {
            TypeKeys(dialog->findChild<TMaskedEdit*>("SourceName"), "Bank");
            dialog->findChild<QPushButton*>("fbYes")->click();  // no country: the message, then the list (none here)
            QVERIFY(dialog->isVisible());
            TypeKeys(dialog->findChild<TMaskedEdit*>("CountryCode"), "276");
            dialog->findChild<QPushButton*>("fbYes")->click();
        });
        FindNamed<QPushButton>(screen, "fbAdd")->click();
        QCOMPARE(checks.Messages.size(), std::size_t(1));
        QCOMPARE(checks.Messages[0].caption, std::string("Источник дохода"));
        QCOMPARE(checks.Messages[0].message, std::string("Не выбран код страны"));
        QCOMPARE(checks.Messages[0].buttons, (CheckButtons{false, false}));
        QCOMPARE(d->Foreign.Count(), 1);
        QCOMPARE(d->Foreign.Get(0).CountryCode, std::string("276"));
        QCOMPARE(d->Foreign.Get(0).IncomeDate, EncodeDate(2015, 1, 1));
    }

    // A typed deduction at or above its ceiling becomes the ceiling, as in the 13 % dialog.
    void typedDeductionKeepsUnderItsCeiling() {
        auto d = WithSource();
        mTCurrencyIncome& f = d->Foreign.Get(0);
        f.IncomeCode = 1511;
        f.DeductionCode = 904;
        TfrCurrency screen(*d, {}, nullptr);
        auto* deduction = FindNamed<TMaskedEdit>(screen, "DeductionAmount");
        QVERIFY(deduction->isEnabledTo(&screen));
        TypeInto(screen, "DeductionAmount", "1500000");
        QCOMPARE(deduction->text(), QString("1000000"));
        TypeInto(screen, "DeductionAmount", "999999,99");
        QCOMPARE(deduction->text(), QString("999999,99"));
        screen.Store();
        QCOMPARE(f.DeductionAmount, MoneyFromText("999999.99"));
    }

    // An equivalent beyond what the program holds is never stored and never ends the
    // program: the screen says so, keeps what was typed, and neither stores, lets
    // another income be chosen nor lets the screen be left until it fits.
    void roublesBeyondTheRangeAreRefusedAndKept() {
        for (const char* row : {"Income", "Tax"}) {
            auto d = WithSource();
            d->Foreign.Get(d->Foreign.Add()).SourceName = "Second";
            ScriptedCheckDialog checks;
            ScreenResources resources;
            resources.checkDialog = &checks;
            TfrCurrency screen(*d, resources, nullptr);
            const std::string before = SavedBytes(*d);
            const QString prefix = QString::fromLatin1(row);
            const QString dateRow = prefix == "Income" ? QStringLiteral("IncomeDate") : QStringLiteral("TaxDate");
            TypeInto(screen, qPrintable("RateOn" + dateRow), "999");
            TypeInto(screen, qPrintable("UnitsOn" + dateRow), "1");
            TypeInto(screen, qPrintable(prefix + "InCurrency"), "999999999999");
            QCOMPARE(Shown(screen, qPrintable(prefix + "InRoubles")), QString("Сумма в рублях слишком велика."));
            screen.Store();
            QCOMPARE(SavedBytes(*d), before);
            QCOMPARE(checks.Messages.size(), std::size_t(1));
            QVERIFY(QString::fromStdString(checks.Messages[0].message).startsWith("Сумма в рублях слишком велика."));
            QCOMPARE(checks.Messages[0].caption, std::string("Доходы в валюте"));
            QCOMPARE(Shown(screen, qPrintable(prefix + "InCurrency")), QString("999999999999"));
            QCOMPARE(screen.Validate(), 1u);
            screen.findChild<TItemListEditor*>()->SetCurrentRow(1);
            QCOMPARE(screen.findChild<TItemListEditor*>()->CurrentRow(), 0);
            QCOMPARE(Shown(screen, qPrintable(prefix + "InCurrency")), QString("999999999999"));
            // Once it fits, it is stored.
            TypeInto(screen, qPrintable("RateOn" + dateRow), "9");
            screen.Store();
            const mTCurrencyIncome& f = d->Foreign.Get(0);
            QCOMPARE(prefix == "Income" ? f.IncomeInRoubles : f.TaxInRoubles, MoneyFromText("8999999999991"));
        }
    }

    void checkNamesTheFirstFailingSource() {
        auto d = WithSource();
        mTCurrencyIncome& complete = d->Foreign.Get(0);
        complete.CurrencyCode = "840";
        complete.UnitsOnIncomeDate = 1;
        complete.RateOnIncomeDate = MoneyFromText("70");
        complete.IncomeCode = 1010;
        complete.SetIncomeInCurrency(MoneyFromText("10"));
        mTCurrencyIncome& second = d->Foreign.Get(d->Foreign.Add());
        second = complete;
        second.IncomeCode = 0;
        second.SetIncomeInCurrency(Money());
        ScriptedCheckDialog checks({kCheckAnswerFix});
        ScreenResources resources;
        resources.checkDialog = &checks;
        TfrCurrency screen(*d, resources, nullptr);
        QCOMPARE(screen.Validate(), 2u);
        QCOMPARE(checks.Texts(), std::vector<std::string>{"По данному источнику выплаты не указан код дохода"});
        QCOMPARE(checks.Messages[0].caption, std::string("Доходы в валюте"));
        QCOMPARE(FindNamed<QTreeWidget>(screen, "lvSources")->currentItem()->text(0), QString("Bank of America"));
        screen.FocusField(-1, 2);
        QCOMPARE(FindNamed<QTreeWidget>(screen, "lvSources")->indexOfTopLevelItem(
                     FindNamed<QTreeWidget>(screen, "lvSources")->currentItem()),
                 1);
        QVERIFY(screen.focusWidget() != nullptr);
        QCOMPARE(screen.focusWidget()->objectName(), QStringLiteral("IncomeCode"));
    }
};

QTEST_MAIN(CurrencyScreenTest)
#include "currency_screen_test.moc"
