// Any bytes given as a rate file: the bank's daily or period file, or the program's
// own "CurrencyRates.xml". Each parser ends in its rates or in the program's error;
// rates that were read merge into a table whose file parses again.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "directory/bank_rate_file.h"
#include "directory/currency_rates.h"
#include "directory/data_file_error.h"
#include "directory/rate_import.h"
#include "storage/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kvz::CurrencyRateTable table;
    try {
        table = kvz::ParseCurrencyRates(bytes, "CurrencyRates.xml");
    } catch (const kvz::EDataFileError&) {
    }
    try {
        std::vector<kvz::BankRateFile> files{kvz::ParseBankRateFile(bytes, "rates.xml")};
        kvz::RateImportSummary summary;
        kvz::MergeBankRates(table, files, {"rates.xml"}, summary);
    } catch (const kvz::EDataFileError&) {
    }
    std::string xml;
    try {
        xml = kvz::CurrencyRatesXml(table);
    } catch (const kvz::EEncodingError&) {
        return 0;  // a name windows-1251 cannot hold: the import refuses it
    }
    kvz::ParseCurrencyRates(xml, "CurrencyRates.xml");
    return 0;
}
