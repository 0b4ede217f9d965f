#pragma once
// What the deduction code picker ("Справочник видов вычетов") lists for an income
// and what the user chose in it. The dialog shows Rows() and reports the user's row
// through Select().
#include <string>
#include <string_view>
#include <vector>

#include "model/deduction_amount.h"
#include "model/code_picker.h"
#include "model/income_dictionary.h"
#include "storage/money.h"

namespace kvz {

class DeductionCodePicker : public DictionaryPickerRows<DeductionCodePicker, DeductionEntry> {
public:
    // The dictionary must outlive the picker. Lists the deductions of incomeCode (only
    // those allowed to a non-resident when resident is false) and selects the row of
    // currentDeductionCode, otherwise the first.
    DeductionCodePicker(const IncomeDictionary& dictionary, bool resident, std::string_view currentDeductionCode,
                        std::string_view incomeCode);

    const std::string& ChosenDeductionCode() const { return chosen_.Code; }
    const std::string& ChosenDeductionName() const { return chosen_.Name; }
    Money ChosenMaxSum() const { return chosen_.MaxSum; }
    bool AmountEditable() const { return chosen_.Enabled; }
    bool AmountEqualsIncome() const { return chosen_.Equivalent; }
    bool AmountShown() const { return chosen_.Visible; }
    int ChosenPercent() const { return chosen_.Percent; }
    // How the chosen deduction's amount follows the income.
    DeductionAmountRule AmountRule() const { return DeductionAmountRule::Of(chosen_); }

private:
    friend DictionaryPickerRows;
    void Choose(const DeductionEntry& entry) { chosen_ = entry; }

    DeductionEntry chosen_;
};

}  // namespace kvz
