#pragma once
// The exchange rates a foreign income takes from the rate file when the user lets
// the program find them ("Автоматическое определение курса валюты").
#include <string_view>
#include <vector>

#include "directory/currency_rates.h"
#include "directory/inspection_directory.h"

namespace kvz {

class mTCurrencyIncome;

// Roubles for Units units of the currency; zero units when there is no rate.
struct RateRow {
    Money Rate;
    int32_t Units = 0;
    bool operator==(const RateRow&) const = default;
};

struct AutomaticRates {
    // The file has the currency with a rate on or before the income date; without
    // one the automatic rates cannot be switched on.
    bool Available = false;
    RateRow OnIncomeDate;
    RateRow OnTaxDate;
};

// `table` is null when the program has no rate file.
AutomaticRates LookUpAutomaticRates(const CurrencyRateTable* table, std::string_view currencyCode,
                                    DateTime incomeDate, DateTime taxPaymentDate);

// Puts both rows of rates into the income and recomputes its rouble equivalents.
void SetIncomeRates(mTCurrencyIncome& income, const RateRow& onIncomeDate, const RateRow& onTaxDate);

// The currencies of the file as the currency picker lists them: code and name.
std::vector<DirectoryEntry> CurrencyList(const CurrencyRateTable& table);

}  // namespace kvz
