#pragma once
// Checking a finished document against the tax authority's schema before it is
// written, and telling the user in plain words what the schema refused.
#include <libxml/tree.h>

#include <cstddef>
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

// How many violations the refusal lists with their places; nobody reads 65 535
// lines, and a long list hides the first and usually the only cause.
inline constexpr std::size_t kSchemaReportLimit = 100;

// The lines of the first `limit` violations and whether there are more.
struct SchemaReport {
    std::vector<std::string> Lines;
    bool MoreErrors = false;
};

// Every place where the document breaks the schema, in document order, one line
// each: `СумНалПу/ПодлУпл = "115360.14": нужно целое число рублей`,
// `СвНП/НПФЛ3: не хватает элемента СведФЛ1 или СведФЛ2`. No lines when the document
// is valid. The schema is read once per path and kept for the rest of the run; a
// schema that cannot be read throws EExportRefused. The validation stops at the
// first violation past the limit, so a report on a document of a hundred thousand
// errors costs no more than one of a hundred.
SchemaReport SchemaViolationReport(xmlDoc* document, const std::string& schemaPath,
                                   std::size_t limit = kSchemaReportLimit);
// Every line, however many.
std::vector<std::string> SchemaViolations(xmlDoc* document, const std::string& schemaPath);

// "… и другие ошибки: показаны первые 100" after the listed lines.
std::string MoreErrorsLine(std::size_t listed);

// Throws EExportRefused with kSchemaRefusedHeading and the violations, one a line,
// the first kSchemaReportLimit of them and then whether there are more.
void CheckAgainstSchema(xmlDoc* document, const std::string& schemaPath);

}  // namespace kvz
