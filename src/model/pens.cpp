#include "model/pens.h"

#include "model/stored_fields.h"

namespace kvz {

namespace {

constexpr uint16_t kPlaceSave = 375;
constexpr uint16_t kPlaceLoad = 376;

}  // namespace

std::string mTPens::StreamName(uint16_t index) { return SectionStreamName("@PensSub", index); }

void mTPens::Save(mTDocumentStorage& storage, uint16_t index) const {
    WithErrorPlace(kPlaceSave, [&] { SaveBody(storage, index); });
}

void mTPens::SaveBody(mTDocumentStorage& s, uint16_t index) const { SaveStream(s, StreamName(index), *this, kPensFields); }

void mTPens::Load(mTDocumentStorage& storage, uint16_t index) {
    WithErrorPlace(kPlaceLoad, [&] { LoadBody(storage, index); });
}

void mTPens::LoadBody(mTDocumentStorage& s, uint16_t index) { LoadStream(s, StreamName(index), *this, kPensFields); }

uint32_t mTPens::StoredSize(uint16_t index) const { return StreamSize(StreamName(index), *this, kPensFields); }

}  // namespace kvz
