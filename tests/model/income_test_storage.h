#pragma once
// A declaration container held in memory for the income section tests: written
// through one storage, read back through a second, read-only one over the same bytes.
#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "model/sourse_income_info.h"
#include "storage/document_storage.h"
#include "storage/encoding.h"

namespace kvz::test {

class MemoryDocument {
public:
    // Room for the header and exactly itemBytes more.
    explicit MemoryDocument(uint32_t itemBytes) : Bytes_(mTDocumentStorage::kHeaderSize + itemBytes, 0) {}

    // Runs write on a new container "Kvrz2015"; returns the number of item bytes written.
    template <class WriteItems>
    uint32_t Write(WriteItems write) {
        mTDocumentStorage s(Bytes_.data(), static_cast<uint32_t>(Bytes_.size()), false);
        s.CreateStorage("Kvrz2015");
        write(s);
        Written_ = s.Position() - mTDocumentStorage::kHeaderSize;
        return Written_;
    }

    template <class ReadItems>
    void Read(ReadItems read) {
        mTDocumentStorage s(Bytes_.data(), static_cast<uint32_t>(Bytes_.size()), true);
        s.OpenStorage();
        read(s);
    }

    // The items written, as UTF-8 text.
    std::string Items() const {
        auto begin = Bytes_.begin() + mTDocumentStorage::kHeaderSize;
        return Cp1251ToUtf8(std::string(begin, begin + Written_));
    }

    // Replaces the items by the given UTF-8 text (the rest of the buffer must hold it).
    void SetItems(const std::string& utf8) {
        const std::string bytes = Utf8ToCp1251(utf8);
        Bytes_.resize(mTDocumentStorage::kHeaderSize + bytes.size());
        std::copy(bytes.begin(), bytes.end(), Bytes_.begin() + mTDocumentStorage::kHeaderSize);
        Written_ = static_cast<uint32_t>(bytes.size());
    }

    // Makes the header claim another format version ("01" "00" for version 1.0).
    void SetVersion(const char major[3], const char minor[3]) {
        Bytes_[24] = major[0];
        Bytes_[25] = major[1];
        Bytes_[26] = minor[0];
        Bytes_[27] = minor[1];
    }

private:
    std::vector<uint8_t> Bytes_;
    uint32_t Written_ = 0;
};


// Saves item at index into a container sized by its StoredSize plus slack, loads
// a fresh object back and reports the bytes Save wrote.
template <class T>
T SaveAndLoad(const T& item, uint16_t index, bool variant, uint32_t& written, uint32_t slack = 0) {
    T copy = item;
    MemoryDocument doc(item.StoredSize(index) + slack);
    written = doc.Write([&](mTDocumentStorage& s) {
        if constexpr (std::is_base_of_v<mTSourseIncomeInfo, T>)
            copy.Save(s, index, variant);
        else
            copy.Save(s, index);
    });
    T loaded;
    doc.Read([&](mTDocumentStorage& s) {
        if constexpr (std::is_base_of_v<mTSourseIncomeInfo, T>)
            loaded.Load(s, index, variant);
        else
            loaded.Load(s, index);
    });
    return loaded;
}

}  // namespace kvz::test
