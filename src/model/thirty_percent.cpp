#include "model/thirty_percent.h"

#include "model/section_streams.h"
#include "model/stored_fields.h"

namespace kvz {

void mTThirtyPercent::Save(mTDocumentStorage& s, uint16_t index, bool variant) {
    WithErrorPlace(kPlaceSave, [&] {
        SaveStream(s, SectionStreamName(variant ? kStreamDividends : kStreamNine, index), *this, kThirtyPercentFields);
    });
}

void mTThirtyPercent::Load(mTDocumentStorage& s, uint16_t index, bool variant) {
    WithErrorPlace(kPlaceLoad, [&] {
        LoadStream(s, SectionStreamName(variant ? kStreamDividends : kStreamNine, index), *this, kThirtyPercentFields);
    });
}

uint32_t mTThirtyPercent::StoredSize(uint16_t index) const {
    return StreamSize(SectionStreamName(kStreamDividends, index), *this, kThirtyPercentFields);
}

}  // namespace kvz
