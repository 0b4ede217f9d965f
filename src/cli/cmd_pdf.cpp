// kvarzen-cli pdf FILE.qz5 OUT.pdf [--no-check]: the printed declaration form with
// its barcodes as a PDF file, drawn without a display.
#include <iostream>

#include "checks/declaration_check.h"
#include "checks/findings_report.h"
#include "cli/commands.h"
#include "cli/document_io.h"
#include "directory/directory_location.h"
#include "directory/inspection_directory.h"
#include "export/declaration_export.h"
#include "export/export_folder.h"
#include "print/print_handover.h"
#include "storage/replace_file.h"
#ifdef KVZ_HAVE_PDF
#include "print/render/pdf_render.h"
#endif

namespace kvz::cli {

namespace {

void PrintPdfUsage(std::ostream& out) {
    out << "Использование: kvarzen-cli pdf FILE.qz5 OUT.pdf [--no-check]\n"
           "Записывает печатную форму декларации (3-НДФЛ или 4-НДФЛ) с двумерными\n"
           "штрихкодами PDF417 в файл PDF. Штрихкоды всех страниц вместе содержат\n"
           "XML-файл декларации.\n"
           "  --no-check  не проверять декларацию перед печатью\n"
           "Перед печатью декларация проверяется так же, как командой check; при\n"
           "замечаниях или ошибке выгрузки файл не создается, а прежний файл OUT.pdf\n"
           "остается нетронутым.\n"
           "Код выхода: 0 - файл записан, 1 - замечания или ошибка, 2 - неверный вызов.\n";
}

struct PdfOptions {
    std::string Path;
    std::string Output;
    bool Check = true;
};

bool ParseOptions(const Args& args, PdfOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-check") {
            options.Check = false;
        } else if (a == "--to" && i + 1 < args.size() && options.Output.empty()) {
            options.Output = args[++i];
        } else if (!a.empty() && a[0] != '-' && options.Path.empty()) {
            options.Path = a;
        } else if (!a.empty() && a[0] != '-' && options.Output.empty()) {
            options.Output = a;
        } else {
            return false;
        }
    }
    return !options.Path.empty() && !options.Output.empty();
}

// The recipient's name from the inspection directory the window would read.
std::string Recipient(const std::string& programFolder, const std::string& code) {
    try {
        const InspectionDirectory directory = ReadInspectionDirectory(InspectionDirectoryToRead(programFolder));
        return RecipientName(&directory, code);
    } catch (const std::exception&) {
        return std::string();
    }
}

}  // namespace

int RunPdf(const Args& args) {
    PdfOptions options;
    if (auto exit = HelpOrUsageError(args, [&] { return ParseOptions(args, options); }, PrintPdfUsage)) return *exit;
#ifndef KVZ_HAVE_PDF
    std::cerr << "Эта сборка программы не умеет записывать PDF: она собрана без Qt.\n";
    return 1;
#else
    auto declaration = LoadDocumentOrReport(options.Path);
    if (!declaration) return 1;
    ExportSettings settings;
    settings.ShowMessage = [](const std::string& text) { std::cerr << text << "\n"; };
    const std::string programFolder = ProgramFolder();
    try {
        std::string text;
        if (!options.Check) {
            ExportDeclaration(std::string(), *declaration, kExportTextMode, text, settings);
        } else if (const CheckFindings findings =
                       CheckAndExportDeclaration(std::string(), *declaration, kExportTextMode, text, settings);
                   !findings.empty()) {
            std::cerr << FindingsText(findings)
                      << "Печатная форма не создана: исправьте замечания или запустите команду с --no-check.\n";
            return 1;
        }
        // The export has said why; the form of a failed export is not drawn.
        if (text == kExportErrorResult) return 1;
        const RenderedPdf pdf =
            RenderDeclarationPdf(text, {programFolder, Recipient(programFolder, declaration->InspectionCode)});
        ReplaceFileContents(options.Output, pdf.Bytes);
        std::cout << options.Output << ": страниц " << pdf.Pages << "\n";
    } catch (const EReplaceFileError& e) {
        std::cerr << "Не удалось записать файл " << options.Output << ": " << e.code().message() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
#endif
}

}  // namespace kvz::cli
