#pragma once
// Rules on entered values that the authority's schema cannot state: names of
// people in letters only, country codes from the country directory with the name
// that belongs to the code (and given for every foreign income), pension contracts
// of a known kind, a month for each 13 % line the standard deductions count, property objects as their dialog accepts them, with
// a year of first use inside the dialog's limits, and the 4-НДФЛ codes that no schema reads. They run after
// the declaration's own checks, before the schema's.
#include <string>

#include "checks/declaration_check.h"
#include "directory/inspection_directory.h"
#include "model/declaration.h"

namespace kvz {

inline constexpr int kTaxYear = 2015;

// True for a name of letters, spaces, hyphens, apostrophes and dots only.
bool IsPersonName(const std::string& text);

// The country of a code as the file carries it (blanks trimmed, zeros in front to
// three digits); null for a blank code or one the directory does not have.
const DirectoryEntry* FindCountry(const InspectionDirectory& countries, const std::string& code);

// Every finding in the order of the screens. countries: the parsed "Oksm.xml", or
// null when it is not available (country codes are then not looked up).
CheckFindings FieldRuleFindings(const mTDeclaration& declaration, const InspectionDirectory* countries);

// The country directory next to the program, read once; null when it is missing
// or unreadable.
const InspectionDirectory* ProgramCountryDirectory();

}  // namespace kvz
