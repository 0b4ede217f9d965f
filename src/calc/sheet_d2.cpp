// Sheet Д2, deductions on the sale of property: the housing sold draws on one
// 1 000 000-rouble allowance, other property on one of 250 000; a sale declared with
// its documented expenses deducts those instead.
#include "calc/income_line_view.h"
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

constexpr Money kHousingAllowance = Money::FromUnits(1000000);
constexpr Money kOtherAllowance = Money::FromUnits(250000);

constexpr int32_t kIncomeHousing = 1510;
constexpr int32_t kIncomeHousingShare = 1511;
constexpr int32_t kIncomeRealEstate = 1512;
constexpr int32_t kIncomeProperty = 1520;
constexpr int32_t kIncomeSeized = 4900;

constexpr int32_t kDeductHousing = 901;
constexpr int32_t kDeductRealEstate = 902;
constexpr int32_t kDeductExpenses = 903;
constexpr int32_t kDeductHousingShare = 904;
constexpr int32_t kDeductProperty = 906;
constexpr int32_t kDeductSeized = 908;

// Takes up to the claim from the allowance. What was taken is gone; a claim below
// zero takes nothing back.
Money Draw(Money& allowance, Money claim) {
    const Money taken = Smaller(claim, allowance);
    if (taken > Money()) allowance -= taken;
    return taken;
}

struct Allowances {
    Money Housing = kHousingAllowance;
    Money Other = kOtherAllowance;
};

// The claimed deduction of a line; a foreign income cannot claim more than it brought.
Money Claim(const kTIncomeLine& line) {
    return line.Foreign ? Smaller(line.DeductionAmount, line.Amount) : line.DeductionAmount;
}

using H1 = kTSvodSumPrilH1;

// One kind of sale: the deduction code that draws on its allowance and the totals
// it counts into, whether declared with that deduction or with its expenses.
struct SaleKind {
    int32_t IncomeCode;
    int32_t DeductionCode;
    Money Allowances::*Allowance;
    Money H1::*Income;
    Money H1::*Deduction;
    Money H1::*ExpensesIncome;
    Money H1::*Expenses;
    // Housing: the deduction equals the sale income, as far as the allowance reaches.
    bool ClaimIsIncome;
    // A share or real estate: no line's expenses count above its own income.
    bool ExpensesCappedByLine;
};

constexpr SaleKind kSaleKinds[] = {
    {kIncomeHousing, kDeductHousing, &Allowances::Housing, &H1::HousingSaleIncome, &H1::HousingSaleDeduction,
     &H1::HousingByExpensesIncome, &H1::HousingExpenses, true, false},
    {kIncomeHousingShare, kDeductHousingShare, &Allowances::Housing, &H1::ShareSaleIncome, &H1::ShareSaleDeduction,
     &H1::HousingByExpensesIncome, &H1::HousingExpenses, false, true},
    {kIncomeRealEstate, kDeductRealEstate, &Allowances::Other, &H1::RealEstateIncome, &H1::RealEstateDeduction,
     &H1::RealEstateByExpensesIncome, &H1::RealEstateExpenses, false, true},
    {kIncomeProperty, kDeductProperty, &Allowances::Other, &H1::PropertyIncome, &H1::PropertyDeduction,
     &H1::PropertyByExpensesIncome, &H1::PropertyExpenses, false, false},
};

void SaleLine(const SaleKind& kind, const kTIncomeLine& line, Allowances& a, H1& h) {
    if (line.DeductionCode == kind.DeductionCode) {
        h.*kind.Income += line.Amount;
        h.*kind.Deduction += Draw(a.*kind.Allowance, kind.ClaimIsIncome ? line.Amount : Claim(line));
    } else if (line.DeductionCode == kDeductExpenses) {
        h.*kind.ExpensesIncome += line.Amount;
        h.*kind.Expenses +=
            kind.ExpensesCappedByLine ? Smaller(line.Amount, line.DeductionAmount) : line.DeductionAmount;
    }
}

void CountLine(const kTIncomeLine& line, Allowances& a, H1& h) {
    for (const SaleKind& kind : kSaleKinds) {
        if (line.IncomeCode == kind.IncomeCode) {
            SaleLine(kind, line, a, h);
            return;
        }
    }
    if (line.IncomeCode == kIncomeSeized && line.DeductionCode == kDeductSeized) {
        h.SeizedIncome += line.Amount;
        h.SeizedDeduction += line.DeductionAmount;
    }
}

void CapAt(Money& deduction, Money limit) {
    if (deduction > limit) deduction = limit;
}

}  // namespace

bool kTSvodSum::CalcPrilH1() {
    PrilH1.Clear();
    const mTDeclaration& declaration = Declaration();
    if (declaration.DeclarationKind != kDecl3Ndfl) return true;

    Allowances allowances;
    ForEachThirteenAndForeignLine(declaration,
                                  [&](const kTIncomeLine& line) { CountLine(line, allowances, PrilH1); });

    kTSvodSumPrilH1& h = PrilH1;
    CapAt(h.HousingSaleDeduction, h.HousingSaleIncome);
    CapAt(h.ShareSaleDeduction, h.ShareSaleIncome);
    CapAt(h.HousingExpenses, h.HousingByExpensesIncome);
    CapAt(h.RealEstateDeduction, h.RealEstateIncome);
    CapAt(h.RealEstateExpenses, h.RealEstateByExpensesIncome);
    CapAt(h.PropertyDeduction, h.PropertyIncome);
    CapAt(h.PropertyExpenses, h.PropertyByExpensesIncome);
    CapAt(h.SeizedDeduction, h.SeizedIncome);
    CapAt(h.RealEstateDeduction, kOtherAllowance);
    CapAt(h.PropertyDeduction, kOtherAllowance);
    h.DeductionTotal = h.HousingSaleDeduction + h.ShareSaleDeduction + h.HousingExpenses + h.RealEstateDeduction +
                       h.RealEstateExpenses + h.PropertyDeduction + h.PropertyExpenses + h.SeizedDeduction;
    return true;
}

}  // namespace kvz
