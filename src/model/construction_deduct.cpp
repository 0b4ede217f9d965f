#include "model/construction_deduct.h"

#include <cstdio>
#include <stdexcept>

#include "model/stored_fields.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr uint16_t kPlaceSave = 385;
constexpr uint16_t kPlaceLoad = 386;

constexpr const char* kDefaultObjectDate = "01.01.2003";

}  // namespace

mTConstructionDeductObj::mTConstructionDeductObj()
    : RightRegDate(DateFromText(kDefaultObjectDate)),
      TransferActDate(DateFromText(kDefaultObjectDate)),
      FirstUseYear(DateFromText(kDefaultObjectDate)) {}

ObjectDatesNeeded DatesNeeded(const mTConstructionDeductObj& o) {
    ObjectDatesNeeded needed{};
    needed.transferAct = o.ByInvestment;
    needed.rightReg = !o.ByInvestment;
    needed.landReg = !o.ByInvestment && o.ObjectNameCode > 4;
    needed.application = o.OwnershipKind == 3 || (o.OwnershipKind == 1 && o.TaxpayerSign == 2);
    return needed;
}

std::string mTConstructionDeductObj::StreamName(uint16_t index) { return SectionStreamName(kStream, index); }

template class mTItemStream<mTConstructionDeductObj>;

int mTConstructionDeduct::ObjectCount() const { return static_cast<int>(Objects.size()); }

std::size_t mTConstructionDeduct::ObjectSlot(int index) const {
    if (index < 0 || index >= ObjectCount()) throw std::out_of_range("индекс объекта вне списка");
    return static_cast<std::size_t>(index);
}

mTConstructionDeductObj& mTConstructionDeduct::Object(int index) { return Objects[ObjectSlot(index)]; }
const mTConstructionDeductObj& mTConstructionDeduct::Object(int index) const { return Objects[ObjectSlot(index)]; }

int mTConstructionDeduct::ObjectAdd(mTConstructionDeductObj object) {
    if (Objects.size() >= kMaxObjects) throw std::length_error("Объектов не может быть больше 65535.");
    Objects.push_back(std::move(object));
    return ObjectCount() - 1;
}

void mTConstructionDeduct::ObjectDelete(int index) {
    Objects.erase(Objects.begin() + static_cast<std::ptrdiff_t>(ObjectSlot(index)));
}

void mTConstructionDeduct::Save(mTDocumentStorage& storage) const {
    if (Granted && Objects.size() > kMaxObjects) throw std::length_error("Объектов не может быть больше 65535.");
    SaveGrantedStream(storage, kPlaceSave, *this, [&] { SaveGranted(storage); });
}

void mTConstructionDeduct::SaveGranted(mTDocumentStorage& s) const {
    SaveFields(s, *this, kConstructionAmountFields);
    s.WriteInteger(ObjectCount());
    for (std::size_t i = 0; i < Objects.size(); ++i) Objects[i].Save(s, static_cast<uint16_t>(i));
}

void mTConstructionDeduct::Load(mTDocumentStorage& storage) {
    LoadGrantedStream(storage, kPlaceLoad, *this, [&] { LoadGranted(storage); });
}

void mTConstructionDeduct::LoadGranted(mTDocumentStorage& s) {
    LoadFields(s, *this, kConstructionAmountFields);
    const uint16_t count = s.ReadWord();
    for (uint16_t i = 0; i < count; ++i) {
        Objects.emplace_back();
        Objects.back().Load(s, i);
    }
}

uint32_t mTConstructionDeduct::StoredSize() const {
    using S = mTDocumentStorage;
    uint32_t size = GrantedStreamHeadSize(*this);
    if (!Granted) return size;
    size += FieldsSize(*this, kConstructionAmountFields) + S::IntegerItemSize(ObjectCount());
    for (std::size_t i = 0; i < Objects.size(); ++i) size += Objects[i].StoredSize(static_cast<uint16_t>(i));
    return size + UnwrittenSize();
}

uint32_t mTConstructionDeduct::UnwrittenSize() const {
    if (!Granted) return 0;
    return mTDocumentStorage::CurrencyItemSize(ConstrAmount2) + mTDocumentStorage::CurrencyItemSize(ConstrAmount4);
}

}  // namespace kvz
