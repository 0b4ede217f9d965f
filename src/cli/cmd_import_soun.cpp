// kvarzen-cli import-soun: rebuilds the inspection directory from "soun1.dbf".
#include <exception>
#include <iostream>

#include "cli/commands.h"
#include "directory/soun_import.h"
#include "storage/dates.h"

namespace kvz::cli {

namespace {

// Tables smaller than this are read too quickly for a progress line to help.
constexpr std::size_t kProgressFrom = 2000;

const char* const kUsage =
    "Использование: kvarzen-cli import-soun soun1.dbf OUT.xml\n"
    "Строит справочник инспекций OUT.xml (InspectionNumbers.xml) из классификатора СОУН soun1.dbf.\n"
    "Существующий OUT.xml заменяется только при успешном импорте.\n";

// True while the progress line waits for its end.
bool progressLineOpen = false;

void ShowProgress(std::size_t done, std::size_t total) {
    if (total < kProgressFrom) return;
    std::cerr << "\rПрочитано записей: " << done << " из " << total;
    progressLineOpen = done != total;
    if (!progressLineOpen) std::cerr << "\n";
    std::cerr.flush();
}

}  // namespace

int RunImportSoun(const Args& args) {
    if (auto exit = HelpOrUsageError(args, [&] { return args.size() == 2; }, UsageText(kUsage), 1)) return *exit;
    try {
        SounTable table = ImportSoun(args[0], args[1], kSounDirectoryVersion, DateToText(Today()), ShowProgress);
        std::cout << "Инспекций в справочнике: " << table.Inspections.size() << " (записей в таблице: "
                  << table.Records << ")\n";
        return 0;
    } catch (const std::exception& e) {
        if (progressLineOpen) std::cerr << "\n";
        std::cerr << msg::kSounImportFailed << ": " << e.what() << "\n";
        return 1;
    }
}

}  // namespace kvz::cli
