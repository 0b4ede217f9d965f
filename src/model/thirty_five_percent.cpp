#include "model/thirty_five_percent.h"

#include "model/section_streams.h"
#include "model/stored_fields.h"

namespace kvz {

// One list only: variant is ignored.
void mTThirtyFivePercent::Save(mTDocumentStorage& s, uint16_t index, bool /*variant*/) {
    WithErrorPlace(kPlaceSave,
                   [&] { SaveStream(s, SectionStreamName(kStream, index), *this, kThirtyFivePercentFields); });
}

void mTThirtyFivePercent::Load(mTDocumentStorage& s, uint16_t index, bool /*variant*/) {
    WithErrorPlace(kPlaceLoad,
                   [&] { LoadStream(s, SectionStreamName(kStream, index), *this, kThirtyFivePercentFields); });
}

uint32_t mTThirtyFivePercent::StoredSize(uint16_t index) const {
    return StreamSize(SectionStreamName(kStream, index), *this, kThirtyFivePercentFields);
}

}  // namespace kvz
