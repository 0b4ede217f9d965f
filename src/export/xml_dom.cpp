#include "export/xml_dom.h"

#include <libxml/parser.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include "export/export_error.h"
#include "export/export_texts.h"
#include "storage/encoding.h"
#include "storage/errors.h"

namespace kvz {

namespace {

const xmlChar* Xml(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

std::string NameOf(const xmlNode* node) { return node->name ? reinterpret_cast<const char*>(node->name) : ""; }

bool IsElement(const xmlNode* node) { return node && node->type == XML_ELEMENT_NODE; }

// A character XML 1.0 cannot carry, even as a reference.
bool HasForbiddenControl(std::string_view text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') return true;
    }
    return false;
}

// An attribute's value: the text of its one text node as it stands (every attribute
// the export sets), else its nodes joined into joined.
std::string_view AttributeValue(const xmlAttr* attribute, std::string& joined) {
    const xmlNode* only = attribute->children;
    if (only && only->type == XML_TEXT_NODE && !only->next && only->content)
        return reinterpret_cast<const char*>(only->content);
    xmlChar* raw = xmlNodeListGetString(attribute->doc, attribute->children, 1);
    joined = raw ? reinterpret_cast<const char*>(raw) : "";
    if (raw) xmlFree(raw);
    return joined;
}

// One parser a thread, kept for the run: making a parser and its dictionary for
// every document cost more than reading the few bytes of its header.
xmlParserCtxt* HeaderParser() {
    struct Freer {
        void operator()(xmlParserCtxt* parser) const { xmlFreeParserCtxt(parser); }
    };
    thread_local std::unique_ptr<xmlParserCtxt, Freer> parser(xmlNewParserCtxt());
    return parser.get();
}

std::string Dump(xmlDoc* document, const char* encoding) {
    xmlChar* memory = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(document, &memory, &size, encoding, 1);
    if (!memory || size < 0) {
        if (memory) xmlFree(memory);
        throw std::runtime_error("документ XML не удалось записать в текст");
    }
    std::string text(reinterpret_cast<const char*>(memory), static_cast<std::size_t>(size));
    xmlFree(memory);
    return text;
}

}  // namespace

std::string EscapeAttributeText(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

std::string FileHeaderText(const std::string& identifier, std::string_view programVersion,
                           std::string_view formatVersion) {
    return std::string("<?xml version=\"1.0\" encoding=\"windows-1251\"?><Файл ИдФайл=\"") +
           EscapeAttributeText(identifier) + "\" ВерсПрог=\"" + std::string(programVersion) + "\" ВерсФорм=\"" +
           std::string(formatVersion) + "\"/>";
}

void LoadDocumentText(xmlDoc* document, std::string_view text) {
    // What windows-1251 cannot hold is refused as the file would refuse it; the text
    // itself is read as the UTF-8 it is (the same characters, without a converter
    // opened for every document).
    Utf8ToCp1251(text);
    constexpr int kOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_IGNORE_ENC;
    xmlParserCtxt* parser = HeaderParser();
    xmlDoc* parsed = parser ? xmlCtxtReadMemory(parser, text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                                                kOptions)
                            : xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr, kOptions);
    if (!parsed || !xmlDocGetRootElement(parsed)) {
        if (parsed) xmlFreeDoc(parsed);
        throw std::runtime_error("заголовок документа XML не разобран");
    }
    xmlNode* root = xmlDocCopyNode(xmlDocGetRootElement(parsed), document, 1);
    xmlFreeDoc(parsed);
    if (!root) throw std::runtime_error("заголовок документа XML не перенесен в документ");
    if (xmlNode* old = xmlDocSetRootElement(document, root)) xmlFreeNode(old);
    if (document->encoding) xmlFree(const_cast<xmlChar*>(document->encoding));
    document->encoding = xmlStrdup(Xml(kFileEncoding));
}

XmlElement XmlElement::Add(const char* name) const {
    xmlNode* child = xmlNewDocNode(Node_->doc, nullptr, Xml(name), nullptr);
    if (!child || !xmlAddChild(Node_, child)) {
        if (child) xmlFreeNode(child);
        throw std::runtime_error(std::string("элемент ") + name + " не добавлен в документ XML");
    }
    return XmlElement(child);
}

void XmlElement::Set(const char* name, std::string_view value) const {
    std::string text;
    try {
        text = UpperCaseCp1251(value);
    } catch (const EEncodingError&) {
        // Kept as typed: CheckWritableValues names every such value once the tree is
        // complete, so that the message can point at each place.
        text = std::string(value);
    }
    if (!xmlSetProp(Node_, Xml(name), Xml(text.c_str())))
        throw std::runtime_error(std::string("атрибут ") + name + " не записан в документ XML");
}

void XmlElement::SetOptional(const char* name, std::string_view value) const {
    if (!IsBlankText(value)) Set(name, value);
}

XmlElement RootOf(xmlDoc* document) {
    xmlNode* root = xmlDocGetRootElement(document);
    if (!root) throw std::runtime_error("в документе XML нет корневого элемента");
    return XmlElement(root);
}

// "Name" or "Name[n]" when the parent holds more than one element of that name.
// A parent's children are counted once, on the first question about any of them.
std::string ElementPlaces::StepOf(const xmlNode* element) {
    const xmlNode* parent = element->parent;
    if (!IsElement(parent)) return NameOf(element);
    if (CountedParents_.insert(parent).second) {
        std::unordered_map<std::string, int> totals;
        for (const xmlNode* sibling = parent->children; sibling; sibling = sibling->next)
            if (IsElement(sibling)) ++totals[NameOf(sibling)];
        std::unordered_map<std::string, int> seen;
        for (const xmlNode* sibling = parent->children; sibling; sibling = sibling->next) {
            if (!IsElement(sibling)) continue;
            const std::string name = NameOf(sibling);
            Steps_[sibling] = Step{++seen[name], totals[name]};
        }
    }
    const Step step = Steps_.at(element);
    return step.Total > 1 ? NameOf(element) + "[" + std::to_string(step.Position) + "]" : NameOf(element);
}

std::string ElementPlaces::Of(const xmlNode* element) {
    std::vector<std::string> steps;
    for (const xmlNode* node = element; IsElement(node); node = node->parent) steps.push_back(StepOf(node));
    std::reverse(steps.begin(), steps.end());
    std::size_t skip = 0;
    if (steps.size() > skip + 1) ++skip;  // the document element
    if (steps.size() > skip + 1 && steps[skip] == "Документ") ++skip;
    if (steps.size() > skip + 1 && (steps[skip] == "НДФЛ3" || steps[skip] == "НДФЛ4")) ++skip;
    std::string place;
    for (std::size_t i = skip; i < steps.size(); ++i) place += (place.empty() ? "" : "/") + steps[i];
    return place;
}

std::string ElementPlace(const xmlNode* element) { return ElementPlaces().Of(element); }

std::vector<UnwritableValue> UnwritableValueList(xmlDoc* document) {
    std::vector<UnwritableValue> problems;
    std::vector<const xmlNode*> pending{xmlDocGetRootElement(document)};
    while (!pending.empty()) {
        const xmlNode* element = pending.back();
        pending.pop_back();
        if (!IsElement(element)) continue;
        for (const xmlAttr* attribute = element->properties; attribute; attribute = attribute->next) {
            std::string joined;
            const std::string_view value = AttributeValue(attribute, joined);
            const char* name = reinterpret_cast<const char*>(attribute->name);
            if (HasForbiddenControl(value)) {
                problems.push_back(
                    {element, name, std::string(value), "управляющий символ, который нельзя записать в файл XML", false});
                continue;
            }
            if (!CanEncodeCp1251(value)) {
                try {
                    Utf8ToCp1251(value);
                } catch (const EEncodingError& e) {
                    problems.push_back({element, name, std::string(value), e.what(), true});
                }
            }
        }
        // Children in reverse so that problems come out in document order.
        for (const xmlNode* child = element->last; child; child = child->prev) pending.push_back(child);
    }
    return problems;
}

std::vector<std::string> UnwritableValues(xmlDoc* document) {
    std::vector<std::string> lines;
    ElementPlaces places;
    for (const UnwritableValue& p : UnwritableValueList(document)) {
        const std::string place = places.Of(p.Element) + "/" + p.Attribute;
        lines.push_back(p.ValueShown ? place + " = \"" + p.Value + "\": " + p.Reason : place + ": " + p.Reason);
    }
    return lines;
}

void CheckWritableValues(xmlDoc* document) {
    const std::vector<std::string> problems = UnwritableValues(document);
    if (problems.empty()) return;
    std::string message = kUnwritableHeading;
    for (const std::string& line : problems) message += "\n" + line;
    throw EExportRefused(message);
}

std::string SerializeCp1251(xmlDoc* document) { return Dump(document, kFileEncoding); }

std::string SerializeUtf8(xmlDoc* document) { return Dump(document, "UTF-8"); }

}  // namespace kvz
