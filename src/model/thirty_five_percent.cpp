#include "model/thirty_five_percent.h"

#include "model/stored_fields.h"

namespace kvz {

// One list only: variant is ignored.
void mTThirtyFivePercent::Save(mTDocumentStorage& s, uint16_t index, bool /*variant*/) {
    SaveItemStream(s, index, *this, kThirtyFivePercentFields);
}

void mTThirtyFivePercent::Load(mTDocumentStorage& s, uint16_t index, bool /*variant*/) {
    LoadItemStream(s, index, *this, kThirtyFivePercentFields);
}

uint32_t mTThirtyFivePercent::StoredSize(uint16_t index) const {
    return ItemStreamSize(index, *this, kThirtyFivePercentFields);
}

}  // namespace kvz
