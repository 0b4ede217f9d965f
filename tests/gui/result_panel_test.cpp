// The result beside the section screens: what the declaration comes to right after
// it is opened, after a change made in a dialog, after "Создать", for a non-resident,
// for a 4-НДФЛ and for a declaration not complete enough to compute; the document is
// never changed by it.
#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>

#include "app/ui/result_panel.h"
#include "app/ui/result_picture.h"
#include "form_main_fixture.h"
#include "screens/masked_edit.h"
#include "support/calc_fixtures.h"
#include "support/example_document.h"
#include "support/temp_dir.h"

namespace kvz::test {

namespace {

std::unique_ptr<TFormMain> Opened(const ProgramFolder& folder, DialogScript& dialogs, const std::string& path) {
    FormMainParts parts;
    parts.programFolder = folder.Path();
    parts.dialogs = std::make_unique<FakeDialogs>(dialogs);
    auto form = std::make_unique<TFormMain>(std::move(parts));
    form->Start(path.empty() ? std::vector<std::string>{} : std::vector<std::string>{path});
    form->resize(1280, 760);
    form->show();
    return form;
}

// What the panel shows once the change has been followed.
TResultPanel& Settled(TFormMain& form) {
    TResultPanel& panel = *form.ResultPanel();
    QTest::qWait(250);
    return panel;
}

std::string Saved(mTDeclaration& d, const TempDir& dir, const char* name) {
    d.SaveToFile(dir.File(name));
    return dir.File(name);
}

std::unique_ptr<mTDeclaration> Named(uint8_t kind) {
    auto d = NewDeclaration(kind);
    d->Person.Surname = "Петров";
    d->Person.FirstName = "Пётр";
    d->InspectionCode = "7701";
    d->Person.ResidenceOktmo = "45380000";
    return d;
}

template <class T>
T* Child(QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromUtf8(name));
    if (!found) qFatal("no widget %s", name);
    return found;
}

}  // namespace

class ResultPanelTest : public QObject {
    Q_OBJECT

    SettingsSandbox Settings_;
    ProgramFolder Folder_;

private slots:
    void showsTheExampleAndLeavesItAsItWas() {
        TempDir dir;
        mTDeclaration example;
        LoadExample(example);
        const std::string path = Saved(example, dir, "example.qz5");
        const std::string bytes = ReadFileText(path);
        DialogScript dialogs;
        auto form = Opened(Folder_, dialogs, path);
        TResultPanel& panel = Settled(*form);
        QCOMPARE(panel.TitleText(), QStringLiteral("К возврату из бюджета"));
        QCOMPARE(panel.AmountText(), QStringLiteral("84 708 руб."));
        QCOMPARE(panel.CarriedText(), QStringLiteral("Остаток имущественного вычета, переходящий на следующий год:\n"
                                                      "стоимость жилья 1 430 500 руб.\nпроценты 96 240,55 руб."));
        QVERIFY(panel.TablesText().contains(QStringLiteral("КБК 18210102010011000110")));
        QVERIFY(panel.TablesText().contains(QStringLiteral("Имущественный: расходы на приобретение жилья")));

        // The picture: income down to the base, tax down to the refund, each bar
        // telling where it comes from.
        auto* picture = Child<TResultPicture>(&panel, "ResultPicture");
        QCOMPARE(picture->Groups().size(), std::size_t{2});
        QCOMPARE(picture->Groups()[1].Bars.back().Label, QStringLiteral("К возврату"));
        QCOMPARE(picture->Groups()[1].Bars.back().Amount, -Money::FromUnits(84708));
        picture->grab();
        const int firstBar = picture->fontMetrics().height() + 10 + 4;
        QVERIFY(picture->SourceAt(QPoint(picture->width() / 2, firstBar + 4)).contains(QStringLiteral("«ДоходОбщ»")));

        // Switching sections keeps the result and leaves the document as it was.
        form->Controller().SwitchSection(Section::Taxpayer);
        QCOMPARE(Settled(*form).AmountText(), QStringLiteral("84 708 руб."));
        QVERIFY(form->Controller().Unchanged());
        form->Controller().SaveDoc();
        QVERIFY(ReadFileText(path) == bytes);
    }

    void followsADialogAndANewDocument() {
        // 500 000 earned, 65 000 withheld, 100 000 given to charity: 13 000 back.
        TempDir dir;
        auto salaried = Named(kDecl3Ndfl);
        AddThirteen(*salaried, {Line(2000, Rub(500000), 0, Money(), 1)},
                    SourceTaxes{Rub(500000), Rub(65000), Rub(65000), "45312000"});
        salaried->Social.Granted = true;
        salaried->Social.Charity = Rub(100000);
        DialogScript dialogs;
        auto form = Opened(Folder_, dialogs, Saved(*salaried, dir, "salary.qz5"));
        TResultPanel& panel = Settled(*form);
        QCOMPARE(panel.AmountText(), QStringLiteral("13 000 руб."));

        // A new income line of 50 000 through the line dialog: 6 500 less back.
        form->Controller().SwitchSection(Section::RussianIncome);
        QWidget* lines = Child<QTreeWidget>(form->CurrentScreen(), "lvIncomes")->parentWidget();
        OnNextModal([](QWidget* d) {
            OnNextModal([](QWidget* picker) {
                auto* list = picker->findChild<QTreeWidget*>();
                list->setCurrentItem(list->findItems(QStringLiteral("2000"), Qt::MatchExactly, 0).front());
                qobject_cast<QDialog*>(picker)->accept();
            });
            Child<QPushButton>(d, "fbIncomeCode")->click();
            Child<TMaskedEdit>(d, "IncomeAmount")->setText(QStringLiteral("50000"));
            Child<TMaskedEdit>(d, "Month")->setText(QStringLiteral("12"));
            Child<QPushButton>(d, "fbYes")->click();
        });
        Child<QPushButton>(lines, "fbAdd")->click();
        QCOMPARE(Settled(*form).AmountText(), QStringLiteral("6 500 руб."));

        // "Создать": nobody to compute for yet, and no figure left standing.
        dialogs.answers.push_back(MessageAnswer::No);
        form->Controller().CreateDoc();
        QCOMPARE(Settled(*form).AmountText(), QString());
        QCOMPARE(panel.TitleText(), QStringLiteral("Результат не рассчитан: не указаны фамилия и имя декларанта "
                                                   "(раздел «Сведения о декларанте»)."));
        QCOMPARE(panel.CarriedText(), QString());
        QCOMPARE(panel.TablesText(), QString());
    }

    void showsANonResidentAnExpectedIncomeAndWhatIsMissing() {
        TempDir dir;
        // A non-resident's salary: 30 % of 100 000 less the 13 000 withheld.
        auto nonResident = Named(kDecl3NdflNonResident);
        AddThirteen(*nonResident, {Line(2000, Rub(100000))}, SourceTaxes{Rub(100000), Rub(13000), Rub(13000), "45312000"});
        auto expected = Named(kDecl4Ndfl);
        expected->ExpectedIncome = Rub(600000);
        auto unticked = Named(kDecl3Ndfl);
        unticked->SetIncomeKinds(0);
        const struct {
            std::string path;
            QString title, amount;
            QString rate;
        } cases[] = {
            {Saved(*nonResident, dir, "nr.qz5"), QStringLiteral("К уплате в бюджет"), QStringLiteral("17 000 руб."),
             QStringLiteral("Ставка 30 %: налог")},
            {Saved(*expected, dir, "4.qz5"), QStringLiteral("Предполагаемый доход на следующий год"),
             QStringLiteral("600 000 руб."), QString()},
            {Saved(*unticked, dir, "none.qz5"),
             QStringLiteral("Результат не рассчитан: не отмечен ни один вид доходов (раздел «Задание условий»)."),
             QString(), QString()},
        };
        for (const auto& c : cases) {
            DialogScript dialogs;
            auto form = Opened(Folder_, dialogs, c.path);
            TResultPanel& panel = Settled(*form);
            QCOMPARE(panel.TitleText(), c.title);
            QCOMPARE(panel.AmountText(), c.amount);
            const auto& groups = Child<TResultPicture>(&panel, "ResultPicture")->Groups();
            if (c.rate.isEmpty()) {
                QVERIFY(groups.empty());
            } else {
                QVERIFY(std::any_of(groups.begin(), groups.end(), [&](const ResultBarGroup& g) { return g.Title == c.rate; }));
            }
        }
        DialogScript dialogs;
        auto form = Opened(Folder_, dialogs, cases[1].path);
        QVERIFY(Settled(*form).TablesText().contains(QStringLiteral("ПредДоход")));
    }

    void foldsAwayAndRemembersIt() {
        DialogScript dialogs;
        auto form = Opened(Folder_, dialogs, "");
        QVERIFY(form->ResultPanel()->Expanded());
        Child<QToolButton>(form->ResultPanel(), "btnResultDetails")->click();
        QVERIFY(!Child<QWidget>(form->ResultPanel(), "ResultDetails")->isVisible());
        auto again = Opened(Folder_, dialogs, "");
        QVERIFY(!again->ResultPanel()->Expanded());
        again->ResultPanel()->SetExpanded(true);
    }
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::ResultPanelTest)
#include "result_panel_test.moc"
