#pragma once
// The income sections in the JSON of the command-line tool: every saved field under
// its own name, money as decimal text with ".", dates as "DD.MM.YYYY". Values that
// are never saved (IncomeKindCode, the totals kept from the lines, the calculation's
// amounts of a 35 % source) are left out.
//
// FromJson reads into a default object, then calls Finish() on the reader, so an
// unknown key is refused with its whole path ("Thirteen[0].Lines[2].Month: …").
#include <nlohmann/json.hpp>

#include "model/business_new.h"
#include "model/currency_income.h"
#include "model/invest_tov.h"
#include "model/json_fields.h"
#include "model/nalog.h"
#include "model/thirteen_percent.h"
#include "model/thirty_five_percent.h"
#include "model/thirty_percent.h"

namespace kvz {

// Lines: list of line objects. MonthAmounts: 12 values, null for a month without an
// amount (MonthsPresent follows from it).
nlohmann::json ToJson(const mTThirteenPercent& source);
void FromJson(JsonObjectReader& reader, mTThirteenPercent& source);
nlohmann::json ToJson(const mTSourseIncome& line);
void FromJson(JsonObjectReader& reader, mTSourseIncome& line);

nlohmann::json ToJson(const mTThirtyPercent& source);
void FromJson(JsonObjectReader& reader, mTThirtyPercent& source);

nlohmann::json ToJson(const mTThirtyFivePercent& source);
void FromJson(JsonObjectReader& reader, mTThirtyFivePercent& source);

nlohmann::json ToJson(const mTInvestTov& source);
void FromJson(JsonObjectReader& reader, mTInvestTov& source);
nlohmann::json ToJson(const mTInvestTovIncome& line);
void FromJson(JsonObjectReader& reader, mTInvestTovIncome& line);

// IncomeInRoubles and TaxInRoubles are taken as given; a missing one is computed
// from its currency amount and rate, as the screen would.
nlohmann::json ToJson(const mTCurrencyIncome& income);
void FromJson(JsonObjectReader& reader, mTCurrencyIncome& income);

// ExpenseItems: 19 values.
nlohmann::json ToJson(const mTBusinessNew& activity);
void FromJson(JsonObjectReader& reader, mTBusinessNew& activity);

nlohmann::json ToJson(const mTNalog& payment);
void FromJson(JsonObjectReader& reader, mTNalog& payment);

}  // namespace kvz
