#pragma once
// The pick list of a directory (inspections, countries, regions, document types)
// without its window: the rows of code and name, the row marked by a preselected
// code and the code and name of the current selection.
#include <optional>
#include <string>
#include <vector>

#include "directory/inspection_directory.h"
#include "model/code_picker.h"

namespace kvz {

class InspectionPicker : public CodePicker {
public:
    explicit InspectionPicker(std::vector<DirectoryEntry> rows);
    explicit InspectionPicker(const InspectionDirectory& directory);

    const std::vector<DirectoryEntry>& Rows() const { return Rows_; }
    std::size_t RowCount() const override { return Rows_.size(); }
    std::string RowCode(std::size_t row) const override { return Rows_.at(row).Code; }
    std::string RowName(std::size_t row) const override { return Rows_.at(row).Name; }

    // Remembers `code` as the selected code and marks the first row with that code.
    // A code that no row has marks nothing and stays the selected code, so that
    // accepting the dialog gives it back unchanged.
    void Preselect(const std::string& code) override;
    // A row chosen in the list; an index outside the rows is ignored.
    void SelectRow(std::size_t index) override;

    std::optional<std::size_t> FocusedRow() const override { return Focused_; }
    std::string SelectedCode() const override { return SelectedCode_; }
    std::string SelectedName() const override { return SelectedName_; }

private:
    std::vector<DirectoryEntry> Rows_;
    std::optional<std::size_t> Focused_;
    std::string SelectedCode_;
    std::string SelectedName_;
};

}  // namespace kvz
