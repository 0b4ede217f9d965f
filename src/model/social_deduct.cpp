#include "model/social_deduct.h"

#include <iterator>
#include <new>
#include <stdexcept>

#include "model/stored_fields.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr uint16_t kPlaceSave = 383;
constexpr uint16_t kPlaceLoad = 384;

constexpr uint16_t kCodeAddNoMemory = 300;
constexpr uint16_t kCodeLoadFirstNode = 350;
constexpr uint16_t kCodeLoadNextNode = 351;
constexpr uint16_t kCodeLoadNegativeCount = 352;

}  // namespace

int mTSocialDeduct::ChildEducationCount() const { return static_cast<int>(ChildEducation.size()); }

int mTSocialDeduct::ChildEducationAdd(Money amount) {
    const int index = ChildEducationCount();
    try {
        ChildEducation.push_back(amount);
    } catch (const std::bad_alloc&) {
        throw mEMemoryAllocate(msg::kOutOfMemory, kCodeAddNoMemory);
    }
    return index;
}

void mTSocialDeduct::CheckChildEducationIndex(int index, uint16_t emptyCode, uint16_t outsideCode) const {
    if (ChildEducation.empty()) throw mEMemoryAllocate(msg::kNoMemory, emptyCode);
    if (index < 0 || index >= ChildEducationCount()) throw mEMemoryAllocate(msg::kNoMemory, outsideCode);
}

Money mTSocialDeduct::ChildEducationGet(int index) const {
    CheckChildEducationIndex(index, 310, 311);
    return *std::next(ChildEducation.begin(), index);
}

void mTSocialDeduct::ChildEducationSet(int index, Money amount) {
    CheckChildEducationIndex(index, 320, 321);
    *std::next(ChildEducation.begin(), index) = amount;
}

void mTSocialDeduct::ChildEducationDelete(int index) {
    CheckChildEducationIndex(index, 330, 331);
    ChildEducation.erase(std::next(ChildEducation.begin(), index));
}

std::size_t mTSocialDeduct::PensionSlot(int index) const {
    if (index < 0 || index >= PensionContractCount()) throw std::out_of_range("индекс договора вне списка");
    return static_cast<std::size_t>(index);
}

int mTSocialDeduct::PensionContractAdd() {
    if (PensionContracts.size() >= kMaxPensionContracts)
        throw std::length_error("Договоров не может быть больше 65535.");
    PensionContracts.emplace_back();
    return PensionContractCount() - 1;
}

int mTSocialDeduct::PensionContractCount() const { return static_cast<int>(PensionContracts.size()); }
mTPens& mTSocialDeduct::PensionContract(int index) { return PensionContracts[PensionSlot(index)]; }
const mTPens& mTSocialDeduct::PensionContract(int index) const { return PensionContracts[PensionSlot(index)]; }

void mTSocialDeduct::PensionContractDelete(int index) {
    PensionContracts.erase(PensionContracts.begin() + static_cast<std::ptrdiff_t>(PensionSlot(index)));
}

void mTSocialDeduct::Save(mTDocumentStorage& storage) const {
    // A count that does not fit its word would lose contracts without a word said.
    if (Granted && PensionContracts.size() > kMaxPensionContracts)
        throw std::length_error("Договоров не может быть больше 65535.");
    SaveGrantedStream(storage, kPlaceSave, *this, [&] { SaveGranted(storage); });
}

void mTSocialDeduct::SaveGranted(mTDocumentStorage& s) const {
    SaveFields(s, *this, kSocialFirstAmounts);
    s.WriteInteger(ChildEducationCount());
    for (Money amount : ChildEducation) s.WriteCurrency(amount);
    SaveFields(s, *this, kSocialOtherAmounts);
    s.CreateStream(kPensStreamName);
    s.WriteWord(static_cast<uint16_t>(PensionContracts.size()));
    for (std::size_t i = 0; i < PensionContracts.size(); ++i)
        PensionContracts[i].Save(s, static_cast<uint16_t>(i));
}

void mTSocialDeduct::Load(mTDocumentStorage& storage) {
    LoadGrantedStream(storage, kPlaceLoad, *this, [&] { LoadGranted(storage); });
}

void mTSocialDeduct::LoadGranted(mTDocumentStorage& s) {
    LoadFields(s, *this, kSocialFirstAmounts);
    LoadChildEducation(s);
    LoadFields(s, *this, kSocialOtherAmounts);
    s.OpenStream(kPensStreamName);
    const uint16_t count = s.ReadWord();
    for (uint16_t i = 0; i < count; ++i) {
        PensionContracts.emplace_back();
        PensionContracts.back().Load(s, i);
    }
}

void mTSocialDeduct::LoadChildEducation(mTDocumentStorage& s) {
    const int32_t count = s.ReadInteger();
    // Never written by the program: the file is damaged.
    if (count < 0) throw mEBadStorage(msg::kBadFormat, kCodeLoadNegativeCount);
    // Each amount is read before its node is made, so a count larger than the file
    // ends in the storage's error rather than in a huge allocation.
    for (int32_t i = 0; i < count; ++i) {
        const Money amount = s.ReadCurrency();
        try {
            ChildEducation.push_back(amount);
        } catch (const std::bad_alloc&) {
            throw mEMemoryAllocate(msg::kOutOfMemory, i == 0 ? kCodeLoadFirstNode : kCodeLoadNextNode);
        }
    }
}

uint32_t mTSocialDeduct::StoredSize() const {
    using S = mTDocumentStorage;
    uint32_t size = GrantedStreamHeadSize(*this);
    if (!Granted) return size;
    size += FieldsSize(*this, kSocialFirstAmounts) + S::IntegerItemSize(ChildEducationCount());
    for (Money amount : ChildEducation) size += S::CurrencyItemSize(amount);
    size += FieldsSize(*this, kSocialOtherAmounts);
    size += S::StringItemSize(kPensStreamName) + S::WordItemSize(static_cast<uint16_t>(PensionContracts.size()));
    for (std::size_t i = 0; i < PensionContracts.size(); ++i)
        size += PensionContracts[i].StoredSize(static_cast<uint16_t>(i));
    return size;
}

}  // namespace kvz
