#include "export/schema_validation.h"

#include <libxml/xmlerror.h>
#include <libxml/xmlschemas.h>

#include <exception>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "export/export_error.h"
#include "export/export_folder.h"
#include "export/schema_rules.h"
#include "export/xml_dom.h"
#include "storage/xml_error_text.h"
#include "storage/xml_node.h"

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
    // libxml2's own complaints (a missing file) would reach stderr in English; the
    // refusal below says it in the program's words.
    const XmlParseErrors quiet;
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

// How a violation is told: the forms of its report line.
enum class Form {
    UnknownAttribute,  // "place/attribute: requirement"
    MissingAttribute,  // "place: нет обязательного атрибута attribute"
    Value,             // "place/attribute = "value": requirement"
    Element,           // "place: requirement"
};

// One violation as the report tells it, before its place and explanation are made.
struct Reading {
    const xmlNode* Node = nullptr;
    int Code = 0;
    Form Kind = Form::Element;
    std::string Attribute;
    std::string Message;  // libxml2's text, read for the names it quotes
};

// The text between open and close that follows the first "open"; std::regex would
// cost more than the validation itself on a report of many errors.
std::string_view Between(std::string_view text, std::string_view open, char close) {
    const std::size_t start = text.find(open);
    if (start == std::string_view::npos) return {};
    const std::size_t from = start + open.size();
    const std::size_t end = text.find(close, from);
    return end == std::string_view::npos ? std::string_view() : text.substr(from, end - from);
}

// Reads libxml2's errors as they come: each violation once, in document order.
// libxml2 tells some twice (a facet and then the type of the same value), and a
// place is told once. The first `kept` violations are kept whole; one more tells
// that the list goes on, and the validation is not worth continuing.
class ErrorReader {
public:
    explicit ErrorReader(std::size_t kept) : KeptLimit_(kept) {}

    // The element the validation is at: libxml2's streaming validator reports its
    // errors without the element.
    const xmlNode* Current = nullptr;

    bool Enough() const { return MoreThanKept || Failure_; }

    static void Handle(void* reader, xmlErrorPtr error) {
        auto* self = static_cast<ErrorReader*>(reader);
        if (!error || self->Failure_) return;
        try {
            self->Read(*error);
        } catch (...) {
            // libxml2 cannot pass an exception on: it is thrown once the validation ends.
            self->Failure_ = std::current_exception();
        }
    }

    void RethrowFailure() const {
        if (Failure_) std::rethrow_exception(Failure_);
    }

    std::vector<Reading> Kept;
    bool MoreThanKept = false;

private:
    void Read(const xmlError& error) {
        std::string_view message = error.message ? error.message : "";
        while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.remove_suffix(1);
        const auto* node = error.node ? static_cast<const xmlNode*>(error.node) : Current;
        Form kind = Form::Element;
        std::string_view attribute = Between(message, "attribute '", '\'');
        switch (error.code) {
        case XML_SCHEMAV_CVC_COMPLEX_TYPE_3_2_1:
        case XML_SCHEMAV_CVC_COMPLEX_TYPE_3_2_2: kind = Form::UnknownAttribute; break;
        case XML_SCHEMAV_CVC_COMPLEX_TYPE_4:
            kind = Form::MissingAttribute;
            attribute = error.str1 ? error.str1 : "";
            break;
        case XML_SCHEMAV_ELEMENT_CONTENT: break;
        default:
            if (!attribute.empty() && node) kind = Form::Value;
        }
        if (kind == Form::Element) attribute = {};
        // Two places differ exactly when their elements do, so the element stands for
        // its place. The attribute forms share their keys: a missing attribute and its
        // value are one place.
        const bool byAttribute = kind != Form::Element;
        if (!Told_.insert({node, byAttribute, Id(byAttribute ? attribute : message)}).second) return;
        if (Kept.size() >= KeptLimit_) {
            MoreThanKept = true;
            return;
        }
        Kept.push_back({node, error.code, kind, std::string(attribute), std::string(message)});
    }

    // Attribute names and messages repeat from element to element: each distinct
    // text is kept once and stands by its number.
    int Id(std::string_view text) {
        auto found = Texts_.find(text);
        if (found == Texts_.end()) found = Texts_.emplace(std::string(text), static_cast<int>(Texts_.size())).first;
        return found->second;
    }

    struct Key {
        const xmlNode* Node;
        bool ByAttribute;
        int Text;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            const auto text = static_cast<std::size_t>(k.Text) * 2 + (k.ByAttribute ? 1 : 0);
            return std::hash<const void*>()(k.Node) ^ (text * 0x9E3779B97F4A7C15ull);
        }
    };

    std::size_t KeptLimit_;
    std::map<std::string, int, std::less<>> Texts_;
    std::unordered_set<Key, KeyHash> Told_;
    std::exception_ptr Failure_;
};

struct Validation {
    std::vector<Reading> Readings;  // the first violations, as many as asked
    bool MoreErrors = false;        // the document breaks the schema in more places
    bool Valid = true;
};

// libxml2's validation of a whole tree cannot be stopped: a document of a hundred
// thousand errors had each of them formatted, in English and more than once, only
// for the report to leave it out. Its streaming validator is fed the same tree
// element by element instead, and the feeding stops once the report is full.
class TreeFeed {
public:
    TreeFeed(xmlSAXHandler* sax, void* data, ErrorReader& reader) : Sax_(sax), Data_(data), Reader_(reader) {}

    void Element(const xmlNode* element) {
        if (Reader_.Enough()) return;
        Start(element);
        for (const xmlNode* child = element->children; child && !Reader_.Enough(); child = child->next) {
            if (child->type == XML_ELEMENT_NODE) {
                Element(child);
                continue;
            }
            Reader_.Current = element;
            const auto* text = child->content;
            const int length = text ? xmlStrlen(text) : 0;
            if (child->type == XML_TEXT_NODE && text) Sax_->characters(Data_, text, length);
            if (child->type == XML_CDATA_SECTION_NODE && text) Sax_->cdataBlock(Data_, text, length);
        }
        if (Reader_.Enough()) return;
        Reader_.Current = element;
        Sax_->endElementNs(Data_, element->name, Prefix(element->ns), Href(element->ns));
    }

private:
    static const xmlChar* Prefix(const xmlNs* ns) { return ns ? ns->prefix : nullptr; }
    static const xmlChar* Href(const xmlNs* ns) { return ns ? ns->href : nullptr; }

    void Start(const xmlNode* element) {
        Namespaces_.clear();
        for (const xmlNs* ns = element->nsDef; ns; ns = ns->next) {
            Namespaces_.push_back(ns->prefix);
            Namespaces_.push_back(ns->href);
        }
        // The streaming validator reads each value between two pointers: five
        // pointers an attribute, the value's text kept alive until the call returns.
        Attributes_.clear();
        Values_.clear();
        for (const xmlAttr* attribute = element->properties; attribute; attribute = attribute->next)
            Values_.push_back(AttributeValueOf(attribute));
        std::size_t index = 0;
        for (const xmlAttr* attribute = element->properties; attribute; attribute = attribute->next, ++index) {
            const auto* value = reinterpret_cast<const xmlChar*>(Values_[index].data());
            Attributes_.insert(Attributes_.end(), {attribute->name, Prefix(attribute->ns), Href(attribute->ns), value,
                                                   value + Values_[index].size()});
        }
        Reader_.Current = element;
        Sax_->startElementNs(Data_, element->name, Prefix(element->ns), Href(element->ns),
                             static_cast<int>(Namespaces_.size() / 2), Namespaces_.data(),
                             static_cast<int>(Values_.size()), 0, Attributes_.data());
    }

    // The text of its one text node as it stands (every attribute the export sets),
    // else its nodes joined.
    static std::string AttributeValueOf(const xmlAttr* attribute) {
        const xmlNode* only = attribute->children;
        if (only && only->type == XML_TEXT_NODE && !only->next && only->content)
            return reinterpret_cast<const char*>(only->content);
        xmlChar* joined = xmlNodeListGetString(attribute->doc, attribute->children, 1);
        std::string text = joined ? reinterpret_cast<const char*>(joined) : "";
        if (joined) xmlFree(joined);
        return text;
    }

    xmlSAXHandler* Sax_;
    void* Data_;
    ErrorReader& Reader_;
    std::vector<const xmlChar*> Namespaces_;
    std::vector<const xmlChar*> Attributes_;
    std::vector<std::string> Values_;
};

// The validator plugged in for one document and the reader given its errors. Both
// are undone however the feeding ends: unplugging also clears a validation that
// stopped half-way, for the context's next document, and the context outlives the
// reader.
class StreamValidation {
public:
    StreamValidation(xmlSchemaValidCtxtPtr context, ErrorReader& reader) : Context_(context) {
        xmlSchemaSetValidStructuredErrors(context, &ErrorReader::Handle, &reader);
        Plug_ = xmlSchemaSAXPlug(context, &Sax_, &Data_);
        if (!Plug_) {
            xmlSchemaSetValidStructuredErrors(context, IgnoreError, nullptr);
            throw std::runtime_error("проверка по схеме не запущена");
        }
    }
    ~StreamValidation() {
        xmlSchemaSAXUnplug(Plug_);
        xmlSchemaSetValidStructuredErrors(Context_, IgnoreError, nullptr);
    }
    StreamValidation(const StreamValidation&) = delete;
    StreamValidation& operator=(const StreamValidation&) = delete;

    xmlSAXHandler* Sax() const { return Sax_; }
    void* Data() const { return Data_; }

private:
    xmlSchemaValidCtxtPtr Context_;
    xmlSAXHandler* Sax_ = nullptr;
    void* Data_ = nullptr;
    xmlSchemaSAXPlugPtr Plug_ = nullptr;
};

Validation Validate(xmlDoc* document, const LoadedSchema& schema, std::size_t kept) {
    xmlSchemaValidCtxtPtr context = ValidationContext(schema.Schema.get());
    if (!context) throw std::runtime_error("проверка по схеме не запущена");
    ErrorReader reader(kept);
    Validation v;
    {
        const StreamValidation stream(context, reader);
        const xmlNode* root = xmlDocGetRootElement(document);
        if (root) TreeFeed(stream.Sax(), stream.Data(), reader).Element(root);
        v.Valid = root && xmlSchemaIsValid(context) == 1;
    }
    reader.RethrowFailure();
    v.Readings = std::move(reader.Kept);
    v.MoreErrors = reader.MoreThanKept;
    return v;
}

std::string NamePath(const xmlNode* element) {
    std::vector<const xmlNode*> chain;
    for (const xmlNode* node = element; node && node->type == XML_ELEMENT_NODE; node = node->parent)
        chain.push_back(node);
    std::string path;
    for (auto node = chain.rbegin(); node != chain.rend(); ++node) {
        if (!path.empty()) path += '/';
        path += reinterpret_cast<const char*>((*node)->name);
    }
    return path;
}

// "( А, Б )" of libxml2's messages ("Expected is ( А, Б )." or "Expected is one of
// ( А, Б ).") as "А или Б".
std::string ExpectedNames(std::string_view message) {
    std::string_view names = Between(message, "Expected is ", ')');
    if (names.starts_with("one of ")) names.remove_prefix(7);
    if (!names.starts_with("( ") || !names.ends_with(' ')) return {};
    std::string joined(names.substr(2, names.size() - 3));
    for (std::size_t at; (at = joined.find(", ")) != std::string::npos;) joined.replace(at, 2, " или ");
    return joined;
}

std::string ContentRequirement(std::string_view message) {
    const std::string expected = ExpectedNames(message);
    if (message.find("Missing child element") != std::string_view::npos)
        return "не хватает элемента " + (expected.empty() ? "по формату" : expected);
    if (!expected.empty()) return "элемент не на своем месте, здесь нужен " + expected;
    return "элемент здесь не допускается";
}

// What the schema asks, in the user's words; the place is left to the line.
SchemaViolation Explain(const Reading& r, const SchemaRules& rules) {
    SchemaViolation v;
    v.Element = r.Node;
    v.Attribute = r.Attribute;
    switch (r.Kind) {
    case Form::UnknownAttribute: v.Requirement = "такого атрибута в формате нет"; break;
    case Form::MissingAttribute: v.Requirement = "значение обязательно"; break;
    case Form::Value:
        v.Value = AttributeText(r.Node, r.Attribute.c_str());
        if (const ValueRule* rule = rules.Find(NamePath(r.Node), r.Attribute))
            v.Requirement = ExplainRequirement(*rule, v.Value);
        if (v.Requirement.empty()) v.Requirement = SchemaValueRefusal(r.Code);
        break;
    case Form::Element:
        v.Requirement =
            r.Code == XML_SCHEMAV_ELEMENT_CONTENT ? ContentRequirement(r.Message) : SchemaPlaceRefusal(r.Code);
        break;
    }
    return v;
}

std::string LineOf(Form kind, const SchemaViolation& v, ElementPlaces& places) {
    std::string line = v.Element ? places.Of(v.Element) : "Файл";
    switch (kind) {
    case Form::UnknownAttribute: line.append("/").append(v.Attribute).append(": "); break;
    case Form::MissingAttribute: return line.append(": нет обязательного атрибута ").append(v.Attribute);
    case Form::Value: line.append("/").append(v.Attribute).append(" = \"").append(v.Value).append("\": "); break;
    case Form::Element: line.append(": "); break;
    }
    return line.append(v.Requirement);
}

// A refusal without a reported reason must still stop the file.
SchemaViolation UnexplainedRefusal() {
    SchemaViolation v;
    v.Requirement = "документ не прошел проверку по схеме";
    v.Line = v.Requirement;
    return v;
}

}  // namespace

std::string DefaultNdfl3SchemaPath() { return ProgramDataFolder() + kNdfl3SchemaFileName; }

std::vector<SchemaViolation> SchemaViolationList(xmlDoc* document, const std::string& schemaPath) {
    const std::shared_ptr<const LoadedSchema> schema = SchemaFor(schemaPath);
    const Validation validation = Validate(document, *schema, std::numeric_limits<std::size_t>::max());
    std::vector<SchemaViolation> violations;
    ElementPlaces places;
    for (const Reading& r : validation.Readings) {
        SchemaViolation v = Explain(r, schema->Rules);
        v.Line = LineOf(r.Kind, v, places);
        violations.push_back(std::move(v));
    }
    if (!validation.Valid && violations.empty()) violations.push_back(UnexplainedRefusal());
    return violations;
}

SchemaReport SchemaViolationReport(xmlDoc* document, const std::string& schemaPath, std::size_t limit) {
    const std::shared_ptr<const LoadedSchema> schema = SchemaFor(schemaPath);
    const Validation validation = Validate(document, *schema, limit);
    SchemaReport report;
    ElementPlaces places;
    for (const Reading& r : validation.Readings)
        report.Lines.push_back(LineOf(r.Kind, Explain(r, schema->Rules), places));
    report.MoreErrors = validation.MoreErrors;
    if (!validation.Valid && report.Lines.empty()) report.Lines.push_back(UnexplainedRefusal().Line);
    return report;
}

std::vector<std::string> SchemaViolations(xmlDoc* document, const std::string& schemaPath) {
    return SchemaViolationReport(document, schemaPath, std::numeric_limits<std::size_t>::max()).Lines;
}

std::string MoreErrorsLine(std::size_t listed) {
    return "… и другие ошибки: показаны первые " + std::to_string(listed);
}

void CheckAgainstSchema(xmlDoc* document, const std::string& schemaPath) {
    const SchemaReport report = SchemaViolationReport(document, schemaPath);
    if (report.Lines.empty()) return;
    std::string message = kSchemaRefusedHeading;
    for (const std::string& line : report.Lines) message.append("\n").append(line);
    if (report.MoreErrors) message.append("\n").append(MoreErrorsLine(report.Lines.size()));
    throw EExportRefused(message);
}

}  // namespace kvz
