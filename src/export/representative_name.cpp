#include "export/representative_name.h"

#include <algorithm>

#include "export/export_texts.h"

namespace kvz {

namespace {

constexpr std::size_t kWordLimit = 60;
constexpr std::size_t kRestLimit = 1000;

// The whole text when it holds no blank, else the characters before the first blank
// (at most 60), trimmed.
std::string FirstWord(const std::string& text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos) return text;
    const std::size_t before = TextLength(std::string_view(text).substr(0, blank));
    return TrimText(TextSlice(text, 0, std::min(before, kWordLimit)));
}

std::string OrSingleBlank(std::string word) { return word.empty() ? std::string(" ") : word; }

}  // namespace

RepresentativeName SplitRepresentativeName(std::string_view fullName) {
    RepresentativeName name;
    const std::string full = TrimText(fullName);
    name.Surname = OrSingleBlank(FirstWord(full));
    const std::string rest = TrimText(TextSlice(full, TextLength(name.Surname), kRestLimit));
    name.FirstName = OrSingleBlank(FirstWord(rest));
    name.Patronymic = TrimText(TextSlice(rest, TextLength(name.FirstName), kWordLimit));
    return name;
}

}  // namespace kvz
