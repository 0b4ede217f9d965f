#include "model/nalog.h"

#include "model/section_streams.h"
#include "storage/document_storage.h"

namespace kvz {

void mTNalog::Save(mTDocumentStorage& s, uint16_t index) const {
    WithErrorPlace(kPlaceSave, [&] {
        s.CreateStream(SectionStreamName(kStream, index));
        s.WriteString(PaymentText1);
        s.WriteString(PaymentText2);
        s.WriteCurrency(PaymentAmount);
    });
}

void mTNalog::Load(mTDocumentStorage& s, uint16_t index) {
    WithErrorPlace(kPlaceLoad, [&] {
        *this = mTNalog();
        s.OpenStream(SectionStreamName(kStream, index));
        PaymentText1 = s.ReadString();
        PaymentText2 = s.ReadString();
        PaymentAmount = s.ReadCurrency();
    });
}

uint32_t mTNalog::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    return S::ItemSize(SectionStreamName(kStream, index)) + S::StringItemSize(PaymentText1) +
           S::StringItemSize(PaymentText2) + S::CurrencyItemSize(PaymentAmount);
}

}  // namespace kvz
