#pragma once
// What the income code picker ("Справочник видов доходов") lists and what the user
// chose in it. The dialog shows Rows() and reports the user's row through Select().
#include <string>
#include <string_view>
#include <vector>

#include "model/code_picker.h"
#include "model/income_dictionary.h"

namespace kvz {

class IncomeCodePicker : public DictionaryPickerRows<IncomeCodePicker, IncomeEntry> {
public:
    // The dictionary must outlive the picker. An empty rateFilter lists every income
    // and takes the chosen income's own tax group as the rate; a rateFilter lists the
    // incomes of that group (only the non-resident ones when nonResidentOnly) and the
    // rate stays the filter. The row of currentCode is selected, otherwise the first.
    // Throws EConvertError when rateFilter is not a number.
    IncomeCodePicker(const IncomeDictionary& dictionary, bool nonResidentOnly, std::string_view currentCode,
                     std::string_view rateFilter);

    const std::string& ChosenCode() const { return chosenCode_; }
    const std::string& ChosenName() const { return chosenName_; }
    int ChosenRate() const { return chosenRate_; }
    bool HasDeductions() const { return hasDeductions_; }
    bool IsSale() const { return isSale_; }

private:
    friend DictionaryPickerRows;
    void Choose(const IncomeEntry& income);

    bool rateFiltered_ = false;
    std::string chosenCode_;
    std::string chosenName_;
    int chosenRate_ = 0;
    bool hasDeductions_ = false;
    bool isSale_ = false;
};

}  // namespace kvz
