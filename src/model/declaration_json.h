#pragma once
// The whole document as one JSON object: the shape that `kvarzen-cli info` prints
// and `kvarzen-cli create` reads, so that documents can be prepared in batches.
#include <nlohmann/json.hpp>

#include "model/declaration.h"
#include "model/json_fields.h"

namespace kvz {

// Scalars, Person, the income lists and the deduction objects.
nlohmann::json DeclarationToJson(const mTDeclaration& declaration);
// Fills a fresh declaration; throws EJsonError naming the key of the first problem.
void DeclarationFromJson(const nlohmann::json& json, mTDeclaration& declaration);

}  // namespace kvz
