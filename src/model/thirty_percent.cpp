#include "model/thirty_percent.h"

#include "model/section_streams.h"
#include "storage/document_storage.h"

namespace kvz {

void mTThirtyPercent::Save(mTDocumentStorage& s, uint16_t index, bool variant) {
    WithErrorPlace(kPlaceSave, [&] {
        s.CreateStream(SectionStreamName(variant ? kStreamDividends : kStreamNine, index));
        s.WriteInteger(IncomeCode);
        WriteNames(s);
        s.WriteCurrency(IncomeTotal);
        s.WriteCurrency(TaxComputed);
        s.WriteCurrency(TaxableAmount);
        s.WriteCurrency(TaxWithheld);
    });
}

void mTThirtyPercent::Load(mTDocumentStorage& s, uint16_t index, bool variant) {
    WithErrorPlace(kPlaceLoad, [&] {
        *this = mTThirtyPercent();
        s.OpenStream(SectionStreamName(variant ? kStreamDividends : kStreamNine, index));
        IncomeCode = s.ReadInteger();
        ReadNames(s);
        IncomeTotal = s.ReadCurrency();
        TaxComputed = s.ReadCurrency();
        TaxableAmount = s.ReadCurrency();
        TaxWithheld = s.ReadCurrency();
    });
}

uint32_t mTThirtyPercent::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    return S::ItemSize(SectionStreamName(kStreamDividends, index)) + S::IntegerItemSize(IncomeCode) +
           NamesSize() + S::CurrencyItemSize(IncomeTotal) + S::CurrencyItemSize(TaxComputed) +
           S::CurrencyItemSize(TaxableAmount) + S::CurrencyItemSize(TaxWithheld);
}

}  // namespace kvz
