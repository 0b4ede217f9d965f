#include "calc/amount_range.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "model/declaration.h"

namespace kvz {

namespace {

// Adds magnitudes in 128 bits, so that the total itself cannot overflow.
class MagnitudeTotal {
public:
    void Add(Money m) { Raw_ += m.Raw() < 0 ? -static_cast<__int128>(m.Raw()) : m.Raw(); }
    // A count of children gives at most 6 000 a month for each of them.
    void AddChildren(int32_t count) {
        __int128 c = count < 0 ? -static_cast<__int128>(count) : count;
        Raw_ += c * 6000 * 12 * Money::kScale;
    }
    template <class Array>
    void AddChildrenAll(const Array& values) {
        for (int32_t v : values) AddChildren(v);
    }
    // Every amount of a field list: single amounts and lists of amounts.
    template <class Record, class List>
    void AddAmounts(const Record& record, const List& fields) {
        ForEachField(fields, [&](const auto& f) {
            if (f.Summed()) AddValue(record.*f.Pointer);
        });
    }
    template <class Range>
    void AddAll(const Range& values) {
        for (Money m : values) Add(m);
    }
    bool Exceeds(long long roubles) const { return Raw_ > static_cast<__int128>(roubles) * Money::kScale; }

private:
    void AddValue(Money m) { Add(m); }
    template <std::size_t N>
    void AddValue(const std::array<Money, N>& values) { AddAll(values); }
    template <class Other>
    void AddValue(const Other&) {}

    __int128 Raw_ = 0;
};

template <class Item, class List>
void AddItems(MagnitudeTotal& t, const mTItemList<Item>& items, const List& fields) {
    for (int i = 0; i < items.Count(); ++i) t.AddAmounts(items.Get(i), fields);
}

void AddIncomeSections(MagnitudeTotal& t, const mTDeclaration& d) {
    for (const auto* list : {&d.Thirteen, &d.ThirteenNR}) {
        AddItems(t, *list, kThirteenPercentFields);
        for (int i = 0; i < list->Count(); ++i) {
            const mTThirteenPercent& s = list->Get(i);
            t.Add(s.IncomeTotal);
            t.AddAll(s.MonthAmounts);
            for (const mTSourseIncome& line : s.Lines()) t.AddAmounts(line, kSourseIncomeFields);
        }
    }
    AddItems(t, d.Dividends, kThirtyPercentFields);
    AddItems(t, d.Nine, kThirtyPercentFields);
    AddItems(t, d.ThirtyFive, kThirtyFivePercentFields);
    AddItems(t, d.InvestTov, kInvestTovFields);
    for (int i = 0; i < d.InvestTov.Count(); ++i) {
        const mTInvestTov& s = d.InvestTov.Get(i);
        t.Add(s.IncomeTotal);
        for (const mTInvestTovIncome& line : s.Lines()) t.AddAmounts(line, kInvestTovIncomeFields);
    }
    AddItems(t, d.Foreign, kCurrencyIncomeFields);
    for (int i = 0; i < d.Business.Count(); ++i) {
        const mTBusinessNew& b = d.Business.Get(i);
        t.AddAmounts(b, kBusinessNewFields);
        t.AddAll(b.ExpenseItems);
        t.Add(b.UnconfirmedExpenses);
    }
}

void AddDeductions(MagnitudeTotal& t, const mTDeclaration& d) {
    const mTStandartDeduct& st = d.Standard;
    t.AddAmounts(st, kStandartDeductFields);
    t.AddChildren(st.ChildrenCount);
    t.AddChildrenAll(st.ChildrenByMonth);
    t.AddChildren(st.DisabledCount);
    t.AddChildrenAll(st.DisabledByMonth);
    t.AddChildren(st.ThirdCount);
    t.AddChildrenAll(st.ThirdByMonth);

    const mTSocialDeduct& so = d.Social;
    t.AddAmounts(so, kSocialFirstAmounts);
    t.AddAll(so.ChildEducation);
    t.AddAmounts(so, kSocialOtherAmounts);
    for (const mTPens& p : so.PensionContracts) t.AddAmounts(p, kPensFields);

    const mTConstructionDeduct& c = d.Construction;
    t.AddAmounts(c, kConstructionAmountFields);
    for (const mTConstructionDeductObj& o : c.Objects) t.AddAmounts(o, kConstructionDeductObjFields);

    t.AddAmounts(d.CB, kCBDeductFields);
}

}  // namespace

void CheckAmountRange(const mTDeclaration& d) {
    MagnitudeTotal t;
    t.AddAmounts(d, kDeclarationScalarFields);
    AddIncomeSections(t, d);
    AddDeductions(t, d);
    if (t.Exceeds(kLargestAmountTotal)) throw std::overflow_error(msg::kAmountsTooLarge);
}

}  // namespace kvz
