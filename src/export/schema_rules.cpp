#include "export/schema_rules.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <regex>
#include <stdexcept>

#include "export/export_texts.h"
#include "storage/xml_node.h"

namespace kvz {

namespace {

constexpr const char* kXsdNamespace = "http://www.w3.org/2001/XMLSchema";
// Named complex types may refer to each other; no real schema nests deeper.
constexpr int kMaxDepth = 64;

bool IsXsd(const xmlNode* node, const char* localName) {
    return node && node->type == XML_ELEMENT_NODE && node->ns && node->ns->href &&
           xmlStrcmp(node->ns->href, reinterpret_cast<const xmlChar*>(kXsdNamespace)) == 0 &&
           xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>(localName)) == 0;
}

std::optional<int> NumberOf(const std::string& text) {
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), ::isdigit)) return std::nullopt;
    return std::stoi(text);
}

}  // namespace

// Walks the schema from its top-level elements and records every attribute's rule.
class SchemaRulesReader {
public:
    explicit SchemaRulesReader(const xmlNode* schema) {
        for (const xmlNode* child = schema->children; child; child = child->next) {
            const std::string name = AttributeText(child, "name");
            if (IsXsd(child, "simpleType") && !name.empty()) SimpleTypes_[name] = child;
            if (IsXsd(child, "complexType") && !name.empty()) ComplexTypes_[name] = child;
        }
    }

    void Read(const xmlNode* schema, SchemaRules& rules) {
        Rules_ = &rules;
        for (const xmlNode* child = schema->children; child; child = child->next)
            if (IsXsd(child, "element")) Element(child, "", 0);
    }

private:
    void Element(const xmlNode* element, const std::string& parentPath, int depth) {
        if (depth > kMaxDepth) return;
        const std::string name = AttributeText(element, "name");
        if (name.empty()) return;
        const std::string path = parentPath.empty() ? name : parentPath + "/" + name;
        const std::string typeName = AttributeText(element, "type");
        if (auto it = ComplexTypes_.find(typeName); it != ComplexTypes_.end()) Content(it->second, path, depth + 1);
        for (const xmlNode* child = element->children; child; child = child->next)
            if (IsXsd(child, "complexType")) Content(child, path, depth + 1);
    }

    // The inside of a complex type: attributes, particles, and derivations.
    void Content(const xmlNode* node, const std::string& path, int depth) {
        if (depth > kMaxDepth) return;
        for (const xmlNode* child = node->children; child; child = child->next) {
            if (IsXsd(child, "attribute")) {
                Rules_->Rules_[path + "@" + AttributeText(child, "name")] = AttributeRule(child);
            } else if (IsXsd(child, "element")) {
                Element(child, path, depth + 1);
            } else if (IsXsd(child, "extension") || IsXsd(child, "restriction")) {
                if (auto it = ComplexTypes_.find(AttributeText(child, "base")); it != ComplexTypes_.end())
                    Content(it->second, path, depth + 1);
                Content(child, path, depth + 1);
            } else if (IsXsd(child, "sequence") || IsXsd(child, "choice") || IsXsd(child, "all") ||
                       IsXsd(child, "complexContent") || IsXsd(child, "simpleContent")) {
                Content(child, path, depth + 1);
            }
        }
    }

    ValueRule AttributeRule(const xmlNode* attribute) {
        const std::string typeName = AttributeText(attribute, "type");
        if (!typeName.empty()) return NamedRule(typeName, 0);
        for (const xmlNode* child = attribute->children; child; child = child->next)
            if (IsXsd(child, "simpleType")) return SimpleRule(child, 0);
        return ValueRule{"xs:string", {}, {}, {}, {}, {}, {}, {}, {}};
    }

    ValueRule NamedRule(const std::string& name, int depth) {
        auto it = SimpleTypes_.find(name);
        if (it == SimpleTypes_.end() || depth > kMaxDepth) {
            ValueRule rule;
            rule.Base = name;
            return rule;
        }
        ValueRule rule = SimpleRule(it->second, depth + 1);
        rule.TypeNames.insert(rule.TypeNames.begin(), name);
        return rule;
    }

    ValueRule SimpleRule(const xmlNode* simpleType, int depth) {
        for (const xmlNode* child = simpleType->children; child; child = child->next) {
            if (IsXsd(child, "union") || IsXsd(child, "list")) {
                ValueRule rule;
                rule.Base = IsXsd(child, "union") ? "union" : "list";
                return rule;
            }
            if (!IsXsd(child, "restriction")) continue;
            ValueRule rule = NamedRule(AttributeText(child, "base"), depth + 1);
            ApplyFacets(child, rule);
            return rule;
        }
        return ValueRule{"xs:string", {}, {}, {}, {}, {}, {}, {}, {}};
    }

    static void ApplyFacets(const xmlNode* restriction, ValueRule& rule) {
        std::vector<std::string> enumeration;
        for (const xmlNode* facet = restriction->children; facet; facet = facet->next) {
            const std::string value = AttributeText(facet, "value");
            if (IsXsd(facet, "enumeration")) enumeration.push_back(value);
            else if (IsXsd(facet, "pattern")) rule.Patterns.push_back(value);
            else if (IsXsd(facet, "totalDigits")) rule.TotalDigits = NumberOf(value);
            else if (IsXsd(facet, "fractionDigits")) rule.FractionDigits = NumberOf(value);
            else if (IsXsd(facet, "length")) rule.Length = NumberOf(value);
            else if (IsXsd(facet, "minLength")) rule.MinLength = NumberOf(value);
            else if (IsXsd(facet, "maxLength")) rule.MaxLength = NumberOf(value);
        }
        if (!enumeration.empty()) rule.Enumeration = std::move(enumeration);
    }

    std::map<std::string, const xmlNode*> SimpleTypes_;
    std::map<std::string, const xmlNode*> ComplexTypes_;
    SchemaRules* Rules_ = nullptr;
};

SchemaRules SchemaRules::FromFile(const std::string& schemaPath) {
    xmlInitParser();
    XmlDocument doc(
        xmlReadFile(schemaPath.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    const xmlNode* root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (!IsXsd(root, "schema")) throw std::runtime_error("файл схемы не прочитан: " + schemaPath);
    SchemaRules rules;
    SchemaRulesReader reader(root);
    reader.Read(root, rules);
    return rules;
}

std::string Counted(std::size_t n, const char* one, const char* few, const char* many) {
    const std::size_t lastTwo = n % 100, last = n % 10;
    const char* word = lastTwo >= 11 && lastTwo <= 14 ? many : last == 1 ? one : last >= 2 && last <= 4 ? few : many;
    return std::to_string(n) + " " + word;
}

const ValueRule* SchemaRules::Find(const std::string& elementPath, const std::string& attribute) const {
    auto it = Rules_.find(elementPath + "@" + attribute);
    return it == Rules_.end() ? nullptr : &it->second;
}

namespace {

// Russian word forms after "не больше": the genitive.
std::string AtMost(int n, const char* one, const char* many) {
    return "не больше " + std::to_string(n) + " " + (n % 10 == 1 && n % 100 != 11 ? one : many);
}

struct Digits {
    bool Valid = false;
    int Whole = 0;     // significant digits before the point
    int Fraction = 0;  // digits after the point, trailing zeros not counted
    bool HasPoint = false;
};

Digits ReadDecimal(const std::string& text) {
    Digits d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::string whole, fraction;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) whole += text[i++];
    if (i < text.size() && text[i] == '.') {
        d.HasPoint = true;
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) fraction += text[i++];
    }
    d.Valid = i == text.size() && !(whole.empty() && fraction.empty());
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    d.Whole = static_cast<int>(whole.size());
    d.Fraction = static_cast<int>(fraction.size());
    return d;
}

std::string KnownTypeRequirement(const std::vector<std::string>& names) {
    static const std::map<std::string, std::string> kKnown = {
        {"ДатаТип", "нужна дата в виде ДД.ММ.ГГГГ с 1900 по 2099 год"},
        {"ОКТМОТип", "нужен код ОКТМО из 8 или 11 цифр"},
        {"ИННФЛТип", "нужен ИНН физического лица из 12 цифр"},
        {"ИННЮЛТип", "нужен ИНН организации из 10 цифр"},
        {"КППТип", "нужен КПП из 9 знаков"},
        {"ОКВЭДТип", "нужен код ОКВЭД вида 01, 01.1, 01.11, 01.11.1 или 01.11.11"},
        {"ПростДроб13", "нужна доля вида 1/2 из чисел без нулей в начале"},
    };
    for (const std::string& name : names)
        if (auto it = kKnown.find(name); it != kKnown.end()) return it->second;
    return {};
}

std::string NumberRequirement(const ValueRule& rule, const std::string& value) {
    const Digits d = ReadDecimal(value);
    if (rule.Base == "xs:integer") {
        // Whole-rouble amounts are the integers of twelve digits and more.
        const bool roubles = rule.TotalDigits && *rule.TotalDigits >= 12;
        if (!d.Valid || d.HasPoint) return roubles ? "нужно целое число рублей" : "нужно целое число";
    } else if (!d.Valid) {
        return "нужно число с точкой в качестве разделителя";
    }
    if (rule.FractionDigits && d.Fraction > *rule.FractionDigits)
        return "нужно " + AtMost(*rule.FractionDigits, "знака", "знаков") + " после точки";
    if (rule.TotalDigits && d.Whole + d.Fraction > *rule.TotalDigits)
        return "нужно " + AtMost(*rule.TotalDigits, "цифры", "цифр");
    return {};
}

// "нужно 4 цифры" for a rule that is one run of digits, whatever its length facet.
std::optional<std::string> DigitsRequirement(const ValueRule& rule, const std::string& value) {
    static const std::regex kDigitsOnly(R"(^\[0-9\]\{(\d+)\}$)");
    std::smatch match;
    if (rule.Patterns.size() != 1 || !std::regex_match(rule.Patterns[0], match, kDigitsOnly)) return std::nullopt;
    const int count = std::stoi(match[1]);
    const bool digits = std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && static_cast<int>(value.size()) == count) return std::string();
    return "нужно " + Counted(count, "цифра", "цифры", "цифр");
}

std::string TextRequirement(const ValueRule& rule, const std::string& value) {
    if (std::optional<std::string> digits = DigitsRequirement(rule, value)) return *digits;
    const int length = static_cast<int>(TextLength(value));
    if (rule.Length && length != *rule.Length)
        return "нужно ровно " + Counted(*rule.Length, "символ", "символа", "символов");
    if (rule.MinLength && length < *rule.MinLength)
        return *rule.MinLength == 1 ? "значение не может быть пустым"
                                    : "нужно не меньше " + Counted(*rule.MinLength, "символа", "символов", "символов");
    if (rule.MaxLength && length > *rule.MaxLength)
        return "нужно " + AtMost(*rule.MaxLength, "символа", "символов") + ", а здесь " + std::to_string(length);
    if (rule.Patterns.empty()) return {};
    std::string patterns;
    for (const std::string& p : rule.Patterns) patterns += (patterns.empty() ? "" : " или ") + p;
    return "значение не подходит под образец " + patterns;
}

}  // namespace

std::string ExplainRequirement(const ValueRule& rule, const std::string& value) {
    if (!rule.Enumeration.empty() &&
        std::find(rule.Enumeration.begin(), rule.Enumeration.end(), value) == rule.Enumeration.end()) {
        std::string allowed;
        for (const std::string& v : rule.Enumeration) allowed += (allowed.empty() ? "" : ", ") + v;
        return "нужно одно из значений: " + allowed;
    }
    if (std::string known = KnownTypeRequirement(rule.TypeNames); !known.empty()) return known;
    if (rule.Base == "xs:integer" || rule.Base == "xs:decimal") return NumberRequirement(rule, value);
    if (rule.Base == "xs:gYear") {
        static const std::regex kYear(R"(^\d{4}$)");
        return std::regex_match(value, kYear) ? std::string() : "нужен год из четырех цифр";
    }
    return TextRequirement(rule, value);
}

}  // namespace kvz
