#pragma once
// Failures of the XML export that the user can act on: a declaration that cannot be
// written as the authority's file. The message names the place and says why in the
// user's words; it is shown as it stands.
#include <stdexcept>
#include <string>

namespace kvz {

class EExportRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The finished file could not be written (full disk, no permission, …): the user's
// to put right, so no fault of the program is reported.
class EExportWriteFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The XML engine could not be obtained (library or document object).
class EXmlEngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kvz
