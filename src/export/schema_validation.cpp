#include "export/schema_validation.h"

#include <libxml/xmlerror.h>
#include <libxml/xmlschemas.h>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>

#include "export/export_error.h"
#include "export/export_folder.h"
#include "export/schema_rules.h"
#include "export/xml_dom.h"

namespace kvz {

namespace {

struct SchemaFree {
    void operator()(xmlSchema* schema) const { xmlSchemaFree(schema); }
};

struct LoadedSchema {
    std::unique_ptr<xmlSchema, SchemaFree> Schema;
    SchemaRules Rules;
};

void IgnoreError(void*, xmlErrorPtr) {}

std::shared_ptr<const LoadedSchema> ParseSchema(const std::string& path) {
    auto loaded = std::make_shared<LoadedSchema>();
    xmlSchemaParserCtxtPtr context = xmlSchemaNewParserCtxt(path.c_str());
    if (context) {
        xmlSchemaSetParserStructuredErrors(context, IgnoreError, nullptr);
        loaded->Schema.reset(xmlSchemaParse(context));
        xmlSchemaFreeParserCtxt(context);
    }
    if (!loaded->Schema) throw EExportRefused("Не удалось прочитать схему формата файла " + path +
                                              ": переустановите программу");
    loaded->Rules = SchemaRules::FromFile(path);
    return loaded;
}

// Schemas are parsed once per path: parsing takes far longer than a validation.
std::shared_ptr<const LoadedSchema> SchemaFor(const std::string& path) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const LoadedSchema>> cache;
    std::lock_guard lock(mutex);
    auto& slot = cache[path];
    if (!slot) slot = ParseSchema(path);
    return slot;
}

// One validation context a thread for each schema, kept for the run like the schema
// itself: a validation starts afresh on a context, and making one for every document
// cost a good part of validating a small one.
xmlSchemaValidCtxtPtr ValidationContext(xmlSchema* schema) {
    struct Freer {
        void operator()(xmlSchemaValidCtxt* context) const { xmlSchemaFreeValidCtxt(context); }
    };
    thread_local std::map<const xmlSchema*, std::unique_ptr<xmlSchemaValidCtxt, Freer>> contexts;
    auto& slot = contexts[schema];
    if (!slot) slot.reset(xmlSchemaNewValidCtxt(schema));
    return slot.get();
}

struct RawError {
    const xmlNode* Node = nullptr;
    int Code = 0;
    std::string Message;
    std::string First;  // the error's first parameter
};

void CollectError(void* sink, xmlErrorPtr error) {
    if (!error) return;
    RawError raw;
    raw.Node = static_cast<const xmlNode*>(error->node);
    raw.Code = error->code;
    raw.Message = error->message ? error->message : "";
    while (!raw.Message.empty() && (raw.Message.back() == '\n' || raw.Message.back() == ' ')) raw.Message.pop_back();
    raw.First = error->str1 ? error->str1 : "";
    static_cast<std::vector<RawError>*>(sink)->push_back(std::move(raw));
}

std::string NamePath(const xmlNode* element) {
    std::string path;
    for (const xmlNode* node = element; node && node->type == XML_ELEMENT_NODE; node = node->parent)
        path = reinterpret_cast<const char*>(node->name) + (path.empty() ? "" : "/" + path);
    return path;
}

std::string PropertyOf(const xmlNode* element, const std::string& name) {
    xmlChar* value = xmlGetProp(element, reinterpret_cast<const xmlChar*>(name.c_str()));
    if (!value) return {};
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

// The text between open and close that follows the first "open"; std::regex would
// cost more than the validation itself on a report of many errors.
std::optional<std::string> Between(const std::string& text, std::string_view open, char close) {
    const std::size_t start = text.find(open);
    if (start == std::string::npos) return std::nullopt;
    const std::size_t from = start + open.size();
    const std::size_t end = text.find(close, from);
    if (end == std::string::npos) return std::nullopt;
    return text.substr(from, end - from);
}

// "( А, Б )" of libxml2's messages ("Expected is ( А, Б )." or "Expected is one of
// ( А, Б ).") as "А или Б".
std::string ExpectedNames(const std::string& message) {
    std::optional<std::string> list = Between(message, "Expected is ", ')');
    if (!list) return {};
    std::string_view names = *list;
    if (names.starts_with("one of ")) names.remove_prefix(7);
    if (!names.starts_with("( ") || !names.ends_with(' ')) return {};
    std::string joined(names.substr(2, names.size() - 3));
    for (std::size_t at; (at = joined.find(", ")) != std::string::npos;) joined.replace(at, 2, " или ");
    return joined;
}

class ViolationText {
public:
    explicit ViolationText(const SchemaRules& rules) : Rules_(rules) {}

    // The violation of one error; false when the same place was already told.
    bool Read(const RawError& error, SchemaViolation& v) {
        v.Element = error.Node;
        const std::string place = error.Node ? Places_.Of(error.Node) : "Файл";
        const std::string attribute = Between(error.Message, "attribute '", '\'').value_or("");
        switch (error.Code) {
        case XML_SCHEMAV_CVC_COMPLEX_TYPE_3_2_1:
        case XML_SCHEMAV_CVC_COMPLEX_TYPE_3_2_2:
            v.Attribute = attribute;
            v.Requirement = "такого атрибута в формате нет";
            return Once(place + "/" + attribute, place + "/" + attribute + ": " + v.Requirement, v);
        case XML_SCHEMAV_CVC_COMPLEX_TYPE_4:
            v.Attribute = error.First;
            v.Requirement = "значение обязательно";
            return Once(place + "/" + error.First, place + ": нет обязательного атрибута " + error.First, v);
        case XML_SCHEMAV_ELEMENT_CONTENT:
            v.Requirement = ContentRequirement(error.Message);
            return Once(place + "#" + error.Message, place + ": " + v.Requirement, v);
        default:
            break;
        }
        if (!attribute.empty() && error.Node) {
            v.Attribute = attribute;
            v.Value = PropertyOf(error.Node, attribute);
            if (const ValueRule* rule = Rules_.Find(NamePath(error.Node), attribute))
                v.Requirement = ExplainRequirement(*rule, v.Value);
            if (v.Requirement.empty()) v.Requirement = "значение не принято форматом (" + error.Message + ")";
            return Once(place + "/" + attribute, place + "/" + attribute + " = \"" + v.Value + "\": " + v.Requirement,
                        v);
        }
        v.Requirement = "формат не допускает это место (" + error.Message + ")";
        return Once(place + "#" + error.Message, place + ": " + v.Requirement, v);
    }

private:
    bool Once(const std::string& key, std::string line, SchemaViolation& v) {
        v.Line = std::move(line);
        return Told_.insert(key).second;
    }

    static std::string ContentRequirement(const std::string& message) {
        const std::string expected = ExpectedNames(message);
        if (message.find("Missing child element") != std::string::npos)
            return "не хватает элемента " + (expected.empty() ? "по формату" : expected);
        if (!expected.empty()) return "элемент не на своем месте, здесь нужен " + expected;
        return "элемент здесь не допускается";
    }

    const SchemaRules& Rules_;
    std::set<std::string> Told_;
    ElementPlaces Places_;
};

}  // namespace

std::string DefaultNdfl3SchemaPath() { return ProgramDataFolder() + kNdfl3SchemaFileName; }

std::vector<SchemaViolation> SchemaViolationList(xmlDoc* document, const std::string& schemaPath) {
    const std::shared_ptr<const LoadedSchema> schema = SchemaFor(schemaPath);
    std::vector<RawError> errors;
    xmlSchemaValidCtxtPtr context = ValidationContext(schema->Schema.get());
    if (!context) throw std::runtime_error("проверка по схеме не запущена");
    xmlSchemaSetValidStructuredErrors(context, CollectError, &errors);
    const int result = xmlSchemaValidateDoc(context, document);
    xmlSchemaSetValidStructuredErrors(context, IgnoreError, nullptr);
    std::vector<SchemaViolation> violations;
    ViolationText text(schema->Rules);
    for (const RawError& error : errors)
        if (SchemaViolation v; text.Read(error, v)) violations.push_back(std::move(v));
    // A refusal without a reported reason must still stop the file.
    if (result != 0 && violations.empty()) {
        SchemaViolation v;
        v.Requirement = "документ не прошел проверку по схеме (код " + std::to_string(result) + ")";
        v.Line = v.Requirement;
        violations.push_back(std::move(v));
    }
    return violations;
}

std::vector<std::string> SchemaViolations(xmlDoc* document, const std::string& schemaPath) {
    std::vector<std::string> lines;
    for (SchemaViolation& v : SchemaViolationList(document, schemaPath)) lines.push_back(std::move(v.Line));
    return lines;
}

void CheckAgainstSchema(xmlDoc* document, const std::string& schemaPath) {
    const std::vector<std::string> lines = SchemaViolations(document, schemaPath);
    if (lines.empty()) return;
    std::string message = kSchemaRefusedHeading;
    for (const std::string& line : lines) message += "\n" + line;
    throw EExportRefused(message);
}

}  // namespace kvz
