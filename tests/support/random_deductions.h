#pragma once
// Random deduction records for round-trip tests: every field that the file keeps
// gets a value (Cyrillic texts, four-decimal amounts, whole-day dates, lists of a
// few items), and fields that the file does not keep stay at their defaults, so a
// saved and loaded record equals the original.
#include <random>

#include "model/cb_deduct.h"
#include "model/construction_deduct.h"
#include "model/pens.h"
#include "model/social_deduct.h"
#include "model/standart_deduct.h"

namespace kvz::test {

void RandomFill(std::mt19937& rng, mTStandartDeduct& item);
void RandomFill(std::mt19937& rng, mTPens& item);
void RandomFill(std::mt19937& rng, mTSocialDeduct& item);
void RandomFill(std::mt19937& rng, mTConstructionDeductObj& item);
void RandomFill(std::mt19937& rng, mTConstructionDeduct& item);
void RandomFill(std::mt19937& rng, mTCBDeduct& item);

}  // namespace kvz::test
