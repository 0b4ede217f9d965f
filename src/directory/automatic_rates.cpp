#include "directory/automatic_rates.h"

#include "model/currency_income.h"

namespace kvz {

namespace {

RateRow RowOf(const CurrencyRate* rate) { return rate ? RateRow{rate->Rate, rate->Quantity} : RateRow{}; }

}  // namespace

AutomaticRates LookUpAutomaticRates(const CurrencyRateTable* table, std::string_view currencyCode,
                                    DateTime incomeDate, DateTime taxPaymentDate) {
    AutomaticRates rates;
    const Currency* currency = table ? table->Find(currencyCode) : nullptr;
    if (!currency) return rates;
    const CurrencyRate* onIncomeDate = FindRate(*currency, incomeDate);
    rates.Available = onIncomeDate != nullptr;
    rates.OnIncomeDate = RowOf(onIncomeDate);
    rates.OnTaxDate = RowOf(FindRate(*currency, taxPaymentDate));
    return rates;
}

void SetIncomeRates(mTCurrencyIncome& income, const RateRow& onIncomeDate, const RateRow& onTaxDate) {
    income.RateOnIncomeDate = onIncomeDate.Rate;
    income.UnitsOnIncomeDate = onIncomeDate.Units;
    income.RateOnTaxDate = onTaxDate.Rate;
    income.UnitsOnTaxDate = onTaxDate.Units;
    income.SetIncomeInCurrency(income.IncomeInCurrency);
    income.SetTaxInCurrency(income.TaxInCurrency);
}

std::vector<DirectoryEntry> CurrencyList(const CurrencyRateTable& table) {
    std::vector<DirectoryEntry> list;
    for (const Currency& currency : table.Currencies) list.push_back({currency.Code, currency.Name});
    return list;
}

}  // namespace kvz
