#include "model/thirty_five_percent.h"

#include "model/section_streams.h"
#include "storage/document_storage.h"

namespace kvz {

void mTThirtyFivePercent::Save(mTDocumentStorage& s, uint16_t index, bool /*variant*/) {
    WithErrorPlace(kPlaceSave, [&] {
        s.CreateStream(SectionStreamName(kStream, index));
        s.WriteInteger(IncomeCode);
        WriteNames(s);
        s.WriteCurrency(IncomeTotal);
        s.WriteInteger(DeductionCode);
        s.WriteCurrency(DeductionAmount);
        s.WriteCurrency(TaxWithheld);
    });
}

void mTThirtyFivePercent::Load(mTDocumentStorage& s, uint16_t index, bool /*variant*/) {
    WithErrorPlace(kPlaceLoad, [&] {
        *this = mTThirtyFivePercent();
        s.OpenStream(SectionStreamName(kStream, index));
        IncomeCode = s.ReadInteger();
        ReadNames(s);
        IncomeTotal = s.ReadCurrency();
        DeductionCode = s.ReadInteger();
        DeductionAmount = s.ReadCurrency();
        TaxWithheld = s.ReadCurrency();
    });
}

uint32_t mTThirtyFivePercent::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    return S::ItemSize(SectionStreamName(kStream, index)) + S::IntegerItemSize(IncomeCode) + NamesSize() +
           S::CurrencyItemSize(IncomeTotal) + S::IntegerItemSize(DeductionCode) +
           S::CurrencyItemSize(DeductionAmount) + S::CurrencyItemSize(TaxWithheld);
}

}  // namespace kvz
