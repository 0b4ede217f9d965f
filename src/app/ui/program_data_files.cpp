#include "app/ui/program_data_files.h"

#include "directory/directory_location.h"

#include <filesystem>
#include <system_error>

namespace kvz {

namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// A file that may be missing: one that is there but cannot be read is noted in
// `problems` and left out.
template <class T, class Read>
void ReadIfThere(const std::string& path, Read read, std::optional<T>& into, std::vector<std::string>& problems) {
    if (!Exists(path)) return;
    try {
        into = read(path);
    } catch (const std::exception& error) {
        problems.push_back(error.what());
    }
}

constexpr const char* kNoAutomaticRates =
    "Автоматическое определение курса валюты недоступно: курсы доходов в валюте вводятся вручную.";

}  // namespace

std::string InspectionDirectoryFailure(const std::string& reason) {
    return "Поменяйте язык и региональные стандарты ОС на русские.\n"
           "Если это не поможет, обратитесь в службу поддержки программы «Кварзен 2015» компании «Орвелт» "
           "и сообщите текст этого сообщения.\n\n" +
           reason;
}

ProgramDataFiles LoadProgramDataFiles(const std::string& programFolder) {
    ProgramDataFiles files;

    const std::string inspections = InspectionDirectoryToRead(programFolder);
    if (Exists(inspections)) {
        try {
            files.inspections = ReadInspectionDirectory(inspections);
        } catch (const std::exception& error) {
            throw EStartAborted(InspectionDirectoryFailure(error.what()));
        }
    }

    ReadIfThere(programFolder + kCountriesFile, ReadInspectionDirectory, files.countries, files.problems);
    ReadIfThere(programFolder + kActivitiesFile, ReadActivityClassifier, files.activities, files.problems);

    const std::string rates = programFolder + kCurrencyRatesFile;
    if (!Exists(rates)) {
        files.problems.push_back("Не найден файл курсов валют " + rates + ".\n" + kNoAutomaticRates);
    } else {
        try {
            files.currencyRates = ReadCurrencyRates(rates);
        } catch (const std::exception& error) {
            files.problems.push_back(error.what() + std::string("\n") + kNoAutomaticRates);
        }
    }
    return files;
}

}  // namespace kvz
