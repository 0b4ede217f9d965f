// The item-list editor of the screens: the question before an item with data is
// deleted, the keys and the double click, adding and editing through the item's
// dialog; and the lines table that keeps a source, its lines and their totals in step.
#include "screens/item_list_editor.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

#include "model/declaration.h"
#include "screen_test_support.h"
#include "screens/field_binder.h"
#include "screens/lines_table.h"

using namespace kvz;
using kvz::test::ScriptedQuestions;

namespace {

std::vector<ItemColumn<mTThirteenPercent>> SourceColumns() {
    return {
        {QStringLiteral("Источник"), [](const mTThirteenPercent& s) { return QString::fromStdString(s.SourceName); }},
        {QStringLiteral("Доход"), [](const mTThirteenPercent& s) { return MoneyScreenText(s.IncomeTotal); }}};
}

std::vector<ItemColumn<mTSourseIncome>> LineColumns() {
    return {{QStringLiteral("Код"), [](const mTSourseIncome& l) { return QString::number(l.IncomeCode); }},
            {QStringLiteral("Сумма"), [](const mTSourseIncome& l) { return MoneyScreenText(l.IncomeAmount); }}};
}

// A source list over the declaration's 13 % sources whose dialog renames the
// source to the next name of the script (none left: the dialog is cancelled).
struct SourcesHarness {
    SourcesHarness() {
        declaration.SetIncomeKinds(kIncomeRussian);
        editor =
            std::make_unique<TItemListEditor>(QStringLiteral("lvSources"),
                                              ItemsOf<mTThirteenPercent>(declaration.Thirteen, SourceColumns(),
                                                                         [this](mTThirteenPercent& source, QWidget*) {
                                                                             ++dialogs;
                                                                             if (names.empty()) return false;
                                                                             source.SourceName = names.front();
                                                                             names.pop_front();
                                                                             return true;
                                                                         }),
                                              questions.Callback());
        changed = std::make_unique<QSignalSpy>(editor.get(), &TItemListEditor::changed);
    }
    void AddSource(const std::string& name) {
        declaration.Thirteen.Get(declaration.Thirteen.Add()).SourceName = name;
        editor->Refresh();
    }
    QTreeWidget* List() { return editor->List(); }
    void Press(Qt::Key key, int row) {
        editor->SetCurrentRow(row);
        QTest::keyClick(List(), key);
    }

    mTDeclaration declaration;
    ScriptedQuestions questions;
    std::deque<std::string> names;
    int dialogs = 0;
    std::unique_ptr<TItemListEditor> editor;
    std::unique_ptr<QSignalSpy> changed;
};

}  // namespace

class ItemListEditorTest : public QObject {
    Q_OBJECT
private slots:
    // A column's title and its texts are shown whole, not cut by a fixed width.
    void columnsShowTheirTitlesAndTextsWhole() {
        mTDeclaration declaration;
        declaration.SetIncomeKinds(kIncomeRussian);
        declaration.Thirteen.Get(declaration.Thirteen.Add()).SourceName =
            "Общество с ограниченной ответственностью \"Северная звезда\"";
        TItemListEditor editor(
            QStringLiteral("lvSources"),
            ItemsOf<mTThirteenPercent>(
                declaration.Thirteen,
                {{QStringLiteral("Наименование источника выплаты"),
                  [](const mTThirteenPercent& s) { return QString::fromStdString(s.SourceName); }},
                 {QStringLiteral("Номер договора"), [](const mTThirteenPercent&) { return QString(); }},
                 {QStringLiteral("Доход"), [](const mTThirteenPercent& s) { return MoneyScreenText(s.IncomeTotal); }}},
                [](mTThirteenPercent&, QWidget*) { return false; }),
            [](const std::string&) { return false; });
        editor.resize(300, 200);
        editor.show();
        QTreeWidget* list = editor.List();
        const QFontMetrics metrics = list->fontMetrics();
        QVERIFY(list->columnWidth(0) > metrics.horizontalAdvance(list->topLevelItem(0)->text(0)));
        QVERIFY(list->columnWidth(1) > metrics.horizontalAdvance(QStringLiteral("Номер договора")));
    }

    void deletingAnItemWithDataAsksNamingIt() {
        SourcesHarness h;
        h.AddSource("ООО Ромашка");
        h.AddSource("ЗАО Лютик");
        h.questions.Answers = {false, true};
        h.Press(Qt::Key_Delete, 1);
        QCOMPARE(h.questions.Asked.size(), std::size_t{1});
        QVERIFY(h.questions.Asked.front().find("ЗАО Лютик") != std::string::npos);
        QCOMPARE(h.declaration.Thirteen.Count(), 2);  // "Нет" changes nothing
        QCOMPARE(h.changed->count(), 0);

        h.editor->SetCurrentRow(1);
        h.editor->findChild<QPushButton*>("fbDelete")->click();
        QCOMPARE(h.questions.Asked.size(), std::size_t{2});
        QCOMPARE(h.declaration.Thirteen.Count(), 1);
        QCOMPARE(h.declaration.Thirteen.Get(0).SourceName, std::string("ООО Ромашка"));
        QCOMPARE(h.List()->topLevelItemCount(), 1);
        QCOMPARE(h.changed->count(), 1);
    }

    void anEmptyItemGoesWithoutAQuestion() {
        SourcesHarness h;
        h.AddSource("");
        h.Press(Qt::Key_Delete, 0);
        QVERIFY(h.questions.Asked.empty());
        QCOMPARE(h.declaration.Thirteen.Count(), 0);
        QVERIFY(!h.editor->findChild<QPushButton*>("fbDelete")->isEnabled());
        // Without a way to ask, an item with data stays.
        SourcesHarness silent;
        silent.editor = std::make_unique<TItemListEditor>(
            QStringLiteral("lvSources"),
            ItemsOf<mTThirteenPercent>(silent.declaration.Thirteen, SourceColumns(),
                                       [](mTThirteenPercent&, QWidget*) { return false; }),
            nullptr);
        silent.AddSource("ООО Ромашка");
        silent.Press(Qt::Key_Delete, 0);
        QCOMPARE(silent.declaration.Thirteen.Count(), 1);
    }

    void enterAndDoubleClickEditTheCurrentItem() {
        SourcesHarness h;
        h.AddSource("ООО Ромашка");
        h.AddSource("ЗАО Лютик");
        h.names = {"ЗАО Лютик и партнеры"};
        h.Press(Qt::Key_Return, 1);
        QCOMPARE(h.declaration.Thirteen.Get(1).SourceName, std::string("ЗАО Лютик и партнеры"));
        QCOMPARE(h.List()->topLevelItem(1)->text(0), QString("ЗАО Лютик и партнеры"));
        QCOMPARE(h.changed->count(), 1);

        h.names = {"ООО Ромашка-2"};
        QTreeWidgetItem* first = h.List()->topLevelItem(0);
        emit h.List()->itemDoubleClicked(first, 0);
        QCOMPARE(h.declaration.Thirteen.Get(0).SourceName, std::string("ООО Ромашка-2"));
        // A cancelled dialog changes nothing.
        h.Press(Qt::Key_Enter, 0);
        QCOMPARE(h.dialogs, 3);
        QCOMPARE(h.declaration.Thirteen.Get(0).SourceName, std::string("ООО Ромашка-2"));
        QCOMPARE(h.changed->count(), 2);
    }

    void addAppendsWhatTheDialogAccepted() {
        SourcesHarness h;
        h.AddSource("ООО Ромашка");
        h.editor->findChild<QPushButton*>("fbAdd")->click();  // cancelled
        QCOMPARE(h.declaration.Thirteen.Count(), 1);
        h.names = {"ИП Сидоров"};
        h.Press(Qt::Key_Insert, 0);
        QCOMPARE(h.declaration.Thirteen.Count(), 2);
        QCOMPARE(h.declaration.Thirteen.Get(1).SourceName, std::string("ИП Сидоров"));
        QCOMPARE(h.editor->CurrentRow(), 1);
        QCOMPARE(h.changed->count(), 1);
    }

    void linesTableKeepsSourceLinesAndTotalsInStep() {
        mTDeclaration d;
        d.SetIncomeKinds(kIncomeRussian);
        for (const char* name : {"ООО Ромашка", "ЗАО Лютик"}) d.Thirteen.Get(d.Thirteen.Add()).SourceName = name;
        d.Thirteen.Get(1).AddLine({2000, "Зарплата", Money::FromUnits(1000), 0, Money(), 0, 1});
        std::deque<mTSourseIncome> lines = {{2000, "Зарплата", Money::FromUnits(250), 0, Money(), 0, 2}};
        ScriptedQuestions questions;
        TLinesTable table(
            ItemsOf<mTThirteenPercent>(d.Thirteen, SourceColumns(), [](mTThirteenPercent&, QWidget*) { return false; }),
            [&](int source) {
                return LinesOf<mTThirteenPercent, mTSourseIncome>(d.Thirteen.Get(source), LineColumns(),
                                                                  [&](mTSourseIncome& line, QWidget*) {
                                                                      if (lines.empty()) return false;
                                                                      line = lines.front();
                                                                      lines.pop_front();
                                                                      return true;
                                                                  });
            },
            {{QStringLiteral("Доход"),
              [&](int source) { return MoneyScreenText(d.Thirteen.Get(source).IncomeTotal); }}},
            questions.Callback());
        QSignalSpy changed(&table, &TLinesTable::changed);
        auto* total = table.findChild<QLabel*>("lblTotal0");
        QCOMPARE(table.Lines()->List()->topLevelItemCount(), 0);  // the first source has no lines
        table.Sources()->SetCurrentRow(1);
        QCOMPARE(table.Lines()->List()->topLevelItemCount(), 1);
        QCOMPARE(total->text(), QString("1000"));

        table.Lines()->AddItem();
        QCOMPARE(d.Thirteen.Get(1).IncomeTotal, Money::FromUnits(1250));
        QCOMPARE(total->text(), QString("1250"));
        QCOMPARE(table.Sources()->List()->topLevelItem(1)->text(1), QString("1250"));
        QCOMPARE(table.Sources()->CurrentRow(), 1);
        QCOMPARE(changed.count(), 1);

        // Deleting the source shown leaves no lines of it on the screen.
        questions.Answers = {true};
        table.Sources()->DeleteItem();
        QCOMPARE(d.Thirteen.Count(), 1);
        QCOMPARE(table.Lines()->List()->topLevelItemCount(), 0);
        QCOMPARE(total->text(), QString());
    }
};

QTEST_MAIN(ItemListEditorTest)
#include "item_list_editor_test.moc"
