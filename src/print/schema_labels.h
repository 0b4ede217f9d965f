#pragma once
// The Russian wording of each element and attribute of the declaration file, taken
// from the documentation that the authority's schema carries, so that the printed
// form names every value as the format itself does.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kvz {

class SchemaLabels {
public:
    // Reads the schema file; a file that is missing or unreadable gives no labels
    // (the form then falls back to the program's own wording and the names).
    static SchemaLabels Load(const std::string& schemaPath);
    static SchemaLabels Parse(std::string_view schemaBytes);

    // path: element names from the root, e.g. {"Файл", "Документ", "НДФЛ3", "СумНалПу"}.
    // Looks for the attribute at that place, then on an element of the same name
    // anywhere, then for the attribute name anywhere; "" when the schema has none.
    std::string AttributeLabel(const std::vector<std::string>& path, std::string_view attribute) const;
    std::string ElementLabel(const std::vector<std::string>& path) const;

    bool Empty() const { return ByPath_.empty(); }

private:
    void Add(const std::string& path, const std::string& leafKey, const std::string& nameKey,
             const std::string& text);

    std::map<std::string, std::string> ByPath_;  // "Файл/Документ@КНД"
    std::map<std::string, std::string> ByLeaf_;  // "Документ@КНД"
    std::map<std::string, std::string> ByName_;  // "@КНД"
};

}  // namespace kvz
