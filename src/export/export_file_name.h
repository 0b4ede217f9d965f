#pragma once
// The file identifier of the authority's files: the value of ИдФайл and the file
// name without ".xml".
#include <string>

#include "storage/dates.h"

namespace kvz {

inline constexpr const char* kNdfl3Prefix = "NO_NDFL3_";
inline constexpr const char* kNdfl4Prefix = "NO_NDFL4_";
inline constexpr const char* kNoInn = "000000000000";
inline constexpr const char* kXmlExtension = ".xml";

// "NO_NDFL3_" code "_" code "_" ИНН (or "000000000000" when blank) "_" YYYYMMDD "_" GUID.
std::string Ndfl3FileIdentifier(const std::string& inspectionCode, const std::string& inn, DateTime date,
                                const std::string& guid);
// "NO_NDFL4_" code "_" code "_" ИНН (as it is, also when empty) "_" YYYYMMDD "_" GUID.
std::string Ndfl4FileIdentifier(const std::string& inspectionCode, const std::string& inn, DateTime date,
                                const std::string& guid);

// Throws EExportRefused when the identifier cannot be a file name inside the chosen
// folder (a separator, a control character, or nothing but dots).
void CheckFileIdentifier(const std::string& identifier);

}  // namespace kvz
