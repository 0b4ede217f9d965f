#include "model/thirty_five_percent.h"

#include "model/section_streams.h"
#include "model/stored_fields.h"

namespace kvz {

void mTThirtyFivePercent::Save(mTDocumentStorage& s, uint16_t index, bool /*variant*/) {
    WithErrorPlace(kPlaceSave, [&] {
        s.CreateStream(SectionStreamName(kStream, index));
        SaveFields(s, *this, kThirtyFivePercentFields);
    });
}

void mTThirtyFivePercent::Load(mTDocumentStorage& s, uint16_t index, bool /*variant*/) {
    WithErrorPlace(kPlaceLoad, [&] {
        *this = mTThirtyFivePercent();
        s.OpenStream(SectionStreamName(kStream, index));
        LoadFields(s, *this, kThirtyFivePercentFields);
    });
}

uint32_t mTThirtyFivePercent::StoredSize(uint16_t index) const {
    return mTDocumentStorage::ItemSize(SectionStreamName(kStream, index)) +
           FieldsSize(*this, kThirtyFivePercentFields);
}

}  // namespace kvz
