// kvarzen-cli import-rates: merges the central bank's rate files into CurrencyRates.xml.
#include <exception>
#include <iostream>

#include "cli/commands.h"
#include "directory/rate_import.h"

namespace kvz::cli {

namespace {

const char* const kUsage =
    "Использование: kvarzen-cli import-rates FILE... OUT.xml\n"
    "Добавляет в файл курсов валют OUT.xml (CurrencyRates.xml) курсы из XML-файлов ЦБ РФ:\n"
    "  ежедневных (ValCurs с атрибутом Date и элементами Valute) и\n"
    "  за период по одной валюте (ValCurs с ID, DateRange1, DateRange2 и элементами Record).\n"
    "Валюта файла за период определяется по ежедневному файлу, указанному вместе с ним,\n"
    "или по уже имеющимся в OUT.xml данным. Курс на ту же дату заменяется.\n"
    "Если хотя бы один файл поврежден, OUT.xml не изменяется.\n";

}  // namespace

int RunImportRates(const Args& args) {
    if (auto exit = HelpOrUsageError(args, [&] { return args.size() >= 2; }, UsageText(kUsage), 1)) return *exit;
    std::vector<std::string> inputs(args.begin(), args.end() - 1);
    try {
        RateImportSummary summary = ImportRateFiles(inputs, args.back());
        std::cout << "Прочитано курсов: " << summary.Rates << " из файлов: " << summary.Files
                  << "; добавлено: " << summary.Added << ", изменено: " << summary.Changed
                  << "; валют в файле: " << summary.Currencies << "\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "Импортировать курсы валют не удалось: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace kvz::cli
