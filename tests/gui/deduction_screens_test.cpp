// The deduction screens: the section's page buttons and their check, the standard,
// social, property and losses screens with their dialogs, and the question before
// anything entered is deleted.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTreeWidget>
#include <QHBoxLayout>
#include <QtTest>

#include <limits>

#include "checks/section.h"
#include "gui_typing.h"
#include "model/declaration.h"
#include "screen_harness.h"
#include "screen_test_support.h"
#include "screens/cb_screen.h"
#include "screens/construction_deduct_screen.h"
#include "screens/construction_object_dialog.h"
#include "screens/deduct_data_screen.h"
#include "screens/item_list_editor.h"
#include "screens/masked_edit.h"
#include "screens/pens_deduct_screen.h"
#include "screens/standart_deduct_screen.h"
#include "support/temp_dir.h"

using namespace kvz;
using kvz::test::OnNextModal;
using kvz::test::ScriptedCheckDialog;
using kvz::test::ScriptedQuestions;
using kvz::test::TypeKeys;

namespace {

template <class Screen>
using Harness = test::ScreenHarness<Screen>;

template <class T>
T* InDialog(QDialog* dialog, const char* name) {
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

void Press(QDialog* dialog, const char* name) { InDialog<QPushButton>(dialog, name)->click(); }

mTConstructionDeductObj Flat(int year) {
    mTConstructionDeductObj o;
    o.ObjectNameCode = 2;
    o.OwnershipKind = 1;
    o.TaxpayerSign = 1;
    o.RegionCode = "77";
    o.City = "Москва";
    o.Street = "Тверская";
    o.RightRegDate = EncodeDate(year, 3, 1);
    o.FirstUseYear = EncodeDate(year, 1, 1);
    o.ObjectCost = Money::FromUnits(2500000);
    return o;
}

}  // namespace

class DeductionScreensTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetClock([] { return EncodeDate(2016, 3, 1) + 0.5; }); }
    void cleanupTestCase() { SetClock({}); }

    // The section: the standard screen first; the social screen granted but empty
    // refuses to be left; the declaration check's field picks the page.
    void sectionPagesAndTheirCheck() {
        Harness<TfrFrameDeductData> h({kCheckAnswerFix});
        TfrFrameDeductData& section = h.Open();
        QVERIFY(qobject_cast<TfrFrameStandartDeduct*>(section.PageScreen()));
        h.Find<QPushButton>("fbPensDeduct")->click();
        QVERIFY(qobject_cast<TfrFramePensDeduct*>(section.PageScreen()));
        section.PageScreen()->findChild<QCheckBox*>(QStringLiteral("Granted"))->setChecked(true);
        h.Find<QPushButton>("fbStandartDeduct")->click();
        QVERIFY(qobject_cast<TfrFramePensDeduct*>(section.PageScreen()));
        QVERIFY(h.Find<QPushButton>("fbPensDeduct")->isChecked());
        QCOMPARE(h.checks.Texts(), std::vector<std::string>{"Не введены данные по социальным налоговым вычетам"});
        QCOMPARE(h.checks.Messages[0].caption, std::string("Социальные вычеты"));
        QVERIFY(h.declaration.Social.Granted);

        h.declaration.Social.Treatment = Money::FromUnits(1000);
        section.FocusField(kNoPage, kCheckFieldLossesAndInvestment);
        QVERIFY(qobject_cast<TfrCB*>(section.PageScreen()));
        section.FocusField(kNoPage, kCheckFieldPropertyDeduction);
        QVERIFY(qobject_cast<TfrMultyConstructionDeduct*>(section.PageScreen()));
    }

    // An extra pension amount typed on the social page is not calculated: leaving the
    // page says so; "Исправить" stays on that field, "Пропустить" lets the page go.
    void extraPensionAmountIsQuestioned() {
        Harness<TfrFrameDeductData> h({kCheckAnswerFix, kCheckAnswerSkip});
        h.declaration.Social.Granted = true;
        h.declaration.Social.ExtraPensionContributions = Money::FromUnits(12000);
        TfrFrameDeductData& section = h.Open();
        h.Find<QPushButton>("fbPensDeduct")->click();
        h.Find<QPushButton>("fbStandartDeduct")->click();
        QVERIFY(qobject_cast<TfrFramePensDeduct*>(section.PageScreen()));
        QCOMPARE(h.checks.Texts().size(), std::size_t(1));
        QVERIFY(h.checks.Texts()[0].rfind("Сумма дополнительных страховых пенсионных взносов в расчет не попадает", 0) == 0);
        QCOMPARE(h.checks.Messages[0].caption, std::string("Социальные вычеты"));
        QCOMPARE(section.focusWidget(), h.Find<QWidget>("ExtraPensionContributions"));
        h.Find<QPushButton>("fbStandartDeduct")->click();
        QVERIFY(qobject_cast<TfrFrameStandartDeduct*>(section.PageScreen()));
        // The check's jump lands on the same field.
        section.FocusField(kNoPage, kSocialFieldExtraPension);
        QVERIFY(qobject_cast<TfrFramePensDeduct*>(section.PageScreen()));
        QCOMPARE(section.focusWidget(), h.Find<QWidget>("ExtraPensionContributions"));
    }

    void standardUntickedStoresOnlyGranted() {
        Harness<TfrFrameStandartDeduct> h;
        h.declaration.Standard.ChildrenCount = 2;
        h.Open();
        h.Find<TMaskedEdit>("ChildrenCount")->setText(QStringLiteral("5"));
        h.Find<QCheckBox>("Granted")->setChecked(false);
        QVERIFY(!h.Find<TMaskedEdit>("ChildrenCount")->isEnabledTo(h.screen.get()));
        h.screen->Store();
        mTStandartDeduct expected;
        expected.Granted = false;
        expected.ChildrenCount = 2;
        QVERIFY(h.declaration.Standard == expected);
        // Saved as the stream marker and one byte item.
        QCOMPARE(h.declaration.Standard.StoredSize(), uint32_t(4 + 15 + 4 + 1));

        // What was typed meanwhile is still shown, and written once the deductions are given again.
        const qsizetype edits = h.modified->count();
        h.screen->Store();
        QCOMPARE(h.modified->count(), edits);
        QCOMPARE(h.Find<TMaskedEdit>("ChildrenCount")->text(), QString("5"));
        h.Find<QCheckBox>("Granted")->setChecked(true);
        h.screen->Store();
        QVERIFY(h.declaration.Standard.Granted);
        QCOMPARE(h.declaration.Standard.ChildrenCount, 5);
    }

    void standardMonthsAndMonthlyDialogs() {
        Harness<TfrFrameStandartDeduct> h;
        h.Open();
        h.Find<QCheckBox>("BusinessMonth12")->click();
        int titleWidth = 0, dialogWidth = 0;
        OnNextModal([&](QDialog* d) {
            QFont bold = d->font();
            bold.setBold(true);
            titleWidth = QFontMetrics(bold).horizontalAdvance(d->windowTitle());
            dialogWidth = d->width();
            InDialog<QComboBox>(d, "cbMonth3")->setCurrentIndex(2);
            Press(d, "fbYes");
        });
        h.Find<QRadioButton>("rbSelfCode110")->click();
        h.screen->Store();
        const mTStandartDeduct& s = h.declaration.Standard;
        QVERIFY(s.MonthlyBusiness);
        QVERIFY(s.BusinessMonthChecked[11]);
        QCOMPARE(s.SelfCode, mTStandartDeduct::kSelfChanged);
        QVERIFY(s.MonthlySelfCodesGiven);
        QCOMPARE(s.GetMonthlySelfCodes(3), 2);
        QCOMPARE(s.GetMonthlySelfCodes(4), 0);
        // Its title is shown whole, beside the title bar's buttons.
        QVERIFY2(dialogWidth > titleWidth + 100, qPrintable(QStringLiteral("%1 / %2").arg(dialogWidth).arg(titleWidth)));

        // "Нет" in the single-parent dialog changes nothing.
        h.declaration.Standard.ChildStatus = mTStandartDeduct::kChildChanged;
        Harness<TfrFrameStandartDeduct> again;
        again.declaration.Standard.ChildStatus = mTStandartDeduct::kChildChanged;
        again.Open();
        const std::vector<unsigned char> before = again.Saved();
        OnNextModal([](QDialog* d) {
            InDialog<QComboBox>(d, "cbMonth1")->setCurrentIndex(1);
            Press(d, "fbNo");
        });
        again.Find<QRadioButton>("rbChildStatus103")->click();
        again.screen->Store();
        QCOMPARE(again.modified->count(), 0);
        QVERIFY(again.Saved() == before);
    }

    // "Нет" in a months dialog puts the choice back as it was, for every choice it
    // was opened from: the document is as before, with no monthly code standing alone
    // (the clicks themselves still count as edits).
    void cancelledMonthsDialogRestoresTheChoice() {
        struct Case {
            const char* group;
            const char* button;
            int32_t before;
        };
        const Case cases[] = {{"self", "rbSelfCode110", mTStandartDeduct::kSelf105},
                              {"self", "rbSelfCode110", mTStandartDeduct::kSelf104},
                              {"self", "rbSelfCode110", mTStandartDeduct::kSelfNone},
                              {"self", "rbSelfCode110", mTStandartDeduct::kSelfChanged},
                              {"self", "rbSelfCode110", 0},
                              {"child", "rbChildStatus103", mTStandartDeduct::kChildOrdinary},
                              {"child", "rbChildStatus103", mTStandartDeduct::kChildSingleParent},
                              {"child", "rbChildStatus103", 0}};
        for (const Case& c : cases) {
            Harness<TfrFrameStandartDeduct> h;
            mTStandartDeduct& s = h.declaration.Standard;
            s.Granted = true;
            (std::string(c.group) == "self" ? s.SelfCode : s.ChildStatus) = c.before;
            if (c.before == mTStandartDeduct::kSelfChanged) s.SetMonthlySelfCodes(3, 2);
            h.Open();
            const std::vector<unsigned char> before = h.Saved();
            OnNextModal([](QDialog* d) { Press(d, "fbNo"); });
            h.Find<QRadioButton>(c.button)->click();
            h.screen->Store();
            QVERIFY2(h.Saved() == before, c.button);
            QCOMPARE(std::string(c.group) == "self" ? s.SelfCode : s.ChildStatus, c.before);
            QCOMPARE(h.Find<QRadioButton>(c.button)->isChecked(), c.before == mTStandartDeduct::kSelfChanged);
        }
    }

    // Kind 4 needs no organisation; the agent's deduction above the contribution
    // keeps the dialog open on the contribution; "Нет" leaves the document as it was.
    void pensionContracts() {
        Harness<TfrFramePensDeduct> h({kCheckAnswerFix});
        h.declaration.Social.Granted = true;
        h.Open();
        TItemListEditor* contracts = h.List("lvPensionContracts");
        // Both lists name their own buttons, in the row's order: add, delete, edit.
        const auto buttonTexts = [](TItemListEditor* list) {
            QStringList texts;
            auto* row = list->findChild<QBoxLayout*>(QStringLiteral("ButtonRow"));
            for (int i = 0; i < row->count(); ++i)
                if (auto* button = qobject_cast<QPushButton*>(row->itemAt(i)->widget())) texts << button->text();
            return texts;
        };
        QCOMPARE(buttonTexts(contracts), (QStringList{QStringLiteral("Добавить договор"), QStringLiteral("Удалить договор"),
                                                      QStringLiteral("Редактировать договор")}));
        QCOMPARE(buttonTexts(h.List("lvChildEducation")),
                 (QStringList{QStringLiteral("Добавить очередную сумму, уплаченную за обучение"),
                              QStringLiteral("Удалить сумму, уплаченную за обучение детей"),
                              QStringLiteral("Редактировать сумму, уплаченную за обучение детей")}));
        OnNextModal([](QDialog* d) {
            InDialog<QRadioButton>(d, "rbKind4")->click();
            QVERIFY(!InDialog<QWidget>(d, "OrgName")->isEnabled());
            QCOMPARE(InDialog<QLabel>(d, "lblAgentDeduction")->text(),
                     QStringLiteral("Сумма вычета у налогового агента (код 328)"));
            InDialog<TMaskedEdit>(d, "Contribution")->setText(QStringLiteral("5000"));
            Press(d, "fbYes");
        });
        contracts->AddItem();
        QCOMPARE(h.declaration.Social.PensionContractCount(), 1);
        QCOMPARE(h.declaration.Social.PensionContract(0).ContractKind, 4);
        QVERIFY(h.declaration.Social.PensionContract(0).OrgName.empty());
        QVERIFY(h.checks.Messages.empty());

        const std::vector<unsigned char> before = h.Saved();
        QString focused;
        OnNextModal([&focused](QDialog* d) {
            InDialog<QRadioButton>(d, "rbKind4")->click();
            InDialog<TMaskedEdit>(d, "AgentDeduction")->setText(QStringLiteral("6000"));
            Press(d, "fbYes");
            focused = d->isVisible() && d->focusWidget() ? d->focusWidget()->objectName() : QString();
            Press(d, "fbNo");
        });
        contracts->EditItem();
        QCOMPARE(focused, QStringLiteral("Contribution"));
        QCOMPARE(h.checks.Texts(), std::vector<std::string>{"Сумма взносов меньше суммы предоставленного вычета"});
        QVERIFY(h.Saved() == before);

        // Deleting asks, naming the contract; "Нет" keeps it.
        h.questions.Answers = {false, true};
        contracts->DeleteItem();
        QCOMPARE(h.declaration.Social.PensionContractCount(), 1);
        QVERIFY(QString::fromStdString(h.questions.Asked.at(0)).contains(QStringLiteral("Доп. страх. взносы")));
        contracts->DeleteItem();
        QCOMPARE(h.declaration.Social.PensionContractCount(), 0);
    }

    // "Да" on a contract left untouched changes nothing, whatever its kind and date:
    // no date is shown blank, not as the field's first day.
    void pensionContractUntouchedStaysAsItWas() {
        struct Case {
            int32_t kind;
            DateTime date;
            QString shown;
        };
        const Case cases[] = {{mTPens::kKindExtraContributions, 0, QString()},
                              {mTPens::kKindExtraContributions, EncodeDate(1900, 1, 1), QStringLiteral("01.01.1900")},
                              {1, EncodeDate(2011, 5, 6) + 0.5, QStringLiteral("06.05.2011")},
                              {2, EncodeDate(2014, 12, 31), QStringLiteral("31.12.2014")}};
        for (const Case& c : cases) {
            Harness<TfrFramePensDeduct> h({kCheckAnswerFix});
            h.declaration.Social.Granted = true;
            mTPens& contract = h.declaration.Social.PensionContract(h.declaration.Social.PensionContractAdd());
            contract.ContractKind = c.kind;
            contract.OrgName = "НПФ Благосостояние";
            contract.OrgInn = "1234567894";
            contract.OrgKpp = "123456789";
            contract.ContractNumber = "17-А";
            contract.ContractDate = c.date;
            contract.Contribution = Money::FromUnits(12000);
            h.Open();
            const std::vector<unsigned char> before = h.Saved();
            QString shown;
            OnNextModal([&shown](QDialog* d) {
                shown = InDialog<QDateEdit>(d, "ContractDate")->text().trimmed();
                Press(d, "fbYes");
            });
            h.List("lvPensionContracts")->SetCurrentRow(0);
            h.List("lvPensionContracts")->EditItem();
            QCOMPARE(shown, c.shown);
            QVERIFY(h.checks.Messages.empty());
            QVERIFY2(h.Saved() == before, qPrintable(c.shown));
            QCOMPARE(h.modified->count(), 0);
        }
    }

    void childEducationDeleteAsks() {
        Harness<TfrFramePensDeduct> h;
        h.declaration.Social.Granted = true;
        h.declaration.Social.ChildEducationAdd(Money::FromUnits(1500));
        h.Open();
        h.questions.Answers = {false};
        h.List("lvChildEducation")->DeleteItem();
        QCOMPARE(h.declaration.Social.ChildEducationCount(), 1);
        QCOMPARE(h.questions.Asked, std::vector<std::string>{"Удалить запись \"1500\"?"});
    }

    // A second object cannot be dated before 2014; a pensioner's dates reach 2018 and
    // unticking lowers the year of first use; "Нет" leaves the document as it was.
    void propertyObjectLimits() {
        Harness<TfrMultyConstructionDeduct> h;
        h.declaration.Construction.Granted = true;
        mTConstructionDeductObj first = Flat(2012);
        first.Pensioner = true;
        first.FirstUseYear = EncodeDate(2017, 1, 1);
        h.declaration.Construction.ObjectAdd(first);
        mTConstructionDeductObj unnamed;
        h.declaration.Construction.ObjectAdd(unnamed);
        h.Open();
        QTreeWidget* list = h.Find<QTreeWidget>("lvObjects");
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Квартира Москва  Тверская"));
        QVERIFY(list->topLevelItem(1)->text(0).startsWith(QStringLiteral("Объект не выбран")));

        const std::vector<unsigned char> before = h.Saved();
        QDate earliest, latest, latestUnticked;
        int year = 0;
        OnNextModal([&](QDialog* d) {
            earliest = InDialog<QDateEdit>(d, "RightRegDate")->minimumDate().addDays(1);  // below: no date
            latest = InDialog<QDateEdit>(d, "RightRegDate")->maximumDate();
            InDialog<QCheckBox>(d, "Pensioner")->setChecked(false);
            latestUnticked = InDialog<QDateEdit>(d, "TransferActDate")->maximumDate();
            year = InDialog<QSpinBox>(d, "FirstUseYear")->value();
            Press(d, "fbNo");
        });
        h.List("lvObjects")->SetCurrentRow(0);
        h.List("lvObjects")->EditItem();
        QCOMPARE(earliest, QDate(1990, 1, 1));
        QCOMPARE(latest, QDate(2018, 12, 31));
        QCOMPARE(latestUnticked, QDate(2015, 12, 31));
        QCOMPARE(year, 2015);
        QVERIFY(h.Saved() == before);

        OnNextModal([&](QDialog* d) {
            earliest = InDialog<QDateEdit>(d, "RightRegDate")->minimumDate().addDays(1);  // below: no date
            Press(d, "fbNo");
        });
        h.List("lvObjects")->AddItem();
        QCOMPARE(earliest, QDate(2014, 1, 1));
        QCOMPARE(h.declaration.Construction.ObjectCount(), 2);
    }

    // What the object dialog shows is what "Да" stores, touched or not: a date
    // below or above the limits is shown and stored at the limit, a date kept as
    // day 0 is shown blank and stays 0, a date inside keeps its day (and time).
    void propertyObjectStoresWhatItShows() {
        struct Case {
            const char* what;
            bool later, pensioner, investment;
            DateTime dates[4];  // RightRegDate, TransferActDate, LandRegDate, ApplicationDate
            int year;
            DateTime stored[4];
            int storedYear;
        };
        const DateTime d2003 = EncodeDate(2003, 1, 1), d2014 = EncodeDate(2014, 1, 1);
        const DateTime inside = EncodeDate(2012, 7, 9) + 0.25, late = EncodeDate(2017, 3, 3);
        const Case cases[] = {
            {"second object as created", true, false, false, {d2003, d2003, 0, 0}, 2003, {d2014, d2014, 0, 0}, 2014},
            {"first object as created", false, false, false, {d2003, d2003, 0, 0}, 2003, {d2003, d2003, 0, 0}, 2003},
            {"inside the limits", false, false, true, {inside, inside, inside, inside}, 2012,
             {inside, inside, inside, inside}, 2012},
            {"after the year", false, false, false, {late, inside, 0, late}, 2017,
             {EncodeDate(2015, 12, 31), inside, 0, EncodeDate(2015, 12, 31)}, 2015},
            {"a pensioner's later dates", false, true, false, {late, 0, 0, 0}, 2017, {late, 0, 0, 0}, 2017},
        };
        const char* names[] = {"RightRegDate", "TransferActDate", "LandRegDate", "ApplicationDate"};
        for (const Case& c : cases) {
            mTConstructionDeductObj o = Flat(2012);
            o.Pensioner = c.pensioner;
            o.ByInvestment = c.investment;
            DateTime* fields[] = {&o.RightRegDate, &o.TransferActDate, &o.LandRegDate, &o.ApplicationDate};
            for (int i = 0; i < 4; ++i) *fields[i] = c.dates[i];
            o.FirstUseYear = EncodeDate(c.year, 1, 1);
            ScriptedCheckDialog checks({kCheckAnswerFix});
            TfmInputConstruction dialog(o, c.later, &checks, nullptr);
            QStringList shown;
            for (const char* name : names) shown << InDialog<QDateEdit>(&dialog, name)->text().trimmed();
            Press(&dialog, "fbYes");
            QVERIFY2(checks.Messages.empty(), c.what);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            const mTConstructionDeductObj& stored = dialog.Object();
            const DateTime* after[] = {&stored.RightRegDate, &stored.TransferActDate, &stored.LandRegDate,
                                       &stored.ApplicationDate};
            for (int i = 0; i < 4; ++i) {
                QVERIFY2(*after[i] == c.stored[i], qPrintable(QString::fromUtf8(c.what) + ' ' + names[i]));
                const QString expected =
                    c.stored[i] == 0 ? QString() : QString::fromStdString(DateToText(c.stored[i]));
                QVERIFY2(shown[i] == expected, qPrintable(QString::fromUtf8(c.what) + ' ' + names[i] + ' ' + shown[i]));
            }
            QCOMPARE(YearOf(stored.FirstUseYear), c.storedYear);
        }

        // A date the object needs is asked for, and the dialog stays on it.
        mTConstructionDeductObj shared = Flat(2012);
        shared.OwnershipKind = 3;
        ScriptedCheckDialog checks({kCheckAnswerFix});
        TfmInputConstruction dialog(shared, false, &checks, nullptr);
        dialog.show();
        Press(&dialog, "fbYes");
        QVERIFY(dialog.isVisible());
        QCOMPARE(checks.Texts(), std::vector<std::string>{"Не введена дата заявления о распределении имущественного вычета"});
        QCOMPARE(dialog.focusWidget(), InDialog<QWidget>(&dialog, "ApplicationDate"));
    }

    // A new object starts with first use in the tax year.
    void newPropertyObjectIsFirstUsedInTheTaxYear() {
        Harness<TfrMultyConstructionDeduct> h;
        h.declaration.Construction.Granted = true;
        h.Open();
        int year = 0;
        OnNextModal([&](QDialog* d) {
            year = InDialog<QSpinBox>(d, "FirstUseYear")->value();
            Press(d, "fbNo");
        });
        h.List("lvObjects")->AddItem();
        QCOMPARE(year, 2015);
    }

    // The totals follow every change of the section as shown (the box, an object
    // added or deleted) without writing into the declaration; a sum out of range
    // says so in a line of its own.
    void propertyTotalsFollowTheSection() {
        Harness<TfrMultyConstructionDeduct> h;
        h.declaration.Construction.ObjectAdd(Flat(2012));  // 2 500 000, capped at 2 000 000
        h.Open();
        const std::vector<unsigned char> opened = h.Saved();
        QLabel* cost = h.Find<QLabel>("pnlCostTotal");
        QCOMPARE(cost->text(), QStringLiteral("0"));
        h.Find<QCheckBox>("Granted")->setChecked(true);
        QCOMPARE(cost->text(), QStringLiteral("2000000"));
        QVERIFY(h.Saved() == opened);  // nothing stored until the screen stores

        h.questions.Answers = {true};
        h.List("lvObjects")->SetCurrentRow(0);
        h.List("lvObjects")->DeleteItem();
        QCOMPARE(cost->text(), QStringLiteral("0"));
        OnNextModal([](QDialog* d) {
            InDialog<QComboBox>(d, "ObjectNameCode")->setCurrentIndex(1);
            InDialog<QComboBox>(d, "OwnershipKind")->setCurrentIndex(0);
            InDialog<QComboBox>(d, "TaxpayerSign")->setCurrentIndex(0);
            InDialog<QLineEdit>(d, "RegionCode")->setText(QStringLiteral("50"));
            InDialog<TMaskedEdit>(d, "ObjectCost")->setText(QStringLiteral("300000"));
            Press(d, "fbYes");
        });
        h.List("lvObjects")->AddItem();
        QCOMPARE(h.declaration.Construction.ObjectCount(), 1);
        QCOMPARE(cost->text(), QStringLiteral("300000"));
        QVERIFY(!h.Find<QLabel>("lblTotalsError")->isVisibleTo(h.screen.get()));

        mTConstructionDeductObj huge = Flat(2014);
        huge.ObjectCost = Money::FromRaw(std::numeric_limits<int64_t>::max());
        h.declaration.Construction.ObjectAdd(huge);
        h.List("lvObjects")->Refresh();
        h.Find<QCheckBox>("Granted")->setChecked(false);
        h.Find<QCheckBox>("Granted")->setChecked(true);
        QVERIFY(h.Find<QLabel>("lblTotalsError")->isVisibleTo(h.screen.get()));
        QVERIFY(h.Find<QLabel>("lblTotalsError")->text().startsWith(QStringLiteral("Итоги по объектам не рассчитаны")));
    }

    void propertyObjectAcceptedAndDeletedAfterQuestion() {
        Harness<TfrMultyConstructionDeduct> h({kCheckAnswerFix});
        h.declaration.Construction.Granted = true;
        h.Open();
        // Registered in 2008 and first used in 2007: the old rules, accepted.
        OnNextModal([](QDialog* d) {
            InDialog<QComboBox>(d, "ObjectNameCode")->setCurrentIndex(1);
            InDialog<QComboBox>(d, "OwnershipKind")->setCurrentIndex(0);
            InDialog<QComboBox>(d, "TaxpayerSign")->setCurrentIndex(0);
            InDialog<QLineEdit>(d, "RegionCode")->setText(QStringLiteral("50"));
            InDialog<QDateEdit>(d, "RightRegDate")->setDate(QDate(2008, 5, 5));
            InDialog<QSpinBox>(d, "FirstUseYear")->setValue(2007);
            Press(d, "fbYes");
        });
        h.List("lvObjects")->AddItem();
        QVERIFY(h.checks.Messages.empty());
        QCOMPARE(h.declaration.Construction.ObjectCount(), 1);
        QCOMPARE(YearOf(h.declaration.Construction.Object(0).FirstUseYear), 2007);
        QCOMPARE(h.modified->count(), 1);

        h.questions.Answers = {false};
        h.List("lvObjects")->DeleteItem();
        QCOMPARE(h.declaration.Construction.ObjectCount(), 1);
        QVERIFY(QString::fromStdString(h.questions.Asked.at(0)).contains(QStringLiteral("Квартира")));
    }

    void lossesAndInvestmentLimit() {
        Harness<TfrCB> h;
        h.declaration.CB.SecuritiesLoss[0] = Money::FromUnits(300);
        h.Open();
        QCOMPARE(h.Find<QLabel>("pnlSecuritiesTotal")->text(), QStringLiteral("300"));
        h.Find<TMaskedEdit>("SecuritiesLoss3")->setText(QStringLiteral("1000"));  // 2007
        QCOMPARE(h.Find<QLabel>("pnlSecuritiesTotal")->text(), QStringLiteral("300"));
        h.Find<TMaskedEdit>("FissLoss9")->setText(QStringLiteral("12,5"));  // 2013
        QCOMPARE(h.Find<QLabel>("pnlFissTotal")->text(), QStringLiteral("12,5"));
        TMaskedEdit* deduction = h.Find<TMaskedEdit>("InvestmentDeduction");
        deduction->setFocus();
        TypeKeys(deduction, QStringLiteral("500000"));
        QCOMPARE(deduction->text(), QStringLiteral("400000"));
        h.Find<TMaskedEdit>("InvestmentDeductionReturn")->setText(QStringLiteral("500000"));
        h.screen->Store();
        QCOMPARE(h.declaration.CB.SecuritiesLoss[3], Money::FromUnits(1000));
        QCOMPARE(h.declaration.InvestmentDeduction, Money::FromUnits(400000));
        QCOMPARE(h.declaration.InvestmentDeductionReturn, Money::FromUnits(500000));
    }
};

QTEST_MAIN(DeductionScreensTest)
#include "deduction_screens_test.moc"
