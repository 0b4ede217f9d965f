#pragma once
// The checks of the foreign-income, business and partnership screens and their
// dialogs. Each returns every finding in the order the user is shown them.
#include <string>

#include "checks/declaration_check.h"

namespace kvz {

class mTDeclaration;
struct mTInvestTovIncome;

inline constexpr const char* kCaptionActivityCode = "ОКВЭД";
inline constexpr const char* kCaptionInvestLine = "Проверка данных участия в инвест. тов.";

// The operation kind of a partnership line, the one field its check names.
inline constexpr int kCheckFieldOperationKind = 1;

// Foreign incomes as their screen checks them: the first income that breaks any
// rule, with the first rule it breaks.
CheckFindings ForeignScreenFindings(const mTDeclaration& declaration);
// Every activity in turn as the business screen checks it: expenses confirmed
// like those of the first activity; labour under contracts within labour; the
// total equal to its parts.
CheckFindings BusinessScreenFindings(const mTDeclaration& declaration);
// A code taken from the activity classifier: at least four characters, the point included.
CheckFindings ActivityCodeFindings(const std::string& code);
// An operation of an investment partnership: its kind must be chosen.
CheckFindings InvestLineFindings(const mTInvestTovIncome& line);

}  // namespace kvz
