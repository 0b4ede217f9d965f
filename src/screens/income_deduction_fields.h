#pragma once
// "Код дохода", "Сумма дохода", "Код вычета (расхода)" and "Сумма вычета (расхода)"
// of an income dialog, with the dictionary's rules: the deductions an income offers
// (to a non-resident only for some incomes), whether the deduction amount is shown
// and typed, follows the income or is a percentage of it, and its ceiling. The
// dictionary is parsed once for the dialog. The dialog places the rows.
#include <QObject>
#include <QString>

#include <optional>
#include <string>

#include "checks/income_line_checks.h"
#include "model/deduction_amount.h"
#include "model/income_dictionary.h"
#include "model/thirteen_percent.h"
#include "screens/field_focus.h"

class QFormLayout;
class QLabel;
class QLineEdit;

namespace kvz {

class TMaskedEdit;
class TPickButton;

struct IncomeChoiceSetup {
    bool resident = true;
    bool rateRule = true;     // a deduction's percentage of the income is applied
    std::string rateFilter;   // the tax group of the incomes offered; empty for all
    const char* incomeAmountName = "IncomeAmount";
};

class TIncomeDeductionFields : public QObject {
    Q_OBJECT
public:
    enum Row { kIncomeCodeRow, kIncomeAmountRow, kDeductionCodeRow, kDeductionAmountRow };

    // Shows the codes and amounts of `shown`.
    TIncomeDeductionFields(const IncomeChoiceSetup& setup, const mTSourseIncome& shown, QObject* parent);

    void AddRow(QFormLayout* form, Row row, const QString& label);

    // What the checks need to know.
    IncomeLineValues Values() const;
    // Writes codes, the income's name, the amounts and the deduction's percentage;
    // the month stays.
    void WriteTo(mTSourseIncome& line) const;
    // Puts right what a check named: focuses an amount or opens a code list.
    void Focus(int field) { Focus_.Go(field); }

    // The codes the lists hand back, as if chosen there.
    void ChooseIncome(const std::string& code);
    void ChooseDeduction(const std::string& code);

signals:
    // Another income was chosen: its amount and deduction were cleared.
    void incomeChosen();

private:
    bool DeductionOffered() const;
    DeductionAmountRule Rule() const;
    bool DeductionVisible() const;
    bool DeductionEditable() const;
    void ShowState();
    // The deduction amount as its rule makes it from the income.
    void FollowIncome();
    // A typed deduction amount at or above the ceiling becomes the ceiling.
    void LimitTyped();
    void SetDeductionAmount(Money amount);

    IncomeChoiceSetup Setup_;
    IncomeDictionary Dictionary_;
    int32_t IncomeCode_ = 0;
    std::string IncomeName_;
    std::optional<int32_t> DeductionCode_;   // none chosen yet
    const DeductionEntry* Deduction_ = nullptr;  // its dictionary entry, if known
    int32_t DeductionRate_ = 0;

    QLineEdit* IncomeCodePanel_ = nullptr;
    QLabel* IncomeNameLabel_ = nullptr;
    TPickButton* fbIncomeCode_ = nullptr;
    TMaskedEdit* IncomeAmount_ = nullptr;
    QLineEdit* DeductionCodePanel_ = nullptr;
    QLabel* DeductionNameLabel_ = nullptr;
    TPickButton* fbDeductionCode_ = nullptr;
    TMaskedEdit* DeductionAmount_ = nullptr;
    QWidget* DeductionAmountLabel_ = nullptr;
    QWidget* Rows_[4] = {};
    FieldFocus Focus_;
};

}  // namespace kvz
