#pragma once
// The program's exchange-rate file "CurrencyRates.xml" (windows-1251): the root
// holds one element per currency with its numeric code in "Code", its name in
// "Name" and, when known, the central bank's own identifier in "ID"; each currency
// holds one element per date with "Date" ("DD.MM.YYYY"), "Rate" (roubles for
// "Quantity" units) and "Quantity". The program writes the dates in ascending order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

struct CurrencyRate {
    DateTime Date = 0;
    Money Rate;
    int32_t Quantity = 1;
    bool operator==(const CurrencyRate&) const = default;
};

struct Currency {
    std::string Code;
    std::string Name;
    std::string BankId;
    std::vector<CurrencyRate> Rates;  // in file order
};

struct CurrencyRateTable {
    std::vector<Currency> Currencies;  // in file order

    const Currency* Find(std::string_view code) const;
    Currency* Find(std::string_view code);
};

// The rate for a date as the currency screen takes it: among the entries in file
// order, the one dated that day; failing that, the last one dated before it; null
// when there is none.
const CurrencyRate* FindRate(const Currency& currency, DateTime date);

enum class RateChange { Added, Changed, Same };
// Puts a rate in, replacing the one of the same date; keeps the dates ascending.
RateChange SetRate(Currency& currency, const CurrencyRate& rate);

// Throws EDataFileError naming the file and the damaged place.
CurrencyRateTable ParseCurrencyRates(std::string_view bytes, const std::string& fileName);
CurrencyRateTable ReadCurrencyRates(const std::string& path);

// The file's bytes. Throws EEncodingError for a name outside windows-1251.
std::string CurrencyRatesXml(const CurrencyRateTable& table);
// Replaces the file only once the new one is complete on disk.
void WriteCurrencyRates(const std::string& path, const CurrencyRateTable& table);

}  // namespace kvz
