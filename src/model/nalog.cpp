#include "model/nalog.h"

#include "model/section_streams.h"
#include "model/stored_fields.h"

namespace kvz {

void mTNalog::Save(mTDocumentStorage& s, uint16_t index) const {
    WithErrorPlace(kPlaceSave, [&] { SaveStream(s, SectionStreamName(kStream, index), *this, kNalogFields); });
}

void mTNalog::Load(mTDocumentStorage& s, uint16_t index) {
    WithErrorPlace(kPlaceLoad, [&] { LoadStream(s, SectionStreamName(kStream, index), *this, kNalogFields); });
}

uint32_t mTNalog::StoredSize(uint16_t index) const {
    return StreamSize(SectionStreamName(kStream, index), *this, kNalogFields);
}

}  // namespace kvz
