#include "directory/xml_document.h"

#include <libxml/parser.h>

#include "directory/data_file_error.h"
#include "storage/xml_error_text.h"

namespace kvz {

XmlDocument ParseXml(std::string_view bytes, const std::string& what) {
    xmlInitParser();
    if (bytes.empty()) throw EDataFileError(what + "файл пуст");
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX))
        throw EDataFileError(what + "файл слишком велик");
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    const XmlParseErrors errors;
    XmlDocument doc(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, options));
    if (!doc) throw EDataFileError(what + errors.Text());
    if (doc->intSubset || doc->extSubset) throw EDataFileError(what + "объявление типа документа (DOCTYPE) не допускается");
    if (!xmlDocGetRootElement(doc.get())) throw EDataFileError(what + "нет корневого элемента");
    return doc;
}

xmlNode* RootElement(const XmlDocument& doc) { return xmlDocGetRootElement(doc.get()); }

std::vector<xmlNode*> ChildElements(const xmlNode* node) {
    std::vector<xmlNode*> out;
    for (xmlNode* child = node->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE) out.push_back(child);
    return out;
}

bool IsNamed(const xmlNode* node, std::string_view name) {
    return node && node->name && std::string_view(reinterpret_cast<const char*>(node->name)) == name;
}

xmlNode* FirstChildNamed(const xmlNode* node, std::string_view name) {
    for (xmlNode* child = node->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && IsNamed(child, name)) return child;
    return nullptr;
}

std::string TextOf(const xmlNode* node) {
    xmlChar* value = xmlNodeGetContent(node);
    if (!value) return {};
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

}  // namespace kvz
