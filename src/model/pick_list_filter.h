#pragma once
// What a pick list shows while the user types into its search field: the rows
// whose code begins with the text typed, or whose name holds every word of it
// anywhere, with no regard to case (Russian and Latin letters; "ё" is found as
// "е"). Empty text shows every row. Directories run to thousands of rows, so the
// rows are folded once when the filter is made.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/code_picker.h"

namespace kvz {

class PickListFilter {
public:
    explicit PickListFilter(const CodePicker& picker);

    // The matching rows in list order.
    std::vector<std::size_t> Matching(std::string_view typed) const;

private:
    struct Row {
        std::string Code;
        std::string Name;
    };
    std::vector<Row> Rows_;
};

// The text as the search compares it: lower case, "ё" as "е", runs of spaces as
// one, no spaces at the ends.
std::string SearchFolded(std::string_view utf8);

}  // namespace kvz
