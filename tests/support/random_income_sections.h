#pragma once
// Random income sections for round-trip tests. Every value written by Save is
// covered, and only with values that save and load back equal: texts of Cyrillic,
// Latin, digits and quotes, amounts with four decimals (and -1 now and then),
// whole-day dates, months with and without an amount, lists of lines.
#include <random>

#include "model/business_new.h"
#include "model/currency_income.h"
#include "model/invest_tov.h"
#include "model/nalog.h"
#include "model/thirteen_percent.h"
#include "model/thirty_five_percent.h"
#include "model/thirty_percent.h"

namespace kvz::test {

// Each fills a default-constructed object; fields that are never saved stay default.
void RandomFill(std::mt19937& rng, mTSourseIncome& line);
void RandomFill(std::mt19937& rng, mTThirteenPercent& source);
void RandomFill(std::mt19937& rng, mTThirtyPercent& source);
void RandomFill(std::mt19937& rng, mTThirtyFivePercent& source);
void RandomFill(std::mt19937& rng, mTInvestTovIncome& line);
void RandomFill(std::mt19937& rng, mTInvestTov& source);
void RandomFill(std::mt19937& rng, mTCurrencyIncome& income);
void RandomFill(std::mt19937& rng, mTBusinessNew& activity);
void RandomFill(std::mt19937& rng, mTNalog& payment);

}  // namespace kvz::test
