#include "directory/soun_import.h"

#include <algorithm>
#include <cstdint>

#include "directory/atomic_file.h"
#include "directory/data_file_error.h"
#include "storage/encoding.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr std::size_t kProgressStep = 256;

std::string_view FieldOf(std::string_view record, SounField field) {
    return record.substr(field.Offset, field.Length);
}

// Trims what the table pads its fields with: spaces and, from some writers, NULs.
std::string_view Trimmed(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsBlank(std::string_view field) { return Trimmed(field).empty(); }

bool IsFourDigits(std::string_view code) {
    return code.size() == 4 && std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; });
}

uint32_t Little32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t Little16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

[[noreturn]] void ReadError(const std::string& path) { throw EDataFileError(msg::kSounReadError + path); }

struct SounHeader {
    std::size_t Records = 0;
    std::size_t Length = 0;
};

SounHeader ReadHeader(std::string_view table, const std::string& path) {
    if (table.size() < kSounHeaderLength) ReadError(path);
    const auto* bytes = reinterpret_cast<const unsigned char*>(table.data());
    // The count is the table's 32-bit field; its low half alone would silently cut
    // a table of more than 65 535 records.
    SounHeader header{Little32(bytes + 4), Little16(bytes + 8)};
    std::size_t recordLength = Little16(bytes + 10);
    if (recordLength != kSounRecordLength)
        throw EDataFileError("Неизвестный формат таблицы soun1.dbf (длина записи " + std::to_string(recordLength) +
                             " вместо " + std::to_string(kSounRecordLength) + "): " + path);
    if (header.Length < kSounHeaderLength)
        throw EDataFileError("Неизвестный формат таблицы soun1.dbf (длина заголовка " +
                             std::to_string(header.Length) + "): " + path);
    return header;
}

}  // namespace

SounVerdict ClassifySounRecord(std::string_view record) {
    if (record[0] == '*') return SounVerdict::Deleted;
    std::string_view code = Trimmed(FieldOf(record, kSounCode));
    if (!IsFourDigits(code)) return SounVerdict::BadCode;
    if (code.substr(2) == "00") return SounVerdict::Office;
    if (!IsBlank(FieldOf(record, kSounMarkAt7))) return SounVerdict::MarkedAt7;
    if (FieldOf(record, kSounFlagAt411) != "1") return SounVerdict::NotActiveAt411;
    if (!IsBlank(FieldOf(record, kSounMarkAt934))) return SounVerdict::MarkedAt934;
    return SounVerdict::Taken;
}

DirectoryEntry SounRecordEntry(std::string_view record) {
    // Control characters cannot stand in XML; inside a fixed-width name they are
    // padding, so they become spaces.
    std::string name(FieldOf(record, kSounName));
    std::replace_if(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return {std::string(Trimmed(FieldOf(record, kSounCode))), Cp866ToUtf8(Trimmed(name))};
}

SounTable ParseSounTable(std::string_view bytes, const std::string& dbfPath, const SounProgress& progress) {
    SounHeader header = ReadHeader(bytes, dbfPath);
    std::string_view records = bytes.substr(std::min(header.Length, bytes.size()));

    SounTable table;
    // Every record the header announces must be there: a table cut at a record
    // boundary is as incomplete as one cut inside a record.
    for (std::size_t i = 0; i < header.Records; ++i) {
        if (records.size() < kSounRecordLength) ReadError(dbfPath);
        std::string_view record = records.substr(0, kSounRecordLength);
        records.remove_prefix(kSounRecordLength);
        ++table.Records;
        if (ClassifySounRecord(record) == SounVerdict::Taken) table.Inspections.push_back(SounRecordEntry(record));
        if (progress && table.Records % kProgressStep == 0) progress(table.Records, header.Records);
    }
    if (progress) progress(table.Records, header.Records);
    // An empty directory would leave the user with no inspection to choose.
    if (table.Inspections.empty()) throw EDataFileError("В таблице нет ни одной инспекции: " + dbfPath);
    return table;
}

SounTable ReadSounTable(const std::string& dbfPath, const SounProgress& progress) {
    return ParseSounTable(ReadWholeFile(dbfPath), dbfPath, progress);
}

SounTable ImportSoun(const std::string& dbfPath, const std::string& outPath, const std::string& version,
                     const std::string& date, const SounProgress& progress) {
    SounTable table = ReadSounTable(dbfPath, progress);
    for (const auto& entry : table.Inspections) {
        if (CanEncodeCp1251(entry.Name)) continue;
        try {
            Utf8ToCp1251(entry.Name);
        } catch (const EEncodingError& e) {
            throw EDataFileError("Наименование инспекции " + entry.Code + ": " + e.what());
        }
    }
    WriteInspectionDirectory(outPath, InspectionDirectory{version, date, table.Inspections});
    return table;
}

}  // namespace kvz
