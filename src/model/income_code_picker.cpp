#include "model/income_code_picker.h"

#include <stdexcept>

namespace kvz {

IncomeCodePicker::IncomeCodePicker(const IncomeDictionary& dictionary, bool nonResidentOnly,
                                   std::string_view currentCode, std::string_view rateFilter)
    : rows_(dictionary.IncomesFor(rateFilter, nonResidentOnly)),
      rateFiltered_(!rateFilter.empty()),
      chosenRate_(RateNumber(rateFilter)) {
    if (rows_.empty()) return;
    int initial = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i]->Code == currentCode) {
            initial = static_cast<int>(i);
            break;
        }
    }
    Select(initial);
}

void IncomeCodePicker::Select(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        throw std::out_of_range("income picker has no row " + std::to_string(row));
    const IncomeEntry& income = *rows_[static_cast<std::size_t>(row)];
    selected_ = row;
    chosenCode_ = income.Code;
    chosenName_ = income.Name;
    if (!rateFiltered_) chosenRate_ = RateNumber(income.Stav);
    hasDeductions_ = !income.Deductions.empty();
    isSale_ = income.SaleDate;
}

}  // namespace kvz
