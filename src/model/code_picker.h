#pragma once
// A list of codes with names from which the user picks one, without its window:
// inspections, countries, regions, document types, income and deduction codes.
// The one pick-list dialog shows the rows, marks FocusedRow() and reports the
// row the user moves to through SelectRow().
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvz {

class CodePicker {
public:
    virtual ~CodePicker() = default;

    virtual std::size_t RowCount() const = 0;
    virtual std::string RowCode(std::size_t row) const = 0;
    virtual std::string RowName(std::size_t row) const = 0;

    // Marks the first row with `code`; a code no row has leaves the list as it is.
    virtual void Preselect(const std::string& code) = 0;
    // The marked row; none when no row is.
    virtual std::optional<std::size_t> FocusedRow() const = 0;
    // The row the user moved to; a row outside the list is ignored.
    virtual void SelectRow(std::size_t row) = 0;

    virtual std::string SelectedCode() const = 0;
    virtual std::string SelectedName() const = 0;
};

// The first row with `code`; none when no row has it.
std::optional<std::size_t> RowOfCode(const CodePicker& picker, const std::string& code);
// The row a code typed by the user names: the code as it stands (blanks around it
// ignored), or the same number when both are digits ("1" for "01", "0643" for
// "643"); none when no row has it or nothing was typed.
std::optional<std::size_t> RowOfTypedCode(const CodePicker& picker, const std::string& typed);
// Selects the row a typed code names (see RowOfTypedCode); false when none does,
// and the selection stays as it was.
bool SelectTypedCode(CodePicker& picker, const std::string& typed);

// The rows and the selection of a picker over dictionary entries (each with Code and
// Name), for the dialog. `Picker` takes the chosen entry's facts in Choose(entry).
template <class Picker, class Entry>
class DictionaryPickerRows : public CodePicker {
public:
    const std::vector<const Entry*>& Rows() const { return rows_; }
    // The selected row, -1 when the list is empty.
    int SelectedRow() const { return selected_; }
    // Records the row as the choice. Throws std::out_of_range for a row not listed.
    void Select(int row) {
        if (row < 0 || static_cast<std::size_t>(row) >= rows_.size())
            throw std::out_of_range("picker has no row " + std::to_string(row));
        selected_ = row;
        static_cast<Picker&>(*this).Choose(*rows_[static_cast<std::size_t>(row)]);
    }

    std::size_t RowCount() const override { return rows_.size(); }
    std::string RowCode(std::size_t row) const override { return rows_.at(row)->Code; }
    std::string RowName(std::size_t row) const override { return rows_.at(row)->Name; }
    void Preselect(const std::string& code) override {
        if (const auto row = RowOfCode(*this, code)) Select(static_cast<int>(*row));
    }
    std::optional<std::size_t> FocusedRow() const override {
        if (selected_ < 0) return std::nullopt;
        return static_cast<std::size_t>(selected_);
    }
    void SelectRow(std::size_t row) override {
        if (row < RowCount()) Select(static_cast<int>(row));
    }
    // The pick-list dialog's choice; empty while the list is.
    std::string SelectedCode() const override { return selected_ < 0 ? std::string() : Selected().Code; }
    std::string SelectedName() const override { return selected_ < 0 ? std::string() : Selected().Name; }

protected:
    explicit DictionaryPickerRows(std::vector<const Entry*> rows) : rows_(std::move(rows)) {}
    // Selects the row of code, otherwise the first; an empty list keeps no choice.
    // Called by the picker once its own members are set, since Choose reads them.
    void SelectInitial(std::string_view code) {
        if (!rows_.empty()) Select(static_cast<int>(RowOfCode(*this, std::string(code)).value_or(0)));
    }

private:
    const Entry& Selected() const { return *rows_[static_cast<std::size_t>(selected_)]; }

    std::vector<const Entry*> rows_;
    int selected_ = -1;
};

}  // namespace kvz
