#include "print/print_handover.h"

#include <exception>

#include "directory/inspection_picker.h"
#include "model/declaration.h"
#include "print/form_content.h"

namespace kvz {

namespace {

std::unique_ptr<PrintModule> CreateModule(const PrintHandoverServices& services) {
    try {
        auto module = services.createModule();
        if (module) return module;
        services.showError(std::string(kPrintModuleMissing));
    } catch (const std::exception& e) {
        services.showError(std::string(kPrintModuleMissing) + " " + e.what());
    }
    return nullptr;
}

}  // namespace

std::string RecipientName(const InspectionDirectory* directory, const std::string& code) {
    if (!directory) return std::string();
    InspectionPicker picker(*directory);
    picker.Preselect(code);
    return picker.SelectedName();
}

void HandOverToPrintModule(mTDeclaration& declaration, int mode, const std::string& programFolder,
                           const PrintHandoverServices& services) {
    std::unique_ptr<PrintModule> module = CreateModule(services);
    if (!module) return;
    try {
        module->SetPrintTiffParam(kRecipientParam, services.inspectionName(declaration.InspectionCode));
        module->SetPrintTiffFolder(programFolder);
        if (services.pdfFile) module->SetPrintTiffParam(kPdfFileParam, services.pdfFile());
        // The text goes on unchanged, "ERROR" included: the module says why it cannot print.
        const std::string text = services.exportText(declaration);
        if (mode == kPreviewMode) {
            module->PreviewData(text, services.windowHandle());
            return;
        }
        const std::optional<PrinterChoice> choice = services.askPrinter();
        if (!choice) return;
        for (int copy = 0; copy < choice->Copies; ++copy) module->PrintData(text, std::string(), choice->Printer, 0);
    } catch (const std::exception& e) {
        services.showError(e.what());
    }
}

}  // namespace kvz
