#include "model/pick_list_filter.h"

namespace kvz {

namespace {

// UTF-8 of the Cyrillic letters: capitals А…П are D0 90…9F, Р…Я are D0 A0…AF,
// small а…п are D0 B0…BF, р…я are D1 80…8F; Ё is D0 81, ё is D1 91, е is D0 B5.
void AppendFolded(std::string& out, unsigned char lead, unsigned char next) {
    if (lead == 0xD0 && next >= 0x90 && next <= 0x9F) next = static_cast<unsigned char>(next + 0x20);
    else if (lead == 0xD0 && next >= 0xA0 && next <= 0xAF) lead = 0xD1, next = static_cast<unsigned char>(next - 0x20);
    else if ((lead == 0xD0 && next == 0x81) || (lead == 0xD1 && next == 0x91)) lead = 0xD0, next = 0xB5;
    out += static_cast<char>(lead);
    out += static_cast<char>(next);
}

std::vector<std::string> Words(const std::string& folded) {
    std::vector<std::string> words;
    for (std::size_t start = 0; start < folded.size();) {
        std::size_t end = folded.find(' ', start);
        if (end == std::string::npos) end = folded.size();
        words.push_back(folded.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

}  // namespace

std::string SearchFolded(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == ' ' || c == '\t') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + ('a' - 'A'));
        } else if ((c == 0xD0 || c == 0xD1) && i + 1 < utf8.size()) {
            AppendFolded(out, c, static_cast<unsigned char>(utf8[++i]));
        } else {
            out += static_cast<char>(c);
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

PickListFilter::PickListFilter(const CodePicker& picker) {
    Rows_.reserve(picker.RowCount());
    for (std::size_t row = 0; row < picker.RowCount(); ++row)
        Rows_.push_back(Row{SearchFolded(picker.RowCode(row)), SearchFolded(picker.RowName(row))});
}

std::vector<std::size_t> PickListFilter::Matching(std::string_view typed) const {
    const std::string text = SearchFolded(typed);
    const std::vector<std::string> words = Words(text);
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < Rows_.size(); ++row) {
        const Row& r = Rows_[row];
        bool named = true;
        for (const std::string& word : words)
            if (r.Name.find(word) == std::string::npos) { named = false; break; }
        if (named || r.Code.compare(0, text.size(), text) == 0) rows.push_back(row);
    }
    return rows;
}

}  // namespace kvz
