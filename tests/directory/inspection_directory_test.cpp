#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "directory/atomic_file.h"
#include "directory/data_file_error.h"
#include "directory/inspection_directory.h"
#include "storage/encoding.h"
#include "storage/errors.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(InspectionDirectoryTest, WritesWindows1251AndReadsBack) {
    InspectionDirectory directory{"00", "08.12.2025",
                                  {{"0101", "Межрайонная ИФНС № 1 по Республике Адыгея"},
                                   {"7806", "Инспекция \"Северная\" & <Ко>\tпервая"},
                                   {"9901", ""}}};
    std::string bytes = InspectionDirectoryXml(directory);

    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Inspections Version=\"00\" "
                          "Date=\"08.12.2025\">\n  <Inspection Code=\"0101\">",
                          0),
              0u);
    EXPECT_NE(bytes.find(Utf8ToCp1251("Межрайонная ИФНС")), std::string::npos);
    InspectionDirectory back = ParseInspectionDirectory(bytes, "x.xml");
    EXPECT_EQ(back.Version, "00");
    EXPECT_EQ(back.Date, "08.12.2025");
    EXPECT_EQ(back.Entries, directory.Entries);
}

TEST(InspectionDirectoryTest, ReadsEveryChildWhateverItsName) {
    std::string text = Utf8ToCp1251(
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n"
        "<Inspections Version=\"01\" Date=\"01.01.2016\"><Inspection Code=\"0101\">Первая</Inspection>"
        "<!-- added by hand --><Item Code=\"0102\">Вторая</Item><Inspection>Без кода</Inspection></Inspections>");
    InspectionDirectory directory = ParseInspectionDirectory(text, "x.xml");
    EXPECT_THAT(directory.Entries, ElementsAre(DirectoryEntry{"0101", "Первая"}, DirectoryEntry{"0102", "Вторая"},
                                               DirectoryEntry{"", "Без кода"}));
}

TEST(InspectionDirectoryTest, RefusesDamagedFiles) {
    auto failure = [](const std::string& text) {
        try {
            ParseInspectionDirectory(text, "/opt/InspectionNumbers.xml");
        } catch (const EDataFileError& e) {
            return std::string(e.what());
        }
        return std::string("parsed");
    };
    EXPECT_THAT(failure("<Inspections><Inspection Code=\"0101\">x</Inspections>"),
                HasSubstr("/opt/InspectionNumbers.xml"));
    EXPECT_THAT(failure(""), HasSubstr("поврежден"));
    EXPECT_THAT(failure("<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY x \"xx\">]><a>&x;</a>"), HasSubstr("DOCTYPE"));
    // Bytes that are not UTF-8 in a file that declares no encoding.
    EXPECT_EQ(failure("<a>\xC0\xC1</a>"),
              "Файл справочника поврежден: /opt/InspectionNumbers.xml: строка 1, столбец 4: "
              "текст не в кодировке UTF-8, а другая кодировка в объявлении XML не указана (байт 0xC0)");
    // The reason of a damaged file in the program's words, at its line and column.
    const std::string head = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Inspections>\n";
    const std::pair<std::string, std::string> damaged[] = {
        {"<Inspection Code=\"0101\">Fir", "строка 3, столбец 28: файл обрывается, не закрыт элемент Inspection"},
        {"<Inspection Code=\"0101\">First</Inspectoin>\n</Inspections>",
         "строка 3, столбец 43: элемент Inspection (открыт в строке 3) закрыт тегом Inspectoin"},
        {"<Inspection Code=\"0101\">Fi\x01rst</Inspection>\n</Inspections>",
         "строка 3, столбец 27: недопустимый в XML символ с кодом 1"},
        {"<Inspection Code=\"0101\" Code=\"0102\">First</Inspection>\n</Inspections>",
         "строка 3, столбец 36: атрибут Code указан дважды"},
        {"</Inspections>\n<Inspections/>", "строка 4, столбец 1: после конца документа есть лишнее содержимое"},
    };
    for (const auto& [body, reason] : damaged)
        EXPECT_EQ(failure(head + body), "Файл справочника поврежден: /opt/InspectionNumbers.xml: " + reason);
}

TEST(InspectionDirectoryTest, NameOutsideTheCodePageIsReportedNotDropped) {
    InspectionDirectory directory{"00", "08.12.2025", {{"0101", "Инспекция ≠"}}};
    EXPECT_THROW(InspectionDirectoryXml(directory), EEncodingError);
    test::TempDir dir;
    EXPECT_THROW(WriteInspectionDirectory(dir.File("out.xml"), directory), EEncodingError);
    EXPECT_FALSE(PathExists(dir.File("out.xml")));
}

TEST(InspectionDirectoryTest, FailedReplaceLeavesNothingBehind) {
    test::TempDir dir;
    // A folder in the way makes the final rename fail after the new file was written.
    std::string path = dir.File("InspectionNumbers.xml");
    std::filesystem::create_directory(path);
    test::WriteFileText(path + "/keep", "x");
    EXPECT_THROW(WriteInspectionDirectory(path, {"00", "02.01.2016", {{"0102", "Вторая"}}}), EDataFileError);
    EXPECT_EQ(test::ReadFileText(path + "/keep"), "x");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace kvz
