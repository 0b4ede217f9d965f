#include "screens/thirteen_line_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "screens/dialog_parts.h"
#include "screens/income_deduction_fields.h"
#include "screens/masked_edit.h"

namespace kvz {

TThirteenLineDialog::TThirteenLineDialog(const ThirteenLineSetup& setup, const mTSourseIncome& line,
                                         CheckDialog* checks, QWidget* parent)
    : QDialog(parent), Setup_(setup), Shown_(line), Checks_(checks) {
    setObjectName(setup.objectName);
    setWindowTitle(QStringLiteral("Сведения о доходе"));
    auto* group = new QGroupBox(QStringLiteral("Сведения о полученном доходе"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    auto* form = new QFormLayout(group);

    IncomeChoiceSetup choice;
    choice.resident = setup.resident;
    choice.rateRule = setup.kind == ThirteenLineDialog::Common;
    choice.rateFilter = setup.resident ? "13" : "";
    Fields_ = new TIncomeDeductionFields(choice, line, this);
    Fields_->AddRow(form, TIncomeDeductionFields::kIncomeCodeRow, QStringLiteral("Код дохода"));
    Fields_->AddRow(form, TIncomeDeductionFields::kIncomeAmountRow, QStringLiteral("Сумма дохода"));
    Fields_->AddRow(form, TIncomeDeductionFields::kDeductionCodeRow, QStringLiteral("Код вычета (расхода)"));
    Fields_->AddRow(form, TIncomeDeductionFields::kDeductionAmountRow, QStringLiteral("Сумма вычета (расхода)"));

    Month_ = NewNamedEdit("Month", edtDigital, 2);
    Month_->setMaximumWidth(60);
    KeepMonthNumber(Month_);
    // A non-resident's incomes have no month; a resident's is given once the income is.
    if (setup.resident && line.Month != 0) Month_->LoadText(QString::number(line.Month));
    Month_->setEnabled(setup.resident && line.IncomeCode != 0);
    connect(Fields_, &TIncomeDeductionFields::incomeChosen, this, [this] { Month_->setEnabled(Setup_.resident); });
    form->addRow(QStringLiteral("Месяц получения дохода "), Month_);

    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TThirteenLineDialog::OnYes);
    layout->addWidget(buttons);
}

mTSourseIncome TThirteenLineDialog::Line() const {
    mTSourseIncome line = Shown_;
    Fields_->WriteTo(line);
    line.Month = static_cast<uint16_t>(Setup_.resident ? TypedMonth(Month_) : 0);
    return line;
}

void TThirteenLineDialog::OnYes() {
    const int field = CheckThirteenLine(ChecksOrFix(Checks_), Fields_->Values(), Setup_.kind);
    if (field == kIncomeAccepted) return accept();
    Fields_->Focus(field);
}

}  // namespace kvz
