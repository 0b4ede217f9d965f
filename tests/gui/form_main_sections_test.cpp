// The section column of the main window: switching screens through store and
// validate, and which buttons the declaration enables.
#include "form_main_fixture.h"

#include "app/ui/flash_button.h"

namespace kvz::test {

class FormMainSectionsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }

    void startsOnConditionsWithEveryButtonAndHint() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        QVERIFY(Shown(*form) != nullptr);
        QCOMPARE(Shown(*form)->ShownSection(), Section::Conditions);
        QVERIFY(form->SectionButton(Section::Conditions)->isChecked());

        const struct {
            const char* name;
            const char* caption;
            const char* hint;
        } expected[] = {
            {"fbInitialData", "Задание условий", "Выбор режима ввода"},
            {"fbPrsonInfo", "Сведения о декларанте", "Персональные данные налогоплательщика"},
            {"fbRussianIncome", "Доходы, полученные в РФ",
             "Доходы, полученные от налоговых агентов или иных источников, в т.ч. физлиц"},
            {"fbBusinessIncome", "Предприниматели",
             "Доходы, полученные от предпринимательской деятельности без образования юридического лица и частной "
             "практики"},
            {"fbForeignIncome", "Доходы за пределами РФ", "Доходы, полученные в иностранной валюте"},
            {"fbDeduction", "Вычеты", "Стандартные, социальные и имущественный налоговые вычеты"},
            {"fbInvestTov", "Инвест. товарищества", "Данные по участию в инвестиционных товариществах"},
        };
        for (const auto& button : expected) {
            auto* found = Find<TFlashButton>(*form, button.name);
            QVERIFY2(found != nullptr, button.name);
            QCOMPARE(found->text(), QString::fromUtf8(button.caption));
            QCOMPARE(found->toolTip(), QString::fromUtf8(button.hint));
        }
        // A new document: Russian incomes only.
        QVERIFY(form->SectionButton(Section::RussianIncome)->isEnabled());
        QVERIFY(form->SectionButton(Section::Deductions)->isEnabled());
        QVERIFY(!form->SectionButton(Section::ForeignIncome)->isEnabled());
        QVERIFY(!form->SectionButton(Section::Business)->isEnabled());
        QVERIFY(!form->SectionButton(Section::InvestTov)->isEnabled());
        QVERIFY(dialogs.messages.empty());
    }

    void refusedSwitchKeepsScreenButtonAndFocus() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        TThinkingFrame* conditions = form->CurrentScreen();

        screens.validateResult = 3;
        QTest::mouseClick(form->SectionButton(Section::Taxpayer), Qt::LeftButton);

        QCOMPARE(form->CurrentScreen(), conditions);
        QVERIFY(form->SectionButton(Section::Conditions)->isChecked());
        QVERIFY(!form->SectionButton(Section::Taxpayer)->isChecked());
        QCOMPARE(screens.stores, 1);
        QCOMPARE(screens.validations, 1);
        QCOMPARE(screens.focus, (std::vector<std::pair<int, int>>{{kNoPage, 3}}));
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(*conditions, "field3"));
        QCOMPARE(screens.created, std::vector<Section>{Section::Conditions});
    }

    void acceptedSwitchStoresOnceAndShowsTheNewScreen() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        QPointer<TThinkingFrame> conditions = form->CurrentScreen();

        QTest::mouseClick(form->SectionButton(Section::Taxpayer), Qt::LeftButton);

        QVERIFY(conditions.isNull());  // the old screen is gone, not hidden
        QCOMPARE(Shown(*form)->ShownSection(), Section::Taxpayer);
        QCOMPARE(form->CurrentScreen()->parentWidget()->objectName(), QStringLiteral("PnlFormContainer"));
        QVERIFY(form->SectionButton(Section::Taxpayer)->isChecked());
        QVERIFY(!form->SectionButton(Section::Conditions)->isChecked());
        QCOMPARE(form->Controller().CurrentSection(), Section::Taxpayer);
        QCOMPARE(screens.stores, 1);
        QCOMPARE(screens.validations, 1);

        // The button of the screen already shown does nothing at all.
        QTest::mouseClick(form->SectionButton(Section::Taxpayer), Qt::LeftButton);
        QCOMPARE(screens.stores, 1);
        QCOMPARE(screens.validations, 1);
        QCOMPARE(screens.created, (std::vector<Section>{Section::Conditions, Section::Taxpayer}));
        QVERIFY(form->SectionButton(Section::Taxpayer)->isChecked());
    }

    void disabledButtonCannotBeClicked() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        QTest::mouseClick(form->SectionButton(Section::Business), Qt::LeftButton);
        QCOMPARE(Shown(*form)->ShownSection(), Section::Conditions);
        QVERIFY(form->SectionButton(Section::Conditions)->isChecked());
        QCOMPARE(screens.stores, 0);
    }

    void buttonsFollowEveryIncomeKindSetAndType() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        const uint8_t bits[] = {kIncomeRussian, kIncomeForeign, kIncomeBusiness, kIncomeInvestTov};
        for (int set = 0; set < 16; ++set) {
            uint8_t kinds = 0;
            for (int i = 0; i < 4; ++i) {
                if (set & (1 << i)) kinds |= bits[i];
            }
            for (const uint8_t type : {kDecl3Ndfl, kDecl3NdflNonResident, kDecl4Ndfl}) {
                mTDeclaration& declaration = form->Controller().Declaration();
                declaration.SetIncomeKinds(kinds);
                declaration.DeclarationKind = type;
                Shown(*form)->AnnounceSectionsChanged();

                const QByteArray where = QStringLiteral("kinds %1, type %2").arg(kinds).arg(type).toUtf8();
                auto enabled = [&](Section s) { return form->SectionButton(s)->isEnabled(); };
                QVERIFY2(enabled(Section::Conditions), where.constData());
                QVERIFY2(enabled(Section::Taxpayer), where.constData());
                QVERIFY2(enabled(Section::RussianIncome) == ((kinds & 1) != 0), where.constData());
                QVERIFY2(enabled(Section::ForeignIncome) == ((kinds & 2) != 0), where.constData());
                QVERIFY2(enabled(Section::Business) == ((kinds & 4) != 0), where.constData());
                QVERIFY2(enabled(Section::InvestTov) == ((kinds & 16) != 0), where.constData());
                QVERIFY2(enabled(Section::Deductions) == (kinds != 0 && type == kDecl3Ndfl), where.constData());
            }
        }
    }

    void openedForeignOnlyDocumentSetsItsButtons() {
        ProgramFolder folder;
        const std::string path = folder.Path() + "foreign.qz5";
        {
            mTDeclaration declaration;
            declaration.SetIncomeKinds(kIncomeForeign);
            declaration.SaveToFile(path);
        }
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({"-P", path});
        QVERIFY(dialogs.messages.empty());
        QCOMPARE(form->windowTitle(), QStringLiteral("foreign.qz5 - Кварзен 2015"));
        QVERIFY(!form->SectionButton(Section::RussianIncome)->isEnabled());
        QVERIFY(!form->SectionButton(Section::Business)->isEnabled());
        QVERIFY(!form->SectionButton(Section::InvestTov)->isEnabled());
        QVERIFY(form->SectionButton(Section::ForeignIncome)->isEnabled());
        QVERIFY(form->SectionButton(Section::Deductions)->isEnabled());
    }

    void incomeListOpensWithItsFirstRowSelected() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->Controller().Declaration().Thirteen.Add();
        form->Controller().Declaration().Thirteen.Add();

        QTest::mouseClick(form->SectionButton(Section::RussianIncome), Qt::LeftButton);
        auto* list = Find<QListWidget>(*form->CurrentScreen(), "lvItems");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(list->item(0)->isSelected());
        QCOMPARE(QApplication::focusWidget(), list);

        // The taxpayer screen's lists are left alone.
        QTest::mouseClick(form->SectionButton(Section::Taxpayer), Qt::LeftButton);
        QCOMPARE(Find<QListWidget>(*form->CurrentScreen(), "lvItems")->currentRow(), -1);
    }

    void editsMarkTheDocumentChanged() {
        ProgramFolder folder;
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        QVERIFY(form->Controller().Unchanged());
        QTest::keyClicks(Find<QLineEdit>(*form->CurrentScreen(), "field1"), QStringLiteral("1"));
        QVERIFY(!form->Controller().Unchanged());
    }

private:
    SettingsSandbox Settings_;
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::FormMainSectionsTest)
#include "form_main_sections_test.moc"
