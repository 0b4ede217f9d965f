// kvarzen-cli info FILE.qz5: the document's contents as JSON.
#include <iostream>

#include "cli/commands.h"
#include "cli/document_io.h"
#include "model/declaration_json.h"

namespace kvz::cli {

const char* const kUsage =
    "Использование: kvarzen-cli info FILE.qz5\n"
    "Печатает содержимое документа в JSON: условия, налогоплательщика, доходы и вычеты.\n"
    "Суммы - строки с точкой, даты - \"ДД.ММ.ГГГГ\".\n";

int RunInfo(const Args& args) {
    if (auto exit = HelpOrUsageError(args, [&] { return args.size() == 1; }, UsageText(kUsage))) return *exit;
    auto declaration = LoadDocumentOrReport(args[0]);
    if (!declaration) return 1;
    std::cout << DeclarationToJson(*declaration).dump(2) << "\n";
    return 0;
}

}  // namespace kvz::cli
