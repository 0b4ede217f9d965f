#pragma once
// Reading an income certificate file: well-formed XML of format 5.04 for 2015 that
// the authority's schema accepts, turned into certificate records. Anything else is
// refused with a message that names the file and the reason.
#include <string>
#include <string_view>

#include "import/ndfl2_certificate.h"
#include "storage/message_error.h"

namespace kvz {

inline constexpr const char* kNdfl2SchemaFileName = "NO_NDFL2_1_399_00_05_04_02.xsd";

// A certificate file the import will not take; the message names the file.
using ENdfl2Refused = MessageError<struct Ndfl2RefusedTag>;

// The 2-НДФЛ schema among the program's data files.
std::string DefaultNdfl2SchemaPath();

// Throws ENdfl2Refused: "<name>: <reason>".
Ndfl2File ParseNdfl2File(std::string_view bytes, const std::string& name, const std::string& schemaPath);
// The same for a file on disk.
Ndfl2File ReadNdfl2File(const std::string& path, const std::string& schemaPath);

}  // namespace kvz
