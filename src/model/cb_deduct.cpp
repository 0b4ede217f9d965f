#include "model/cb_deduct.h"

#include <stdexcept>

#include "model/stored_fields.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr uint16_t kPlaceSave = 395;
constexpr uint16_t kPlaceLoad = 396;

Money Total(const std::array<Money, mTCBDeduct::kYears>& values) {
    int64_t raw = 0;
    for (Money m : values)
        if (__builtin_add_overflow(raw, m.Raw(), &raw))
            throw std::overflow_error("Сумма убытков прошлых лет слишком велика.");
    return Money::FromRaw(raw);
}

}  // namespace

int mTCBDeduct::YearOfIndex(int index) {
    if (index < 0 || index >= kYears) throw std::out_of_range("индекс года вне 0 … 9");
    return index == 0 ? 2014 : 2004 + index;
}

Money mTCBDeduct::SecuritiesLossTotal() const { return Total(SecuritiesLoss); }
Money mTCBDeduct::FissLossTotal() const { return Total(FissLoss); }

void mTCBDeduct::Save(mTDocumentStorage& s) const {
    WithErrorPlace(kPlaceSave, [&] { SaveStream(s, kStreamName, *this, kCBDeductFields); });
}

void mTCBDeduct::Load(mTDocumentStorage& s) {
    WithErrorPlace(kPlaceLoad, [&] { LoadStream(s, kStreamName, *this, kCBDeductFields); });
}

uint32_t mTCBDeduct::StoredSize() const { return StreamSize(kStreamName, *this, kCBDeductFields); }

}  // namespace kvz
