#include "screens/invest_tov_screen.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/declaration.h"
#include "screens/form_builder.h"
#include "screens/invest_tov_dialogs.h"
#include "screens/item_list_editor.h"
#include "screens/screen_widgets.h"

namespace kvz {

namespace {

// An amount in the operations list, or the word shown for none.
QString AmountOr(Money amount, const QString& none) { return amount.IsZero() ? none : MoneyScreenText(amount); }

std::vector<ItemColumn<mTInvestTovIncome>> LineColumns() {
    const QString no = QStringLiteral("Нет"), dash = QStringLiteral("-");
    return {
        {QStringLiteral("Вид дохода"),
         [no](const mTInvestTovIncome& l) { return l.OperationKind ? QString::number(l.OperationKind) : no; }},
        {QStringLiteral("Сумма дохода"), [no](const mTInvestTovIncome& l) { return AmountOr(l.IncomeAmount, no); }},
        {QStringLiteral("Сумма расхода"), [dash](const mTInvestTovIncome& l) { return AmountOr(l.ExpenseShare, dash); }},
        {QStringLiteral("Возн."), [no](const mTInvestTovIncome& l) { return AmountOr(l.ManagerExpenses, no); }},
        {QStringLiteral("Прошл. года"), [dash](const mTInvestTovIncome& l) { return AmountOr(l.PriorLosses, dash); }},
    };
}

}  // namespace

TfrInvestTov::TfrInvestTov(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, resources, parent), Shown_(declaration.InvestTov) {
    auto sources = std::make_unique<ItemList<mTInvestTov>>(
        Shown_.Ops(),
        std::vector<ItemColumn<mTInvestTov>>{
            {QStringLiteral("Источники выплат"), [](const mTInvestTov& p) { return QString::fromStdString(p.SourceName); }}},
        [this](mTInvestTov& partnership, QWidget* parent) { return EditInvestSource(partnership, Resources(), parent); });
    lvSources_ = new TItemListEditor(QStringLiteral("lvSources"), std::move(sources), Resources().askYesNo);
    lvSources_->setToolTip(QStringLiteral("Список инвестиционных товариществ"));
    connect(lvSources_, &TItemListEditor::changed, this, &TThinkingFrame::documentModified);
    connect(lvSources_, &TItemListEditor::currentRowChanged, this, &TfrInvestTov::ShowPartnership);

    lvIncomes_ = new TItemListEditor(QStringLiteral("lvIncomes"), nullptr, Resources().askYesNo);
    lvIncomes_->setToolTip(QStringLiteral("Список доходов по выбранному инвестиционному товариществу"));
    connect(lvIncomes_, &TItemListEditor::changed, this, [this] {
        ShowTotal();
        emit documentModified();
    });

    pnlTotals_ = new QWidget;
    auto* totals = new QVBoxLayout(pnlTotals_);
    totals->setContentsMargins(0, 0, 0, 0);
    totals->addWidget(lvIncomes_, 1);
    TFormBuilder form(*this);
    totals->addWidget(form.Group(QStringLiteral("Итоговые суммы по источнику выплат")));
    meIncomeTotal_ = NewChoicePanel(QStringLiteral("IncomeTotal"));
    form.Row(QStringLiteral("Сумма дохода"), meIncomeTotal_);
    form.Amount(QStringLiteral("Сумма налога удержанная "), "TaxWithheld", Shown_.Field(&mTInvestTov::TaxWithheld));
    form.Amount(QStringLiteral("Облагаемая сумма дохода"), "TaxableAmount", Shown_.Field(&mTInvestTov::TaxableAmount));
    form.Amount(QStringLiteral("Сумма налога исчисленная"), "TaxComputed", Shown_.Field(&mTInvestTov::TaxComputed));

    Splitter_ = new QSplitter(Qt::Vertical);
    Splitter_->setObjectName(QStringLiteral("Splitter"));
    Splitter_->setChildrenCollapsible(false);
    Splitter_->addWidget(lvSources_);
    Splitter_->addWidget(pnlTotals_);
    for (QWidget* side : {static_cast<QWidget*>(lvSources_), pnlTotals_}) side->setMinimumHeight(kInvestSplitterMinimum);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Splitter_);
    ShowPartnership(lvSources_->CurrentRow());
}

void TfrInvestTov::ShowPartnership(int row) {
    if (Shown_.Chosen()) TThinkingFrame::Store();
    Shown_.Select(row);
    lvIncomes_->SetSource(Shown_.Chosen() ? LinesOf<mTInvestTov, mTInvestTovIncome>(
                                                Shown_.Get(), LineColumns(),
                                                [this](mTInvestTovIncome& line, QWidget* parent) {
                                                    return EditInvestLine(line, Resources(), parent);
                                                })
                                          : nullptr);
    pnlTotals_->setEnabled(Shown_.Chosen());
    FillForm([this] { ShowTotal(); });
}

void TfrInvestTov::ShowTotal() {
    const Money total = Shown_.Get().IncomeTotal;
    meIncomeTotal_->setText(total.IsZero() ? QStringLiteral("0") : MoneyScreenText(total));
}

void TfrInvestTov::FocusField(int, int field) {
    lvSources_->SetCurrentRow(field - 1);
    lvSources_->List()->setFocus();
}

}  // namespace kvz
