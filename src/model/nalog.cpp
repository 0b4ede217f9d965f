#include "model/nalog.h"

#include "model/section_streams.h"
#include "model/stored_fields.h"

namespace kvz {

void mTNalog::Save(mTDocumentStorage& s, uint16_t index) const {
    WithErrorPlace(kPlaceSave, [&] {
        s.CreateStream(SectionStreamName(kStream, index));
        SaveFields(s, *this, kNalogFields);
    });
}

void mTNalog::Load(mTDocumentStorage& s, uint16_t index) {
    WithErrorPlace(kPlaceLoad, [&] {
        *this = mTNalog();
        s.OpenStream(SectionStreamName(kStream, index));
        LoadFields(s, *this, kNalogFields);
    });
}

uint32_t mTNalog::StoredSize(uint16_t index) const {
    return mTDocumentStorage::ItemSize(SectionStreamName(kStream, index)) + FieldsSize(*this, kNalogFields);
}

}  // namespace kvz
