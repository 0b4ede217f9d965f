#include "model/pens.h"

#include "model/stored_fields.h"

namespace kvz {

std::string mTPens::StreamName(uint16_t index) { return SectionStreamName(kStream, index); }

void mTPens::Save(mTDocumentStorage& storage, uint16_t index) const {
    SaveItemStream(storage, index, *this, kPensFields);
}

void mTPens::Load(mTDocumentStorage& storage, uint16_t index) { LoadItemStream(storage, index, *this, kPensFields); }

uint32_t mTPens::StoredSize(uint16_t index) const { return ItemStreamSize(index, *this, kPensFields); }

}  // namespace kvz
