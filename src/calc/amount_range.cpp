#include "calc/amount_range.h"

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
    void AddAll(const Array& values) {
        for (const auto& v : values) Add(v);
    }
    template <class Array>
    void AddChildrenAll(const Array& values) {
        for (int32_t v : values) AddChildren(v);
    }
    bool Exceeds(long long roubles) const { return Raw_ > static_cast<__int128>(roubles) * Money::kScale; }

private:
    __int128 Raw_ = 0;
};

void AddSourceInfo(MagnitudeTotal& t, const mTSourseIncomeInfo& s) {
    t.Add(s.IncomeTotal);
    t.Add(s.TaxWithheld);
}

void AddThirteen(MagnitudeTotal& t, const mTItemList<mTThirteenPercent>& list) {
    for (int i = 0; i < list.Count(); ++i) {
        const mTThirteenPercent& s = list.Get(i);
        AddSourceInfo(t, s);
        t.Add(s.TaxComputed);
        t.Add(s.TaxableAmount);
        t.AddAll(s.MonthAmounts);
        for (const mTSourseIncome& line : s.Lines()) {
            t.Add(line.IncomeAmount);
            t.Add(line.DeductionAmount);
        }
    }
}

void AddThirty(MagnitudeTotal& t, const mTItemList<mTThirtyPercent>& list) {
    for (int i = 0; i < list.Count(); ++i) {
        const mTThirtyPercent& s = list.Get(i);
        AddSourceInfo(t, s);
        t.Add(s.TaxComputed);
        t.Add(s.TaxableAmount);
    }
}

void AddIncomeSections(MagnitudeTotal& t, const mTDeclaration& d) {
    AddThirteen(t, d.Thirteen);
    AddThirteen(t, d.ThirteenNR);
    AddThirty(t, d.Dividends);
    AddThirty(t, d.Nine);
    for (int i = 0; i < d.ThirtyFive.Count(); ++i) {
        const mTThirtyFivePercent& s = d.ThirtyFive.Get(i);
        AddSourceInfo(t, s);
        t.Add(s.DeductionAmount);
    }
    for (int i = 0; i < d.InvestTov.Count(); ++i) {
        const mTInvestTov& s = d.InvestTov.Get(i);
        AddSourceInfo(t, s);
        t.Add(s.TaxComputed);
        t.Add(s.TaxableAmount);
        for (const mTInvestTovIncome& line : s.Lines()) {
            t.Add(line.IncomeAmount);
            t.Add(line.ExpenseShare);
            t.Add(line.ManagerExpenses);
            t.Add(line.PriorLosses);
        }
    }
    for (int i = 0; i < d.Foreign.Count(); ++i) {
        const mTCurrencyIncome& f = d.Foreign.Get(i);
        t.Add(f.IncomeInRoubles);
        t.Add(f.TaxInRoubles);
        t.Add(f.DeductionAmount);
    }
    for (int i = 0; i < d.Business.Count(); ++i) {
        const mTBusinessNew& b = d.Business.Get(i);
        t.Add(b.Income);
        t.AddAll(b.ExpenseItems);
        t.Add(b.UnconfirmedExpenses);
    }
}

void AddDeductions(MagnitudeTotal& t, const mTDeclaration& d) {
    const mTStandartDeduct& st = d.Standard;
    t.AddChildren(st.ChildrenCount);
    t.AddChildrenAll(st.ChildrenByMonth);
    t.AddChildren(st.DisabledCount);
    t.AddChildrenAll(st.DisabledByMonth);
    t.AddChildren(st.ThirdCount);
    t.AddChildrenAll(st.ThirdByMonth);
    t.AddAll(st.BusinessIncomeByMonth);
    t.AddAll(st.BusinessExpenseByMonth);

    const mTSocialDeduct& so = d.Social;
    t.Add(so.Charity);
    t.Add(so.OwnEducation);
    t.AddAll(so.ChildEducation);
    t.Add(so.Treatment);
    t.Add(so.ExpensiveTreatment);
    t.Add(so.VoluntaryInsurance);
    t.Add(so.ExtraPensionContributions);
    for (const mTPens& p : so.PensionContracts) {
        t.Add(p.Contribution);
        t.Add(p.ContributionToDeduct);
        t.Add(p.AgentDeduction);
    }

    const mTConstructionDeduct& c = d.Construction;
    for (Money m : {c.ConstrAmount1, c.ConstrAmount3, c.ConstrAmount5, c.ConstrAmount6, c.ConstrAmount7,
                    c.ConstrAmount8})
        t.Add(m);
    for (const mTConstructionDeductObj& o : c.Objects) {
        t.Add(o.ObjectCost);
        t.Add(o.CreditInterest);
    }

    t.AddAll(d.CB.SecuritiesLoss);
    t.AddAll(d.CB.FissLoss);
}

}  // namespace

void CheckAmountRange(const mTDeclaration& d) {
    MagnitudeTotal t;
    for (Money m : {d.AdvancePaid, d.AdvanceAssessed, d.ForeignerAdvancePayments, d.PatentPayment, d.TradeFee,
                    d.InvestmentDeduction, d.InvestmentDeductionReturn})
        t.Add(m);
    AddIncomeSections(t, d);
    AddDeductions(t, d);
    if (t.Exceeds(kLargestAmountTotal)) throw std::overflow_error(msg::kAmountsTooLarge);
}

}  // namespace kvz
