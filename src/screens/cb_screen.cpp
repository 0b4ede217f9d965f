#include "screens/cb_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "checks/section_checks_deductions.h"
#include "model/declaration.h"
#include "screens/dialog_parts.h"
#include "screens/form_builder.h"

namespace kvz {

namespace {

QString TotalText(const std::array<TMaskedEdit*, 10>& edits) {
    std::array<Money, 10> typed{};
    for (std::size_t i = 0; i < edits.size(); ++i) typed[i] = TypedAmount(edits[i]);
    return QString::fromStdString(MoneyToText(ShownLossTotal(typed), ','));
}

}  // namespace

TfrCB::TfrCB(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, resources, parent) {
    mTCBDeduct& cb = Declaration().CB;
    auto* layout = new QVBoxLayout(this);
    auto* losses = new QGroupBox(QStringLiteral("Убытки предыдущих налоговых периодов"));
    auto* grid = new QGridLayout(losses);
    grid->addWidget(new QLabel(QStringLiteral("Убытки по операциям с ЦБ")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Убытки по операциям с ФИСС")), 0, 2);
    for (int i = 0; i < mTCBDeduct::kYears; ++i)
        grid->addWidget(new QLabel(QString::number(mTCBDeduct::YearOfIndex(i))), i + 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Итого")), mTCBDeduct::kYears + 1, 0);
    AddColumn(grid, 1, "SecuritiesLoss", cb.SecuritiesLoss, Securities_, pnlSecuritiesTotal_);
    AddColumn(grid, 2, "FissLoss", cb.FissLoss, Fiss_, pnlFissTotal_);
    pnlSecuritiesTotal_->setObjectName(QStringLiteral("pnlSecuritiesTotal"));
    pnlFissTotal_->setObjectName(QStringLiteral("pnlFissTotal"));
    layout->addWidget(losses);

    TFormBuilder form(*this);
    layout->addWidget(form.Group(QStringLiteral("Инвестиционный вычет")));
    TMaskedEdit* deduction = form.Amount(QStringLiteral("Сумма вычета"), "InvestmentDeduction",
                                         Declaration().InvestmentDeduction);
    form.Amount(QStringLiteral("Сумма вычета предшествующих периодов, подлежащая возврату"),
                "InvestmentDeductionReturn", Declaration().InvestmentDeductionReturn);
    connect(deduction, &TMaskedEdit::changed, this, [this, deduction] { KeepDeductionWithinLimit(deduction); });
    layout->addStretch(1);
    FillForm([this] { ShowTotals(); });
}

void TfrCB::AddColumn(QGridLayout* grid, int column, const char* name, std::array<Money, 10>& losses, Column& edits,
                      QLabel*& total) {
    for (int i = 0; i < mTCBDeduct::kYears; ++i) {
        edits[i] = new TMaskedEdit(edtCurrency, 12, 2);
        const std::string editName = name + std::to_string(i);
        Binder().BindMoney(edits[i], editName.c_str(), losses[static_cast<std::size_t>(i)]);
        connect(edits[i], &TMaskedEdit::changed, this, &TfrCB::ShowTotals);
        grid->addWidget(edits[i], i + 1, column);
    }
    total = new QLabel;
    total->setFrameShape(QFrame::Panel);
    total->setFrameShadow(QFrame::Sunken);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(total, mTCBDeduct::kYears + 1, column);
}

void TfrCB::ShowTotals() {
    pnlSecuritiesTotal_->setText(TotalText(Securities_));
    pnlFissTotal_->setText(TotalText(Fiss_));
}

void TfrCB::KeepDeductionWithinLimit(TMaskedEdit* edit) {
    // The limit itself is written as the plain "400000" too.
    const Money bounded = BoundInvestmentDeduction(TypedAmount(edit));
    const QString limit = MoneyScreenText(kInvestmentDeductionLimit);
    if (bounded == kInvestmentDeductionLimit && edit->text() != limit) edit->setText(limit);
}

}  // namespace kvz
