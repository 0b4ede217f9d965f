// Any bytes given as the classifier table "soun1.dbf" end in the inspections read
// from it or in the import's own error, and the directory written from them parses.
#include <cstdint>
#include <string>
#include <string_view>

#include "directory/data_file_error.h"
#include "directory/inspection_directory.h"
#include "directory/soun_import.h"
#include "storage/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kvz::SounTable table;
    try {
        table = kvz::ParseSounTable(std::string_view(reinterpret_cast<const char*>(data), size), "soun1.dbf");
    } catch (const kvz::EDataFileError&) {
        return 0;
    }
    std::string xml;
    try {
        xml = kvz::InspectionDirectoryXml(kvz::InspectionDirectory{"00", "01.01.2016", table.Inspections});
    } catch (const kvz::EEncodingError&) {
        return 0;  // a name windows-1251 cannot hold: the import refuses it
    }
    kvz::ParseInspectionDirectory(xml, "InspectionNumbers.xml");
    return 0;
}
