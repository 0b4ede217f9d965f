#include "model/construction_deduct.h"

#include <cstdio>
#include <stdexcept>

#include "storage/document_storage.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr uint16_t kPlaceSave = 385;
constexpr uint16_t kPlaceLoad = 386;
constexpr uint16_t kPlaceObjectSave = 397;
constexpr uint16_t kPlaceObjectLoad = 398;

constexpr const char* kDefaultObjectDate = "01.01.2003";

}  // namespace

mTConstructionDeductObj::mTConstructionDeductObj()
    : RightRegDate(DateFromText(kDefaultObjectDate)),
      TransferActDate(DateFromText(kDefaultObjectDate)),
      FirstUseYear(DateFromText(kDefaultObjectDate)) {}

std::string mTConstructionDeductObj::StreamName(uint16_t index) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%.3u", static_cast<unsigned>(index));
    return std::string("@ConstructionDeductObj") + digits;
}

void mTConstructionDeductObj::Save(mTDocumentStorage& storage, uint16_t index) const {
    try {
        SaveBody(storage, index);
    } catch (mEPrivBase& e) {
        e.Place = kPlaceObjectSave;
        throw;
    }
}

void mTConstructionDeductObj::SaveBody(mTDocumentStorage& s, uint16_t index) const {
    s.CreateStream(StreamName(index));
    s.WriteInteger(ObjectNameCode);
    s.WriteInteger(OwnershipKind);
    s.WriteInteger(TaxpayerSign);
    for (const std::string* text : {&PostIndex, &RegionCode, &District, &City, &Locality, &Street, &House,
                                    &Building, &Flat})
        s.WriteString(*text);
    s.WriteDouble(RightRegDate);
    s.WriteDouble(TransferActDate);
    s.WriteDouble(FirstUseYear);
    s.WriteDouble(ApplicationDate);
    s.WriteDouble(LandRegDate);
    s.WriteInteger(ShareNumerator);
    s.WriteInteger(ShareDenominator);
    s.WriteBoolean(ByInvestment);
    s.WriteBoolean(Pensioner);
    s.WriteCurrency(ObjectCost);
    s.WriteCurrency(CreditInterest);
}

void mTConstructionDeductObj::Load(mTDocumentStorage& storage, uint16_t index) {
    try {
        LoadBody(storage, index);
    } catch (mEPrivBase& e) {
        e.Place = kPlaceObjectLoad;
        throw;
    }
}

void mTConstructionDeductObj::LoadBody(mTDocumentStorage& s, uint16_t index) {
    s.OpenStream(StreamName(index));
    ObjectNameCode = s.ReadInteger();
    OwnershipKind = s.ReadInteger();
    TaxpayerSign = s.ReadInteger();
    for (std::string* text : {&PostIndex, &RegionCode, &District, &City, &Locality, &Street, &House, &Building,
                              &Flat})
        *text = s.ReadString();
    RightRegDate = s.ReadDateTime();
    TransferActDate = s.ReadDateTime();
    FirstUseYear = s.ReadDateTime();
    ApplicationDate = s.ReadDateTime();
    LandRegDate = s.ReadDateTime();
    ShareNumerator = s.ReadInteger();
    ShareDenominator = s.ReadInteger();
    ByInvestment = s.ReadBoolean();
    Pensioner = s.ReadBoolean();
    ObjectCost = s.ReadCurrency();
    CreditInterest = s.ReadCurrency();
}

uint32_t mTConstructionDeductObj::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    uint32_t size = S::StringItemSize(StreamName(index));
    size += S::IntegerItemSize(ObjectNameCode) + S::IntegerItemSize(OwnershipKind) + S::IntegerItemSize(TaxpayerSign);
    for (const std::string* text : {&PostIndex, &RegionCode, &District, &City, &Locality, &Street, &House,
                                    &Building, &Flat})
        size += S::StringItemSize(*text);
    for (DateTime date : {RightRegDate, TransferActDate, FirstUseYear, ApplicationDate, LandRegDate})
        size += S::DoubleItemSize(date);
    size += S::IntegerItemSize(ShareNumerator) + S::IntegerItemSize(ShareDenominator);
    size += S::ByteItemSize(ByInvestment ? 1 : 0) + S::ByteItemSize(Pensioner ? 1 : 0);
    size += S::CurrencyItemSize(ObjectCost) + S::CurrencyItemSize(CreditInterest);
    return size;
}

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
    try {
        SaveBody(storage);
    } catch (mEPrivBase& e) {
        e.Place = kPlaceSave;
        throw;
    }
}

void mTConstructionDeduct::SaveBody(mTDocumentStorage& s) const {
    s.CreateStream(kStreamName);
    s.WriteBoolean(Granted);
    if (!Granted) return;
    for (Money amount : {ConstrAmount1, ConstrAmount3, ConstrAmount5, ConstrAmount6, ConstrAmount7, ConstrAmount8})
        s.WriteCurrency(amount);
    s.WriteInteger(ObjectCount());
    for (std::size_t i = 0; i < Objects.size(); ++i) Objects[i].Save(s, static_cast<uint16_t>(i));
}

void mTConstructionDeduct::Load(mTDocumentStorage& storage) {
    *this = mTConstructionDeduct();
    try {
        LoadBody(storage);
    } catch (mEPrivBase& e) {
        e.Place = kPlaceLoad;
        throw;
    }
}

void mTConstructionDeduct::LoadBody(mTDocumentStorage& s) {
    s.OpenStream(kStreamName);
    Granted = s.ReadBoolean();
    if (!Granted) return;
    for (Money* amount : {&ConstrAmount1, &ConstrAmount3, &ConstrAmount5, &ConstrAmount6, &ConstrAmount7,
                          &ConstrAmount8})
        *amount = s.ReadCurrency();
    const uint16_t count = s.ReadWord();
    for (uint16_t i = 0; i < count; ++i) {
        Objects.emplace_back();
        Objects.back().Load(s, i);
    }
}

uint32_t mTConstructionDeduct::StoredSize() const {
    using S = mTDocumentStorage;
    uint32_t size = S::StringItemSize(kStreamName) + S::ByteItemSize(Granted ? 1 : 0);
    if (!Granted) return size;
    for (Money amount : {ConstrAmount1, ConstrAmount3, ConstrAmount5, ConstrAmount6, ConstrAmount7, ConstrAmount8})
        size += S::CurrencyItemSize(amount);
    size += S::IntegerItemSize(ObjectCount());
    for (std::size_t i = 0; i < Objects.size(); ++i) size += Objects[i].StoredSize(static_cast<uint16_t>(i));
    return size + UnwrittenSize();
}

uint32_t mTConstructionDeduct::UnwrittenSize() const {
    if (!Granted) return 0;
    return mTDocumentStorage::CurrencyItemSize(ConstrAmount2) + mTDocumentStorage::CurrencyItemSize(ConstrAmount4);
}

}  // namespace kvz
