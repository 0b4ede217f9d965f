#pragma once
// libxml2 documents and attributes as the program reads them: a parsed document is
// freed with its owner, an attribute's value comes out as UTF-8 std::string.
#include <libxml/tree.h>

#include <memory>
#include <optional>
#include <string>

namespace kvz {

struct XmlDocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using XmlDocument = std::unique_ptr<xmlDoc, XmlDocFree>;

// The attribute's value; none when the element does not carry it.
std::optional<std::string> Attribute(const xmlNode* node, const char* name);
// The same, an absent attribute read as empty.
inline std::string AttributeText(const xmlNode* node, const char* name) {
    return Attribute(node, name).value_or(std::string());
}

}  // namespace kvz
