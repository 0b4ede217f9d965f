// kvarzen-cli export FILE.qz5 (--to DIR | --stdout) [--no-check]: the tax
// authority's XML file of the declaration.
#include <iostream>

#include "checks/declaration_check.h"
#include "checks/findings_report.h"
#include "cli/commands.h"
#include "cli/document_io.h"
#include "export/declaration_export.h"
#include "export/export_error.h"
#include "export/export_folder.h"

namespace kvz::cli {

namespace {

void PrintExportUsage(std::ostream& out) {
    out << "Использование: kvarzen-cli export FILE.qz5 (--to DIR | --stdout) [--no-check]\n"
           "Выгружает декларацию в XML-файл формата налоговой службы (3-НДФЛ или 4-НДФЛ).\n"
           "  --to DIR    записать файл в каталог DIR (кодировка windows-1251) и напечатать\n"
           "              его имя\n"
           "  --stdout    напечатать документ вместо записи файла; текст в UTF-8, его\n"
           "              объявление называет UTF-8\n"
           "  --no-check  не проверять декларацию перед выгрузкой\n"
           "Перед выгрузкой декларация проверяется так же, как командой check; при\n"
           "замечаниях файл не создается. Документ 3-НДФЛ проверяется по схеме формата.\n"
           "Код выхода: 0 - файл сформирован, 1 - замечания или ошибка, 2 - неверный вызов.\n";
}

struct ExportOptions {
    std::string Path;
    std::string Folder;
    bool ToStdout = false;
    bool Check = true;
};

bool ParseOptions(const Args& args, ExportOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--to" && i + 1 < args.size() && options.Folder.empty()) {
            options.Folder = args[++i];
            if (options.Folder.empty()) return false;
        } else if (a == "--stdout") {
            options.ToStdout = true;
        } else if (a == "--no-check") {
            options.Check = false;
        } else if (options.Path.empty() && !a.empty() && a[0] != '-') {
            options.Path = a;
        } else {
            return false;
        }
    }
    // Exactly one destination.
    return !options.Path.empty() && (!options.Folder.empty()) != options.ToStdout;
}

bool PassesCheck(mTDeclaration& declaration) {
    const CheckFindings findings = CheckDeclarationForExport(declaration);
    if (findings.empty()) return true;
    std::cerr << FindingsText(findings)
              << "Выгрузка отменена: исправьте замечания или запустите команду с --no-check.\n";
    return false;
}

}  // namespace

int RunExport(const Args& args) {
    if (WantsHelp(args)) {
        PrintExportUsage(std::cout);
        return 0;
    }
    ExportOptions options;
    if (!ParseOptions(args, options)) {
        PrintExportUsage(std::cerr);
        return 2;
    }
    if (!options.ToStdout && !IsExistingDirectory(options.Folder)) {
        std::cerr << "Каталог не найден: " << options.Folder << "\n";
        return 1;
    }
    auto declaration = LoadDocumentOrReport(options.Path);
    if (!declaration) return 1;
    if (options.Check && !PassesCheck(*declaration)) return 1;

    ExportSettings settings;
    settings.ShowMessage = [](const std::string& text) { std::cerr << text << "\n"; };
    const std::string folder = options.ToStdout ? std::string() : ExportTargetFolder(options.Folder);
    std::string result;
    try {
        ExportDeclaration(folder, *declaration, options.ToStdout ? kExportTextMode : kExportFileMode, result,
                          settings);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    if (result == kExportErrorResult) return 1;
    std::cout << result << (options.ToStdout ? "" : "\n");
    return 0;
}

}  // namespace kvz::cli
