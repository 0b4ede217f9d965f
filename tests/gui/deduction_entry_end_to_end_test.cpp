// The deductions of the bundled example entered through the screens and their
// dialogs give the same document and the same refund as the example made by the
// command-line tool.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>
#include <nlohmann/json.hpp>

#include "model/declaration.h"
#include "model/declaration_json.h"
#include "screen_test_support.h"
#include "screens/deduct_data_screen.h"
#include "screens/item_list_editor.h"
#include "screens/masked_edit.h"
#include "support/cli_run.h"
#include "support/example_document.h"

using namespace kvz;
using kvz::test::OnNextModal;

namespace {

template <class T>
T* Child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no widget %s", name);
    return found;
}

void Type(QWidget* screen, const char* name, const char* text) {
    Child<TMaskedEdit>(screen, name)->setText(QString::fromUtf8(text));
}

}  // namespace

class DeductionEntryEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void exampleDeductionsThroughTheScreens() {
        test::TempDir dir;
        const std::string made = dir.File("made.qz5");
        QCOMPARE(test::RunCli(dir, std::string("create ") + KVZ_SOURCE_DIR "/data/example.json " + made).code, 0);

        nlohmann::json json = test::ExampleJson();
        for (const char* section : {"Standard", "Social", "Construction"}) json.erase(section);
        mTDeclaration declaration;
        DeclarationFromJson(json, declaration);
        test::ScriptedCheckDialog checks;
        ScreenResources resources;
        resources.checkDialog = &checks;
        TfrFrameDeductData section(declaration, resources, nullptr);

        Type(section.PageScreen(), "ChildrenCount", "1");
        Child<QPushButton>(&section, "fbPensDeduct")->click();
        Child<QCheckBox>(section.PageScreen(), "Granted")->setChecked(true);
        Type(section.PageScreen(), "OwnEducation", "45000");
        Type(section.PageScreen(), "Treatment", "38500");
        Child<QPushButton>(&section, "fbConstructionDeduct")->click();
        Child<QCheckBox>(section.PageScreen(), "Granted")->setChecked(true);
        OnNextModal([](QDialog* d) {
            Child<QComboBox>(d, "ObjectNameCode")->setCurrentIndex(1);
            Child<QComboBox>(d, "OwnershipKind")->setCurrentIndex(0);
            Child<QComboBox>(d, "TaxpayerSign")->setCurrentIndex(0);
            Type(d, "PostIndex", "115569");
            Child<QLineEdit>(d, "RegionCode")->setText(QStringLiteral("77"));
            Type(d, "City", "Москва г");
            Type(d, "Street", "Шипиловская ул");
            Type(d, "House", "28");
            Type(d, "Building", "1");
            Type(d, "Flat", "112");
            Child<QDateEdit>(d, "RightRegDate")->setDate(QDate(2015, 5, 20));
            Child<QDateEdit>(d, "TransferActDate")->setDate(QDate(2015, 4, 14));
            Child<QDateEdit>(d, "ApplicationDate")->setDate(QDate(2015, 5, 20));
            Type(d, "ShareNumerator", "1");
            Type(d, "ShareDenominator", "1");
            Child<QSpinBox>(d, "FirstUseYear")->setValue(2015);
            Type(d, "ObjectCost", "4350000");
            Type(d, "CreditInterest", "96240,55");
            Child<QPushButton>(d, "fbYes")->click();
        });
        qobject_cast<TItemListEditor*>(Child<QTreeWidget>(section.PageScreen(), "lvObjects")->parentWidget())
            ->AddItem();
        section.Store();
        QVERIFY(checks.Messages.empty());
        const std::string entered = dir.File("entered.qz5");
        declaration.SaveToFile(entered);

        QCOMPARE(test::CliJson(dir, "info", entered).dump(1), test::CliJson(dir, "info", made).dump(1));
        const nlohmann::json calc = test::CliJson(dir, "calc", entered);
        QCOMPARE(calc.dump(1), test::CliJson(dir, "calc", made).dump(1));
        QCOMPARE(calc["kTSvodSumList1"]["RefundDue"].get<std::string>(), std::string("84708"));
    }
};

QTEST_MAIN(DeductionEntryEndToEndTest)
#include "deduction_entry_end_to_end_test.moc"
