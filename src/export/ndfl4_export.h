#pragma once
// The 4-НДФЛ document (КНД 1151021, format 5.02): the expected income of the next
// year. Nothing of the calculation is written.
#include <libxml/tree.h>

#include <string>

#include "model/declaration.h"
#include "storage/dates.h"

namespace kvz {

inline constexpr const char* kNdfl4ProgramVersion = KVZ_PROGRAM_VERSION;
inline constexpr const char* kNdfl4FormatVersion = "5.02";

std::string Ndfl4HeaderText(const std::string& identifier);

// Loads the header into the document and appends Документ with the taxpayer, the
// signer and the expected income. date is the document's date (ДатаДок).
void BuildNdfl4Document(xmlDoc* document, const mTDeclaration& declaration, const std::string& identifier,
                        DateTime date);

// ДокПредст of 4-НДФЛ: "000" for every category but the four business ones.
std::string Ndfl4TaxpayerCategoryCode(uint8_t taxpayerKind);

}  // namespace kvz
