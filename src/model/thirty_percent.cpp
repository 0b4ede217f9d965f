#include "model/thirty_percent.h"

#include "model/section_streams.h"
#include "model/stored_fields.h"

namespace kvz {

void mTThirtyPercent::Save(mTDocumentStorage& s, uint16_t index, bool variant) {
    WithErrorPlace(kPlaceSave, [&] {
        s.CreateStream(SectionStreamName(variant ? kStreamDividends : kStreamNine, index));
        SaveFields(s, *this, kThirtyPercentFields);
    });
}

void mTThirtyPercent::Load(mTDocumentStorage& s, uint16_t index, bool variant) {
    WithErrorPlace(kPlaceLoad, [&] {
        *this = mTThirtyPercent();
        s.OpenStream(SectionStreamName(variant ? kStreamDividends : kStreamNine, index));
        LoadFields(s, *this, kThirtyPercentFields);
    });
}

uint32_t mTThirtyPercent::StoredSize(uint16_t index) const {
    return mTDocumentStorage::ItemSize(SectionStreamName(kStreamDividends, index)) +
           FieldsSize(*this, kThirtyPercentFields);
}

}  // namespace kvz
