#pragma once
// Reading of the program's XML data files through libxml2. The parsed text is
// UTF-8 whatever the file's declared encoding; the helpers hand out std::string.
#include <libxml/tree.h>

#include <string>
#include <string_view>
#include <vector>

#include "storage/xml_node.h"

namespace kvz {

// Parses a whole file's bytes. A file that is not well-formed, or that carries a
// document type declaration (which the data files never need and which could make
// entity expansion explode), throws EDataFileError: `what` followed by the reason.
XmlDocument ParseXml(std::string_view bytes, const std::string& what);

xmlNode* RootElement(const XmlDocument& doc);
// The element children of a node in document order, whatever their names.
std::vector<xmlNode*> ChildElements(const xmlNode* node);
// The first element child with the given name, or null.
xmlNode* FirstChildNamed(const xmlNode* node, std::string_view name);
bool IsNamed(const xmlNode* node, std::string_view name);

// All text inside the node, as the DOM's text property gives it.
std::string TextOf(const xmlNode* node);

}  // namespace kvz
