#include "directory/data_file_reader.h"

#include "directory/data_file_error.h"

namespace kvz {

DataFileReader::DataFileReader(const std::string& title, const std::string& fileName)
    : Prefix_(title + ": " + fileName + ": ") {}

XmlDocument DataFileReader::Parse(std::string_view bytes) const { return ParseXml(bytes, Prefix_); }

void DataFileReader::Damaged(const xmlNode* node, const std::string& what) const {
    throw EDataFileError(Prefix_ + "строка " + std::to_string(xmlGetLineNo(node)) + ": " + what);
}

std::string DataFileReader::Required(const xmlNode* node, const char* name, Empty empty) const {
    auto value = Attribute(node, name);
    if (!value || (empty == Empty::Refused && value->empty())) Damaged(node, std::string("нет атрибута ") + name);
    return *value;
}

}  // namespace kvz
