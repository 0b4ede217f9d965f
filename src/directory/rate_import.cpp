#include "directory/rate_import.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "directory/atomic_file.h"
#include "directory/data_file_error.h"
#include "storage/errors.h"

namespace kvz {

namespace {

struct KnownCurrency {
    std::string Code;
    std::string Name;
};

// The bank's identifiers that the table and the daily files tell.
std::map<std::string, KnownCurrency> KnownIdentifiers(const CurrencyRateTable& table,
                                                      const std::vector<BankRateFile>& files) {
    std::map<std::string, KnownCurrency> known;
    for (const auto& currency : table.Currencies)
        if (!currency.BankId.empty()) known[currency.BankId] = {currency.Code, currency.Name};
    for (const auto& file : files)
        for (const auto& rate : file.Rates)
            if (file.Kind == BankRateFileKind::Daily && !rate.BankId.empty())
                known[rate.BankId] = {rate.NumCode, rate.Name};
    return known;
}

Currency& CurrencyFor(CurrencyRateTable& table, const std::string& code, const std::string& name,
                      const std::string& bankId) {
    Currency* currency = table.Find(code);
    if (!currency) {
        table.Currencies.push_back({code, name, bankId, {}});
        return table.Currencies.back();
    }
    // A name the user gave is kept; only what is missing is filled in.
    if (currency->Name.empty()) currency->Name = name;
    if (currency->BankId.empty()) currency->BankId = bankId;
    return *currency;
}

void Count(RateChange change, RateImportSummary& summary) {
    if (change == RateChange::Added) ++summary.Added;
    if (change == RateChange::Changed) ++summary.Changed;
}

// SetRate keeps dates ascending; a file edited by hand may hold them in any order,
// and of two entries of one day the screens take the first.
void PutInDateOrder(CurrencyRateTable& table) {
    for (auto& currency : table.Currencies) {
        auto& rates = currency.Rates;
        auto day = [](const CurrencyRate& r) { return std::floor(r.Date); };
        std::stable_sort(rates.begin(), rates.end(), [&](const auto& a, const auto& b) { return day(a) < day(b); });
        rates.erase(std::unique(rates.begin(), rates.end(), [&](const auto& a, const auto& b) { return day(a) == day(b); }),
                    rates.end());
    }
}

}  // namespace

void MergeBankRates(CurrencyRateTable& table, const std::vector<BankRateFile>& files,
                    const std::vector<std::string>& fileNames, RateImportSummary& summary) {
    PutInDateOrder(table);
    auto known = KnownIdentifiers(table, files);
    for (std::size_t i = 0; i < files.size(); ++i) {
        for (const auto& rate : files[i].Rates) {
            KnownCurrency currency{rate.NumCode, rate.Name};
            if (files[i].Kind == BankRateFileKind::Period) {
                auto it = known.find(rate.BankId);
                if (it == known.end())
                    throw EDataFileError("Не удалось определить код валюты " + rate.BankId + " из файла " +
                                         fileNames.at(i) +
                                         ": добавьте в импорт ежедневный файл курсов, в котором есть эта валюта");
                currency = it->second;
            }
            Currency& target = CurrencyFor(table, currency.Code, currency.Name, rate.BankId);
            Count(SetRate(target, {rate.Date, rate.Value, rate.Nominal}), summary);
            ++summary.Rates;
        }
        ++summary.Files;
    }
    summary.Currencies = table.Currencies.size();
}

RateImportSummary ImportRateFiles(const std::vector<std::string>& inputs, const std::string& outPath) {
    if (inputs.empty()) throw EDataFileError("Не указаны файлы курсов валют");
    CurrencyRateTable table;
    if (PathExists(outPath)) table = ReadCurrencyRates(outPath);
    std::vector<BankRateFile> files;
    for (const auto& input : inputs) files.push_back(ParseBankRateFile(ReadWholeFile(input), input));
    RateImportSummary summary;
    MergeBankRates(table, files, inputs, summary);
    try {
        WriteCurrencyRates(outPath, table);
    } catch (const EEncodingError& e) {
        throw EDataFileError("Не удалось записать файл: " + outPath + " (" + e.what() + ")");
    }
    return summary;
}

}  // namespace kvz
