#pragma once
// The data files that lie next to the program, read once at start: the inspection
// directory (or the user's newer rebuilt copy), the country list, the activity
// classifier and the exchange rates. A missing file leaves its part out; the screens then disable what needs it. The
// rate file ships with the program, so its absence is reported too: without it
// the rates of foreign incomes must be typed.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "directory/activity_classifier.h"
#include "directory/currency_rates.h"
#include "directory/inspection_directory.h"

namespace kvz {

inline constexpr const char* kCountriesFile = "Oksm.xml";
inline constexpr const char* kActivitiesFile = "Sp_OKVED2.xml";
inline constexpr const char* kCurrencyRatesFile = "CurrencyRates.xml";

// The start cannot go on; the message is shown before the program ends.
class EStartAborted : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ProgramDataFiles {
    std::optional<InspectionDirectory> inspections;
    std::optional<InspectionDirectory> countries;
    std::optional<ActivityClassifier> activities;
    std::optional<CurrencyRateTable> currencyRates;
    // Files that are there but cannot be read, and a missing rate file, each with
    // its message; the program goes on without them.
    std::vector<std::string> problems;
};

// programFolder ends with "/". An inspection directory that is there but cannot be
// read throws EStartAborted.
ProgramDataFiles LoadProgramDataFiles(const std::string& programFolder);

// The message that ends the start when the inspection directory cannot be read.
std::string InspectionDirectoryFailure(const std::string& reason);

}  // namespace kvz
