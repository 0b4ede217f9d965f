#pragma once
// The inspection directory "InspectionNumbers.xml": a windows-1251 XML file whose
// root "Inspections" carries "Version" and "Date" and holds one "Inspection"
// element a line with the four-digit "Code" attribute and the name as text.
// The country list "Oksm.xml" has the same shape (root children with "Code" and a
// name), so the same reader serves it.
#include <string>
#include <string_view>
#include <vector>

namespace kvz {

struct DirectoryEntry {
    std::string Code;
    std::string Name;
    bool operator==(const DirectoryEntry&) const = default;
};

struct InspectionDirectory {
    std::string Version;
    std::string Date;
    std::vector<DirectoryEntry> Entries;
};

// The name of the first entry with `code`; empty when there is none.
std::string NameOfCode(const InspectionDirectory& directory, const std::string& code);

// Every element child of the root in document order, whatever its name: its "Code"
// attribute (empty when missing) and its text. Throws EDataFileError.
InspectionDirectory ParseInspectionDirectory(std::string_view bytes, const std::string& fileName);
InspectionDirectory ReadInspectionDirectory(const std::string& path);

// The file's bytes. Throws EEncodingError for a character outside windows-1251.
std::string InspectionDirectoryXml(const InspectionDirectory& directory);
// Replaces the file only once the new one is complete on disk. Throws EDataFileError
// or EEncodingError; the old file is then untouched.
void WriteInspectionDirectory(const std::string& path, const InspectionDirectory& directory);

}  // namespace kvz
