// kvarzen-cli calc FILE.qz5: the whole calculation of the document as JSON;
// calc --summary FILE...: the result of each document in Russian words.
#include <iostream>

#include "calc/calc_json.h"
#include "calc/result_summary.h"
#include "calc/result_summary_text.h"
#include "calc/svod_sum.h"
#include "cli/commands.h"
#include "cli/document_io.h"

namespace kvz::cli {

namespace {

constexpr const char* kSummaryOption = "--summary";

void PrintCalcUsage(std::ostream& out) {
    out << "Использование: kvarzen-cli calc FILE.qz5\n"
           "              kvarzen-cli calc --summary FILE.qz5...\n"
           "Рассчитывает декларацию и печатает в JSON: result - общий результат расчета,\n"
           "записи листов под именами их классов (kTSvodSumList1 ... kTSvodSumPrilI, листы Б\n"
           "как kTSvodSumPrilB13, kTSvodSumPrilB9, kTSvodSumPrilB35) и sources - значения,\n"
           "которые расчет записал в источники выплат. Суммы - строки с точкой.\n"
           "С --summary печатает итог каждого документа словами, блоком под строкой\n"
           "\"== FILE\": сумму к возврату или к уплате, строки раздела 1 (КБК, ОКТМО),\n"
           "налог по каждой ставке, вычеты этого года и остаток имущественного вычета.\n"
           "Код выхода: 0, 1 - документ не прочитан или не рассчитан (хотя бы один).\n";
}

bool ValidArgs(const Args& args) {
    if (!args.empty() && args[0] == kSummaryOption) return args.size() >= 2;
    return args.size() == 1 && args[0] != kSummaryOption;
}

// One block a document; a document that cannot be read says why in its block.
int PrintSummaries(const Args& paths) {
    int exit = 0;
    for (const std::string& path : paths) {
        std::cout << "== " << path << "\n";
        std::string error;
        auto declaration = LoadDocument(path, error);
        if (!declaration) {
            std::cout << "Ошибка: " << error << "\n";
            exit = 1;
            continue;
        }
        const ResultSummary summary = SummarizeResult(*declaration);
        if (summary.State == ResultState::Incomplete) exit = 1;
        std::cout << ResultSummaryText(summary);
    }
    return exit;
}

}  // namespace

int RunCalc(const Args& args) {
    if (auto exit = HelpOrUsageError(args, [&] { return ValidArgs(args); }, PrintCalcUsage)) return *exit;
    if (args[0] == kSummaryOption) return PrintSummaries(Args(args.begin() + 1, args.end()));
    auto declaration = LoadDocumentOrReport(args[0]);
    if (!declaration) return 1;
    try {
        kTSvodSum sum;
        const bool result = sum.Calculate(*declaration);
        std::cout << CalculationToJson(sum, result, *declaration)
                         .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                  << "\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "Ошибка в рассчетах: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace kvz::cli
