#pragma once
// The kinds of identity documents with their two-digit codes, and the form of the
// series and number that each kind takes.
#include <vector>

#include "directory/inspection_directory.h"

namespace kvz {

// The forms of the series and number of an identity document.
enum TDocumentMaskEnum {
    edtR_BB = 0,   // birth certificate: Roman numeral, "-", two capitals, space, six digits
    edt99 = 1,     // two digits, space, up to seven digits
    edt99_ = 2,    // passport: two digits, space, two digits, space, six digits
    edtBB = 3,     // two capitals, space, up to six digits
    edtBB0 = 4,    // two capitals, space, up to seven digits
    edtNone1 = 5,  // free text of up to 20 characters
    edtNone2 = 6,  // free text of up to 14 characters
};

const std::vector<DirectoryEntry>& DocumentTypeRows();

// The form of the series for a type read from the document when the page opens,
// and for a type the user has just chosen. A code that names no form keeps
// `current`. The tables differ: several types chosen anew are typed in a freer
// form than the same types read back.
TDocumentMaskEnum SeriesFormOfStoredType(int code, TDocumentMaskEnum current);
TDocumentMaskEnum SeriesFormOfChosenType(int code, TDocumentMaskEnum current);

}  // namespace kvz
