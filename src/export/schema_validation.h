#pragma once
// Checking a finished document against the tax authority's schema before it is
// written, and telling the user in plain words what the schema refused.
#include <libxml/tree.h>

#include <string>
#include <vector>

namespace kvz {

inline constexpr const char* kNdfl3SchemaFileName = "NO_NDFL3_1_033_00_05_10_03.xsd";
inline constexpr const char* kSchemaRefusedHeading =
    "Декларация не соответствует формату налоговой службы, файл не сформирован:";

// The 3-НДФЛ schema among the program's data files.
std::string DefaultNdfl3SchemaPath();

// One place where the document breaks the schema.
struct SchemaViolation {
    const xmlNode* Element = nullptr;  // null when the document as a whole is refused
    std::string Attribute;             // empty for a problem of the element itself
    std::string Value;
    std::string Requirement;           // what the schema asks, in the user's words
    std::string Line;                  // place and requirement, as the export lists them
};

// Every violation in document order, each place once. Elements point into document.
std::vector<SchemaViolation> SchemaViolationList(xmlDoc* document, const std::string& schemaPath);

// Every place where the document breaks the schema, in document order, one line
// each: `СумНалПу/ПодлУпл = "115360.14": нужно целое число рублей`,
// `СвНП/НПФЛ3: не хватает элемента СведФЛ1 или СведФЛ2`. Empty when the document is
// valid. The schema is read once per path and kept for the rest of the run; a schema
// that cannot be read throws EExportRefused.
std::vector<std::string> SchemaViolations(xmlDoc* document, const std::string& schemaPath);

// Throws EExportRefused with kSchemaRefusedHeading and every violation, one a line.
void CheckAgainstSchema(xmlDoc* document, const std::string& schemaPath);

}  // namespace kvz
