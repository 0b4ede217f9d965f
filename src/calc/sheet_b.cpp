// Sheet Б: income received abroad, one record per rate (13, 9, 35), with the tax
// that would be due here and the foreign tax credited against it.
#include "calc/foreign_sheet_rate.h"
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

constexpr int32_t kCfcProfitIncome = 1000;       // profit of a controlled foreign company
constexpr int32_t kDividendIncome = 1010;
constexpr int32_t kMaterialBenefitIncome = 2620;  // not declared on this sheet

// The income dictionary gives rate codes next to the plain rate for the same tax:
// R + 1 and R + 86 (14 and 99 for 13 %).
bool RateCodeBelongs(int32_t rateCode, int32_t rate) {
    return rateCode == rate || rateCode == rate + 1 || rateCode == rate + 86;
}

// Roubles per one unit of the currency, four decimals; empty without a unit count.
std::string RatePerUnitText(Money rate, int32_t units) {
    if (units == 0) return "";
    return MoneyToText(Money::FromRaw(RoundedQuotient(rate.Raw(), units)), '.');
}

DohodCur MakeItem(const mTCurrencyIncome& income, int32_t rate) {
    DohodCur item;
    item.CountryCode = income.CountryCode;
    item.CurrencyCode = income.CurrencyCode;
    item.SourceName = income.SourceName;
    item.IncomeDate = income.IncomeDate;
    item.IncomeCode = income.IncomeCode;
    item.DeductionCode = income.DeductionCode;
    item.DeductionAmount = income.DeductionAmount;
    item.TaxPaymentDate = income.TaxPaymentDate;
    item.IncomeRub = income.IncomeInRoubles;
    item.ForeignTaxRub = income.TaxInRoubles;
    item.IncomeRateText = RatePerUnitText(income.RateOnIncomeDate, income.UnitsOnIncomeDate);
    item.TaxRateText = RatePerUnitText(income.RateOnTaxDate, income.UnitsOnTaxDate);
    item.IncomeInCurrencyText = KopeckForm(income.IncomeInCurrency);
    item.TaxInCurrencyText = KopeckForm(income.TaxInCurrency);
    item.IncomeKind = income.IncomeCode == kCfcProfitIncome ? "1" : "2";
    const Money base = NotBelowZero(item.IncomeRub - item.DeductionAmount);
    item.TaxComputedHere = TaxAtRate(base, TaxRate{rate});
    item.TaxCredited = RoundToRoubles(Smaller(item.TaxComputedHere, item.ForeignTaxRub));
    return item;
}

void AddToTotals(kTSvodSumPrilB& sheet, const DohodCur& item) {
    if (item.IncomeCode == kCfcProfitIncome) {
        sheet.CfcProfit += item.IncomeRub;
    } else if (item.IncomeCode == kDividendIncome) {
        sheet.Dividends += item.IncomeRub;
        sheet.DividendTaxComputed += item.TaxComputedHere;
    } else {
        sheet.OtherIncome += item.IncomeRub;
    }
    sheet.ForeignTaxPaid += item.ForeignTaxRub;
    sheet.ForeignTaxCredited += item.TaxCredited;
}

}  // namespace

int32_t ForeignSheetRate(const mTCurrencyIncome& income) {
    if (income.IncomeCode == kMaterialBenefitIncome) return 0;
    for (int32_t rate : kForeignSheetRates)
        if (RateCodeBelongs(income.IncomeRate, rate)) return rate;
    return 0;
}

bool kTSvodSum::CalcPrilB(int32_t rate) {
    kTSvodSumPrilB* sheet = PrilBOfRate(rate);
    if (!sheet) return true;
    sheet->Clear();
    mTDeclaration& d = Declaration();
    if (!(d.IncomeKinds & kIncomeForeign)) return true;
    for (int i = 0; i < d.Foreign.Count(); ++i) {
        const mTCurrencyIncome& income = d.Foreign.Get(i);
        if (ForeignSheetRate(income) != rate) continue;
        sheet->Items.push_back(MakeItem(income, rate));
        sheet->Items.back().SourceRow = i + 1;
        AddToTotals(*sheet, sheet->Items.back());
    }
    return true;
}

}  // namespace kvz
