#include "model/business_new.h"

#include "model/section_streams.h"
#include "model/stored_fields.h"

namespace kvz {

namespace {

// Day 0 (30.12.1899) is before any farm year; 01.01.2000 is the year 2000.
constexpr DateTime kStoredNoFarmYear = 0;

}  // namespace

int FarmYearOf(DateTime startDate) {
    if (startDate == kStoredNoFarmYear) return kNoFarmYear;
    const int year = YearOf(startDate);
    return year >= kFirstFarmYear && year <= kLastFarmYear ? year : kNoFarmYear;
}

DateTime FarmStartDateOf(int year) { return year == kNoFarmYear ? kStoredNoFarmYear : EncodeDate(year, 1, 1); }

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
        SaveFields(s, *this, kBusinessNewFields);
        if (ExpensesConfirmed) {
            s.CreateStream(SectionStreamName(kExpenseStream, index));
            stored::Write(s, ExpenseItems, false);
        } else {
            s.WriteCurrency(UnconfirmedExpenses);
        }
    });
}

void mTBusinessNew::Load(mTDocumentStorage& s, uint16_t index) {
    WithErrorPlace(kPlaceLoad, [&] {
        Clear();
        s.OpenStream(SectionStreamName(kStream, index));
        LoadFields(s, *this, kBusinessNewFields);
        if (ExpensesConfirmed) {
            s.OpenStream(SectionStreamName(kExpenseStream, index));
            stored::Read(s, ExpenseItems, false);
        } else {
            UnconfirmedExpenses = s.ReadCurrency();
        }
    });
}

uint32_t mTBusinessNew::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    uint32_t size = S::ItemSize(SectionStreamName(kStream, index)) + FieldsSize(*this, kBusinessNewFields);
    if (ExpensesConfirmed) {
        size += S::ItemSize(SectionStreamName(kExpenseStream, index)) + stored::Size(ExpenseItems, false);
    } else {
        size += S::CurrencyItemSize(UnconfirmedExpenses);
    }
    return size;
}

}  // namespace kvz
