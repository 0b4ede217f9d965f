#include "model/income_code_picker.h"

namespace kvz {

IncomeCodePicker::IncomeCodePicker(const IncomeDictionary& dictionary, bool nonResidentOnly,
                                   std::string_view currentCode, std::string_view rateFilter)
    : DictionaryPickerRows(dictionary.IncomesFor(rateFilter, nonResidentOnly)),
      rateFiltered_(!rateFilter.empty()),
      chosenRate_(RateNumber(rateFilter)) {
    SelectInitial(currentCode);
}

void IncomeCodePicker::Choose(const IncomeEntry& income) {
    chosenCode_ = income.Code;
    chosenName_ = income.Name;
    if (!rateFiltered_) chosenRate_ = RateNumber(income.Stav);
    hasDeductions_ = !income.Deductions.empty();
    isSale_ = income.SaleDate;
}

}  // namespace kvz
