#pragma once
// The kinds of identity documents with their two-digit codes, and the form of the
// series and number that each kind takes.
#include <vector>

#include "directory/inspection_directory.h"
#include "screens/doc_series_mask.h"

namespace kvz {

const std::vector<DirectoryEntry>& DocumentTypeRows();

// The form of the series for a type read from the document when the page opens,
// and for a type the user has just chosen. A code that names no form keeps
// `current`. The tables differ: several types chosen anew are typed in a freer
// form than the same types read back.
TDocumentMaskEnum SeriesFormOfStoredType(int code, TDocumentMaskEnum current);
TDocumentMaskEnum SeriesFormOfChosenType(int code, TDocumentMaskEnum current);

}  // namespace kvz
