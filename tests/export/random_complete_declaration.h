#pragma once
// Random declarations as a user would complete them through the screens: codes the
// dictionaries offer, requisites that pass the payment-source checks, taxes in whole
// roubles as the income certificates give them, and every section and sheet in play.
#include <memory>
#include <random>

#include "model/declaration.h"

namespace kvz::test {

// kind: 0 resident, 1 non-resident, 2 expected income.
std::unique_ptr<mTDeclaration> RandomCompleteDeclaration(std::mt19937& rng, uint8_t kind);

}  // namespace kvz::test
