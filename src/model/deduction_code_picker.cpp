#include "model/deduction_code_picker.h"

#include <stdexcept>

namespace kvz {

DeductionCodePicker::DeductionCodePicker(const IncomeDictionary& dictionary, bool resident,
                                         std::string_view currentDeductionCode, std::string_view incomeCode)
    : rows_(dictionary.DeductionsFor(incomeCode, resident)) {
    if (rows_.empty()) return;
    int initial = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i]->Code == currentDeductionCode) {
            initial = static_cast<int>(i);
            break;
        }
    }
    Select(initial);
}

void DeductionCodePicker::Select(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        throw std::out_of_range("deduction picker has no row " + std::to_string(row));
    selected_ = row;
    chosen_ = *rows_[static_cast<std::size_t>(row)];
}

}  // namespace kvz
