// The directory files shipped next to the program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "directory/atomic_file.h"
#include "directory/inspection_directory.h"
#include "directory/inspection_picker.h"
#include "directory/xml_document.h"

namespace kvz {
namespace {

std::string DataFile(const std::string& name) { return std::string(KVZ_SOURCE_DIR) + "/data/" + name; }

bool AllDigits(const std::string& text, std::size_t length) {
    return text.size() == length && text.find_first_not_of("0123456789") == std::string::npos;
}

TEST(DataFilesTest, InspectionDirectoryHoldsInspectionsOnly) {
    std::string bytes = ReadWholeFile(DataFile("InspectionNumbers.xml"));
    InspectionDirectory directory = ParseInspectionDirectory(bytes, "InspectionNumbers.xml");
    EXPECT_EQ(directory.Version, "00");
    ASSERT_EQ(directory.Entries.size(), 3243u);
    std::set<std::string> codes;
    for (const auto& entry : directory.Entries) {
        EXPECT_TRUE(AllDigits(entry.Code, 4)) << entry.Code;
        EXPECT_NE(entry.Code.substr(2), "00") << entry.Code;
        EXPECT_FALSE(entry.Name.empty()) << entry.Code;
        EXPECT_TRUE(codes.insert(entry.Code).second) << entry.Code;
    }
    // Written back by the program, the file is the same to the byte.
    EXPECT_EQ(InspectionDirectoryXml(directory), bytes);

    InspectionPicker picker(directory);
    picker.Preselect("7701");
    ASSERT_TRUE(picker.FocusedRow().has_value());
    EXPECT_THAT(picker.SelectedName(), ::testing::HasSubstr("Москв"));
}

TEST(DataFilesTest, CountryListHasEveryCountryOnce) {
    InspectionDirectory countries = ReadInspectionDirectory(DataFile("Oksm.xml"));
    ASSERT_EQ(countries.Entries.size(), 251u);
    std::map<std::string, std::string> byCode;
    for (const auto& entry : countries.Entries) {
        EXPECT_TRUE(AllDigits(entry.Code, 3)) << entry.Code;
        EXPECT_TRUE(byCode.emplace(entry.Code, entry.Name).second) << entry.Code;
    }
    EXPECT_EQ(byCode["643"], "РОССИЯ");
    EXPECT_EQ(byCode["840"], "СОЕДИНЕННЫЕ ШТАТЫ");
    EXPECT_EQ(byCode["384"], "КОТ Д’ИВУАР");
}

struct ActivityEntry {
    int Level;
    std::string Kod, Okved, Name;
};

std::vector<ActivityEntry> ReadActivities() {
    XmlDocument doc = ParseXml(ReadWholeFile(DataFile("Sp_OKVED2.xml")), "Sp_OKVED2.xml: ");
    std::vector<ActivityEntry> entries;
    for (xmlNode* node : ChildElements(RootElement(doc)))
        entries.push_back({std::stoi(Attribute(node, "GRUP").value_or("0")), Attribute(node, "Kod").value_or(""),
                           Attribute(node, "OKVED").value_or(""), Attribute(node, "Name").value_or("")});
    return entries;
}

TEST(DataFilesTest, ActivityClassifierFormsATreeByKeyPrefix) {
    std::vector<ActivityEntry> entries = ReadActivities();
    ASSERT_EQ(entries.size(), 2899u);
    std::map<int, int> perLevel;
    std::set<std::pair<int, std::string>> names;
    std::vector<const ActivityEntry*> path;  // the chain of parents above the current entry
    for (const auto& entry : entries) {
        ++perLevel[entry.Level];
        EXPECT_TRUE(names.emplace(entry.Level, entry.Name).second) << "name twice at a level: " << entry.Name;
        ASSERT_GE(entry.Level, 1);
        ASSERT_LE(entry.Level, 6);
        if (entry.Level == 1) {
            EXPECT_EQ(entry.Kod, entry.Okved);
        } else {
            EXPECT_EQ(entry.Kod.substr(1), entry.Okved);
            // The file is in tree order: the parent is the last entry one level up.
            ASSERT_GE(path.size(), static_cast<std::size_t>(entry.Level - 1)) << entry.Kod;
            EXPECT_EQ(entry.Kod.rfind(path[entry.Level - 2]->Kod, 0), 0u) << entry.Kod;
        }
        path.resize(entry.Level - 1);
        path.push_back(&entry);
    }
    EXPECT_EQ(perLevel, (std::map<int, int>{{1, 21}, {2, 88}, {3, 272}, {4, 623}, {5, 1228}, {6, 667}}));
    // The picker accepts a code from four characters on: classes are refused, their subclasses taken.
    auto find = [&](const std::string& okved) {
        for (const auto& e : entries)
            if (e.Okved == okved) return e;
        return ActivityEntry{};
    };
    EXPECT_LT(find("01").Kod.size(), 4u);
    EXPECT_GE(find("01.1").Kod.size(), 4u);
    EXPECT_EQ(find("62.01").Level, 4);
}

}  // namespace
}  // namespace kvz
