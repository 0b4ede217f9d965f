#pragma once
// Whole random declarations for round trips, damage tests and the calculation's
// robustness tests: every scalar, the taxpayer, every list and deduction object.
#include <memory>
#include <random>
#include <string>

#include "model/declaration.h"

namespace kvz::test {

// A random text of up to maxLength characters mixing Cyrillic, Latin, digits,
// quotes and punctuation (all writable in windows-1251).
std::string RandomText(std::mt19937& rng, int maxLength);
void RandomFill(std::mt19937& rng, mTPersonInformation& person);
// Scalars and taxpayer only (the income kinds stay as they are).
void RandomScalars(std::mt19937& rng, mTDeclaration& declaration);
// Everything, with up to maxItems items per list.
std::unique_ptr<mTDeclaration> RandomDeclaration(std::mt19937& rng, int maxItems = 3);

}  // namespace kvz::test
