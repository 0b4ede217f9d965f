#pragma once
// The pick list of inspections (and, built the same way, of countries) without
// its window: the rows of code and name, the row marked by a preselected code and
// the code and name of the current selection. The dialog shows the rows, marks
// FocusedRow() and reports clicks through SelectRow().
#include <optional>
#include <string>
#include <vector>

#include "directory/inspection_directory.h"

namespace kvz {

class InspectionPicker {
public:
    explicit InspectionPicker(std::vector<DirectoryEntry> rows);
    explicit InspectionPicker(const InspectionDirectory& directory);

    const std::vector<DirectoryEntry>& Rows() const { return Rows_; }

    // Remembers `code` as the selected code and marks the first row with that code.
    // A code that no row has marks nothing and stays the selected code, so that
    // accepting the dialog gives it back unchanged.
    void Preselect(const std::string& code);
    // A row chosen in the list; an index outside the rows is ignored.
    void SelectRow(std::size_t index);

    std::optional<std::size_t> FocusedRow() const { return Focused_; }
    const std::string& SelectedCode() const { return SelectedCode_; }
    const std::string& SelectedName() const { return SelectedName_; }

private:
    std::vector<DirectoryEntry> Rows_;
    std::optional<std::size_t> Focused_;
    std::string SelectedCode_;
    std::string SelectedName_;
};

}  // namespace kvz
