#pragma once
// The central bank's published exchange-rate files (windows-1251 XML), in either
// of their two shapes:
//  - the daily rates: root "ValCurs" with "Date", one "Valute" per currency (its
//    bank "ID" attribute, children "NumCode", "CharCode", "Nominal", "Name" and
//    "Value" with a decimal comma);
//  - the rates of one currency over a period: root "ValCurs" with the currency's
//    "ID", "DateRange1" and "DateRange2", one "Record" per date with the "Date"
//    attribute and the children "Nominal" and "Value".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

struct BankRate {
    std::string BankId;
    std::string NumCode;  // empty in a period file, which names the currency by BankId only
    std::string CharCode;
    std::string Name;
    DateTime Date = 0;
    int32_t Nominal = 1;
    Money Value;  // roubles for Nominal units
};

enum class BankRateFileKind { Daily, Period };

struct BankRateFile {
    BankRateFileKind Kind = BankRateFileKind::Daily;
    std::vector<BankRate> Rates;
};

// Refuses anything that is not one of the two shapes, or that has a missing or
// malformed value, with EDataFileError naming the file and the place.
BankRateFile ParseBankRateFile(std::string_view bytes, const std::string& fileName);

}  // namespace kvz
