#pragma once
// Handing the declaration to the print module for the Preview and Print commands:
// the module is created, told the recipient and the program's folder, and given the
// declaration's XML text to preview, or to print once per copy.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "directory/inspection_directory.h"
#include "print/print_module.h"

namespace kvz {

class mTDeclaration;

// Modes of the hand-over.
inline constexpr int kPreviewMode = 2;
inline constexpr int kPrintMode = 3;

// The start of the message when the module cannot be created; what to install follows.
inline constexpr const char* kPrintModuleMissing = "Не найден модуль печати.";

// The printer and the number of copies the print dialog gave.
struct PrinterChoice {
    std::string Printer;
    int Copies = 1;
};

struct PrintHandoverServices {
    // Creates the module; throws when it cannot be loaded, with what to install.
    std::function<std::unique_ptr<PrintModule>()> createModule;
    // The export in text mode: the XML text or "ERROR".
    std::function<std::string(mTDeclaration&)> exportText;
    // The recipient inspection's name for its code ("" when the directory lacks it).
    std::function<std::string(const std::string& code)> inspectionName;
    // The print dialog; nothing when the user cancelled.
    std::function<std::optional<PrinterChoice>()> askPrinter;
    std::function<std::intptr_t()> windowHandle;
    // The file the preview offers to save the PDF as ("" for a document not saved yet).
    std::function<std::string()> pdfFile;
    // Shows an error message with the program's caption.
    std::function<void(const std::string&)> showError;
};

// The recipient inspection's name from the directory, "" when the directory is
// missing or does not know the code.
std::string RecipientName(const InspectionDirectory* directory, const std::string& code);

// Preview (kPreviewMode) or print (kPrintMode). The caller has run the check and
// disabled the window. Failures are shown, never thrown.
void HandOverToPrintModule(mTDeclaration& declaration, int mode, const std::string& programFolder,
                           const PrintHandoverServices& services);

}  // namespace kvz
