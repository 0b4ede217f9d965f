// Sheet Е1, standard deductions: month by month, the personal deduction for the
// months that give one, and the child deductions for those months that fall before
// the cumulative income passes 280 000 roubles.
#include <array>

#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

constexpr int kMonths = kTSvodSumPrilE1::kMonths;
constexpr Money kIncomeLimit = Money::FromUnits(280000);

// Monthly amounts in whole roubles, per person (or per child).
constexpr int64_t kPersonal500 = 500;
constexpr int64_t kPersonal3000 = 3000;
constexpr int64_t kChild = 1400;
constexpr int64_t kChildDouble = 2800;
constexpr int64_t kThirdChild = 3000;
constexpr int64_t kThirdChildDouble = 6000;
constexpr int64_t kDisabledChild = 3000;
constexpr int64_t kDisabledChildDouble = 6000;

// Positions of the monthly self-code list: "----", "104", "105".
constexpr int32_t kMonthCodeNone = 0;
constexpr int32_t kMonthCode104 = 1;
constexpr int32_t kMonthCode105 = 2;
// Positions of the monthly single-parent list: "да" (the double amount), "нет" (the
// ordinary amount).
constexpr int32_t kMonthSingleParent = 0;
constexpr int32_t kMonthNotSingleParent = 1;

// The monthly values count only when given: the document keeps them only then, so a
// declaration must not compute otherwise once saved and opened again. Without them
// every month holds the lists' first position, which is what a document opened again
// reads and what the dialogs show: no personal code, and the single parent's status.
int32_t MonthSelfCode(const mTStandartDeduct& standard, int m) {
    return standard.MonthlySelfCodesGiven ? standard.MonthlySelfCodes[m] : kMonthCodeNone;
}

int32_t MonthChildStatus(const mTStandartDeduct& standard, int m) {
    return standard.MonthlyChildStatusGiven ? standard.MonthlyChildStatus[m] : kMonthSingleParent;
}

using MonthFlags = std::array<bool, kMonths>;

// Which months were found and which of them give deductions.
struct MonthIncome {
    bool Found = false;
    MonthFlags DeductionMonths{};
};

// An entrepreneur's months: the income less expenses, a negative balance carried
// into the following months until income covers it.
MonthIncome BusinessMonths(const mTStandartDeduct& standard, kTSvodSumPrilE1& e1) {
    MonthIncome result;
    result.Found = true;
    Money carry;
    for (int m = 0; m < kMonths; ++m) {
        e1.MonthlyIncome[m] = standard.BusinessIncomeByMonth[m];
        e1.MonthlyReduction[m] = standard.BusinessExpenseByMonth[m];
        result.DeductionMonths[m] = standard.BusinessMonthChecked[m];
        Money value = e1.MonthlyIncome[m] - e1.MonthlyReduction[m] - carry;
        if (m > 0) value += e1.CumulativeIncome[m - 1];
        if (value < Money()) {
            carry = -value;
            value = Money();
        } else {
            carry = Money();
        }
        e1.CumulativeIncome[m] = value;
    }
    return result;
}

// The lines of the sources where the standard deductions are computed: each line's
// month gives a deduction, and its income less its deduction counts in that month.
MonthIncome SourceMonths(const mTDeclaration& declaration, kTSvodSumPrilE1& e1) {
    MonthIncome result;
    for (int i = 0; i < declaration.Thirteen.Count(); ++i) {
        const mTThirteenPercent& source = declaration.Thirteen.Get(i);
        if (!source.StandardDeductionsHere) continue;
        for (const mTSourseIncome& line : source.Lines()) {
            result.Found = true;
            if (line.Month < 1 || line.Month > kMonths) continue;
            const int m = line.Month - 1;
            result.DeductionMonths[m] = true;
            e1.MonthlyIncome[m] += line.IncomeAmount;
            e1.MonthlyReduction[m] += line.DeductionAmount;
            e1.CumulativeIncome[m] += line.IncomeAmount - line.DeductionAmount;
        }
    }
    for (int m = 1; m < kMonths; ++m) e1.CumulativeIncome[m] += e1.CumulativeIncome[m - 1];
    return result;
}

// The months walked from January before the cumulative income first passes the limit.
MonthFlags ChildWindow(const MonthIncome& income, const kTSvodSumPrilE1& e1) {
    MonthFlags window{};
    if (!income.Found) return window;
    for (int m = 0; m < kMonths && e1.CumulativeIncome[m] <= kIncomeLimit; ++m) window[m] = true;
    return window;
}

int CountMonths(const MonthFlags& flags) {
    int count = 0;
    for (bool f : flags) count += f ? 1 : 0;
    return count;
}

void PersonalDeduction(const mTStandartDeduct& standard, const MonthFlags& deductionMonths,
                       kTSvodSumPrilE1& e1) {
    const int64_t months = CountMonths(deductionMonths);
    switch (standard.SelfCode) {
    case mTStandartDeduct::kSelf104:
        e1.Deduction500 = Money::FromUnits(months * kPersonal500);
        break;
    case mTStandartDeduct::kSelf105:
        e1.Deduction3000 = Money::FromUnits(months * kPersonal3000);
        break;
    case mTStandartDeduct::kSelfChanged:
        for (int m = 0; m < kMonths; ++m) {
            if (!deductionMonths[m]) continue;
            if (MonthSelfCode(standard, m) == kMonthCode105) e1.Deduction3000 += Money::FromUnits(kPersonal3000);
            if (MonthSelfCode(standard, m) == kMonthCode104) e1.Deduction500 += Money::FromUnits(kPersonal500);
        }
        break;
    default:  // 103: neither code, or a code the program does not know
        break;
    }
}

// Whether month m gives the doubled (single-parent) child amounts.
bool DoubleInMonth(const mTStandartDeduct& standard, int m) {
    switch (standard.ChildStatus) {
    case mTStandartDeduct::kChildOrdinary: return false;
    case mTStandartDeduct::kChildChanged: return MonthChildStatus(standard, m) != kMonthNotSingleParent;
    default: return true;  // 102, single parent
    }
}

int64_t CountInMonth(bool constant, int32_t count, const std::array<int32_t, kMonths>& byMonth, int m) {
    return constant ? count : byMonth[m];
}

void ChildDeductions(const mTStandartDeduct& standard, const MonthFlags& deductionMonths, const MonthFlags& window,
                     kTSvodSumPrilE1& e1) {
    for (int m = 0; m < kMonths; ++m) {
        if (!deductionMonths[m] || !window[m]) continue;
        const int64_t children = CountInMonth(standard.ChildrenConstant, standard.ChildrenCount, standard.ChildrenByMonth, m);
        const int64_t third = CountInMonth(standard.ThirdConstant, standard.ThirdCount, standard.ThirdByMonth, m);
        const int64_t disabled = CountInMonth(standard.DisabledConstant, standard.DisabledCount, standard.DisabledByMonth, m);
        if (DoubleInMonth(standard, m)) {
            e1.ChildDeductionDouble += Money::FromUnits(children * kChildDouble + third * kThirdChildDouble);
            e1.DisabledChildDeductionDouble += Money::FromUnits(disabled * kDisabledChildDouble);
        } else {
            e1.ChildDeduction += Money::FromUnits(children * kChild + third * kThirdChild);
            e1.DisabledChildDeduction += Money::FromUnits(disabled * kDisabledChild);
        }
    }
}

// The total never exceeds the income of the year, and is never negative.
Money StandardTotalOf(const kTSvodSumPrilE1& e1) {
    Money total = e1.Deduction3000 + e1.Deduction500 + e1.ChildDeduction + e1.ChildDeductionDouble +
                  e1.DisabledChildDeduction + e1.DisabledChildDeductionDouble;
    const Money december = e1.CumulativeIncome[kMonths - 1];
    if (december < total) total = december;
    return total < Money() ? Money() : total;
}

}  // namespace

bool kTSvodSum::CalcPrilE1() {
    PrilE1.Clear();
    const mTDeclaration& declaration = Declaration();
    const mTStandartDeduct& standard = declaration.Standard;
    if (standard.Granted && declaration.DeclarationKind == kDecl3Ndfl) {
        const MonthIncome income =
            standard.MonthlyBusiness ? BusinessMonths(standard, PrilE1) : SourceMonths(declaration, PrilE1);
        const MonthFlags window = ChildWindow(income, PrilE1);
        for (int m = 0; m < kMonths; ++m)
            if (window[m] && income.DeductionMonths[m]) ++PrilE1.MonthsUnder280000;
        PrilE1.DeductionMonths = CountMonths(income.DeductionMonths);
        PersonalDeduction(standard, income.DeductionMonths, PrilE1);
        ChildDeductions(standard, income.DeductionMonths, window, PrilE1);
    }
    PrilE1.StandardTotal = StandardTotalOf(PrilE1);
    return true;
}

}  // namespace kvz
