#pragma once
// The 3-НДФЛ document (КНД 1151020, format 5.10) of a resident or non-resident
// declaration and its computed records.
#include <libxml/tree.h>

#include <string>

#include "calc/svod_sum.h"
#include "model/declaration.h"
#include "storage/dates.h"

namespace kvz {

inline constexpr const char* kNdfl3ProgramVersion = "Kvrz2015_" KVZ_PROGRAM_VERSION;
inline constexpr const char* kNdfl3FormatVersion = "5.10";

// The text loaded into the document before the tree is appended.
std::string Ndfl3HeaderText(const std::string& identifier);

// Loads the header into the document and appends the whole tree: Документ with the
// taxpayer, the signer and every sheet the records call for. date is the document's
// date (ДатаДок).
void BuildNdfl3Document(xmlDoc* document, const mTDeclaration& declaration, const kTSvodSum& sum,
                        const std::string& identifier, DateTime date);

// ДокПредст of a taxpayer category; a category the screens never give counts as
// "other natural person".
std::string Ndfl3TaxpayerCategoryCode(uint8_t taxpayerKind);

}  // namespace kvz
