#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "directory/data_file_error.h"
#include "directory/inspection_directory.h"
#include "directory/soun_import.h"
#include "directory/soun_table.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

using test::SounRow;
using test::SounTableBytes;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class SounImportTest : public ::testing::Test {
protected:
    std::string WriteTable(const std::string& bytes) {
        std::string path = dir.File("soun1.dbf");
        test::WriteFileText(path, bytes);
        return path;
    }

    // The only file besides the table and the directory must not be a leftover.
    std::vector<std::string> FolderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // A directory from an earlier import that a failed import must leave alone.
    std::string WriteOldDirectory() {
        std::string path = dir.File("InspectionNumbers.xml");
        WriteInspectionDirectory(path, {"00", "01.03.2015", {{"7701", "Старая инспекция"}}});
        return path;
    }

    test::TempDir dir;
};

TEST_F(SounImportTest, TakesOnlyInspectionsInUse) {
    std::vector<SounRow> rows = {
        {.Code = "7700", .Name = "Управление по г. Москве"},
        {.Code = "7701", .Name = "Инспекция № 1 по г. Москве"},
        {.Code = "7702", .Name = "Закрыта", .At7 = "7701"},
        {.Code = "7703", .Name = "Не действует", .At411 = "0"},
        {.Code = "7704", .Name = "Упразднена", .At934 = "01.01.2014"},
        {.Code = "7705", .Name = "Удаленная запись", .Deleted = true},
        {.Code = "77A6", .Name = "Испорченный код"},
        {.Code = "  78", .Name = "Короткий код"},
        {.Code = "7806", .Name = "Инспекция \"Северная\" & <Ко>"},
        {.Code = "0101", .RawName = std::string("  ") + test::Utf8ToCp866("Адыгея") + std::string("\0\0\0", 3)},
    };
    std::string out = dir.File("InspectionNumbers.xml");
    SounTable table = ImportSoun(WriteTable(SounTableBytes(rows)), out, "00", "08.12.2025");

    EXPECT_EQ(table.Records, rows.size());
    InspectionDirectory written = ReadInspectionDirectory(out);
    EXPECT_EQ(written.Version, "00");
    EXPECT_EQ(written.Date, "08.12.2025");
    EXPECT_THAT(written.Entries, ElementsAre(DirectoryEntry{"7701", "Инспекция № 1 по г. Москве"},
                                             DirectoryEntry{"7806", "Инспекция \"Северная\" & <Ко>"},
                                             DirectoryEntry{"0101", "Адыгея"}));
    EXPECT_EQ(written.Entries, table.Inspections);
    EXPECT_THAT(FolderContents(), ElementsAre("InspectionNumbers.xml", "soun1.dbf"));
}

TEST_F(SounImportTest, EachRuleSkipsOnItsOwn) {
    SounRow base{.Code = "1801", .Name = "Инспекция"};
    EXPECT_EQ(ClassifySounRecord(test::SounRecord(base)), SounVerdict::Taken);
    auto verdict = [&](auto change) {
        SounRow row = base;
        change(row);
        return ClassifySounRecord(test::SounRecord(row));
    };
    EXPECT_EQ(verdict([](SounRow& r) { r.Code = "1800"; }), SounVerdict::Office);
    EXPECT_EQ(verdict([](SounRow& r) { r.Code = "0000"; }), SounVerdict::Office);
    EXPECT_EQ(verdict([](SounRow& r) { r.Code = "1000"; }), SounVerdict::Office);
    EXPECT_EQ(verdict([](SounRow& r) { r.Code = "1001"; }), SounVerdict::Taken);
    EXPECT_EQ(verdict([](SounRow& r) { r.At7 = "                             x"; }), SounVerdict::MarkedAt7);
    EXPECT_EQ(verdict([](SounRow& r) { r.At411 = " "; }), SounVerdict::NotActiveAt411);
    EXPECT_EQ(verdict([](SounRow& r) { r.At934 = "         x"; }), SounVerdict::MarkedAt934);
    EXPECT_EQ(verdict([](SounRow& r) { r.Deleted = true; }), SounVerdict::Deleted);
}

TEST_F(SounImportTest, TruncatedLastRecordFailsAndKeepsTheOldDirectory) {
    std::string out = WriteOldDirectory();
    auto before = test::ReadFileBytes(out);
    std::string bytes = SounTableBytes({{.Code = "7701", .Name = "Первая"}, {.Code = "7702", .Name = "Вторая"}});
    bytes.resize(bytes.size() - 1 - 100);  // the end mark and the tail of the last record
    std::string table = WriteTable(bytes);

    try {
        ImportSoun(table, out, "00", "08.12.2025");
        FAIL() << "a truncated table was imported";
    } catch (const EDataFileError& e) {
        EXPECT_EQ(std::string(e.what()), msg::kSounReadError + table);
    }
    EXPECT_EQ(test::ReadFileBytes(out), before);
    EXPECT_THAT(FolderContents(), ElementsAre("InspectionNumbers.xml", "soun1.dbf"));
}

TEST_F(SounImportTest, RefusesIncompleteOrForeignTables) {
    std::string out = WriteOldDirectory();
    auto before = test::ReadFileBytes(out);
    std::vector<SounRow> rows = {{.Code = "7701", .Name = "Первая"}, {.Code = "7702", .Name = "Вторая"}};
    auto failure = [&](const std::string& bytes) {
        try {
            ImportSoun(WriteTable(bytes), out, "00", "08.12.2025");
        } catch (const EDataFileError& e) {
            return std::string(e.what());
        }
        return std::string("imported");
    };

    // More records announced than present, the table ending exactly after a record.
    EXPECT_THAT(failure(SounTableBytes(rows, 3)), HasSubstr(msg::kSounReadError));
    EXPECT_THAT(failure(std::string(20, '\0')), HasSubstr(msg::kSounReadError));
    EXPECT_THAT(failure(SounTableBytes(rows, 2, 1000)), HasSubstr("длина записи 1000"));
    EXPECT_THAT(failure(SounTableBytes({{.Code = "7700", .Name = "Управление"}})), HasSubstr("ни одной инспекции"));
    // A name with a character that windows-1251 lacks (a box-drawing line).
    EXPECT_THAT(failure(SounTableBytes({{.Code = "7703", .RawName = "\xC4\xC4"}})), HasSubstr("7703"));
    EXPECT_THROW(ImportSoun(dir.File("missing.dbf"), out, "00", "08.12.2025"), EDataFileError);
    // A device or a folder given as the table is refused before anything is read.
    EXPECT_THAT([&] { ImportSoun("/dev/zero", out, "00", "08.12.2025"); },
                ::testing::ThrowsMessage<EDataFileError>(HasSubstr("это не обычный файл")));
    EXPECT_THAT([&] { ImportSoun(dir.Path(), out, "00", "08.12.2025"); },
                ::testing::ThrowsMessage<EDataFileError>(HasSubstr("указан каталог, а не файл")));

    EXPECT_EQ(test::ReadFileBytes(out), before);
    EXPECT_THAT(FolderContents(), ElementsAre("InspectionNumbers.xml", "soun1.dbf"));
}

TEST_F(SounImportTest, LargeTableKeepsOrderAndReportsProgress) {
    std::vector<SounRow> rows;
    for (int i = 0; i < 3000; ++i) {
        char code[5];
        std::snprintf(code, sizeof code, "%04d", i + 100);
        rows.push_back({.Code = code, .Name = "Инспекция " + std::to_string(i)});
    }
    std::vector<std::pair<std::size_t, std::size_t>> calls;
    SounTable table = ImportSoun(WriteTable(SounTableBytes(rows)), dir.File("out.xml"), "00", "08.12.2025",
                                 [&](std::size_t done, std::size_t total) { calls.emplace_back(done, total); });

    ASSERT_EQ(table.Records, 3000u);
    ASSERT_EQ(table.Inspections.size(), 3000u - 30u);  // 0100, 0200, ..., 3000 are offices
    EXPECT_EQ(table.Inspections.front(), (DirectoryEntry{"0101", "Инспекция 1"}));
    EXPECT_EQ(table.Inspections.back(), (DirectoryEntry{"3099", "Инспекция 2999"}));
    EXPECT_EQ(ReadInspectionDirectory(dir.File("out.xml")).Entries, table.Inspections);

    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.back(), std::make_pair(std::size_t{3000}, std::size_t{3000}));
    for (std::size_t i = 1; i < calls.size(); ++i) EXPECT_LE(calls[i - 1].first, calls[i].first);
}

}  // namespace
}  // namespace kvz
