#pragma once
// Import of the central bank's rate files into the program's "CurrencyRates.xml".
// The rates of all the files are merged into the existing file (a rate of the same
// currency and date is replaced, the later file winning); the file is written only
// when every input has been read, so a damaged input leaves it as it was.
#include <cstddef>
#include <string>
#include <vector>

#include "directory/bank_rate_file.h"
#include "directory/currency_rates.h"

namespace kvz {

struct RateImportSummary {
    std::size_t Files = 0;
    std::size_t Rates = 0;    // rates read from the files
    std::size_t Added = 0;    // new dates
    std::size_t Changed = 0;  // dates whose rate or unit count differed
    std::size_t Currencies = 0;  // currencies in the written file
};

// Merges parsed files into the table. A period file names its currency by the
// bank's identifier only; the identifier is resolved through the daily files given
// with it or the identifiers the table already holds. Throws EDataFileError for an
// identifier that neither knows (`fileNames` give the files' names for messages).
void MergeBankRates(CurrencyRateTable& table, const std::vector<BankRateFile>& files,
                    const std::vector<std::string>& fileNames, RateImportSummary& summary);

// Reads the inputs and the existing output (when there is one), merges, and
// replaces the output. Throws EDataFileError; the output is then untouched.
RateImportSummary ImportRateFiles(const std::vector<std::string>& inputs, const std::string& outPath);

}  // namespace kvz
