// The pick lists: rows and captions, the row marked in advance, Enter, double
// click and Escape, a code that no row has, the import button, and the search
// that narrows the list as the user types.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <map>

#include "checks/section.h"
#include "gui_typing.h"
#include "model/declaration.h"
#include "model/income_code_picker.h"
#include "screens/russian_income_screen.h"
#include "screens/pick_lists.h"
#include "screens/screen_widgets.h"
#include "screen_test_support.h"
#include "screens/section_screen_factory.h"

using namespace kvz;

namespace {

InspectionDirectory Inspections() {
    InspectionDirectory directory;
    directory.Entries = {{"7701", "ИФНС № 1"}, {"7702", "ИФНС № 2"}, {"7702", "ИФНС № 2 (дубль)"}, {"5001", "ИФНС МО"}};
    return directory;
}

QString Marked(const TPickListDialog& dialog) {
    QTreeWidgetItem* item = dialog.List()->currentItem();
    return item && item->isSelected() ? item->text(0) : QString();
}

QStringList ShownCodes(const TPickListDialog& dialog) {
    QStringList codes;
    for (int row = 0; row < dialog.List()->topLevelItemCount(); ++row)
        if (!dialog.List()->topLevelItem(row)->isHidden()) codes << dialog.List()->topLevelItem(row)->text(0);
    return codes;
}

}  // namespace

class PickListsTest : public QObject {
    Q_OBJECT
private slots:
    void inspectionListRowsAndCaptions() {
        const InspectionDirectory directory = Inspections();
        TfmInputInspectionNumber dialog(directory, {}, nullptr);
        QCOMPARE(dialog.windowTitle(), QString("Справочник инспекций"));
        QCOMPARE(dialog.List()->topLevelItemCount(), 4);
        QCOMPARE(dialog.List()->headerItem()->text(0), QString("Код"));
        QCOMPARE(dialog.List()->headerItem()->text(1), QString("Наименование инспекции"));
        QCOMPARE(dialog.List()->topLevelItem(3)->text(1), QString("ИФНС МО"));
        QVERIFY(dialog.findChild<QPushButton*>("fbImportSoun") == nullptr);
    }

    // The income code picker of the model plugs into the same dialog: it opens at
    // the current income and a row chosen in the list becomes the picker's choice.
    void incomeCodesShowInTheOneDialog() {
        const IncomeDictionary dictionary = IncomeDictionary::LoadEmbedded();
        IncomeCodePicker picker(dictionary, false, "2010", "13");
        TPickListDialog dialog({QStringLiteral("Справочник видов доходов"), QStringLiteral("Код"),
                                QStringLiteral("Наименование дохода")},
                               picker, nullptr);
        QCOMPARE(dialog.List()->topLevelItemCount(), int(picker.Rows().size()));
        QCOMPARE(Marked(dialog), QString("2010"));
        dialog.show();
        QTest::keyClick(dialog.List(), Qt::Key_Down);
        QTest::keyClick(dialog.List(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::string next = picker.Rows().at(picker.SelectedRow())->Code;
        QCOMPARE(dialog.List()->currentItem()->text(0), QString::fromStdString(next));
        QCOMPARE(picker.ChosenCode(), next);
        QVERIFY(next != "2010");
    }

    void preselectMarksTheFirstRowWithTheCode() {
        const InspectionDirectory directory = Inspections();
        TfmInputInspectionNumber dialog(directory, {}, nullptr);
        dialog.Preselect("7702");
        QCOMPARE(dialog.List()->indexOfTopLevelItem(dialog.List()->currentItem()), 1);
        QCOMPARE(Marked(dialog), QString("7702"));
        QCOMPARE(dialog.SelectedName(), std::string("ИФНС № 2"));
    }

    void enterTakesTheHighlightedRow() {
        const InspectionDirectory directory = Inspections();
        TfmInputInspectionNumber dialog(directory, {}, nullptr);
        dialog.Preselect("7701");
        dialog.show();
        QTest::keyClick(dialog.List(), Qt::Key_Down);
        QTest::keyClick(dialog.List(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.SelectedCode(), std::string("7702"));
    }

    void doubleClickTakesTheRow() {
        const InspectionDirectory directory = Inspections();
        TfmInputInspectionNumber dialog(directory, {}, nullptr);
        dialog.show();
        QTreeWidgetItem* item = dialog.List()->topLevelItem(3);
        const QRect rect = dialog.List()->visualItemRect(item);
        QTest::mouseClick(dialog.List()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(dialog.List()->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.SelectedCode(), std::string("5001"));
    }

    void escapeLeavesWithoutAChoice() {
        const InspectionDirectory directory = Inspections();
        TfmInputInspectionNumber dialog(directory, {}, nullptr);
        dialog.show();
        QTest::keyClick(dialog.List(), Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void unknownCodeMarksNothingAndComesBack() {
        const InspectionDirectory directory = Inspections();
        TfmInputInspectionNumber dialog(directory, {}, nullptr);
        dialog.Preselect("9999");
        QCOMPARE(Marked(dialog), QString());
        dialog.show();
        QTest::keyClick(dialog.List(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.SelectedCode(), std::string("9999"));
    }

    // The program's own directory: typing in the list searches names in any case,
    // the arrows move among the rows left, Enter takes the highlighted one; a text
    // nothing matches leaves "Да" unusable, and clearing it shows every row again.
    void typingNarrowsTheInspectionList() {
        const InspectionDirectory directory = ReadInspectionDirectory(KVZ_SOURCE_DIR "/data/InspectionNumbers.xml");
        const int all = static_cast<int>(directory.Entries.size());
        TfmInputInspectionNumber dialog(directory, {}, nullptr);
        dialog.show();
        test::TypeKeys(dialog.List(), QStringLiteral("СОЧИ"));
        QCOMPARE(dialog.Filter()->text(), QStringLiteral("СОЧИ"));
        QCOMPARE(ShownCodes(dialog), (QStringList{"2316", "2320", "2359"}));  // rows far apart
        QCOMPARE(Marked(dialog), QString("2316"));
        QTest::keyClick(dialog.Filter(), Qt::Key_Down);
        QCOMPARE(Marked(dialog), QString("2320"));
        QTest::keyClick(dialog.Filter(), Qt::Key_Down);
        QCOMPARE(Marked(dialog), QString("2359"));
        QTest::keyClick(dialog.Filter(), Qt::Key_Up);
        const QString whole = QStringLiteral("Территориальный участок 2320 по Центральному району инспекции Министерства "
                                             "Российской Федерации по налогам и сборам по г.Сочи");
        QCOMPARE(dialog.List()->currentItem()->toolTip(1), whole);
        QTest::keyClick(dialog.Filter(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.SelectedCode(), std::string("2320"));
        QCOMPARE(dialog.SelectedName(), whole.toStdString());

        TfmInputInspectionNumber again(directory, {}, nullptr);
        again.Preselect("4028");
        again.show();
        test::TypeKeys(again.Filter(), QStringLiteral("калуги московскому"));
        QCOMPARE(ShownCodes(again), QStringList{"4028"});
        QCOMPARE(Marked(again), QString("4028"));  // the marked row stays while it is shown
        again.Filter()->clear();
        test::TypeKeys(again.Filter(), QStringLiteral("9999 нет такой"));
        QVERIFY(ShownCodes(again).isEmpty());
        QVERIFY(!again.findChild<QPushButton*>("fbOk")->isEnabled());
        QTest::keyClick(again.Filter(), Qt::Key_Return);
        QCOMPARE(again.result(), 0);  // still open
        again.Filter()->clear();
        QCOMPARE(ShownCodes(again).size(), all);
        QVERIFY(again.findChild<QPushButton*>("fbOk")->isEnabled());
        test::TypeKeys(again.Filter(), QStringLiteral("4027"));
        QCOMPARE(ShownCodes(again), QStringList{"4027"});
        QTest::keyClick(again.Filter(), Qt::Key_Escape);
        QCOMPARE(again.result(), int(QDialog::Rejected));
    }

    // The search serves every list of the one dialog: income codes and regions.
    void otherPickListsFilterToo() {
        const IncomeDictionary dictionary = IncomeDictionary::LoadEmbedded();
        IncomeCodePicker picker(dictionary, false, "2000", "13");
        TPickListDialog incomes({QStringLiteral("Справочник видов доходов"), QStringLiteral("Код"),
                                 QStringLiteral("Наименование дохода")},
                                picker, nullptr);
        incomes.show();
        test::TypeKeys(incomes.List(), QStringLiteral("2010"));
        QCOMPARE(ShownCodes(incomes), QStringList{"2010"});
        QTest::keyClick(incomes.Filter(), Qt::Key_Return);
        QCOMPARE(incomes.result(), int(QDialog::Accepted));
        QCOMPARE(picker.ChosenCode(), std::string("2010"));

        TfmRegionName regions(0, nullptr);
        regions.show();
        test::TypeKeys(regions.List(), QStringLiteral("петербург"));
        QCOMPARE(ShownCodes(regions), QStringList{"78"});
        QTest::keyClick(regions.Filter(), Qt::Key_Return);
        QCOMPARE(regions.SelectedCodeValue(), 78);
    }

    void importButtonOpensTheImport() {
        const InspectionDirectory directory = Inspections();
        int opened = 0;
        TfmInputInspectionNumber dialog(directory, [&] { ++opened; }, nullptr);
        auto* button = dialog.findChild<QPushButton*>("fbImportSoun");
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), QString("Пролистал весь справочник, моя инспекция отсутствует..."));
        button->click();
        QCOMPARE(opened, 1);
        QCOMPARE(dialog.result(), 0);  // the list stays open
    }

    void documentTypesAndRegionsOpenAtTwoDigitCodes() {
        TfmDocType types(21, nullptr);
        QCOMPARE(types.windowTitle(), QString("Справочник видов документов"));
        QCOMPARE(types.List()->topLevelItemCount(), 14);
        QCOMPARE(types.List()->headerItem()->text(1), QString("Наименование документа"));
        QCOMPARE(Marked(types), QString("21"));
        TfmDocType chosenNever(0, nullptr);
        QCOMPARE(Marked(chosenNever), QString());  // there is no type "01"

        TfmRegionName regions(7, nullptr);
        QCOMPARE(regions.windowTitle(), QString("Справочник регионов"));
        QCOMPARE(regions.List()->topLevelItemCount(), 85);
        QCOMPARE(Marked(regions), QString("07"));
        QCOMPARE(regions.SelectedCodeValue(), 7);
        QCOMPARE(regions.List()->topLevelItem(84)->text(0), QString("99"));
        TfmRegionName first(0, nullptr);
        QCOMPARE(Marked(first), QString("01"));
        QCOMPARE(TwoDigitCode(5), std::string("05"));
        QCOMPARE(TwoDigitCode(91), std::string("91"));
    }

    // A code typed instead of picked, over every kind of code field: a read-only
    // panel (document type, region, income and deduction code) and a field typed into
    // anyway (inspection, country). A known code is taken with its name as if its row
    // were chosen; an unknown one gets a message and a panel shows what it held.
    void typedCodesAreTakenOrRefused_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("panel");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");  // "code name"; empty: nothing chosen
        QTest::addColumn<QString>("message");
        const QString none;
        const auto unknown = [](const char* code, const char* list) {
            return QStringLiteral("Кода \"%1\" нет в списке \"%2\". Выберите код из списка кнопкой \"...\".")
                .arg(QString::fromUtf8(code), QString::fromUtf8(list));
        };
        QTest::newRow("document type") << "doctype" << true << "21" << "21 Паспорт гражданина РФ" << none;
        QTest::newRow("document type, unknown") << "doctype" << true << "02" << none << unknown("02", "Справочник видов документов");
        QTest::newRow("region, one digit") << "region" << true << "7" << "07 Кабардино - Балкарская Республика" << none;
        QTest::newRow("region, unknown") << "region" << true << "00" << none << unknown("00", "Справочник регионов");
        QTest::newRow("income code") << "income" << true << "2000"
                                     << "2000 Вознаграждение, получаемое налогоплательщиком за выполнение трудовых или иных обязанностей; денежное содержание и иные налогооблагаемые выплаты военнослужащим и приравненным к ним категориям физических лиц (кроме выплат по договорам гражданско-правового характера)"
                                     << none;
        QTest::newRow("income code, unknown") << "income" << true << "1234" << none << unknown("1234", "Справочник видов доходов");
        QTest::newRow("deduction code of income 2010") << "deduction" << true << "403"
            << "403 Сумма фактически произведенных и документально подтвержденных расходов, непосредственно связанных с выполнением работ (оказанием услуг) по договорам гражданско-правового характера"
            << none;
        QTest::newRow("deduction code, not of that income") << "deduction" << true << "404" << none << unknown("404", "Справочник видов вычетов");
        QTest::newRow("inspection") << "inspection" << false << "7702" << "7702 ИФНС № 2" << none;
        QTest::newRow("inspection, unknown") << "inspection" << false << "7799" << none << unknown("7799", "Справочник инспекций");
        QTest::newRow("country, leading zero") << "country" << false << "0643" << "643 РОССИЯ" << none;
    }

    void typedCodesAreTakenOrRefused() {
        QFETCH(QString, list);
        QFETCH(bool, panel);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QFETCH(QString, message);
        const InspectionDirectory inspections = Inspections();
        InspectionDirectory countries;
        countries.Entries = {{"643", "РОССИЯ"}, {"112", "БЕЛАРУСЬ"}};
        ScreenResources resources;
        resources.inspections = &inspections;
        resources.countries = &countries;
        const IncomeDictionary dictionary = IncomeDictionary::LoadEmbedded();
        const std::map<QString, TPickButton::DialogFactory> lists{
            {"doctype", [](QWidget* p) { return std::make_unique<TfmDocType>(0, p); }},
            {"region", [](QWidget* p) { return std::make_unique<TfmRegionName>(0, p); }},
            {"income", IncomeCodeList(dictionary, "")},
            {"deduction", DeductionCodeList(dictionary, true, [] { return std::string("2010"); })},
            {"inspection", InspectionList(resources)},
            {"country", CountryList(resources)},
        };

        QWidget window;
        auto* before = new QLineEdit(QStringLiteral("г. Москва"), &window);
        QLineEdit* field = panel ? NewChoicePanel(QStringLiteral("Code"), &window) : new QLineEdit(&window);
        field->setText(QStringLiteral("held"));
        field->move(0, 40);
        QString taken;
        auto* button = new TPickButton(
            QStringLiteral("fbCode"), QString(), lists.at(list), [] { return std::string(); },
            [&](const std::string& code, const std::string& name) {
                taken = QString::fromStdString(code + " " + name);
                field->setText(QString::fromStdString(code));
            });
        button->setParent(&window);
        button->move(0, 80);
        button->TypedInto(field);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        before->setFocus();
        // A click into the field makes it the one typed into, read-only or not.
        QTest::mouseClick(field, Qt::LeftButton);
        QVERIFY(field->hasFocus());
        if (!panel) field->clear();
        QString shownMessage;
        test::OnNextModal([&](QDialog* box) {
            shownMessage = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            box->close();
        });
        test::TypeKeys(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::qWait(message.isEmpty() ? 0 : 100);
        QCOMPARE(before->text(), QStringLiteral("г. Москва"));
        QCOMPARE(taken, chosen);
        QCOMPARE(shownMessage, message);
        if (panel && chosen.isEmpty()) QCOMPARE(field->text(), QStringLiteral("held"));
        if (!panel && chosen.isEmpty()) QCOMPARE(field->text(), typed);  // kept as typed, the check speaks of it
        QCOMPARE(field->isReadOnly(), panel);
    }

    void countryList() {
        InspectionDirectory countries;
        countries.Entries = {{"643", "РОССИЯ"}, {"112", "БЕЛАРУСЬ"}};
        TfmGrazhd dialog(countries, nullptr);
        QCOMPARE(dialog.windowTitle(), QString("Справочник стран"));
        QCOMPARE(dialog.List()->headerItem()->text(1), QString("Наименование государства"));
        dialog.Preselect("112");
        QCOMPARE(Marked(dialog), QString("112"));
        QCOMPARE(dialog.SelectedName(), std::string("БЕЛАРУСЬ"));
    }

    void factoryGivesEverySectionAScreen() {
        mTDeclaration declaration;
        ScreenResources resources;
        for (Section section : kAllSections) {
            std::unique_ptr<TThinkingFrame> screen = CreateSectionScreen(section, declaration, resources, nullptr);
            QVERIFY(screen != nullptr);
            QVERIFY(screen->findChild<QLabel*>("lblNotAvailable") == nullptr);
            if (section == Section::RussianIncome) QVERIFY(dynamic_cast<TfrRussianIncome*>(screen.get()));
        }
    }
};

QTEST_MAIN(PickListsTest)
#include "pick_lists_test.moc"
