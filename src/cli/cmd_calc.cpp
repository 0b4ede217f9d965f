// kvarzen-cli calc FILE.qz5: the whole calculation of the document as JSON.
#include <iostream>

#include "calc/calc_json.h"
#include "calc/svod_sum.h"
#include "cli/commands.h"
#include "cli/document_io.h"

namespace kvz::cli {

namespace {

void PrintCalcUsage(std::ostream& out) {
    out << "Использование: kvarzen-cli calc FILE.qz5\n"
           "Рассчитывает декларацию и печатает в JSON: result - общий результат расчета,\n"
           "записи листов под именами их классов (kTSvodSumList1 ... kTSvodSumPrilI, листы Б\n"
           "как kTSvodSumPrilB13, kTSvodSumPrilB9, kTSvodSumPrilB35) и sources - значения,\n"
           "которые расчет записал в источники выплат. Суммы - строки с точкой.\n";
}

}  // namespace

int RunCalc(const Args& args) {
    if (auto exit = HelpOrUsageError(args, [&] { return args.size() == 1; }, PrintCalcUsage)) return *exit;
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
