#include "model/nalog.h"

#include "model/stored_fields.h"

namespace kvz {

void mTNalog::Save(mTDocumentStorage& s, uint16_t index) const { SaveItemStream(s, index, *this, kNalogFields); }

void mTNalog::Load(mTDocumentStorage& s, uint16_t index) { LoadItemStream(s, index, *this, kNalogFields); }

uint32_t mTNalog::StoredSize(uint16_t index) const { return ItemStreamSize(index, *this, kNalogFields); }

}  // namespace kvz
