#include "print/schema_labels.h"

#include <fstream>
#include <functional>
#include <iterator>

#include "directory/xml_document.h"

namespace kvz {

namespace {

constexpr std::string_view kXsd = "http://www.w3.org/2001/XMLSchema";
// Named types are nested at most this deep in the schema; a loop of type
// references must not recurse forever.
constexpr int kMaxDepth = 24;

bool IsXsd(const xmlNode* node, std::string_view name) {
    return node->type == XML_ELEMENT_NODE && IsNamed(node, name) && node->ns && node->ns->href &&
           std::string_view(reinterpret_cast<const char*>(node->ns->href)) == kXsd;
}

// The documentation's text with its blanks and line breaks collapsed to single blanks.
std::string Collapse(const std::string& text) {
    std::string out;
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            blank = !out.empty();
        } else {
            if (blank) out += ' ';
            out += c;
            blank = false;
        }
    }
    return out;
}

// The first documentation of a declaration.
std::string Documentation(const xmlNode* declaration) {
    for (const xmlNode* child = declaration->children; child; child = child->next) {
        if (!IsXsd(child, "annotation")) continue;
        for (const xmlNode* doc = child->children; doc; doc = doc->next)
            if (IsXsd(doc, "documentation")) return Collapse(TextOf(doc));
    }
    return std::string();
}

std::string NameOf(const xmlNode* node) { return Attribute(node, "name").value_or(std::string()); }

class SchemaWalker {
public:
    SchemaWalker(const xmlNode* schema, std::function<void(const std::string&, const std::string&,
                                                           const std::string&, const std::string&)> add)
        : Add_(std::move(add)) {
        for (const xmlNode* child = schema->children; child; child = child->next)
            if (IsXsd(child, "complexType") && !NameOf(child).empty()) Types_[NameOf(child)] = child;
        for (const xmlNode* child = schema->children; child; child = child->next)
            if (IsXsd(child, "element")) Element(child, std::string(), 0);
        // Named types also label their attributes by the type's own name, for elements
        // that only a form outside this schema uses.
        for (const auto& [name, type] : Types_) Content(type, name, name, 0);
    }

private:
    void Element(const xmlNode* element, const std::string& parentPath, int depth) {
        const std::string name = NameOf(element);
        if (name.empty() || depth > kMaxDepth) return;
        const std::string path = parentPath.empty() ? name : parentPath + "/" + name;
        Add_(path, name, std::string(), Documentation(element));
        const auto type = Types_.find(Attribute(element, "type").value_or(std::string()));
        if (type != Types_.end()) Content(type->second, path, name, depth + 1);
        for (const xmlNode* child = element->children; child; child = child->next)
            if (IsXsd(child, "complexType")) Content(child, path, name, depth + 1);
    }

    // Attributes and nested elements of a complex type, however deeply wrapped.
    void Content(const xmlNode* node, const std::string& path, const std::string& leaf, int depth) {
        if (depth > kMaxDepth) return;
        for (const xmlNode* child = node->children; child; child = child->next) {
            if (child->type != XML_ELEMENT_NODE) continue;
            if (IsXsd(child, "attribute")) {
                const std::string name = NameOf(child);
                Add_(path + "@" + name, leaf + "@" + name, "@" + name, Documentation(child));
            } else if (IsXsd(child, "element")) {
                Element(child, path, depth + 1);
            } else if (IsXsd(child, "sequence") || IsXsd(child, "choice") || IsXsd(child, "all") ||
                       IsXsd(child, "complexContent") || IsXsd(child, "simpleContent") ||
                       IsXsd(child, "extension")) {
                Content(child, path, leaf, depth + 1);
            }
        }
    }

    std::function<void(const std::string&, const std::string&, const std::string&, const std::string&)> Add_;
    std::map<std::string, const xmlNode*> Types_;
};

std::string Find(const std::map<std::string, std::string>& map, const std::string& key) {
    const auto found = map.find(key);
    return found == map.end() ? std::string() : found->second;
}

std::string JoinPath(const std::vector<std::string>& path) {
    std::string out;
    for (const std::string& name : path) out += (out.empty() ? "" : "/") + name;
    return out;
}

}  // namespace

SchemaLabels SchemaLabels::Load(const std::string& schemaPath) {
    std::ifstream in(schemaPath, std::ios::binary);
    if (!in) return SchemaLabels();
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Parse(bytes);
}

SchemaLabels SchemaLabels::Parse(std::string_view schemaBytes) {
    SchemaLabels labels;
    XmlDocument document;
    try {
        document = ParseXml(schemaBytes, "");
    } catch (const std::exception&) {
        return labels;
    }
    SchemaWalker walker(RootElement(document),
                        [&](const std::string& path, const std::string& leaf, const std::string& name,
                            const std::string& text) { labels.Add(path, leaf, name, text); });
    return labels;
}

void SchemaLabels::Add(const std::string& path, const std::string& leafKey, const std::string& nameKey,
                       const std::string& text) {
    if (text.empty()) return;
    ByPath_.emplace(path, text);
    ByLeaf_.emplace(leafKey, text);
    if (!nameKey.empty()) ByName_.emplace(nameKey, text);
}

std::string SchemaLabels::AttributeLabel(const std::vector<std::string>& path, std::string_view attribute) const {
    const std::string name = "@" + std::string(attribute);
    if (auto text = Find(ByPath_, JoinPath(path) + name); !text.empty()) return text;
    if (!path.empty())
        if (auto text = Find(ByLeaf_, path.back() + name); !text.empty()) return text;
    return Find(ByName_, name);
}

std::string SchemaLabels::ElementLabel(const std::vector<std::string>& path) const {
    if (auto text = Find(ByPath_, JoinPath(path)); !text.empty()) return text;
    return path.empty() ? std::string() : Find(ByLeaf_, path.back());
}

}  // namespace kvz
