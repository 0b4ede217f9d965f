#pragma once
// The declaration form from the export's XML text: read, laid out and written as a
// PDF document. Used by the print module and by the command-line tool; the header
// stays free of Qt so that its callers do too.
#include <string>

#include "print/form_content.h"
#include "print/print_data.h"

namespace kvz {

struct PrintSetup {
    // The program's folder with its trailing "/": the schema that gives the wording.
    std::string ProgramFolder;
    // The recipient inspection's name.
    std::string Recipient;
};

struct PreparedForm {
    PrintData Data;
    FormContent Content;
};

// Throws EPrintDataError when the text is "ERROR" or not a declaration.
PreparedForm PrepareForm(const std::string& xmlText, const PrintSetup& setup);

struct RenderedPdf {
    std::string Bytes;
    int Pages = 0;
};

// The whole form as a PDF document. Without a Qt application in the process it runs
// one on the offscreen platform for the call, so no display is needed. Throws
// EPrintDataError or EBarcodeError.
RenderedPdf RenderDeclarationPdf(const PreparedForm& form);
RenderedPdf RenderDeclarationPdf(const std::string& xmlText, const PrintSetup& setup);

}  // namespace kvz
