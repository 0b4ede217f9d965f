// kvarzen-cli export (--to DIR FILE.qz5... | --stdout FILE.qz5) [--no-check]: the tax
// authority's XML files of the declarations.
#include <iostream>

#include "checks/declaration_check.h"
#include "checks/findings_report.h"
#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/document_io.h"
#include "export/declaration_export.h"
#include "export/export_error.h"
#include "export/export_file_writer.h"
#include "export/export_folder.h"

namespace kvz::cli {

namespace {

void PrintExportUsage(std::ostream& out) {
    out << "Использование: kvarzen-cli export FILE.qz5... --to DIR [--no-check]\n"
           "               kvarzen-cli export FILE.qz5 --stdout [--no-check]\n"
           "Выгружает декларацию в XML-файл формата налоговой службы (3-НДФЛ или 4-НДФЛ).\n"
           "  --to DIR    записать файл в каталог DIR (кодировка windows-1251) и напечатать\n"
           "              его имя\n"
           "  --stdout    напечатать документ вместо записи файла; текст в UTF-8, его\n"
           "              объявление называет UTF-8\n"
           "  --no-check  не проверять декларацию перед выгрузкой\n"
           "Перед выгрузкой декларация проверяется так же, как командой check; при\n"
           "замечаниях файл не создается. Документ 3-НДФЛ проверяется по схеме формата.\n"
           "Несколько документов выгружаются за один запуск: по строке на документ\n"
           "(\"FILE: имя XML-файла\" или \"FILE: ошибка: причина\"); документ с ошибкой не\n"
           "останавливает остальные.\n"
           "Код выхода: 0 - все файлы сформированы, 1 - замечания или ошибка хотя бы в одном\n"
           "документе, 2 - неверный вызов.\n";
}

struct ExportOptions {
    std::vector<std::string> Paths;
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
        } else if (!a.empty() && a[0] != '-') {
            options.Paths.push_back(a);
        } else {
            return false;
        }
    }
    // Exactly one destination; the document text goes out for one document only.
    return !options.Paths.empty() && (!options.Folder.empty()) != options.ToStdout &&
           !(options.ToStdout && options.Paths.size() > 1);
}

// A batch flushes its files to disk a group at a time: the lines of a group come out
// together once its files are in place.
constexpr std::size_t kFilesFlushedTogether = 100;

// The file name (or the document's text) of one export, or why it was not made. With
// files, the file is added to the group and is in place only once the group is
// committed.
DocumentOutcome ExportDocument(const std::string& path, const ExportOptions& options, ExportFileGroup* files = nullptr) {
    std::string error;
    auto declaration = LoadDocument(path, error);
    if (!declaration) return {false, error};
    std::string told;
    ExportSettings settings;
    settings.ShowMessage = [&told](const std::string& text) { told += (told.empty() ? "" : "\n") + text; };
    settings.FileGroup = files;
    const std::string folder = options.ToStdout ? std::string() : ExportTargetFolder(options.Folder);
    const int mode = options.ToStdout ? kExportTextMode : kExportFileMode;
    std::string result;
    try {
        if (!options.Check) {
            ExportDeclaration(folder, *declaration, mode, result, settings);
        } else if (const CheckFindings findings = CheckAndExportDeclaration(folder, *declaration, mode, result, settings);
                   !findings.empty()) {
            return {false, FindingsText(findings) +
                               "Выгрузка отменена: исправьте замечания или запустите команду с --no-check."};
        }
    } catch (const std::exception& e) {
        return {false, e.what()};
    }
    // An empty result: the file could not be written, and the reason was told.
    if (result == kExportErrorResult || result.empty()) return {false, told.empty() ? kExportFailedMessage : told};
    return {true, result};
}

// Every succeeded outcome of a group has its file in the group, in the same order.
void CommitFiles(ExportFileGroup& files, std::vector<DocumentOutcome>& outcomes) {
    const std::vector<std::string> failures = files.Commit();
    std::size_t next = 0;
    for (DocumentOutcome& outcome : outcomes) {
        if (!outcome.Succeeded) continue;
        const std::string& failure = failures.at(next++);
        if (!failure.empty()) outcome = {false, kBatchErrorWord + failure};
    }
}

int ExportBatch(const ExportOptions& options) {
    ExportFileGroup files;
    BatchGroup group;
    group.Size = kFilesFlushedTogether;
    group.Settle = [&files](std::vector<DocumentOutcome>& outcomes) { CommitFiles(files, outcomes); };
    return RunBatch(
        options.Paths,
        [&options, &files](const std::string& path) {
            DocumentOutcome outcome = ExportDocument(path, options, &files);
            if (!outcome.Succeeded) outcome.Text = kBatchErrorWord + outcome.Text;
            return outcome;
        },
        "выгружено", "не выгружено", OutcomeLine, group);
}

}  // namespace

int RunExport(const Args& args) {
    ExportOptions options;
    if (auto exit = HelpOrUsageError(args, [&] { return ParseOptions(args, options); }, PrintExportUsage))
        return *exit;
    if (!options.ToStdout && !IsExistingDirectory(options.Folder)) {
        std::cerr << "Каталог не найден: " << options.Folder << "\n";
        return 1;
    }
    if (options.Paths.size() > 1) return ExportBatch(options);
    const DocumentOutcome outcome = ExportDocument(options.Paths.front(), options);
    if (!outcome.Succeeded) {
        std::cerr << outcome.Text << "\n";
        return 1;
    }
    std::cout << outcome.Text << (options.ToStdout ? "" : "\n");
    return 0;
}

}  // namespace kvz::cli
