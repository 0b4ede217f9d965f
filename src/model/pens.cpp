#include "model/pens.h"

#include <cstdio>

#include "storage/document_storage.h"
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
    s.WriteInteger(ContractKind);
    s.WriteString(OrgName);
    s.WriteString(OrgInn);
    s.WriteString(OrgKpp);
    s.WriteString(ContractNumber);
    s.WriteDouble(ContractDate);
    s.WriteCurrency(Contribution);
    s.WriteCurrency(ContributionToDeduct);
    s.WriteCurrency(AgentDeduction);
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
    ContractKind = s.ReadInteger();
    OrgName = s.ReadString();
    OrgInn = s.ReadString();
    OrgKpp = s.ReadString();
    ContractNumber = s.ReadString();
    ContractDate = s.ReadDateTime();
    Contribution = s.ReadCurrency();
    ContributionToDeduct = s.ReadCurrency();
    AgentDeduction = s.ReadCurrency();
}

uint32_t mTPens::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    return S::StringItemSize(StreamName(index)) + S::IntegerItemSize(ContractKind) +
           S::StringItemSize(OrgName) + S::StringItemSize(OrgInn) + S::StringItemSize(OrgKpp) +
           S::StringItemSize(ContractNumber) + S::DoubleItemSize(ContractDate) +
           S::CurrencyItemSize(Contribution) + S::CurrencyItemSize(ContributionToDeduct) +
           S::CurrencyItemSize(AgentDeduction);
}

}  // namespace kvz
