#pragma once
// Checks that run after the completeness check's own: amounts that the tax form has
// no negative value for (incomes, withheld and computed taxes, deductions, expenses,
// payments), and income and deduction codes of Russian and foreign sources that the
// income dictionary does not know (their screens offer only its codes). A negative
// withheld tax would otherwise pass the schema and turn into a tax to pay; a negative
// income would quietly lower the income.
#include "checks/declaration_check.h"

namespace kvz {

class mTDeclaration;

// Every such problem in the order of the sections, each with the section and field
// (or 1-based row) that the main window opens for it.
CheckFindings AmountSignFindings(const mTDeclaration& declaration);

}  // namespace kvz
