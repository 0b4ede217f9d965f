// The Russian incomes of the bundled example entered through the section's screens
// and dialogs give the same document as the example made by the command-line tool.
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <nlohmann/json.hpp>

#include "model/declaration.h"
#include "model/declaration_json.h"
#include "screen_test_support.h"
#include "screens/item_list_editor.h"
#include "screens/masked_edit.h"
#include "screens/russian_income_screen.h"
#include "support/cli_run.h"
#include "support/example_document.h"

using namespace kvz;
using kvz::test::OnNextModal;

namespace {

template <class T>
T* Child(QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found) qFatal("no widget %s", qPrintable(name));
    return found;
}

void Type(QObject* parent, const char* name, const QString& text) {
    Child<TMaskedEdit>(parent, QString::fromLatin1(name))->setText(text);
}

QString Text(const nlohmann::json& value) { return QString::fromStdString(value.get<std::string>()); }

QPushButton* ListButton(QWidget* screen, const char* list, const char* button) {
    return Child<QPushButton>(Child<QTreeWidget>(screen, QString::fromLatin1(list))->parentWidget(),
                              QString::fromLatin1(button));
}

// Chooses the row of `code` in the pick list that opens next.
void PickNext(const QString& code) {
    OnNextModal([code](QDialog* picker) {
        auto* list = picker->findChild<QTreeWidget*>();
        const QList<QTreeWidgetItem*> rows = list->findItems(code, Qt::MatchExactly, 0);
        if (rows.isEmpty()) qFatal("no code %s", qPrintable(code));
        list->setCurrentItem(rows.front());
        picker->accept();
    });
}

// The source through its dialog, then its first line through the line dialog and
// the months after it with "Повторить доход", as a person copies a certificate.
void EnterSource(QWidget* screen, const nlohmann::json& source) {
    OnNextModal([&source](QDialog* d) {
        Type(d, "SourceName", Text(source["SourceName"]));
        Type(d, "Inn", Text(source["Inn"]));
        Type(d, "Kpp", Text(source["Kpp"]));
        Type(d, "Oktmo", Text(source["Oktmo"]));
        Child<QCheckBox>(d, QStringLiteral("StandardDeductionsHere"))->setChecked(source["StandardDeductionsHere"]);
        Child<QPushButton>(d, QStringLiteral("fbYes"))->click();
    });
    ListButton(screen, "lvSources", "fbAdd")->click();

    const nlohmann::json& first = source["Lines"][0];
    OnNextModal([&first](QDialog* d) {
        PickNext(QString::number(first["IncomeCode"].get<int>()));
        Child<QPushButton>(d, QStringLiteral("fbIncomeCode"))->click();
        Type(d, "IncomeAmount", Text(first["IncomeAmount"]));
        Type(d, "Month", QString::number(first["Month"].get<int>()));
        Child<QPushButton>(d, QStringLiteral("fbYes"))->click();
    });
    ListButton(screen, "lvIncomes", "fbAdd")->click();
    for (std::size_t i = 1; i < source["Lines"].size(); ++i) ListButton(screen, "lvIncomes", "fbRepeat")->click();
    Type(screen, "TaxWithheld", Text(source["TaxWithheld"]));
}

}  // namespace

class RussianIncomeEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void exampleIncomesThroughTheScreens() {
        test::TempDir dir;
        const std::string made = dir.File("made.qz5");
        QCOMPARE(test::RunCli(dir, std::string("create ") + KVZ_SOURCE_DIR "/data/example.json " + made).code, 0);

        const nlohmann::json example = test::ExampleJson();
        nlohmann::json json = example;
        json.erase("Thirteen");
        mTDeclaration declaration;
        DeclarationFromJson(json, declaration);
        test::ScriptedCheckDialog checks;
        ScreenResources resources;
        resources.checkDialog = &checks;
        TfrRussianIncome section(declaration, resources, nullptr);

        for (const nlohmann::json& source : example["Thirteen"]) EnterSource(section.PageScreen(), source);
        section.Store();
        QCOMPARE(section.Validate(), 0u);
        QVERIFY(checks.Messages.empty());
        const std::string entered = dir.File("entered.qz5");
        declaration.SaveToFile(entered);

        const nlohmann::json info = test::CliJson(dir, "info", entered);
        QCOMPARE(info["Thirteen"].dump(1), test::CliJson(dir, "info", made)["Thirteen"].dump(1));
        QCOMPARE(info.dump(1), test::CliJson(dir, "info", made).dump(1));
    }
};

QTEST_MAIN(RussianIncomeEndToEndTest)
#include "russian_income_end_to_end_test.moc"
