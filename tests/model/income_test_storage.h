#pragma once
// A declaration container held in memory for the income section tests: written
// through one storage, read back through a second, read-only one over the same bytes;
// and the checks every section class goes through.
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "model/sourse_income_info.h"
#include "storage/document_storage.h"
#include "storage/encoding.h"
#include "storage/errors.h"
#include "support/random_income_sections.h"

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


// Save and Load of either calling convention: sources take a variant, records not.
template <class T>
void SaveItem(T& item, mTDocumentStorage& s, uint16_t index, bool variant) {
    if constexpr (std::is_base_of_v<mTSourseIncomeInfo, T>)
        item.Save(s, index, variant);
    else
        item.Save(s, index);
}

template <class T>
void LoadItem(T& item, mTDocumentStorage& s, uint16_t index, bool variant) {
    if constexpr (std::is_base_of_v<mTSourseIncomeInfo, T>)
        item.Load(s, index, variant);
    else
        item.Load(s, index);
}

// Saves item at index into a container sized by its StoredSize, loads a fresh
// object back and reports the bytes Save wrote.
template <class T>
T SaveAndLoad(const T& item, uint16_t index, bool variant, uint32_t& written) {
    T copy = item;
    MemoryDocument doc(item.StoredSize(index));
    written = doc.Write([&](mTDocumentStorage& s) { SaveItem(copy, s, index, variant); });
    T loaded;
    doc.Read([&](mTDocumentStorage& s) { LoadItem(loaded, s, index, variant); });
    return loaded;
}

// Load from a container without any stream fails with the class's load place.
template <class T>
void ExpectMissingStreamPlace(uint16_t place) {
    MemoryDocument empty(0);
    empty.Write([](mTDocumentStorage&) {});
    T loaded;
    try {
        empty.Read([&](mTDocumentStorage& s) { LoadItem(loaded, s, 0, false); });
        ADD_FAILURE() << "loaded without a stream";
    } catch (const mEOpenStream& e) {
        EXPECT_EQ(e.Place, place);
        EXPECT_EQ(e.Code, 210);
    }
}

// Save into a container one byte smaller than it writes fails with the class's save place.
template <class T>
void ExpectSavePlace(T item, uint16_t place, uint32_t overCount = 0) {
    MemoryDocument doc(item.StoredSize(0) - overCount - 1);
    try {
        doc.Write([&](mTDocumentStorage& s) { SaveItem(item, s, 0, false); });
        ADD_FAILURE() << "wrote past the end";
    } catch (const mEWriteStorage& e) {
        EXPECT_EQ(e.Place, place);
    }
}

// Thousands of random objects at random indexes (four-digit ones too) come back
// equal, and StoredSize is what Save writes plus the over-count of variant false.
template <class T>
void ExpectRandomRoundTrips(uint32_t seed, uint32_t overCountWithoutVariant = 0) {
    std::mt19937 rng(seed);
    for (int n = 0; n < 3000; ++n) {
        T item;
        RandomFill(rng, item);
        const uint16_t index = static_cast<uint16_t>(n % 7 == 0 ? rng() % 65536 : rng() % 1000);
        const bool variant = rng() % 2 != 0;
        uint32_t written = 0;
        T loaded = SaveAndLoad(item, index, variant, written);
        ASSERT_EQ(loaded, item) << "step " << n;
        ASSERT_EQ(written + (variant ? 0 : overCountWithoutVariant), item.StoredSize(index)) << "step " << n;
    }
}

}  // namespace kvz::test
