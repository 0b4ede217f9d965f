#pragma once
// A record kept as one stream of its own per item of its list: the record's kStream
// with the item's three-digit index, holding the fields FieldsOf(record) lists. A
// storage error leaving it gets the record's kPlaceSave or kPlaceLoad; loading starts
// from a fresh record. The bodies stand in stored_fields.h.
#include <cstdint>

namespace kvz {

class mTDocumentStorage;

template <class Record>
class mTItemStream {
public:
    void Save(mTDocumentStorage& s, uint16_t index) const;
    void Load(mTDocumentStorage& s, uint16_t index);
    uint32_t StoredSize(uint16_t index) const;

    bool operator==(const mTItemStream&) const = default;
};

}  // namespace kvz
