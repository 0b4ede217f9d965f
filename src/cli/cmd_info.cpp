// kvarzen-cli info FILE.qz5: the document's contents as JSON.
#include <iostream>

#include "cli/commands.h"
#include "cli/document_io.h"
#include "model/declaration_json.h"

namespace kvz::cli {

int RunInfo(const Args& args) {
    if (WantsHelp(args) || args.size() != 1) {
        (WantsHelp(args) ? std::cout : std::cerr)
            << "Использование: kvarzen-cli info FILE.qz5\n"
               "Печатает содержимое документа в JSON: условия, налогоплательщика, доходы и вычеты.\n"
               "Суммы - строки с точкой, даты - \"ДД.ММ.ГГГГ\".\n";
        return WantsHelp(args) ? 0 : 2;
    }
    auto declaration = LoadDocumentOrReport(args[0]);
    if (!declaration) return 1;
    std::cout << DeclarationToJson(*declaration).dump(2) << "\n";
    return 0;
}

}  // namespace kvz::cli
