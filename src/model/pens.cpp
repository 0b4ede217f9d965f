#include "model/pens.h"

#include <cstdio>

#include "model/stored_fields.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr uint16_t kPlaceSave = 375;
constexpr uint16_t kPlaceLoad = 376;

}  // namespace

std::string mTPens::StreamName(uint16_t index) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%.3u", static_cast<unsigned>(index));
    return std::string("@PensSub") + digits;
}

void mTPens::Save(mTDocumentStorage& storage, uint16_t index) const {
    try {
        SaveBody(storage, index);
    } catch (mEPrivBase& e) {
        e.Place = kPlaceSave;
        throw;
    }
}

void mTPens::SaveBody(mTDocumentStorage& s, uint16_t index) const {
    s.CreateStream(StreamName(index));
    SaveFields(s, *this, kPensFields);
}

void mTPens::Load(mTDocumentStorage& storage, uint16_t index) {
    try {
        LoadBody(storage, index);
    } catch (mEPrivBase& e) {
        e.Place = kPlaceLoad;
        throw;
    }
}

void mTPens::LoadBody(mTDocumentStorage& s, uint16_t index) {
    s.OpenStream(StreamName(index));
    LoadFields(s, *this, kPensFields);
}

uint32_t mTPens::StoredSize(uint16_t index) const {
    return mTDocumentStorage::StringItemSize(StreamName(index)) + FieldsSize(*this, kPensFields);
}

}  // namespace kvz
