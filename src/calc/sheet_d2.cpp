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

void HousingLine(const kTIncomeLine& line, Allowances& a, kTSvodSumPrilH1& h) {
    switch (line.DeductionCode) {
    case kDeductHousing:
        // The deduction equals the sale income, as far as the allowance reaches.
        h.HousingSaleIncome += line.Amount;
        h.HousingSaleDeduction += Draw(a.Housing, line.Amount);
        break;
    case kDeductExpenses:
        h.HousingByExpensesIncome += line.Amount;
        h.HousingExpenses += line.DeductionAmount;
        break;
    default: break;
    }
}

void HousingShareLine(const kTIncomeLine& line, Allowances& a, kTSvodSumPrilH1& h) {
    switch (line.DeductionCode) {
    case kDeductHousingShare:
        h.ShareSaleIncome += line.Amount;
        h.ShareSaleDeduction += Draw(a.Housing, Claim(line));
        break;
    case kDeductExpenses:
        h.HousingByExpensesIncome += line.Amount;
        h.HousingExpenses += Smaller(line.Amount, line.DeductionAmount);
        break;
    default: break;
    }
}

void RealEstateLine(const kTIncomeLine& line, Allowances& a, kTSvodSumPrilH1& h) {
    switch (line.DeductionCode) {
    case kDeductRealEstate:
        h.RealEstateIncome += line.Amount;
        h.RealEstateDeduction += Draw(a.Other, Claim(line));
        break;
    case kDeductExpenses:
        h.RealEstateByExpensesIncome += line.Amount;
        h.RealEstateExpenses += Smaller(line.Amount, line.DeductionAmount);
        break;
    default: break;
    }
}

void PropertyLine(const kTIncomeLine& line, Allowances& a, kTSvodSumPrilH1& h) {
    switch (line.DeductionCode) {
    case kDeductProperty:
        h.PropertyIncome += line.Amount;
        h.PropertyDeduction += Draw(a.Other, Claim(line));
        break;
    case kDeductExpenses:
        h.PropertyByExpensesIncome += line.Amount;
        h.PropertyExpenses += line.DeductionAmount;
        break;
    default: break;
    }
}

void CountLine(const kTIncomeLine& line, Allowances& a, kTSvodSumPrilH1& h) {
    switch (line.IncomeCode) {
    case kIncomeHousing: HousingLine(line, a, h); break;
    case kIncomeHousingShare: HousingShareLine(line, a, h); break;
    case kIncomeRealEstate: RealEstateLine(line, a, h); break;
    case kIncomeProperty: PropertyLine(line, a, h); break;
    case kIncomeSeized:
        if (line.DeductionCode == kDeductSeized) {
            h.SeizedIncome += line.Amount;
            h.SeizedDeduction += line.DeductionAmount;
        }
        break;
    default: break;
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
