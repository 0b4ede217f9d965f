// The main window with the program's own section screens: a screen's check refuses
// the switch through the window's check dialog, and the declaration check lands on
// the taxpayer's field.
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include "checks/ui/check_all_error_dialog.h"
#include "checks/ui/check_error_dialog.h"
#include "form_main_fixture.h"
#include "gui_typing.h"
#include "screens/construction_deduct_screen.h"
#include "screens/deduct_data_screen.h"
#include "screens/item_list_editor.h"
#include "screens/russian_income_screen.h"
#include "screens/thirteen_percent_screen.h"
#include "storage/dates.h"
#include "support/example_document.h"

namespace kvz::test {

namespace {

std::unique_ptr<TFormMain> RealForm(const ProgramFolder& folder, DialogScript& dialogs) {
    FormMainParts parts;
    parts.programFolder = folder.Path();
    parts.dialogs = std::make_unique<FakeDialogs>(dialogs);
    return std::make_unique<TFormMain>(std::move(parts));
}

// The window started on a new document, shown and active.
std::unique_ptr<TFormMain> ShownForm(const ProgramFolder& folder, DialogScript& dialogs) {
    auto form = RealForm(folder, dialogs);
    form->Start({});
    form->show();
    if (!QTest::qWaitForWindowActive(form.get())) qWarning("the window did not become active");
    return form;
}

// Answers the next check dialog with the button and remembers what it showed.
struct CheckAnswer {
    QString title;
    QString message;
    void Next(const char* button) {
        OnNextModal([this, button](QWidget* modal) {
            auto* dialog = qobject_cast<TCheckDialogFrame*>(modal);
            if (dialog == nullptr) return modal->close();
            title = dialog->windowTitle();
            message = dialog->MessageText();
            dialog->findChild<QPushButton*>(QString::fromUtf8(button))->click();
            return true;
        });
    }
    // "Проверить", its first finding answered "Исправить".
    void CheckAndFix(TFormMain& form) {
        Next("btnFix");
        QTest::mouseClick(Find<QToolButton>(form, "fbCheck"), Qt::LeftButton);
    }
};

QWidget* Editor(TFormMain& form, const char* field) {
    return form.CurrentScreen()->findChild<QWidget*>(QString::fromUtf8(field));
}

}  // namespace

class FormMainRealScreensTest : public QObject {
    Q_OBJECT

private slots:
    void providesTheScreensWhatTheyNeed() {
        ProgramFolder folder;
        DialogScript dialogs;
        auto form = RealForm(folder, dialogs);
        const ScreenResources& resources = form->Resources();
        QVERIFY(resources.inspections != nullptr);
        QVERIFY(resources.inspections->Entries.size() > 3000);
        QVERIFY(resources.countries != nullptr);
        QVERIFY(qobject_cast<TfmCheckError*>(dynamic_cast<QObject*>(resources.checkDialog)) != nullptr);
        QVERIFY(resources.askYesNo);
        QVERIFY(resources.showInspectionImport);
        QVERIFY(resources.activities != nullptr);
        QVERIFY(resources.currencyRates != nullptr);
        QVERIFY(form->DataFiles().problems.empty());

        dialogs.yesNo.push_back(true);
        QVERIFY(resources.askYesNo("Удалить?"));
        QCOMPARE(dialogs.messages.back().caption, std::string("Кварзен 2015"));
    }

    void taxpayerChecksRefuseToLeaveAnEmptySurname() {
        ProgramFolder folder;
        DialogScript dialogs;
        auto form = ShownForm(folder, dialogs);
        QVERIFY(form->isActiveWindow());
        // The new document has no inspection yet: the conditions screen says so.
        CheckAnswer answer;
        answer.Next("btnSkipAll");
        QTest::mouseClick(form->SectionButton(Section::Taxpayer), Qt::LeftButton);
        QCOMPARE(answer.message, QStringLiteral("Не введен номер инспекции"));
        TThinkingFrame* taxpayer = form->CurrentScreen();
        QVERIFY(form->SectionButton(Section::Taxpayer)->isChecked());

        answer.Next("btnFix");
        QTest::mouseClick(form->SectionButton(Section::Conditions), Qt::LeftButton);
        QCOMPARE(answer.title, QStringLiteral("Проверка: Сведения о декларанте"));
        QCOMPARE(answer.message, QStringLiteral("Не введена фамилия"));
        QCOMPARE(form->CurrentScreen(), taxpayer);
        QVERIFY(form->SectionButton(Section::Taxpayer)->isChecked());
        QVERIFY(!form->SectionButton(Section::Conditions)->isChecked());
        // The window's own focus: the test platform does not hand activation back
        // to the window when the check dialog closes.
        QCOMPARE(form->focusWidget(), Editor(*form, "Surname"));

        // Typed in, the surname lets the next check speak; skipping everything leaves.
        TypeKeys(Editor(*form, "Surname"), QStringLiteral("Смирнова"));
        QVERIFY(!form->Controller().Unchanged());
        answer.Next("btnSkipAll");
        QTest::mouseClick(form->SectionButton(Section::Conditions), Qt::LeftButton);
        QCOMPARE(answer.message, QStringLiteral("Не введено имя"));
        QVERIFY(form->SectionButton(Section::Conditions)->isChecked());
        QCOMPARE(form->Controller().Declaration().Person.Surname, std::string("Смирнова"));
    }

    // A screen that replaces another takes the focus in its first field, so that
    // typing right after "Создать" or a click on a section is not lost.
    void aShownScreenTakesTheFocusInItsFirstField() {
        ProgramFolder folder;
        DialogScript dialogs;
        auto form = ShownForm(folder, dialogs);
        QCOMPARE(form->focusWidget(), Editor(*form, "InspectionCode"));
        QTest::keyClicks(form->focusWidget(), QStringLiteral("7724"));
        QCOMPARE(qobject_cast<QLineEdit*>(Editor(*form, "InspectionCode"))->text(), QStringLiteral("7724"));

        QTest::mouseClick(form->SectionButton(Section::Taxpayer), Qt::LeftButton);
        QCOMPARE(form->Controller().CurrentSection(), Section::Taxpayer);
        QCOMPARE(form->focusWidget(), Editor(*form, "Surname"));

        // A section with a list starts on the list, empty or not.
        form->Controller().Declaration().Person.Surname = "Иванов";
        CheckAnswer answer;
        answer.Next("btnSkipAll");
        QTest::mouseClick(form->SectionButton(Section::RussianIncome), Qt::LeftButton);
        QCOMPARE(form->Controller().CurrentSection(), Section::RussianIncome);
        auto* section = qobject_cast<TfrRussianIncome*>(form->CurrentScreen());
        QVERIFY(section != nullptr);
        auto* thirteen = qobject_cast<TfrThirteenPercent*>(section->PageScreen());
        QVERIFY(thirteen != nullptr);
        QCOMPARE(form->focusWidget(), thirteen->SourceList()->List());
    }

    void declarationCheckLandsOnTheTaxpayersField() {
        ProgramFolder folder;
        DialogScript dialogs;
        auto form = ShownForm(folder, dialogs);
        QVERIFY(form->isActiveWindow());
        form->Controller().Declaration().InspectionCode = "7724";

        CheckAnswer answer;
        answer.CheckAndFix(*form);
        QCOMPARE(answer.title, QStringLiteral("Проверка: Сведения о декларанте"));
        QVERIFY(form->SectionButton(Section::Taxpayer)->isChecked());
        QCOMPARE(form->Controller().CurrentSection(), Section::Taxpayer);
        // The window's own focus: the test platform does not hand activation back
        // to the window when the check dialog closes.
        QCOMPARE(form->focusWidget(), Editor(*form, "Surname"));
        QVERIFY(dialogs.messages.empty());
    }

    // Values the authority's format refuses are the check's findings: "Проверить"
    // names them and lands on their fields.
    void checkLandsOnAShortInspectionNumberAndABadCountryCode() {
        ProgramFolder folder;
        DialogScript dialogs;
        auto form = ShownForm(folder, dialogs);
        QVERIFY(form->isActiveWindow());
        // A taxpayer the declaration's own checks let through.
        mTDeclaration& d = form->Controller().Declaration();
        mTPersonInformation& p = d.Person;
        p.Surname = "Иванов";
        p.FirstName = "Иван";
        p.PersonInn = "500100732259";
        p.BirthDate = EncodeDate(1977, 1, 1);
        p.RegionCode = 77;
        p.Street = "Тверская";
        p.ResidenceOktmo = "45382000";
        d.InspectionCode = "12";

        QString title, message;
        bool pickerOpened = false;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<TCheckDialogFrame*>(modal);
            if (dialog == nullptr) return modal->close();
            title = dialog->windowTitle();
            message = dialog->MessageText();
            // The inspection's focus opens its picker once the check dialog is answered.
            OnNextModal([&](QWidget* picker) {
                pickerOpened = qobject_cast<TCheckDialogFrame*>(picker) == nullptr;
                picker->close();
            });
            dialog->findChild<QPushButton*>(QStringLiteral("btnFix"))->click();
            return true;
        });
        QTest::mouseClick(Find<QToolButton>(*form, "fbCheck"), Qt::LeftButton);
        QTRY_VERIFY(pickerOpened);
        QCOMPARE(title, QStringLiteral("Проверка: Задание условий"));
        QCOMPARE(message, QStringLiteral("Номер инспекции \"12\": нужно 4 цифры"));
        QCOMPARE(form->Controller().CurrentSection(), Section::Conditions);
        QCOMPARE(form->focusWidget(), Editor(*form, "InspectionCode"));

        d.InspectionCode = "7724";
        p.CitizenshipCode = "99a9";
        CheckAnswer answer;
        answer.CheckAndFix(*form);
        QCOMPARE(answer.title, QStringLiteral("Проверка: Сведения о декларанте"));
        QCOMPARE(answer.message, QStringLiteral("Код страны \"99a9\" не найден в справочнике стран"));
        QCOMPARE(form->Controller().CurrentSection(), Section::Taxpayer);
        auto* code = qobject_cast<QLineEdit*>(Editor(*form, "CitizenshipCode"));
        QCOMPARE(form->focusWidget(), code);

        // The country's name follows the code typed.
        code->selectAll();
        TypeKeys(code, QStringLiteral("643"));
        QCOMPARE(qobject_cast<QLineEdit*>(Editor(*form, "CitizenshipCountry"))->text(), QStringLiteral("РОССИЯ"));
        QVERIFY(dialogs.messages.empty());
    }

    // The bundled example with a second flat whose year of first use lies after the
    // tax year: the check lands on that flat in the property list.
    void checkLandsOnTheSecondPropertyObject() {
        ProgramFolder folder;
        DialogScript dialogs;
        auto form = ShownForm(folder, dialogs);
        QVERIFY(form->isActiveWindow());
        mTDeclaration& d = form->Controller().Declaration();
        LoadExample(d);
        mTConstructionDeductObj second = d.Construction.Object(0);
        second.Street = "Тверская ул";
        second.FirstUseYear = EncodeDate(2016, 1, 1);
        d.Construction.ObjectAdd(second);

        CheckAnswer answer;
        answer.CheckAndFix(*form);
        QVERIFY(answer.message.startsWith(QStringLiteral("Объект № 2.")));
        QCOMPARE(form->Controller().CurrentSection(), Section::Deductions);
        auto* deductions = qobject_cast<TfrFrameDeductData*>(form->CurrentScreen());
        QVERIFY(deductions != nullptr);
        auto* property = qobject_cast<TfrMultyConstructionDeduct*>(deductions->PageScreen());
        QVERIFY(property != nullptr);
        QCOMPARE(property->Objects()->CurrentRow(), 1);
        QVERIFY(property->Objects()->List()->currentItem()->text(0).contains(QStringLiteral("Тверская")));
        QCOMPARE(form->focusWidget(), property->Objects()->List());
        QVERIFY(dialogs.messages.empty());
    }

    // The example with a second employer whose tax withheld exceeds its income:
    // "Проверить" lands on that employer in the 13 % list.
    void checkLandsOnTheThirteenPercentSource() {
        ProgramFolder folder;
        DialogScript dialogs;
        auto form = ShownForm(folder, dialogs);
        QVERIFY(form->isActiveWindow());
        mTDeclaration& d = form->Controller().Declaration();
        LoadExample(d);
        d.Thirteen.Get(1).TaxWithheld = d.Thirteen.Get(1).IncomeTotal + Money::FromUnits(1);

        CheckAnswer answer;
        answer.CheckAndFix(*form);
        QCOMPARE(answer.message, QStringLiteral("По данному источнику выплаты общая сумма дохода меньше удержанной суммы"));
        QCOMPARE(form->Controller().CurrentSection(), Section::RussianIncome);
        auto* section = qobject_cast<TfrRussianIncome*>(form->CurrentScreen());
        QVERIFY(section != nullptr);
        auto* thirteen = qobject_cast<TfrThirteenPercent*>(section->PageScreen());
        QVERIFY(thirteen != nullptr);
        QCOMPARE(thirteen->SourceList()->CurrentRow(), 1);
        QCOMPARE(form->focusWidget(), thirteen->SourceList()->List());
        QVERIFY(dialogs.messages.empty());
    }

private:
    SettingsSandbox Settings_;
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::FormMainRealScreensTest)
#include "form_main_real_screens_test.moc"
