#pragma once
// The print module: a library of its own that the program loads when the user
// previews or prints, so that the program runs without it. Its calls are those of
// the hand-over; none returns anything the program uses, and failures are thrown
// with the text to show.
#include <cstdint>
#include <string>

namespace kvz {

class PrintModule {
public:
    virtual ~PrintModule() = default;

    // A named setting of the printout; kRecipientParam names the recipient inspection.
    virtual void SetPrintTiffParam(const std::string& name, const std::string& value) = 0;
    // The program's folder, ending with "/": the schema and data files lie there.
    virtual void SetPrintTiffFolder(const std::string& folder) = 0;
    // Shows the form of the declaration text (the export's text mode) in a preview
    // window over the window with that handle (0: no owner).
    virtual void PreviewData(const std::string& xmlText, std::intptr_t window) = 0;
    // Prints the form once on the named printer ("" the default one). options and
    // flags are kept for the calling convention and not used.
    virtual void PrintData(const std::string& xmlText, const std::string& options, const std::string& printer,
                           int flags) = 0;
};

// The module's file in the program's folder and the function it exports, which
// returns a new module (owned by the caller) or null.
inline constexpr const char* kPrintModuleFile = "kvarzen-print.so";
inline constexpr const char* kPrintModuleEntry = "KvzCreatePrintModule";
// Bumped whenever the class above changes, so that a stale module is refused.
inline constexpr int kPrintModuleVersion = 1;
inline constexpr const char* kPrintModuleVersionEntry = "KvzPrintModuleVersion";
using CreatePrintModuleFunction = PrintModule* (*)();
using PrintModuleVersionFunction = int (*)();

}  // namespace kvz
