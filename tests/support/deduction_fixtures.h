#pragma once
// Declarations for the tests of the deduction sheets: a few builders for the income
// lines those sheets read, and random declarations whose codes, months and counts
// hit the deduction rules (amounts stay in the range a person types).
#include <cstdint>
#include <memory>
#include <random>

#include "model/declaration.h"
#include "storage/money.h"

namespace kvz::test::deduct {

// Whole roubles, and roubles with kopecks ("1234.56").
Money Rub(int64_t roubles);
Money Rub(const char* text);

// A declaration of the kind (0 resident, 1 non-resident) with the income kinds on.
std::unique_ptr<mTDeclaration> DeductionDeclaration(uint8_t kind, uint8_t incomeKinds = kIncomeRussian);

// A new source in the resident 13 % list (or the non-resident one).
mTThirteenPercent& AddSource(mTDeclaration& d, bool standardDeductionsHere = false);
mTThirteenPercent& AddNonResidentSource(mTDeclaration& d);
void AddLine(mTThirteenPercent& source, int32_t incomeCode, Money amount, int32_t deductionCode = 0,
             Money deductionAmount = Money(), uint16_t month = 0);
// A foreign-currency income already worked out in roubles.
mTCurrencyIncome& AddForeign(mTDeclaration& d, int32_t incomeCode, Money roubles, int32_t deductionCode = 0,
                             Money deductionAmount = Money());
mTThirtyFivePercent& AddThirtyFive(mTDeclaration& d, int32_t incomeCode, Money income, int32_t deductionCode = 0,
                                   Money deductionAmount = Money());
mTConstructionDeductObj& AddProperty(mTDeclaration& d, Money cost, int registrationYear, int32_t shareNumerator = 0,
                                     int32_t shareDenominator = 0);

// A random declaration of kind 0 or 1 whose lines carry the income and deduction
// codes of the deduction sheets, with standard, social and property deductions.
// The same seed gives an equal declaration.
std::unique_ptr<mTDeclaration> RandomDeductionDeclaration(uint32_t seed);

// Clears what the calculation writes into the declaration (income-kind codes of the
// sources, taxable income and tax of the 35 % sources), so that a calculated
// declaration can be compared with one that was not.
void ClearCalculatedFields(mTDeclaration& d);

}  // namespace kvz::test::deduct
