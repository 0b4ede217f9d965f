#include "screens/currency_income_codes.h"

#include <QLabel>
#include <QLineEdit>

#include "directory/derived_values.h"
#include "model/deduction_amount.h"
#include "screens/dialog_parts.h"
#include "screens/field_binder.h"
#include "screens/form_builder.h"
#include "screens/masked_edit.h"
#include "screens/pick_button.h"
#include "screens/pick_lists.h"
#include "screens/screen_widgets.h"
#include "screens/thinking_frame.h"

namespace kvz {

TCurrencyIncomeCodes::TCurrencyIncomeCodes(TThinkingFrame& screen, TFormBuilder& form,
                                           SelectedItem<mTCurrencyIncome>& shown,
                                           std::function<Money()> incomeInRoubles)
    : QObject(&screen),
      Screen_(screen),
      Shown_(shown),
      IncomeInRoubles_(std::move(incomeInRoubles)),
      Dictionary_(IncomeDictionary::LoadEmbedded()) {
    auto* fbIncomeCode = new TPickButton(
        QStringLiteral("fbIncomeCode"), QStringLiteral("Справочник видов доходов"),
        IncomeCodeList(Dictionary_, ""),
        [this] { return std::to_string(Shown_.Get().IncomeCode); },
        [this](const std::string& code, const std::string&) { TakeIncomeCode(code); });
    meIncomeCode_ = form.Row(QStringLiteral("Код дохода"), NewShortChoicePanel(QStringLiteral("IncomeCode")))
                        .Beside(fbIncomeCode)
                        .Beside(lblIncomeName_ = new QLabel, 1);
    fbIncomeCode->TypedInto(meIncomeCode_);
    lblIncomeName_->setWordWrap(true);
    fbDeductionCode_ = new TPickButton(
        QStringLiteral("fbDeductionCode"), QStringLiteral("Справочник видов вычетов"),
        DeductionCodeList(Dictionary_, true, [this] { return std::to_string(Shown_.Get().IncomeCode); }),
        [this] { return std::to_string(Shown_.Get().DeductionCode); },
        [this](const std::string& code, const std::string&) { TakeDeductionCode(code); });
    meDeductionCode_ =
        form.Row(QStringLiteral("Код вычета (расхода)"), NewShortChoicePanel(QStringLiteral("DeductionCode")))
            .Beside(fbDeductionCode_, 1);
    fbDeductionCode_->TypedInto(meDeductionCode_);
    meDeductionAmount_ = form.Amount(QStringLiteral("Сумма вычета (расхода)"), "DeductionAmount",
                                     Shown_.Field(&mTCurrencyIncome::DeductionAmount))
                             .VisibleWhen([this] { return Deduction_ && Deduction_->Visible; })
                             .EnabledWhen([this] { return Deduction_ && Deduction_->Enabled; });
    connect(meDeductionAmount_, &TCheckedLineEdit::changed, this, &TCurrencyIncomeCodes::LimitTyped);
}

// A typed amount at or above the deduction's ceiling becomes the ceiling.
void TCurrencyIncomeCodes::LimitTyped() {
    if (Screen_.Binder().Loading() || !Deduction_ || !Deduction_->Enabled) return;
    const Money typed = TypedAmount(meDeductionAmount_);
    const Money limited = TypedDeductionAmount(typed, DeductionAmountRule::Of(*Deduction_));
    if (limited != typed) meDeductionAmount_->setText(MoneyScreenText(limited));
}

void TCurrencyIncomeCodes::ShowDeductionAmount() {
    if (Screen_.Binder().Loading() || !Deduction_) return;
    if (!Deduction_->Visible) {
        meDeductionAmount_->clear();
        return;
    }
    if (auto amount = AutomaticDeductionAmount(IncomeInRoubles_(), DeductionAmountRule::Of(*Deduction_)))
        meDeductionAmount_->setText(MoneyScreenText(*amount));
}

void TCurrencyIncomeCodes::ShowCodes() {
    const mTCurrencyIncome& f = Shown_.Get();
    meIncomeCode_->setText(f.IncomeCode ? QString::number(f.IncomeCode) : QString());
    lblIncomeName_->setText(QString::fromStdString(f.IncomeName));
    const IncomeEntry* income = Dictionary_.FindIncome(std::to_string(f.IncomeCode));
    fbDeductionCode_->setEnabled(income && !income->Deductions.empty());
    Deduction_ = nullptr;
    for (const DeductionEntry* entry : Dictionary_.DeductionsFor(std::to_string(f.IncomeCode), true))
        if (entry->Code == std::to_string(f.DeductionCode)) Deduction_ = entry;
    meDeductionCode_->setText(Deduction_ ? QString::fromStdString(Deduction_->Code) : QString());
    Screen_.ApplyRules();
}

void TCurrencyIncomeCodes::TakeIncomeCode(const std::string& text) {
    const IncomeEntry* income = Dictionary_.FindIncome(text);
    mTCurrencyIncome& f = Shown_.Get();
    if (!income || income->Code == std::to_string(f.IncomeCode)) return;
    // Another income: the deduction of the one before goes.
    kvz::TakeIncomeCode(f, *income);
    meDeductionAmount_->clear();
    ShowCodes();
    emit changed();
}

void TCurrencyIncomeCodes::TakeDeductionCode(const std::string& text) {
    mTCurrencyIncome& f = Shown_.Get();
    for (const DeductionEntry* entry : Dictionary_.DeductionsFor(std::to_string(f.IncomeCode), true)) {
        if (entry->Code != text) continue;
        if (entry == Deduction_) return;
        kvz::TakeDeductionCode(f, *entry);
        ShowCodes();
        ShowDeductionAmount();
        emit changed();
        return;
    }
}

}  // namespace kvz
