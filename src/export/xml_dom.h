#pragma once
// The DOM operations the export builds its files with: loading the header text,
// appending elements, setting attribute values and serializing.
#include <libxml/tree.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "export/xml_engine.h"

namespace kvz {

inline constexpr const char* kFileEncoding = "windows-1251";

// Loads a whole document text (UTF-8 in memory, its declaration naming
// windows-1251) into the document, replacing whatever it held. Throws
// std::runtime_error when the text is not well-formed.
void LoadDocumentText(xmlDoc* document, std::string_view text);

// The text as it may stand between the quotes of an attribute in a document text.
std::string EscapeAttributeText(std::string_view text);

// The text a declaration file starts from: its declaration and the root Файл with
// the file's identifier and the versions of the program and of the format.
std::string FileHeaderText(const std::string& identifier, std::string_view programVersion,
                           std::string_view formatVersion);

// An element of a document being built.
class XmlElement {
public:
    explicit XmlElement(xmlNode* node) : Node_(node) {}

    // Appends a new element as the last child.
    XmlElement Add(const char* name) const;
    // Sets the attribute to the value in upper case. A value that windows-1251 cannot
    // hold is kept as it is, for CheckWritableValues to report.
    void Set(const char* name, std::string_view value) const;
    // Sets the attribute only when the value is not empty after trimming; the
    // untrimmed value is written.
    void SetOptional(const char* name, std::string_view value) const;

    xmlNode* Node() const { return Node_; }

private:
    xmlNode* Node_;
};

// The root element of a document.
XmlElement RootOf(xmlDoc* document);

// The element's place for messages: its names below the document element, and below
// the form's own block ("Документ/НДФЛ3" and the like), with "[n]" after a name that
// repeats among its siblings: "СумНалПу", "ДоходИстРФ[2]/ИстЮЛ", "СвНП/НПФЛ3/ФИОФЛ".
std::string ElementPlace(const xmlNode* element);

// The same for many elements of one document: each parent's children are counted
// once, so that telling the place of every element of a large document (a schema
// report on 65 535 sources) stays linear.
class ElementPlaces {
public:
    std::string Of(const xmlNode* element);

private:
    struct Step {
        int Position = 0;
        int Total = 0;
    };
    std::string StepOf(const xmlNode* element);
    std::unordered_map<const xmlNode*, Step> Steps_;
    std::unordered_set<const xmlNode*> CountedParents_;
};

inline constexpr const char* kUnwritableHeading = "Эти значения нельзя записать в файл декларации:";

struct UnwritableValue {
    const xmlNode* Element;
    std::string Attribute;
    std::string Value;
    std::string Reason;
    bool ValueShown;  // false for a control character, which cannot be shown
};
std::vector<UnwritableValue> UnwritableValueList(xmlDoc* document);

// Every attribute value that windows-1251 cannot hold or that carries a control
// character XML cannot carry, with its place ("СвНП/НПФЛ3/ФИОФЛ/Фамилия = ...").
std::vector<std::string> UnwritableValues(xmlDoc* document);
// Throws EExportRefused listing them all under kUnwritableHeading.
void CheckWritableValues(xmlDoc* document);

// The document's bytes in windows-1251, indented, with the declaration
// <?xml version="1.0" encoding="windows-1251"?>.
std::string SerializeCp1251(xmlDoc* document);
// The document's text in UTF-8, with a declaration naming UTF-8.
std::string SerializeUtf8(xmlDoc* document);

}  // namespace kvz
