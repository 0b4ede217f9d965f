// Random declarations completed as the screens would have them: whenever the
// declaration check lets one through, its file is written and meets the schema.
#include <gtest/gtest.h>

#include <set>

#include "checks/declaration_check.h"
#include "export/export_fixtures.h"
#include "export/random_complete_declaration.h"
#include "support/temp_dir.h"

namespace kvz::test {
namespace {

// The element names below НДФЛ3 of a file.
std::set<std::string> SheetsOf(const std::string& bytes) {
    std::set<std::string> sheets;
    const XmlView view(bytes);
    for (const char* sheet : {"СумНалПу", "НалБаза", "ДоходИстРФ", "ДоходИстИно", "ДоходПредпр", "ДоходОсвПрев",
                              "ИмущНалВычНов", "ИмущНалВычПр", "ВычСтандСоц", "ВычСоцИнв219", "ПрофНалВыч",
                              "ДохОперЦБ", "ДохИвестТов"})
        if (view.Count(std::string("//НДФЛ3/") + sheet) > 0) sheets.insert(sheet);
    return sheets;
}

void ExportAll(uint8_t kind, int count, const std::string& schema, std::set<std::string>* sheets) {
    FixedClockAndGuid fixed;
    std::mt19937 rng(20160315u + kind);
    int exported = 0;
    for (int i = 0; i < count; ++i) {
        auto d = RandomCompleteDeclaration(rng, kind);
        if (!CheckDeclarationForExport(*d).empty()) continue;
        TempDir dir;
        std::vector<std::string> messages;
        std::string result;
        ExportDeclaration(dir.Path() + "/", *d, kExportFileMode, result, CollectingSettings(messages));
        ASSERT_NE(result, "ERROR") << "declaration " << i << ": " << (messages.empty() ? "" : messages[0]);
        const std::string bytes = ReadBytes(dir.File(result));
        const ReadBack back = ReadExported(bytes);
        ASSERT_TRUE(back.WellFormed && back.Encoding == "windows-1251" && back.RootName == "Файл");
        ASSERT_EQ(back.Identifier + ".xml", result);
        ASSERT_EQ(Violations(bytes, schema), std::vector<std::string>{}) << "declaration " << i;
        if (sheets) sheets->merge(SheetsOf(bytes));
        ++exported;
    }
    // Most of them must get through, or the property says little.
    EXPECT_GE(exported, count * 3 / 4);
}

TEST(CompleteDeclarations, ResidentFilesMeetTheSchemaAndShowEverySheet) {
    std::set<std::string> sheets;
    ExportAll(kDecl3Ndfl, 160, Ndfl3SchemaPath(), &sheets);
    EXPECT_EQ(sheets.size(), 13u);
}

TEST(CompleteDeclarations, NonResidentAndExpectedIncomeFilesMeetTheirSchemas) {
    ExportAll(kDecl3NdflNonResident, 60, Ndfl3SchemaPath(), nullptr);
    ExportAll(kDecl4Ndfl, 20, Ndfl4SchemaPath(), nullptr);
}

}  // namespace
}  // namespace kvz::test
