// A foreign income, a business activity and a partnership entered through their
// screens and saved give the same lists and the same calculation as the document
// that kvarzen-cli creates from the equivalent JSON.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <nlohmann/json.hpp>

#include "directory/currency_rates.h"
#include "gui_typing.h"
#include "model/declaration.h"
#include "screen_test_support.h"
#include "screens/business_screen.h"
#include "screens/currency_screen.h"
#include "screens/invest_tov_screen.h"
#include "screens/masked_edit.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

using namespace kvz;
using namespace kvz::test;
using nlohmann::json;

namespace {

void Type(QObject& parent, const char* name, const QString& text) {
    TypeKeys(FindNamed<TMaskedEdit>(parent, name), text);
}

QPushButton* ListButton(QWidget& screen, const char* list, const char* button) {
    return FindNamed<QPushButton>(*FindNamed<QTreeWidget>(screen, list)->parentWidget(), button);
}

// Takes the row of `code` in the pick list that opens next.
void PickCode(const char* code) {
    OnNextModal([code](QDialog* dialog) {
        auto* list = dialog->findChild<QTreeWidget*>();
        const auto found = list->findItems(QString::fromLatin1(code), Qt::MatchExactly, 0);
        QVERIFY(!found.isEmpty());
        list->setCurrentItem(found.front());
        dialog->accept();
    });
}

void EnterForeignIncome(mTDeclaration& d, const ScreenResources& resources) {
    TfrCurrency screen(d, resources, nullptr);
    OnNextModal([](QDialog* dialog) {
        Type(*dialog, "SourceName", "Bank of America");
        Type(*dialog, "CountryCode", "840");
        FindNamed<QPushButton>(*dialog, "fbYes")->click();
    });
    FindNamed<QPushButton>(screen, "fbAdd")->click();
    FindNamed<QDateEdit>(screen, "IncomeDate")->setDate(QDate(2015, 12, 31));
    FindNamed<QDateEdit>(screen, "TaxPaymentDate")->setDate(QDate(2015, 12, 31));
    Type(screen, "CurrencyCode", "840");
    FindNamed<QCheckBox>(screen, "AutoRate")->click();
    Type(screen, "IncomeInCurrency", "1000");
    Type(screen, "TaxInCurrency", "100");
    PickCode("1010");
    FindNamed<QPushButton>(screen, "fbIncomeCode")->click();
    screen.Store();
}

void EnterActivity(mTDeclaration& d, const ScreenResources& resources) {
    TfrBusinessNew screen(d, resources, nullptr);
    OnNextModal([](QDialog* dialog) {
        FindNamed<QAbstractButton>(*dialog, "rbKind2")->click();
        FindNamed<QPushButton>(*dialog, "fbYes")->click();
    });
    FindNamed<QPushButton>(screen, "fbAdd")->click();
    Type(screen, "Income", "12345,67");
    screen.Store();
}

void EnterPartnership(mTDeclaration& d, const ScreenResources& resources) {
    TfrInvestTov screen(d, resources, nullptr);
    OnNextModal([](QDialog* dialog) {
        Type(*dialog, "SourceName", "Fund");
        Type(*dialog, "Inn", "7707083893");
        Type(*dialog, "Kpp", "773601001");
        Type(*dialog, "Oktmo", "45000000");
        FindNamed<QPushButton>(*dialog, "fbYes")->click();
    });
    ListButton(screen, "lvSources", "fbAdd")->click();
    OnNextModal([](QDialog* dialog) {
        FindNamed<QComboBox>(*dialog, "OperationKind")->setCurrentIndex(1);
        Type(*dialog, "IncomeAmount", "1500");
        FindNamed<QPushButton>(*dialog, "fbYes")->click();
    });
    ListButton(screen, "lvIncomes", "fbAdd")->click();
    Type(screen, "TaxWithheld", "195");
    screen.Store();
}

// The three lists as a user would write them for kvarzen-cli create.
json EquivalentLists() {
    return json::parse(R"({
      "Foreign": [{"SourceName": "Bank of America", "CountryCode": "840",
                   "IncomeDate": "31.12.2015", "TaxPaymentDate": "31.12.2015",
                   "CurrencyCode": "840", "CurrencyName": "Доллар США", "AutoRate": true,
                   "RateOnIncomeDate": "72.8827", "UnitsOnIncomeDate": 1,
                   "RateOnTaxDate": "72.8827", "UnitsOnTaxDate": 1,
                   "IncomeInCurrency": "1000", "TaxInCurrency": "100",
                   "IncomeCode": 1010, "IncomeName": "Дивиденды", "IncomeRate": 14,
                   "DeductionCode": 0, "DeductionAmount": "0", "DeductionRate": 0}],
      "Business": [{"ActivityKind": "2", "ActivityCode": "..", "ExpensesConfirmed": false,
                    "Income": "12345.67", "UnconfirmedExpenses": "2469.13",
                    "ExpenseItems": ["0","0","0","0","0","0","0","0","0","0","0","0","0","0","0","0","0","0","0"]}],
      "InvestTov": [{"SourceName": "Fund", "Inn": "7707083893", "Kpp": "773601001", "Oktmo": "45000000",
                     "TaxWithheld": "195",
                     "Lines": [{"OperationKind": 1, "IncomeAmount": "1500"}]}]
    })");
}

json Info(const TempDir& dir, const std::string& file) { return CliJson(dir, "info", dir.File(file)); }

}  // namespace

class IncomeScreensEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void screensAndJsonGiveTheSameDocument() {
        const CurrencyRateTable rates = ReadCurrencyRates(std::string(KVZ_SOURCE_DIR) + "/data/CurrencyRates.xml");
        ScriptedCheckDialog checks;
        ScreenResources resources;
        resources.currencyRates = &rates;
        resources.checkDialog = &checks;
        mTDeclaration d;
        d.SetIncomeKinds(kIncomeForeign | kIncomeBusiness | kIncomeInvestTov);
        EnterForeignIncome(d, resources);
        EnterActivity(d, resources);
        EnterPartnership(d, resources);
        QVERIFY(checks.Messages.empty());

        TempDir dir;
        d.SaveToFile(dir.File("screens.qz5"));
        json typed = Info(dir, "screens.qz5");
        const json lists = EquivalentLists();
        for (const auto& [key, list] : lists.items()) typed[key] = list;
        WriteFileText(dir.File("typed.json"), typed.dump());
        QCOMPARE(RunCli(dir, "create " + dir.File("typed.json") + " " + dir.File("typed.qz5")).code, 0);

        const json fromScreens = Info(dir, "screens.qz5"), fromJson = Info(dir, "typed.qz5");
        for (const char* list : {"Foreign", "Business", "InvestTov"})
            QCOMPARE(QString::fromStdString(fromScreens[list].dump()), QString::fromStdString(fromJson[list].dump()));
        QCOMPARE(fromScreens["Foreign"][0]["IncomeInRoubles"].get<std::string>(), std::string("72882.7"));
        const CliResult calcScreens = RunCli(dir, "calc " + dir.File("screens.qz5"));
        const CliResult calcJson = RunCli(dir, "calc " + dir.File("typed.qz5"));
        QCOMPARE(calcScreens.code, 0);
        QCOMPARE(QString::fromStdString(calcScreens.out), QString::fromStdString(calcJson.out));
    }
};

QTEST_MAIN(IncomeScreensEndToEndTest)
#include "income_screens_end_to_end_test.moc"
