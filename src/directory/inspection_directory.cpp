#include "directory/inspection_directory.h"

#include "directory/atomic_file.h"
#include "directory/xml_document.h"
#include "directory/xml_text.h"
#include "storage/encoding.h"

namespace kvz {

InspectionDirectory ParseInspectionDirectory(std::string_view bytes, const std::string& fileName) {
    XmlDocument doc = ParseXml(bytes, "Файл справочника поврежден: " + fileName + ": ");
    xmlNode* root = RootElement(doc);
    InspectionDirectory directory;
    directory.Version = Attribute(root, "Version").value_or("");
    directory.Date = Attribute(root, "Date").value_or("");
    for (xmlNode* child : ChildElements(root))
        directory.Entries.push_back({Attribute(child, "Code").value_or(""), TextOf(child)});
    return directory;
}

InspectionDirectory ReadInspectionDirectory(const std::string& path) {
    return ParseInspectionDirectory(ReadWholeFile(path), path);
}

std::string InspectionDirectoryXml(const InspectionDirectory& directory) {
    std::string text = kXmlDeclaration1251;
    text += "<Inspections" + XmlAttribute("Version", directory.Version) + XmlAttribute("Date", directory.Date) + ">\n";
    for (const auto& entry : directory.Entries)
        text += "  <Inspection" + XmlAttribute("Code", entry.Code) + ">" + EscapeXml(entry.Name) + "</Inspection>\n";
    text += "</Inspections>\n";
    return Utf8ToCp1251(text);
}

void WriteInspectionDirectory(const std::string& path, const InspectionDirectory& directory) {
    ReplaceFileAtomically(path, InspectionDirectoryXml(directory));
}

std::string NameOfCode(const InspectionDirectory& directory, const std::string& code) {
    for (const DirectoryEntry& entry : directory.Entries)
        if (entry.Code == code) return entry.Name;
    return {};
}

}  // namespace kvz
