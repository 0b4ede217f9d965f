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
// Month is 1…12, or 0 for a line without a month.
void CompleteFromJson(JsonObjectReader& reader, const mTSourseIncome& line);

nlohmann::json ToJson(const mTInvestTov& source);
void FromJson(JsonObjectReader& reader, mTInvestTov& source);
// OperationKind is one of the known kinds, or 0.
void CompleteFromJson(JsonObjectReader& reader, const mTInvestTovIncome& line);

// IncomeInRoubles and TaxInRoubles are taken as given; a missing one is computed
// from its currency amount and rate, as the screen would.
void CompleteFromJson(JsonObjectReader& reader, mTCurrencyIncome& income);

// ExpenseItems: 19 values.
nlohmann::json ToJson(const mTBusinessNew& activity);
void FromJson(JsonObjectReader& reader, mTBusinessNew& activity);

// The 30 %, 35 % and 9 % sources and the tax payments are their field lists.

}  // namespace kvz
