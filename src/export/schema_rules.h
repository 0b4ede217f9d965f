#pragma once
// What a schema asks of each attribute value, read from the schema file itself, so
// that a value the schema refuses can be explained to the user in plain words.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kvz {

// The restrictions of one attribute's simple type, its named base types merged in.
struct ValueRule {
    std::string Base;                    // "xs:string", "xs:integer", "xs:decimal", "xs:gYear", ...
    std::vector<std::string> TypeNames;  // the named types on the way to Base, the nearest first
    std::optional<int> TotalDigits;
    std::optional<int> FractionDigits;
    std::optional<int> Length;
    std::optional<int> MinLength;
    std::optional<int> MaxLength;
    std::vector<std::string> Enumeration;
    std::vector<std::string> Patterns;
};

class SchemaRules {
public:
    // Reads the schema's elements and attributes. Throws std::runtime_error when the
    // file cannot be read as XML.
    static SchemaRules FromFile(const std::string& schemaPath);

    // The rule of an attribute by the names of its element from the document element
    // down ("Файл/Документ/НДФЛ3/СумНалПу") and the attribute's name; null when the
    // schema has no such attribute.
    const ValueRule* Find(const std::string& elementPath, const std::string& attribute) const;

    std::size_t Size() const { return Rules_.size(); }

private:
    std::map<std::string, ValueRule> Rules_;  // "path@attribute"
    friend class SchemaRulesReader;
};

// What the rule asks that the value does not give, in the user's words: "нужно
// целое число рублей", "нужно не больше 2 знаков после точки", "нужен код ОКТМО из 8
// или 11 цифр". Empty when the value meets every restriction the explanation knows.
std::string ExplainRequirement(const ValueRule& rule, const std::string& value);

// The count with the word's form that Russian puts after it: one, two to four, five
// and more ("1 цифра", "3 цифры", "11 цифр").
std::string Counted(std::size_t n, const char* one, const char* few, const char* many);

}  // namespace kvz
