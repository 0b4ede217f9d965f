#pragma once
// Declarations for the checks: a complete one that passes, and the few words the
// tests need to spoil one thing at a time.
#include <cstdint>
#include <memory>

#include "model/declaration.h"
#include "storage/money.h"

namespace kvz::test {

// A resident (or the given kind) with Russian income from one employer, every
// requisite filled, the taxpayer's ОКТМО given: it passes the check.
std::unique_ptr<mTDeclaration> CompleteDeclaration(uint8_t kind = kDecl3Ndfl);

// A 13 % source with one income line of code 2000 (none when income is absent).
mTThirteenPercent& AddEmployer(mTDeclaration& d, int64_t incomeRoubles, int64_t withheldRoubles,
                               bool withLine = true);

// A foreign income that passes the check.
mTCurrencyIncome& AddForeignIncome(mTDeclaration& d);

// A flat bought by contract in 2015 that passes the object dialog's check and the
// authority's format.
mTConstructionDeductObj CompleteFlat();

// An activity with confirmed expenses that passes the check.
mTBusinessNew& AddActivity(mTDeclaration& d);

}  // namespace kvz::test
