#include "model/code_picker.h"

namespace kvz {

std::optional<std::size_t> RowOfCode(const CodePicker& picker, const std::string& code) {
    for (std::size_t row = 0; row < picker.RowCount(); ++row)
        if (picker.RowCode(row) == code) return row;
    return std::nullopt;
}

}  // namespace kvz
