// The conditions screen: filling and storing, the states that follow the type,
// the income kinds and the signer, the question before entered incomes are
// deleted, the order of its checks and the inspection picker.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include "checks/section.h"
#include "gui_typing.h"
#include "model/declaration.h"
#include "screen_harness.h"
#include "screen_test_support.h"
#include "screens/initial_data_screen.h"
#include "screens/masked_edit.h"
#include "screens/pick_list_dialog.h"

using namespace kvz;
using kvz::test::OnNextModal;
using kvz::test::ScriptedCheckDialog;
using kvz::test::ScriptedQuestions;
using kvz::test::TypeKeys;

namespace {

struct Harness : test::ScreenHarness<TfrInitialData> {
    explicit Harness(std::deque<int> checkAnswers = {}) : ScreenHarness(std::move(checkAnswers)) {
        directory.Entries = {{"7701", "Инспекция ФНС России № 1 по г. Москве"},
                             {"7702", "Инспекция ФНС России № 2 по г. Москве"},
                             {"5001", "Инспекция по Московской области"}};
        resources.inspections = &directory;
    }
    // Built only once the declaration is set up, as the window does.
    TfrInitialData& Screen() {
        Open();
        sections = std::make_unique<QSignalSpy>(screen.get(), &TThinkingFrame::sectionsChanged);
        return *screen;
    }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    bool Checked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    bool Enabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
    bool Shown(const char* name) { return !Find<QWidget>(name)->isHidden(); }

    InspectionDirectory directory;
    std::unique_ptr<QSignalSpy> sections;
};

void AddRussianSources(mTDeclaration& d, int count) {
    d.SetIncomeKinds(d.IncomeKinds | kIncomeRussian);
    for (int i = 0; i < count; ++i) d.Thirteen.Get(d.Thirteen.Add()).SourceName = "ООО Ромашка";
}

}  // namespace

class InitialDataScreenTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheDeclarationAndStoresOnlyEdits() {
        Harness h;
        h.declaration.InspectionCode = "7701";
        h.declaration.CorrectionNumber = 2;
        h.declaration.TaxpayerKind = 3;
        h.declaration.ConfirmedBy = 1;
        h.declaration.RepresentativeName = "Петров Петр Петрович";
        h.declaration.SetIncomeKinds(kIncomeForeign | kIncomeInvestTov);
        h.Screen();
        QCOMPARE(h.Find<TMaskedEdit>("InspectionCode")->text(), QString("7701"));
        QCOMPARE(h.Find<QSpinBox>("CorrectionNumber")->value(), 2);
        QVERIFY(h.Checked("rbTaxpayerKind3"));
        QVERIFY(h.Checked("rbConfirmedBy1"));
        QVERIFY(h.Checked("rbDeclarationKind0"));
        QVERIFY(!h.Checked("chbIncomeRussian") && h.Checked("chbIncomeForeign") && h.Checked("chbIncomeInvestTov"));
        QCOMPARE(h.Find<TMaskedEdit>("RepresentativeName")->text(), QString("Петров Петр Петрович"));

        h.screen->Store();
        QCOMPARE(h.modified->count(), 0);

        auto* code = h.Find<TMaskedEdit>("InspectionCode");
        code->selectAll();
        TypeKeys(code, "7702x");
        QCOMPARE(code->text(), QString("7702"));
        QCOMPARE(h.modified->count(), 4);  // one a digit; the letter was refused
        QCOMPARE(h.declaration.InspectionCode, std::string("7701"));
        h.Click("rbTaxpayerKind2");
        h.screen->Store();
        QCOMPARE(h.declaration.InspectionCode, std::string("7702"));
        QCOMPARE(h.declaration.TaxpayerKind, uint8_t{2});
        QCOMPARE(h.declaration.CorrectionNumber, 2);
    }

    void fourNdflSwitchesKindsTaxpayerAndFields() {
        Harness h;
        h.declaration.SetIncomeKinds(kIncomeRussian | kIncomeInvestTov);
        h.Screen();
        QVERIFY(h.Checked("rbTaxpayerKind5"));
        QVERIFY(!h.Shown("ExpectedIncome"));
        QVERIFY(!h.Shown("RepresentativeOrganization") && !h.Shown("rbConfirmedBy2"));

        h.Click("rbDeclarationKind2");
        QCOMPARE(h.declaration.DeclarationKind, uint8_t{kDecl4Ndfl});
        QCOMPARE(h.declaration.IncomeKinds, uint8_t{0});
        QVERIFY(h.questions.Asked.empty());  // the lists were empty
        for (const char* box : {"chbIncomeRussian", "chbIncomeForeign", "chbIncomeBusiness", "chbIncomeInvestTov"}) {
            QVERIFY2(!h.Checked(box) && !h.Enabled(box), box);
        }
        QVERIFY(h.Checked("rbTaxpayerKind0"));
        QVERIFY(!h.Enabled("rbTaxpayerKind5") && !h.Enabled("rbTaxpayerKind6"));
        QVERIFY(h.Shown("ExpectedIncome") && h.Enabled("ExpectedIncome"));
        QVERIFY(h.Shown("RepresentativeOrganization") && h.Shown("rbConfirmedBy2"));
        QCOMPARE(h.sections->count(), 1);
        QVERIFY(h.modified->count() >= 1);
        h.screen->Store();
        QCOMPARE(h.declaration.TaxpayerKind, uint8_t{0});
    }

    void nonResidentKeepsRussianAndInvestmentOnly() {
        Harness h;
        h.declaration.SetIncomeKinds(kIncomeRussian | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov);
        h.Screen();
        h.Click("rbDeclarationKind1");
        QCOMPARE(h.declaration.IncomeKinds, uint8_t{kIncomeRussian | kIncomeInvestTov});
        QVERIFY(!h.Checked("chbIncomeForeign") && !h.Enabled("chbIncomeForeign"));
        QVERIFY(!h.Checked("chbIncomeBusiness") && !h.Enabled("chbIncomeBusiness"));
        QVERIFY(h.Checked("chbIncomeRussian") && h.Enabled("chbIncomeRussian"));
        QVERIFY(h.Checked("chbIncomeInvestTov") && h.Enabled("chbIncomeInvestTov"));
        QVERIFY(h.Enabled("rbTaxpayerKind5"));
        // Back to the resident form everything can be chosen again.
        h.Click("rbDeclarationKind0");
        QVERIFY(h.Enabled("chbIncomeForeign") && h.Enabled("chbIncomeBusiness"));
        QCOMPARE(h.sections->count(), 2);
    }

    void uncheckingIncomesWithDataAsksAndNoKeepsThem() {
        Harness h;
        AddRussianSources(h.declaration, 2);
        h.declaration.MonthsWorked = 4;
        h.questions.Answers = {false};
        h.Screen();
        h.Click("chbIncomeRussian");
        QCOMPARE(h.questions.Asked.size(), std::size_t{1});
        const std::string& question = h.questions.Asked.front();
        QVERIFY(question.find("доходы, полученные в РФ (источников выплаты: 2)") != std::string::npos);
        QVERIFY(h.Checked("chbIncomeRussian"));
        QCOMPARE(h.declaration.IncomeKinds, uint8_t{kIncomeRussian});
        QCOMPARE(h.declaration.Thirteen.Count(), 2);
        QCOMPARE(h.declaration.MonthsWorked, 4);
        QCOMPARE(h.sections->count(), 0);
        QCOMPARE(h.modified->count(), 0);
    }

    void uncheckingIncomesWithDataAndYesDeletesThem() {
        Harness h;
        AddRussianSources(h.declaration, 1);
        h.questions.Answers = {true};
        h.Screen();
        h.Click("chbIncomeRussian");
        QCOMPARE(h.questions.Asked.size(), std::size_t{1});
        QVERIFY(!h.Checked("chbIncomeRussian"));
        QCOMPARE(h.declaration.IncomeKinds, uint8_t{0});
        QCOMPARE(h.declaration.Thirteen.Count(), 0);
        QCOMPARE(h.sections->count(), 1);
        QCOMPARE(h.modified->count(), 1);
    }

    void emptyKindsSwitchWithoutQuestion() {
        Harness h;
        h.declaration.SetIncomeKinds(kIncomeForeign);
        h.Screen();
        h.Click("chbIncomeForeign");
        h.Click("chbIncomeBusiness");
        QVERIFY(h.questions.Asked.empty());
        QCOMPARE(h.declaration.IncomeKinds, uint8_t{kIncomeBusiness});
        QCOMPARE(h.sections->count(), 2);
    }

    void typeThatDropsKindsWithDataAsksAndNoRestoresTheType() {
        Harness h;
        h.declaration.SetIncomeKinds(kIncomeForeign | kIncomeBusiness);
        h.declaration.Foreign.Add();
        h.declaration.Business.Add();
        h.declaration.TaxpayerKind = 5;
        h.questions.Answers = {false, true};
        h.Screen();
        h.Click("rbDeclarationKind2");
        QCOMPARE(h.questions.Asked.size(), std::size_t{1});
        const std::string& question = h.questions.Asked.front();
        QVERIFY(question.find("4-НДФЛ") != std::string::npos);
        QVERIFY(question.find("доходы в иностранной валюте (записей: 1)") != std::string::npos);
        QVERIFY(question.find("доходы от предпринимательской деятельности (видов деятельности: 1)") !=
                std::string::npos);
        QVERIFY(h.Checked("rbDeclarationKind0") && !h.Checked("rbDeclarationKind2"));
        QCOMPARE(h.declaration.DeclarationKind, uint8_t{kDecl3Ndfl});
        QCOMPARE(h.declaration.Foreign.Count(), 1);
        QVERIFY(h.Checked("chbIncomeForeign") && h.Enabled("chbIncomeForeign"));
        QVERIFY(h.Checked("rbTaxpayerKind5"));
        QCOMPARE(h.sections->count(), 0);

        h.Click("rbDeclarationKind1");
        QCOMPARE(h.questions.Asked.size(), std::size_t{2});
        QCOMPARE(h.declaration.DeclarationKind, uint8_t{kDecl3NdflNonResident});
        QCOMPARE(h.declaration.IncomeKinds, uint8_t{0});
        QCOMPARE(h.declaration.Foreign.Count(), 0);
        QCOMPARE(h.sections->count(), 1);
    }

    void droppingTheLastKindWarnsAboutDeductions() {
        Harness h;
        h.declaration.SetIncomeKinds(kIncomeInvestTov);
        h.declaration.Social.Treatment = Money::FromUnits(1000);
        h.Screen();
        h.Click("chbIncomeInvestTov");
        QCOMPARE(h.questions.Asked.size(), std::size_t{1});
        QVERIFY(h.questions.Asked.front().find("вычеты") != std::string::npos);
        QCOMPARE(h.declaration.IncomeKinds, uint8_t{kIncomeInvestTov});
    }

    void businessBoxGovernsExpectedIncome() {
        Harness h;
        h.declaration.ExpectedIncome = Money::FromUnits(120000);
        h.declaration.SetIncomeKinds(kIncomeBusiness);
        h.Screen();
        auto* expected = h.Find<TMaskedEdit>("ExpectedIncome");
        QCOMPARE(expected->text(), QString("120000"));
        QVERIFY(expected->isEnabled());
        h.Click("chbIncomeBusiness");
        QVERIFY(!expected->isEnabled());
        QCOMPARE(expected->text(), QString());
        h.screen->Store();
        QCOMPARE(h.declaration.ExpectedIncome, Money());
        h.Click("chbIncomeBusiness");
        QVERIFY(expected->isEnabled());
    }

    void signerEnablesTheRepresentativeFields() {
        Harness h;
        h.declaration.DeclarationKind = kDecl4Ndfl;
        h.declaration.ConfirmedBy = 2;
        h.Screen();
        QVERIFY(h.Enabled("RepresentativeName") && h.Enabled("RepresentativeDocument") &&
                h.Enabled("RepresentativeOrganization"));
        h.Click("rbConfirmedBy1");
        QVERIFY(h.Enabled("RepresentativeName") && h.Enabled("RepresentativeDocument"));
        QVERIFY(!h.Enabled("RepresentativeOrganization"));
        h.Click("rbConfirmedBy0");
        QVERIFY(!h.Enabled("RepresentativeName") && !h.Enabled("RepresentativeDocument"));
        // The organisation goes with the expected-income form: back at 3-НДФЛ a
        // representative organisation becomes a representative person.
        h.Click("rbConfirmedBy2");
        h.Click("rbDeclarationKind0");
        QVERIFY(h.Checked("rbConfirmedBy1"));
        QVERIFY(!h.Shown("rbConfirmedBy2"));
    }

    void representativeTextsAreWrittenOnlyWhileEnabled() {
        Harness h;
        h.declaration.ConfirmedBy = 1;
        h.declaration.RepresentativeName = "Сидоров";
        h.declaration.RepresentativeDocument = "Доверенность";
        h.Screen();
        h.Find<TMaskedEdit>("RepresentativeName")->setText("Иванов");
        h.Click("rbConfirmedBy0");
        h.screen->Store();
        QCOMPARE(h.declaration.ConfirmedBy, uint8_t{0});
        QCOMPARE(h.declaration.RepresentativeName, std::string("Сидоров"));
        // A name cleared while it can be edited is cleared in the declaration too.
        h.Click("rbConfirmedBy1");
        h.Find<TMaskedEdit>("RepresentativeDocument")->clear();
        h.screen->Store();
        QCOMPARE(h.declaration.RepresentativeDocument, std::string());
        QCOMPARE(h.declaration.RepresentativeName, std::string("Иванов"));
    }

    void validateRunsItsChecksInOrder() {
        Harness h({kCheckAnswerSkip, kCheckAnswerClosed, kCheckAnswerSkip, kCheckAnswerFix});
        h.declaration.DeclarationKind = kDecl4Ndfl;
        h.declaration.ConfirmedBy = 2;
        h.Screen();
        QCOMPARE(h.screen->Validate(), 5u);
        const std::vector<std::string> expected = {"Не введен номер инспекции", "Не указаны ФИО подписанта-представителя",
                                                   "Не указан документ, подтверждающий полномочия представителя",
                                                   "Не указано наименование Юр.лица-представителя"};
        QCOMPARE(h.checks.Texts(), expected);
        QCOMPARE(h.checks.Messages.front().caption, std::string("Задание условий"));
    }

    void validateStopsAtFixOrSkipAll() {
        Harness fix({kCheckAnswerFix});
        fix.declaration.ConfirmedBy = 1;
        fix.Screen();
        QCOMPARE(fix.screen->Validate(), 1u);
        QCOMPARE(fix.checks.Messages.size(), std::size_t{1});

        Harness skipAll({kCheckAnswerSkipAll});
        skipAll.declaration.ConfirmedBy = 1;
        skipAll.Screen();
        QCOMPARE(skipAll.screen->Validate(), 0u);
        QCOMPARE(skipAll.checks.Messages.size(), std::size_t{1});

        Harness document({kCheckAnswerFix});
        document.declaration.InspectionCode = "7701";
        document.declaration.ConfirmedBy = 1;
        document.declaration.RepresentativeName = "Петров";
        document.Screen();
        QCOMPARE(document.screen->Validate(), 4u);

        Harness clean;
        clean.declaration.InspectionCode = "7701";
        clean.Screen();
        QCOMPARE(clean.screen->Validate(), 0u);
        QVERIFY(clean.checks.Messages.empty());
    }

    void inspectionPickerTakesAnotherCode() {
        Harness h;
        h.declaration.InspectionCode = "7701";
        h.Screen();
        QString preselected;
        OnNextModal([&](QDialog* dialog) {
            auto* list = dialog->findChild<QTreeWidget*>();
            preselected = list->currentItem() ? list->currentItem()->text(0) : QString();
            list->setCurrentItem(list->topLevelItem(2));
            QTest::keyClick(list, Qt::Key_Return);
        });
        h.Click("fbInspection");
        QCOMPARE(preselected, QString("7701"));
        QCOMPARE(h.Find<TMaskedEdit>("InspectionCode")->text(), QString("5001"));
        QCOMPARE(h.Find<QLabel>("lblInspectionName")->text(), QString("Инспекция по Московской области"));
        QCOMPARE(h.modified->count(), 1);

        OnNextModal([](QDialog* dialog) {
            auto* list = dialog->findChild<QTreeWidget*>();
            list->setCurrentItem(list->topLevelItem(0));
            QTest::keyClick(list, Qt::Key_Escape);
        });
        h.Click("fbInspection");
        QCOMPARE(h.Find<TMaskedEdit>("InspectionCode")->text(), QString("5001"));
        QCOMPARE(h.modified->count(), 1);
    }

    void focusOnTheInspectionOpensThePicker() {
        Harness h;
        h.Screen();
        bool opened = false;
        OnNextModal([&](QDialog* dialog) {
            opened = dialog->windowTitle() == QString("Справочник инспекций");
            dialog->reject();
        });
        h.screen->FocusField(kNoPage, kCheckFieldInspection);
        QVERIFY(opened);
    }

    // Each field the check names takes the focus, the correction number included.
    void focusRowsLandOnTheirFields() {
        const std::pair<int, const char*> rows[] = {
            {kCheckFieldExpectedIncome, "ExpectedIncome"},
            {kCheckFieldRepresentativeName, "RepresentativeName"},
            {kCheckFieldRepresentativeDocument, "RepresentativeDocument"},
            {kCheckFieldRepresentativeOrganization, "RepresentativeOrganization"},
            {kCheckFieldCorrectionNumber, "CorrectionNumber"}};
        for (const auto& [row, name] : rows) {
            Harness h;
            h.declaration.DeclarationKind = kDecl4Ndfl;
            h.declaration.ConfirmedBy = 2;
            TfrInitialData& screen = h.Screen();
            screen.show();
            QApplication::setActiveWindow(&screen);
            QVERIFY(QTest::qWaitForWindowActive(&screen));
            screen.FocusField(kNoPage, row);
            QVERIFY2(screen.focusWidget() == h.Find<QWidget>(name), name);
        }
    }

    void withoutDirectoryThePickerIsDisabled() {
        Harness h;
        h.resources.inspections = nullptr;
        h.Screen();
        QVERIFY(!h.Enabled("fbInspection"));
        h.screen->FocusField(kNoPage, kCheckFieldInspection);  // must not open anything
    }
};

QTEST_MAIN(InitialDataScreenTest)
#include "initial_data_screen_test.moc"
