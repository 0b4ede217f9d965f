#pragma once
// The values a document derives from its codes, exactly as the window derives them:
// the rate and name of an income code, the rate and amount of a deduction code, the
// fixed codes of the 9 % and dividend sources, the currency's name, the rates of the
// rate file when the rates are automatic, and the rouble equivalents. The window, the
// document made from JSON and the income certificates all go through here, so that a
// document made outside the window is the document the window would have made.
#include <string>

#include "directory/currency_rates.h"
#include "model/income_dictionary.h"
#include "storage/message_error.h"

namespace kvz {

class mTCurrencyIncome;
class mTDeclaration;
struct mTSourseIncome;

// A given value contradicts the one derived from its code, or a value the document
// needs cannot be derived. The message starts with the value's key ("Foreign[0].IncomeRate: …").
using EDerivedValueError = MessageError<struct DerivedValueErrorTag>;

struct DerivationSources {
    const IncomeDictionary& Incomes;
    const CurrencyRateTable* Rates = nullptr;  // null when the program has no rate file
};

// Fills every derived value of the declaration that is not given (zero or empty) and
// refuses one that is given otherwise. On a refusal the declaration is unchanged.
void DeriveDeclarationValues(mTDeclaration& declaration, const DerivationSources& sources);

// The same for one record; `path` is the record's key, put before the key of a refused value.
void DeriveForeignIncome(mTCurrencyIncome& income, const DerivationSources& sources, const std::string& path);
void DeriveIncomeLine(mTSourseIncome& line, const IncomeDictionary& incomes, bool resident, const std::string& path);

// A code chosen in the window: its derived values replace those of the code before;
// a new income code also drops the deduction of the old one.
void TakeIncomeCode(mTCurrencyIncome& income, const IncomeEntry& entry);
void TakeDeductionCode(mTCurrencyIncome& income, const DeductionEntry& entry);

// The income dictionary compiled into the program and the program's rate file (null
// without one), read once.
DerivationSources ProgramDerivationSources();

}  // namespace kvz
