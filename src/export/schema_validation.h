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

// The 3-НДФЛ schema next to the program.
std::string DefaultNdfl3SchemaPath();

// Every place where the document breaks the schema, in document order, one line
// each: `СумНалПу/ПодлУпл = "115360.14": нужно целое число рублей`,
// `СвНП/НПФЛ3: не хватает элемента СведФЛ1 или СведФЛ2`. Empty when the document is
// valid. The schema is read once per path and kept for the rest of the run; a schema
// that cannot be read throws EExportRefused.
std::vector<std::string> SchemaViolations(xmlDoc* document, const std::string& schemaPath);

// Throws EExportRefused with kSchemaRefusedHeading and every violation, one a line.
void CheckAgainstSchema(xmlDoc* document, const std::string& schemaPath);

}  // namespace kvz
