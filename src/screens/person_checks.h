#pragma once
// The checks of the taxpayer's pages, each failure shown in the check dialog
// under "Сведения о декларанте". Results: 0, or the row the user wants to correct.
#include <cstdint>

#include "checks/check_dialog.h"
#include "storage/dates.h"

namespace kvz {

class mTDeclaration;

// `docTypeCode` is the type shown on the page (it decides the 14-year rule).
uint32_t ValidatePersonNaim(const mTDeclaration& declaration, uint16_t docTypeCode, CheckDialog* dialog);
uint32_t ValidatePersonAddress(const mTDeclaration& declaration, CheckDialog* dialog);

// Whether a document was issued before the holder's 14th birthday; a birthday on
// 29 February turns 14 on 28 February.
bool IssuedBeforeFourteenthBirthday(DateTime birth, DateTime issued);

}  // namespace kvz
