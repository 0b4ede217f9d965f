#pragma once
// Builds classifier tables in the fixed dBase layout that the import reads.
#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "directory/soun_import.h"

namespace kvz::test {

inline std::string Utf8ToCp866(const std::string& utf8) {
    iconv_t cd = iconv_open("CP866", "UTF-8");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    char* outPtr = out.data();
    std::size_t inLeft = utf8.size(), outLeft = out.size();
    std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1)) throw std::runtime_error("not in code page 866: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

struct SounRow {
    std::string Code = "";
    std::string Name = "";      // UTF-8; written in code page 866
    std::string At7 = "";       // blank for an inspection in use
    std::string At411 = "1";
    std::string At934 = "";     // blank for an inspection in use
    bool Deleted = false;
    std::string RawName = "";   // code page 866 bytes written instead of Name when set
};

inline void Put(std::string& record, SounField field, const std::string& value) {
    record.replace(field.Offset, std::min(value.size(), field.Length), value.substr(0, field.Length));
}

inline std::string SounRecord(const SounRow& row) {
    std::string record(kSounRecordLength, ' ');
    record[0] = row.Deleted ? '*' : ' ';
    Put(record, kSounCode, row.Code);
    Put(record, kSounMarkAt7, row.At7);
    Put(record, kSounName, row.RawName.empty() ? Utf8ToCp866(row.Name) : row.RawName);
    Put(record, kSounFlagAt411, row.At411);
    Put(record, kSounMarkAt934, row.At934);
    return record;
}

// Header, a few field descriptors (which the import skips by the header length),
// the records and the end-of-file mark.
inline std::string SounTableBytes(const std::vector<SounRow>& rows, uint32_t recordCount,
                                  uint16_t recordLength = kSounRecordLength) {
    const uint16_t headerLength = 32 + 3 * 32 + 1;
    std::string bytes(headerLength, '\0');
    bytes[0] = 0x03;
    for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<char>(recordCount >> (8 * i));
    bytes[8] = static_cast<char>(headerLength & 0xFF);
    bytes[9] = static_cast<char>(headerLength >> 8);
    bytes[10] = static_cast<char>(recordLength & 0xFF);
    bytes[11] = static_cast<char>(recordLength >> 8);
    bytes[headerLength - 1] = 0x0D;
    for (const auto& row : rows) bytes += SounRecord(row);
    bytes += '\x1A';
    return bytes;
}

inline std::string SounTableBytes(const std::vector<SounRow>& rows) {
    return SounTableBytes(rows, static_cast<uint32_t>(rows.size()));
}

}  // namespace kvz::test
