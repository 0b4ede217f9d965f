#pragma once
// The activity classifier "Sp_OKVED2.xml" (windows-1251): the root holds one
// element per entry with its level "GRUP" (1 section … 6 kind), the hierarchical
// key "Kod" (the section letter and the code, so that the entries below one are
// exactly those whose key begins with its key), the code "OKVED" as the
// declaration carries it, and "Name".
#include <string>
#include <string_view>
#include <vector>

namespace kvz {

inline constexpr int kActivityLevels = 6;

struct ActivityEntry {
    int Level = 0;
    std::string Kod;
    std::string Okved;
    std::string Name;
    bool operator==(const ActivityEntry&) const = default;
};

struct ActivityClassifier {
    std::vector<ActivityEntry> Entries;  // in file order
};

// Throws EDataFileError naming the file and the damaged entry.
ActivityClassifier ParseActivityClassifier(std::string_view bytes, const std::string& fileName);
ActivityClassifier ReadActivityClassifier(const std::string& path);

}  // namespace kvz
