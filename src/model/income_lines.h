#pragma once
// The income lines of a payment source together with the source's income total,
// which stays the sum of the lines' IncomeAmount because only Add and Replace
// change either; and the source that holds them.
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <vector>

#include "model/sourse_income_info.h"
#include "storage/money.h"

namespace kvz {

template <class LineRecord>
class mTIncomeLines {
public:
    int Count() const { return static_cast<int>(Items_.size()); }
    const LineRecord& At(int i) const { return Items_[Checked(i)]; }
    const std::vector<LineRecord>& All() const { return Items_; }

    int Add(const LineRecord& line, Money& total) {
        Items_.push_back(line);
        total += line.IncomeAmount;
        return Count() - 1;
    }

    // With a line: overwrites line i. With nothing: removes it, later lines move up.
    void Replace(int i, const std::optional<LineRecord>& line, Money& total) {
        const std::size_t at = Checked(i);
        total -= Items_[at].IncomeAmount;
        if (line) {
            Items_[at] = *line;
            total += line->IncomeAmount;
        } else {
            Items_.erase(Items_.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }

    bool operator==(const mTIncomeLines&) const = default;

private:
    std::size_t Checked(int i) const {
        if (i < 0 || i >= Count()) throw std::out_of_range("номер строки дохода вне списка");
        return static_cast<std::size_t>(i);
    }

    std::vector<LineRecord> Items_;
};

// A payment source with income lines. IncomeTotal follows the lines: only these
// operations change them.
template <class LineRecord>
class mTSourceWithLines : public mTSourseIncomeInfo {
public:
    int LineCount() const { return Lines_.Count(); }
    const LineRecord& Line(int i) const { return Lines_.At(i); }
    const std::vector<LineRecord>& Lines() const { return Lines_.All(); }
    int AddLine(const LineRecord& line) { return Lines_.Add(line, IncomeTotal); }
    // With a line: overwrites line i. With nothing: removes it, later lines move up.
    void ReplaceLine(int i, const std::optional<LineRecord>& line) { Lines_.Replace(i, line, IncomeTotal); }

    bool operator==(const mTSourceWithLines&) const = default;

private:
    mTIncomeLines<LineRecord> Lines_;
};

}  // namespace kvz
