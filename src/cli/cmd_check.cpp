// kvarzen-cli check FILE.qz5... [--json]: the declaration check without dialogs.
#include <iostream>
#include <optional>

#include "checks/declaration_check.h"
#include "checks/findings_report.h"
#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/document_io.h"

namespace kvz::cli {

namespace {

void PrintCheckUsage(std::ostream& out) {
    out << "Использование: kvarzen-cli check FILE.qz5... [--json]\n"
           "Проверяет декларацию так же, как перед выгрузкой, и печатает каждое замечание:\n"
           "номер раздела, номер поля (или строки списка) и сообщение, а без замечаний -\n"
           "итог декларации (к возврату, к уплате или отсутствие налога); с --json - объект\n"
           "{\"passed\", \"findings\": [{\"section\", \"sectionTitle\", \"field\", \"message\"}]}.\n"
           "Несколько документов проверяются за один запуск, по строке на документ:\n"
           "  FILE: " << kCheckPassedText << "; К возврату: 156 000 руб.\n"
           "  FILE: замечания: ...\n"
           "  FILE: ошибка: причина\n"
           "с --json - по объекту в строке, с полем \"file\" (и \"error\" у непрочитанного).\n"
           "Код выхода: 0 - замечаний нет, 1 - есть замечания или файл не прочитан (хотя бы\n"
           "в одном документе).\n";
}

constexpr const char* kFindingsWord = "замечания: ";

std::string JsonText(const nlohmann::ordered_json& j, int indent) {
    return j.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

// The findings of one document, or nothing (error then says why) when it cannot be
// read or checked.
std::optional<CheckFindings> FindingsOf(const std::string& path, std::string& error, std::string& passed) {
    try {
        auto declaration = LoadDocument(path, error);
        if (!declaration) return std::nullopt;
        CheckFindings findings = CheckDeclarationForExport(*declaration);
        if (findings.empty()) passed = CheckPassedText(*declaration) + "\n";
        return findings;
    } catch (const std::exception& e) {
        error = e.what();
        return std::nullopt;
    }
}

// One document of a batch: its verdict as text, or as one JSON object.
DocumentOutcome CheckDocument(const std::string& path, bool json) {
    std::string error;
    std::string passed;
    const std::optional<CheckFindings> findings = FindingsOf(path, error, passed);
    if (json) {
        nlohmann::ordered_json j{{"file", path}};
        if (findings)
            j.update(FindingsJson(*findings));
        else
            j["passed"] = false, j["error"] = error;
        return {findings && findings->empty(), JsonText(j, -1)};
    }
    if (!findings) return {false, kBatchErrorWord + error};
    if (findings->empty()) return {true, passed};
    return {false, kFindingsWord + FindingsText(*findings)};
}

int CheckBatch(const std::vector<std::string>& paths, bool json) {
    const auto asIs = [](const std::string&, const DocumentOutcome& outcome) { return outcome.Text; };
    return RunBatch(
        paths, [json](const std::string& path) { return CheckDocument(path, json); }, "без замечаний", "с замечаниями или ошибками",
        json ? BatchLine(asIs) : BatchLine(OutcomeLine));
}

}  // namespace

int RunCheck(const Args& args) {
    if (WantsHelp(args)) {
        PrintCheckUsage(std::cout);
        return 0;
    }
    bool json = false;
    std::vector<std::string> paths;
    for (const std::string& a : args) {
        if (a == "--json") {
            json = true;
        } else if (!a.empty() && a[0] != '-') {
            paths.push_back(a);
        } else {
            PrintCheckUsage(std::cerr);
            return 2;
        }
    }
    if (paths.empty()) {
        PrintCheckUsage(std::cerr);
        return 2;
    }
    if (paths.size() > 1) return CheckBatch(paths, json);

    auto declaration = LoadDocumentOrReport(paths.front());
    if (!declaration) return 1;
    const CheckFindings findings = CheckDeclarationForExport(*declaration);
    if (json)
        std::cout << JsonText(FindingsJson(findings), 2) << "\n";
    else
        std::cout << (findings.empty() ? CheckPassedText(*declaration) + "\n" : FindingsText(findings));
    return findings.empty() ? 0 : 1;
}

}  // namespace kvz::cli
