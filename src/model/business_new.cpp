#include "model/business_new.h"

#include "model/section_streams.h"
#include "storage/document_storage.h"

namespace kvz {

void mTBusinessNew::Clear() {
    ActivityKind.clear();
    ActivityCode = kEmptyActivityCode;
    ExpensesConfirmed = true;
    Income = Money();
    ExpenseItems.fill(Money());
    UnconfirmedExpenses = Money();
}

void mTBusinessNew::Save(mTDocumentStorage& s, uint16_t index) const {
    WithErrorPlace(kPlaceSave, [&] {
        s.CreateStream(SectionStreamName(kStream, index));
        s.WriteString(ActivityKind);
        s.WriteString(ActivityCode);
        s.WriteCurrency(Income);
        s.WriteBoolean(ExpensesConfirmed);
        if (ExpensesConfirmed) {
            s.CreateStream(SectionStreamName(kExpenseStream, index));
            for (Money item : ExpenseItems) s.WriteCurrency(item);
        } else {
            s.WriteCurrency(UnconfirmedExpenses);
        }
    });
}

void mTBusinessNew::Load(mTDocumentStorage& s, uint16_t index) {
    WithErrorPlace(kPlaceLoad, [&] {
        Clear();
        s.OpenStream(SectionStreamName(kStream, index));
        ActivityKind = s.ReadString();
        ActivityCode = s.ReadString();
        Income = s.ReadCurrency();
        ExpensesConfirmed = s.ReadBoolean();
        if (ExpensesConfirmed) {
            s.OpenStream(SectionStreamName(kExpenseStream, index));
            for (Money& item : ExpenseItems) item = s.ReadCurrency();
        } else {
            UnconfirmedExpenses = s.ReadCurrency();
        }
    });
}

uint32_t mTBusinessNew::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    uint32_t size = S::ItemSize(SectionStreamName(kStream, index)) + S::StringItemSize(ActivityKind) +
                    S::StringItemSize(ActivityCode) + S::CurrencyItemSize(Income) +
                    S::ByteItemSize(ExpensesConfirmed ? 1 : 0);
    if (ExpensesConfirmed) {
        size += S::ItemSize(SectionStreamName(kExpenseStream, index));
        for (Money item : ExpenseItems) size += S::CurrencyItemSize(item);
    } else {
        size += S::CurrencyItemSize(UnconfirmedExpenses);
    }
    return size;
}

}  // namespace kvz
