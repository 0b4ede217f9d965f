#include "screens/business_screen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "checks/section_checks.h"
#include "model/declaration.h"
#include "model/expense_norm.h"
#include "screens/activity_dialogs.h"
#include "screens/dialog_parts.h"
#include "screens/form_builder.h"
#include "screens/item_list_editor.h"
#include "screens/masked_edit.h"
#include "screens/screen_widgets.h"
#include "screens/year_spin.h"

namespace kvz {

namespace {

// The expense items the screen edits, in their order on it.
const struct {
    int item;
    QString label;
    const char* name;
} kExpenseRows[] = {
    {kExpenseTotal, QStringLiteral("Итого расходов "), "ExpenseTotal"},
    {kExpenseMaterial, QStringLiteral("Мат. расходы"), "ExpenseMaterial"},
    {kExpenseDepreciation, QStringLiteral("Амортизац. начисл."), "ExpenseDepreciation"},
    {kExpenseLabour, QStringLiteral("Оплата труда"), "ExpenseLabour"},
    {kExpenseLabourContracts, QStringLiteral("в т.ч. по тр. договорам"), "ExpenseLabourContracts"},
    {kExpenseOther, QStringLiteral("Прочие расходы"), "ExpenseOther"},
};

// Where the arrows of an empty year of formation start.
constexpr int kDefaultFarmYear = 2009;

}  // namespace

TfrBusinessNew::TfrBusinessNew(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, resources, parent), Shown_(declaration.Business) {
    // A new activity starts without documents: its expenses follow the norm.
    auto activities = std::make_unique<ItemList<mTBusinessNew>>(
        Shown_.Ops([](mTBusinessNew& added) { added.ExpensesConfirmed = false; }),
        std::vector<ItemColumn<mTBusinessNew>>{{QStringLiteral("Виды деятельности"), ActivityCaption}},
        [this](mTBusinessNew& activity, QWidget* parent) { return EditActivity(activity, Resources(), parent); });
    lvActivities_ = new TItemListEditor(QStringLiteral("lvActivities"), std::move(activities), Resources().askYesNo);
    lvActivities_->setToolTip(QStringLiteral("Список видов деятельности"));
    connect(lvActivities_, &TItemListEditor::changed, this, &TThinkingFrame::documentModified);
    connect(lvActivities_, &TItemListEditor::currentRowChanged, this, &TfrBusinessNew::ShowActivity);

    TFormBuilder form(*this);
    pnlActivity_ = new QWidget;
    auto* activity = new QVBoxLayout(pnlActivity_);
    activity->setContentsMargins(0, 0, 0, 0);
    BuildActivity(form, activity);
    auto* top = new QHBoxLayout;
    top->addWidget(lvActivities_, 1);
    top->addWidget(pnlActivity_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    BuildDeclarationValues(form, layout);
    ShowActivity(lvActivities_->CurrentRow());
}

void TfrBusinessNew::BuildActivity(TFormBuilder& form, QVBoxLayout* column) {
    column->addLayout(form.Grid());
    meIncome_ = form.Amount(QStringLiteral("Сумма дохода"), "Income", Shown_.Field(&mTBusinessNew::Income));
    connect(meIncome_, &TCheckedLineEdit::changed, this, &TfrBusinessNew::ShowNorm);
    QCheckBox* confirmed = form.Check(QStringLiteral("Имеются документально подтв. расходы"),
                                       QStringLiteral("ExpensesConfirmed"));
    Binder().BindCheck(confirmed, "ExpensesConfirmed", Shown_.Field(&mTBusinessNew::ExpensesConfirmed));
    connect(confirmed, &QCheckBox::toggled, this, [this] {
        ApplyRules();
        ShowNorm();
    });

    QGroupBox* confirmedItems = form.Group(QString());
    column->addWidget(confirmedItems);
    for (const auto& row : kExpenseRows) {
        form.Amount(row.label, row.name,
                    Shown_.Access<Money>([i = row.item](const mTBusinessNew& a) { return a.ExpenseItems[i]; },
                                         [i = row.item](mTBusinessNew& a, const Money& m) { a.ExpenseItems[i] = m; }));
    }
    QGroupBox* norm = form.Group(QString());
    column->addWidget(norm);
    meNorm_ = NewChoicePanel(QStringLiteral("UnconfirmedExpenses"));
    form.Row(QStringLiteral("Итого расходов"), meNorm_);
    AddRule([confirmed, confirmedItems, norm] {
        confirmedItems->setVisible(confirmed->isChecked());
        norm->setVisible(!confirmed->isChecked());
    });
    column->addStretch(1);
}

void TfrBusinessNew::BuildDeclarationValues(TFormBuilder& form, QVBoxLayout* column) {
    mTDeclaration& d = Declaration();
    auto* columns = new QHBoxLayout;
    column->addLayout(columns);
    columns->addWidget(form.Group(QStringLiteral("Авансовые платежи")));
    form.Amount(QStringLiteral("Фактические платежи"), "AdvancePaid", d.AdvancePaid);
    form.Amount(QStringLiteral("Начисленные платежи"), "AdvanceAssessed", d.AdvanceAssessed);
    form.Amount(QStringLiteral("Платежи по патенту"), "PatentPayment", d.PatentPayment);
    form.Amount(QStringLiteral("Торговый сбор"), "TradeFee", d.TradeFee);
    columns->addWidget(form.Group(QStringLiteral("Корректировка")));
    form.Amount(QStringLiteral("Скорректированная база"), "CorrectedIncome", d.CorrectedIncome);
    form.Amount(QStringLiteral("Скорректированный налог"), "CorrectedExpense", d.CorrectedExpense);

    QCheckBox* farmHead = form.Check(QStringLiteral("Крестьянское (фермерское) хозяйство"), QStringLiteral("IsFarmHead"));
    Binder().BindCheck(farmHead, "IsFarmHead", d.IsFarmHead);
    connect(farmHead, &QCheckBox::toggled, this, &TThinkingFrame::ApplyRules);
    const auto farm = [farmHead] { return farmHead->isChecked(); };
    auto* year = FarmYear_ = new TYearSpin(kFirstFarmYear, kLastFarmYear, kDefaultFarmYear);
    Binder().BindSpin(year, "FarmStartDate",
                      {[this] { return FarmYearOf(Declaration().FarmStartDate); },
                       [this](const int32_t& y) { Declaration().FarmStartDate = FarmStartDateOf(y); }});
    form.Row(QStringLiteral("Год образования"), year).EnabledWhen(farm).Beside(new QWidget, 1);
    form.Amount(QStringLiteral("Необлагаемый доход"), "FarmExemptIncome", d.FarmExemptIncome).EnabledWhen(farm);
}

void TfrBusinessNew::ShowActivity(int row) {
    if (!ShowItem(Shown_, row, pnlActivity_, [this] { ShowNorm(); })) lvActivities_->SetCurrentRow(Shown_.Row());
}

void TfrBusinessNew::ShowNorm() {
    const Money norm = ExpenseNorm(TypedAmount(meIncome_));
    meNorm_->setText(norm.IsZero() ? QStringLiteral("0") : MoneyScreenText(norm));
}

bool TfrBusinessNew::StoreOwn() {
    mTBusinessNew& activity = Shown_.Get();
    if (!Shown_.Chosen() || activity.ExpensesConfirmed) return false;
    const Money norm = ExpenseNorm(activity.Income);
    if (norm == activity.UnconfirmedExpenses) return false;
    activity.UnconfirmedExpenses = norm;
    return true;
}

CheckFindings TfrBusinessNew::Findings() const { return BusinessScreenFindings(Declaration()); }

void TfrBusinessNew::FocusField(int, int field) {
    if (field == kBusinessFieldFarmYear) {
        FarmYear_->setFocus();
        return;
    }
    lvActivities_->FocusRow(field);
}

}  // namespace kvz
