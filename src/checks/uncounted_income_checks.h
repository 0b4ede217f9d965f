#pragma once
// Entered income that adds nothing to the calculation: an income whose rate no sheet
// computes, dividends without the taxable amount the sheets take, sources of a list
// that this kind of declaration does not calculate. Without a word the declaration
// would pass and the file would show less tax than the person owes.
#include <string>

#include "checks/section_checks.h"

namespace kvz {

class mTCurrencyIncome;

// Every such income, section by section, each with its section and 1-based row.
CheckFindings UncountedIncomeFindings(const mTDeclaration& declaration);

// Why no sheet takes the foreign income; empty when one does or it has no amount.
std::string UncountedForeignIncome(const mTCurrencyIncome& income);

}  // namespace kvz
