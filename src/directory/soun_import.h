#pragma once
// Import of the public classifier of tax inspections, the dBase table "soun1.dbf",
// into the inspection directory. The table is read by its fixed layout: a 32-byte
// header with the record count (bytes 4-7) and the header length (bytes 8-9), then
// records of 1194 bytes whose text is in code page 866.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "directory/inspection_directory.h"

namespace kvz {

namespace msg {
inline constexpr const char* kSounImportFailed = "Импортировать данные не удалось";
inline constexpr const char* kSounImported = "Данные успешно импортированы. Не забудьте перезапустить программу.";
inline constexpr const char* kSounPathMissing = "Укажите путь к файлу soun1.dbf";
inline constexpr const char* kSounReadError = "Таблица обрывается раньше, чем указано в ее заголовке: ";
}  // namespace msg

// The version text the import writes into the directory.
inline constexpr const char* kSounDirectoryVersion = "00";

inline constexpr std::size_t kSounHeaderLength = 32;
inline constexpr std::size_t kSounRecordLength = 1194;

// Field positions inside a record (byte 0 is the deletion mark).
struct SounField {
    std::size_t Offset;
    std::size_t Length;
};
inline constexpr SounField kSounCode{1, 4};
inline constexpr SounField kSounMarkAt7{7, 30};     // must be blank
inline constexpr SounField kSounName{161, 250};
inline constexpr SounField kSounFlagAt411{411, 1};  // must be "1"
inline constexpr SounField kSounMarkAt934{934, 10}; // must be blank

// Why a record is or is not taken into the directory.
enum class SounVerdict {
    Taken,
    Deleted,        // marked deleted in the table
    BadCode,        // the code is not four digits
    Office,         // the code ends in "00": an administration, not an inspection
    MarkedAt7,      // the field at 7 is not blank
    NotActiveAt411, // the field at 411 is not "1"
    MarkedAt934,    // the field at 934 is not blank
};

// `record` holds exactly kSounRecordLength bytes.
SounVerdict ClassifySounRecord(std::string_view record);
// The trimmed code and the trimmed name converted to UTF-8.
DirectoryEntry SounRecordEntry(std::string_view record);

struct SounTable {
    std::vector<DirectoryEntry> Inspections;  // taken records in table order
    std::size_t Records = 0;                  // records read
};

// Called now and then with the records read so far and the record count.
using SounProgress = std::function<void(std::size_t done, std::size_t total)>;

// Throws EDataFileError: msg::kSounReadError and the path for a short header or a
// missing or truncated record, other messages for a table of another layout or
// one without a single inspection. `dbfPath` only names the table in messages.
SounTable ParseSounTable(std::string_view bytes, const std::string& dbfPath, const SounProgress& progress = {});
// The same for a file, read whole (a file that is not a plain file or is larger
// than kMaxInputFileBytes is refused).
SounTable ReadSounTable(const std::string& dbfPath, const SounProgress& progress = {});

// Reads the table and replaces the directory at outPath with its inspections.
// Any failure leaves the existing directory file exactly as it was.
SounTable ImportSoun(const std::string& dbfPath, const std::string& outPath, const std::string& version,
                     const std::string& date, const SounProgress& progress = {});

}  // namespace kvz
