#pragma once
// Saving a deduction record into an in-memory container and loading it back, as
// the declaration does: a buffer of exactly header + StoredSize bytes, then a
// read-only storage over the same bytes.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "storage/document_storage.h"
#include "storage/encoding.h"

namespace kvz::test {

struct SavedRecord {
    std::vector<uint8_t> Bytes;
    uint32_t End = 0;  // cursor after the last item written

    // The items the record wrote, as windows-1251 bytes.
    std::string Items() const {
        return std::string(Bytes.begin() + mTDocumentStorage::kHeaderSize, Bytes.begin() + End);
    }
    uint32_t Written() const { return End - mTDocumentStorage::kHeaderSize; }
};

template <class T>
SavedRecord SaveRecord(const T& record) {
    SavedRecord saved;
    saved.Bytes.assign(mTDocumentStorage::kHeaderSize + record.StoredSize(), 0);
    mTDocumentStorage storage(saved.Bytes.data(), static_cast<uint32_t>(saved.Bytes.size()), false);
    storage.CreateStorage("Kvrz2015");
    record.Save(storage);
    saved.End = storage.Position();
    return saved;
}

template <class T>
T LoadRecord(std::vector<uint8_t>& bytes) {
    mTDocumentStorage storage(bytes.data(), static_cast<uint32_t>(bytes.size()), true);
    storage.OpenStorage();
    T record;
    record.Load(storage);
    return record;
}

// Items written the way the storage writes them: four digits of windows-1251
// length, then the text.
inline std::string ItemBytes(const std::vector<std::string>& utf8Texts) {
    std::string out;
    for (const std::string& text : utf8Texts) {
        std::string bytes = Utf8ToCp1251(text);
        std::string length = std::to_string(bytes.size());
        out += std::string(4 - length.size(), '0') + length + bytes;
    }
    return out;
}

// The lists one after another.
inline std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

inline std::vector<std::string> Repeat(const std::string& text, int count) {
    return std::vector<std::string>(static_cast<std::size_t>(count), text);
}

}  // namespace kvz::test
