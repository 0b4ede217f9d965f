#pragma once
// A list of codes with names from which the user picks one, without its window:
// inspections, countries, regions, document types, income and deduction codes.
// The one pick-list dialog shows the rows, marks FocusedRow() and reports the
// row the user moves to through SelectRow().
#include <cstddef>
#include <optional>
#include <string>

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

// The rows and the selection of a picker over dictionary entries, for the dialog:
// `Picker` has Rows() (pointers to entries with Code and Name), SelectedRow()
// (-1 for none) and Select(int row).
template <class Picker>
class DictionaryPickerRows : public CodePicker {
public:
    std::size_t RowCount() const override { return Self().Rows().size(); }
    std::string RowCode(std::size_t row) const override { return Self().Rows().at(row)->Code; }
    std::string RowName(std::size_t row) const override { return Self().Rows().at(row)->Name; }
    void Preselect(const std::string& code) override {
        if (const auto row = RowOfCode(*this, code)) Mutable().Select(static_cast<int>(*row));
    }
    std::optional<std::size_t> FocusedRow() const override {
        if (Self().SelectedRow() < 0) return std::nullopt;
        return static_cast<std::size_t>(Self().SelectedRow());
    }
    void SelectRow(std::size_t row) override {
        if (row < RowCount()) Mutable().Select(static_cast<int>(row));
    }

private:
    const Picker& Self() const { return static_cast<const Picker&>(*this); }
    Picker& Mutable() { return static_cast<Picker&>(*this); }
};

}  // namespace kvz
