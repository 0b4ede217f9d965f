#pragma once
// The deduction records as JSON objects of the command-line tool. Every field is
// under its own name; the twelve-month and ten-year blocks are arrays of exactly
// twelve and ten values (index 0 is January, or 2014 for the losses), the child
// education amounts a list of amounts, the contracts and property objects lists of
// objects. ConstrAmount2 and ConstrAmount4 are working values and are not part of it.
//
// FromJson reads into the given record (a missing key keeps the field, a present
// list replaces the list), names the whole key path in every error
// ("Construction.Objects[1].ObjectCost") and calls Finish() on every reader.
#include <nlohmann/json.hpp>

#include "model/cb_deduct.h"
#include "model/construction_deduct.h"
#include "model/json_fields.h"
#include "model/pens.h"
#include "model/social_deduct.h"
#include "model/standart_deduct.h"

namespace kvz {

// The standard and securities deductions, the pension contracts and the property
// objects are their field lists.
nlohmann::json ToJson(const mTSocialDeduct& item);
void FromJson(JsonObjectReader& reader, mTSocialDeduct& item);
nlohmann::json ToJson(const mTConstructionDeduct& item);
void FromJson(JsonObjectReader& reader, mTConstructionDeduct& item);

}  // namespace kvz
