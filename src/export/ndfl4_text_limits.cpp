#include "export/ndfl4_text_limits.h"

#include "export/export_error.h"
#include "export/schema_rules.h"
#include "export/xml_dom.h"
#include "storage/xml_node.h"

namespace kvz {

namespace {

// The format's limits, the same as those of the authority's other forms: a part of a
// person's name up to 60 characters, the phone up to 20, the representative's
// document up to 120 and the representing organisation up to 1000.
struct TextLimit {
    const char* Element;  // names below Файл
    const char* Attribute;
    int MaxLength;
};

constexpr TextLimit kLimits[] = {
    {"Документ/СвНП/НПФЛ", "Тлф", 20},
    {"Документ/СвНП/НПФЛ/ФИО", "Фамилия", 60},
    {"Документ/СвНП/НПФЛ/ФИО", "Имя", 60},
    {"Документ/СвНП/НПФЛ/ФИО", "Отчество", 60},
    {"Документ/Подписант/ФИО", "Фамилия", 60},
    {"Документ/Подписант/ФИО", "Имя", 60},
    {"Документ/Подписант/ФИО", "Отчество", 60},
    {"Документ/Подписант/СвПред", "НаимДок", 120},
    {"Документ/Подписант/СвПред", "НаимОрг", 1000},
};

std::string NameOf(const xmlNode* node) { return reinterpret_cast<const char*>(node->name); }

void Walk(const xmlNode* element, const std::string& path, std::vector<SchemaViolation>& out) {
    for (const TextLimit& limit : kLimits) {
        if (path != limit.Element || !xmlHasProp(element, reinterpret_cast<const xmlChar*>(limit.Attribute)))
            continue;
        ValueRule rule;
        rule.Base = "xs:string";
        rule.MaxLength = limit.MaxLength;
        SchemaViolation v{element, limit.Attribute, AttributeText(element, limit.Attribute), {}, {}};
        v.Requirement = ExplainRequirement(rule, v.Value);
        if (v.Requirement.empty()) continue;
        v.Line = ElementPlace(element) + "/" + v.Attribute + " = \"" + v.Value + "\": " + v.Requirement;
        out.push_back(std::move(v));
    }
    for (const xmlNode* child = element->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE) Walk(child, path.empty() ? NameOf(child) : path + "/" + NameOf(child), out);
}

}  // namespace

std::vector<SchemaViolation> Ndfl4TextLengthViolations(xmlDoc* document) {
    std::vector<SchemaViolation> out;
    if (const xmlNode* root = xmlDocGetRootElement(document)) Walk(root, std::string(), out);
    return out;
}

void CheckNdfl4TextLengths(xmlDoc* document) {
    const std::vector<SchemaViolation> violations = Ndfl4TextLengthViolations(document);
    if (violations.empty()) return;
    std::string message = kSchemaRefusedHeading;
    for (const SchemaViolation& v : violations) message.append("\n").append(v.Line);
    throw EExportRefused(message);
}

}  // namespace kvz
