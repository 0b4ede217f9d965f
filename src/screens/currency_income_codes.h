#pragma once
// The income code, the deduction code and the deduction amount of the foreign
// income shown: the two code pickers, and the deduction's rules (shown, editable,
// a share of the rouble equivalent or the equivalent itself up to a ceiling, which
// a typed amount does not pass either).
#include <QObject>

#include <functional>
#include <string>

#include "model/currency_income.h"
#include "model/income_dictionary.h"
#include "screens/selected_item.h"

class QLabel;
class QLineEdit;

namespace kvz {

class TFormBuilder;
class TMaskedEdit;
class TPickButton;
class TThinkingFrame;

class TCurrencyIncomeCodes : public QObject {
    Q_OBJECT
public:
    // Adds its rows to the form; `incomeInRoubles` is the equivalent typed now.
    TCurrencyIncomeCodes(TThinkingFrame& screen, TFormBuilder& form, SelectedItem<mTCurrencyIncome>& shown,
                         std::function<Money()> incomeInRoubles);

    // Shows the codes of the income shown and the rules of its deduction.
    void ShowCodes();
    // The amount that the deduction's rule takes from the equivalent now typed.
    void ShowDeductionAmount();

signals:
    // A code was chosen.
    void changed();

private:
    void TakeIncomeCode(const std::string& code);
    void TakeDeductionCode(const std::string& code);
    void LimitTyped();

    TThinkingFrame& Screen_;
    SelectedItem<mTCurrencyIncome>& Shown_;
    std::function<Money()> IncomeInRoubles_;
    IncomeDictionary Dictionary_;
    // The dictionary's entry of the deduction shown; null for none.
    const DeductionEntry* Deduction_ = nullptr;
    QLineEdit* meIncomeCode_ = nullptr;
    QLabel* lblIncomeName_ = nullptr;
    QLineEdit* meDeductionCode_ = nullptr;
    TPickButton* fbDeductionCode_ = nullptr;
    TMaskedEdit* meDeductionAmount_ = nullptr;
};

}  // namespace kvz
