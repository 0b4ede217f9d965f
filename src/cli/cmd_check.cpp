// kvarzen-cli check FILE.qz5 [--json]: the declaration check without dialogs.
#include <iostream>

#include "checks/declaration_check.h"
#include "checks/findings_report.h"
#include "cli/commands.h"
#include "cli/document_io.h"

namespace kvz::cli {

namespace {

void PrintCheckUsage(std::ostream& out) {
    out << "Использование: kvarzen-cli check FILE.qz5 [--json]\n"
           "Проверяет декларацию так же, как перед выгрузкой, и печатает каждое замечание:\n"
           "номер раздела, номер поля (или строки списка) и сообщение; с --json - объект\n"
           "{\"passed\", \"findings\": [{\"section\", \"sectionTitle\", \"field\", \"message\"}]}.\n"
           "Код выхода: 0 - замечаний нет, 1 - есть замечания или файл не прочитан.\n";
}

}  // namespace

int RunCheck(const Args& args) {
    if (WantsHelp(args)) {
        PrintCheckUsage(std::cout);
        return 0;
    }
    bool json = false;
    std::string path;
    for (const std::string& a : args) {
        if (a == "--json") {
            json = true;
        } else if (path.empty() && !a.empty() && a[0] != '-') {
            path = a;
        } else {
            PrintCheckUsage(std::cerr);
            return 2;
        }
    }
    if (path.empty()) {
        PrintCheckUsage(std::cerr);
        return 2;
    }
    auto declaration = LoadDocumentOrReport(path);
    if (!declaration) return 1;
    const CheckFindings findings = CheckDeclarationForExport(*declaration);
    if (json)
        std::cout << FindingsJson(findings).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                  << "\n";
    else
        std::cout << FindingsText(findings);
    return findings.empty() ? 0 : 1;
}

}  // namespace kvz::cli
