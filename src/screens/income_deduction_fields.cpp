#include "screens/income_deduction_fields.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "screens/dialog_parts.h"
#include "screens/field_binder.h"
#include "screens/pick_button.h"
#include "screens/pick_list_dialog.h"
#include "screens/pick_lists.h"
#include "screens/screen_widgets.h"

namespace kvz {

namespace {

std::string CodeText(int32_t code) { return code ? std::to_string(code) : std::string(); }

// A code panel, its "..." button and the chosen entry's name, on one row.
QWidget* CodeRow(QLineEdit* panel, TPickButton* button, QLabel* name) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    panel->setFixedWidth(panel->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    name->setWordWrap(true);
    name->setMinimumWidth(280);
    button->TypedInto(panel);
    layout->addWidget(panel);
    layout->addWidget(button);
    layout->addWidget(name, 1);
    return row;
}

}  // namespace

TIncomeDeductionFields::TIncomeDeductionFields(const IncomeChoiceSetup& setup, const mTSourseIncome& shown,
                                               QObject* parent)
    : QObject(parent),
      Setup_(setup),
      Dictionary_(IncomeDictionary::LoadEmbedded()),
      IncomeCode_(shown.IncomeCode),
      IncomeName_(shown.IncomeName),
      DeductionRate_(shown.DeductionRate) {
    IncomeCodePanel_ = NewChoicePanel(QStringLiteral("IncomeCode"));
    IncomeNameLabel_ = new QLabel;
    fbIncomeCode_ = new TPickButton(
        QStringLiteral("fbIncomeCode"), QStringLiteral("Справочник видов доходов"),
        IncomeCodeList(Dictionary_, Setup_.rateFilter),
        [this] { return CodeText(IncomeCode_); },
        [this](const std::string& code, const std::string&) { ChooseIncome(code); });
    Rows_[kIncomeCodeRow] = CodeRow(IncomeCodePanel_, fbIncomeCode_, IncomeNameLabel_);
    IncomeAmount_ = NewAmountEdit(Setup_.incomeAmountName, shown.IncomeAmount);
    Rows_[kIncomeAmountRow] = IncomeAmount_;

    DeductionCodePanel_ = NewChoicePanel(QStringLiteral("DeductionCode"));
    DeductionNameLabel_ = new QLabel;
    fbDeductionCode_ = new TPickButton(
        QStringLiteral("fbDeductionCode"), QStringLiteral("Справочник видов вычетов"),
        DeductionCodeList(Dictionary_, Setup_.resident, [this] { return CodeText(IncomeCode_); }),
        [this] { return DeductionCode_ ? std::to_string(*DeductionCode_) : std::string(); },
        [this](const std::string& code, const std::string&) { ChooseDeduction(code); });
    Rows_[kDeductionCodeRow] = CodeRow(DeductionCodePanel_, fbDeductionCode_, DeductionNameLabel_);
    DeductionAmount_ = NewAmountEdit("DeductionAmount", shown.DeductionAmount);
    Rows_[kDeductionAmountRow] = DeductionAmount_;

    // A stored line shows its deduction; no code with an income that offers
    // deductions is the entry that grants none.
    if (shown.DeductionCode != 0 || (IncomeCode_ != 0 && DeductionOffered())) {
        DeductionCode_ = shown.DeductionCode;
        for (const DeductionEntry* entry : Dictionary_.DeductionsFor(CodeText(IncomeCode_), Setup_.resident))
            if (entry->Code == std::to_string(shown.DeductionCode)) Deduction_ = entry;
    }
    Focus_.Add(kIncomeFieldCode, fbIncomeCode_, fbIncomeCode_);
    Focus_.Add(kIncomeFieldAmount, IncomeAmount_);
    Focus_.Add(kIncomeFieldDeductionCode, fbDeductionCode_, fbDeductionCode_);
    Focus_.Add(kIncomeFieldDeductionAmount, DeductionAmount_);
    connect(IncomeAmount_, &TCheckedLineEdit::changed, this, &TIncomeDeductionFields::FollowIncome);
    connect(DeductionAmount_, &TCheckedLineEdit::changed, this, &TIncomeDeductionFields::LimitTyped);
    ShowState();
}

void TIncomeDeductionFields::AddRow(QFormLayout* form, Row row, const QString& label) {
    auto* caption = new QLabel(label);
    if (row == kDeductionAmountRow) DeductionAmountLabel_ = caption;
    form->addRow(caption, Rows_[row]);
    ShowState();
}

bool TIncomeDeductionFields::DeductionOffered() const {
    if (IncomeCode_ == 0 || (!Setup_.resident && !NonResidentMayDeduct(IncomeCode_))) return false;
    return !Dictionary_.DeductionsFor(CodeText(IncomeCode_), Setup_.resident).empty();
}

DeductionAmountRule TIncomeDeductionFields::Rule() const {
    if (!Deduction_) return {};
    DeductionAmountRule rule = DeductionAmountRule::Of(*Deduction_);
    if (!Setup_.rateRule) rule.Percent = 0;
    return rule;
}

// A code the dictionary does not know keeps its amount in view, unchanged.
bool TIncomeDeductionFields::DeductionVisible() const { return !Deduction_ || Deduction_->Visible; }
bool TIncomeDeductionFields::DeductionEditable() const {
    return Deduction_ && Deduction_->Visible && Deduction_->Enabled && DeductionOffered();
}

void TIncomeDeductionFields::ShowState() {
    const IncomeEntry* income = Dictionary_.FindIncome(CodeText(IncomeCode_));
    IncomeCodePanel_->setText(QString::fromStdString(CodeText(IncomeCode_)));
    // The name the line keeps; the dictionary's for a line that has none.
    IncomeNameLabel_->setText(QString::fromStdString(!IncomeName_.empty() || !income ? IncomeName_ : income->Name));
    IncomeAmount_->setEnabled(IncomeCode_ != 0);
    fbDeductionCode_->setEnabled(DeductionOffered());
    DeductionCodePanel_->setText(DeductionCode_ ? QString::number(*DeductionCode_) : QString());
    DeductionNameLabel_->setText(Deduction_ ? QString::fromStdString(Deduction_->Name) : QString());
    DeductionAmount_->setEnabled(DeductionEditable());
    DeductionAmount_->setVisible(DeductionVisible());
    if (DeductionAmountLabel_) DeductionAmountLabel_->setVisible(DeductionVisible());
}

void TIncomeDeductionFields::ChooseIncome(const std::string& code) {
    const IncomeEntry* income = Dictionary_.FindIncome(code);
    if (!income || income->Code == CodeText(IncomeCode_)) return;
    IncomeCode_ = std::stoi(income->Code);
    IncomeName_ = income->Name;
    DeductionCode_.reset();
    Deduction_ = nullptr;
    DeductionRate_ = 0;
    IncomeAmount_->clear();
    DeductionAmount_->clear();
    ShowState();
    emit incomeChosen();
}

void TIncomeDeductionFields::ChooseDeduction(const std::string& code) {
    for (const DeductionEntry* entry : Dictionary_.DeductionsFor(CodeText(IncomeCode_), Setup_.resident)) {
        if (entry->Code != code) continue;
        if (entry == Deduction_ && DeductionCode_) return;
        DeductionCode_ = std::stoi(entry->Code);
        Deduction_ = entry;
        DeductionRate_ = Rule().Percent;
        if (!entry->Visible) DeductionAmount_->clear();
        ShowState();
        FollowIncome();
        return;
    }
}

void TIncomeDeductionFields::FollowIncome() {
    if (!Deduction_ || !Deduction_->Visible) return;
    const DeductionAmountRule rule = Rule();
    const auto automatic = AutomaticDeductionAmount(TypedAmount(IncomeAmount_), rule);
    SetDeductionAmount(automatic ? *automatic : LimitToCeiling(TypedAmount(DeductionAmount_), rule.MaxSum));
}

void TIncomeDeductionFields::LimitTyped() {
    if (!DeductionEditable()) return;
    const Money typed = TypedAmount(DeductionAmount_);
    const Money limited = TypedDeductionAmount(typed, Rule());
    if (limited != typed) SetDeductionAmount(limited);
}

void TIncomeDeductionFields::SetDeductionAmount(Money amount) {
    const QString text = MoneyScreenText(amount);
    if (TypedAmount(DeductionAmount_) != amount || DeductionAmount_->text().isEmpty() != text.isEmpty())
        DeductionAmount_->setText(text);
}

IncomeLineValues TIncomeDeductionFields::Values() const {
    IncomeLineValues values;
    values.IncomeCode = IncomeCode_;
    values.IncomeAmount = TypedAmount(IncomeAmount_);
    values.DeductionOffered = DeductionOffered();
    values.DeductionCode = DeductionCode_;
    values.DeductionAmountEditable = DeductionEditable();
    values.DeductionAmount = TypedAmount(DeductionAmount_);
    return values;
}

void TIncomeDeductionFields::WriteTo(mTSourseIncome& line) const {
    line.IncomeCode = IncomeCode_;
    line.IncomeName = IncomeName_;
    line.IncomeAmount = TypedAmount(IncomeAmount_);
    line.DeductionCode = DeductionCode_.value_or(0);
    line.DeductionAmount = TypedAmount(DeductionAmount_);
    line.DeductionRate = DeductionRate_;
}

}  // namespace kvz
