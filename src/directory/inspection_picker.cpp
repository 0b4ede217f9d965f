#include "directory/inspection_picker.h"

#include <algorithm>

namespace kvz {

InspectionPicker::InspectionPicker(std::vector<DirectoryEntry> rows) : Rows_(std::move(rows)) {}

InspectionPicker::InspectionPicker(const InspectionDirectory& directory) : Rows_(directory.Entries) {}

void InspectionPicker::Preselect(const std::string& code) {
    SelectedCode_ = code;
    SelectedName_.clear();
    Focused_.reset();
    auto it = std::find_if(Rows_.begin(), Rows_.end(), [&](const DirectoryEntry& row) { return row.Code == code; });
    if (it == Rows_.end()) return;
    Focused_ = static_cast<std::size_t>(it - Rows_.begin());
    SelectedName_ = it->Name;
}

void InspectionPicker::SelectRow(std::size_t index) {
    if (index >= Rows_.size()) return;
    Focused_ = index;
    SelectedCode_ = Rows_[index].Code;
    SelectedName_ = Rows_[index].Name;
}

}  // namespace kvz
