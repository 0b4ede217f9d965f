#include "model/expense_norm.h"

#include "model/deduction_amount.h"

namespace kvz {

Money ExpenseNorm(Money income) { return PercentOfIncome(income, kExpenseNormPercent); }

}  // namespace kvz
