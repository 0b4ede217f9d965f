#pragma once
// The calculation's records as JSON, for the command-line tool: the overall result,
// one object per record under its class name (the three sheet Б records as
// kTSvodSumPrilB13, kTSvodSumPrilB9, kTSvodSumPrilB35) with every field under its
// name, and the values the calculation wrote into the declaration's sources.
// Money is decimal text with "."; dates are "DD.MM.YYYY"; arrays are lists of objects.
#include <nlohmann/json.hpp>

namespace kvz {

class kTSvodSum;
class mTDeclaration;

nlohmann::ordered_json CalculationToJson(const kTSvodSum& sum, bool result, const mTDeclaration& declaration);

}  // namespace kvz
