#include "model/deduction_code_picker.h"

namespace kvz {

DeductionCodePicker::DeductionCodePicker(const IncomeDictionary& dictionary, bool resident,
                                         std::string_view currentDeductionCode, std::string_view incomeCode)
    : DictionaryPickerRows(dictionary.DeductionsFor(incomeCode, resident)) {
    SelectInitial(currentDeductionCode);
}

}  // namespace kvz
