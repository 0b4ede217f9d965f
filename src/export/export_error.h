#pragma once
// Failures of the XML export that the user can act on: a declaration that cannot be
// written as the authority's file. The message names the place and says why in the
// user's words; it is shown as it stands.
#include <string>

#include "storage/message_error.h"

namespace kvz {

using EExportRefused = MessageError<struct ExportRefusedTag>;

// The finished file could not be written (full disk, no permission, …): the user's
// to put right, so no fault of the program is reported.
using EExportWriteFailed = MessageError<struct ExportWriteFailedTag>;

// The XML engine could not be obtained (library or document object).
using EXmlEngineError = MessageError<struct XmlEngineErrorTag>;

}  // namespace kvz
