#pragma once
// Shared pieces of the export tests: a fixed clock and GUID, the schemas, golden
// files, a complete taxpayer, and reading an exported file back.
#include <memory>
#include <string>
#include <vector>

#include "calc/svod_sum.h"
#include "export/declaration_export.h"
#include "model/declaration.h"
#include "storage/dates.h"

namespace kvz::test {

inline constexpr const char* kFixedGuid = "0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0";

// 15.03.2016 10:30, the day every golden file is dated.
DateTime FixedNow();

// Fixes the clock and the GUID source while it lives.
class FixedClockAndGuid {
public:
    FixedClockAndGuid();
    ~FixedClockAndGuid();
    FixedClockAndGuid(const FixedClockAndGuid&) = delete;
    FixedClockAndGuid& operator=(const FixedClockAndGuid&) = delete;
};

std::string Ndfl3SchemaPath();
std::string Ndfl4SchemaPath();
std::string GoldenPath(const std::string& name);
std::string ReadBytes(const std::string& path);
std::string Cp1251Text(const std::string& utf8);

// Settings that collect the messages instead of showing them.
ExportSettings CollectingSettings(std::vector<std::string>& messages);

// A taxpayer as a complete declaration has it: named, with ИНН, document, birth
// data and a Moscow address with its ОКТМО.
void FillPerson(mTPersonInformation& person);

// The 3-НДФЛ file's bytes for a declaration and records given as they stand.
std::string Ndfl3Bytes(const mTDeclaration& declaration, const kTSvodSum& sum, const std::string& identifier);

// What a reader of an exported file sees.
struct ReadBack {
    bool WellFormed = false;
    std::string Encoding;
    std::string RootName;
    std::string Identifier;  // ИдФайл
};
ReadBack ReadExported(const std::string& bytes);

// Every violation of the schema, as the export would report them.
std::vector<std::string> Violations(const std::string& bytes, const std::string& schemaPath);

// XPath questions on an exported file (windows-1251 bytes or UTF-8 text).
class XmlView {
public:
    explicit XmlView(const std::string& bytes);
    ~XmlView();
    XmlView(const XmlView&) = delete;
    XmlView& operator=(const XmlView&) = delete;

    int Count(const std::string& xpath) const;
    // The string values of every node the path selects, in document order.
    std::vector<std::string> Values(const std::string& xpath) const;
    // The string value of the first node ("" when there is none).
    std::string Value(const std::string& xpath) const;
    // The attribute names of the first element the path selects, blank-separated.
    std::string AttributeNames(const std::string& xpath) const;

private:
    struct Impl;
    Impl* Impl_;
};

// The files of a folder.
std::vector<std::string> FilesIn(const std::string& folder);

}  // namespace kvz::test
