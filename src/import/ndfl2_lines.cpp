#include "import/ndfl2_lines.h"

#include <algorithm>

#include "model/income_dictionary.h"

namespace kvz {

namespace {

const IncomeDictionary& Dictionary() {
    static const IncomeDictionary dictionary = IncomeDictionary::LoadEmbedded();
    return dictionary;
}

bool KnownDeduction(int32_t code) {
    const std::string text = std::to_string(code);
    for (const IncomeEntry& income : Dictionary().Incomes())
        for (const DeductionEntry& d : income.Deductions)
            if (d.Code == text) return true;
    return false;
}

mTSourseIncome LineOf(const Ndfl2Line& line, const IncomeEntry* income) {
    mTSourseIncome out;
    out.IncomeCode = line.IncomeCode;
    out.IncomeName = income ? income->Name : std::string();
    out.IncomeAmount = line.Amount;
    out.Month = static_cast<uint16_t>(line.Month);
    return out;
}

void SetDeduction(mTSourseIncome& out, const Ndfl2Deduction& d, const IncomeEntry* income, bool resident) {
    out.DeductionCode = d.Code;
    out.DeductionAmount = d.Amount;
    out.DeductionRate = 0;
    if (!income) return;
    for (const DeductionEntry* entry : Dictionary().DeductionsFor(income->Code, resident))
        if (entry->Code == std::to_string(d.Code)) out.DeductionRate = entry->Percent;
}

}  // namespace

std::vector<mTSourseIncome> ModelLines(const std::vector<Ndfl2Line>& lines, bool resident) {
    std::vector<mTSourseIncome> out;
    for (const Ndfl2Line& line : lines) {
        const IncomeEntry* income = Dictionary().FindIncome(std::to_string(line.IncomeCode));
        out.push_back(LineOf(line, income));
        for (std::size_t i = 0; i < line.Deductions.size(); ++i) {
            if (i > 0) {
                out.push_back(LineOf(line, income));
                out.back().IncomeAmount = Money();
            }
            SetDeduction(out.back(), line.Deductions[i], income, resident);
        }
    }
    return out;
}

std::vector<std::string> UnknownCodeWarnings(const std::vector<Ndfl2Line>& lines) {
    std::vector<std::string> out;
    const auto once = [&out](std::string text) {
        if (std::find(out.begin(), out.end(), text) == out.end()) out.push_back(std::move(text));
    };
    for (const Ndfl2Line& line : lines) {
        if (!Dictionary().FindIncome(std::to_string(line.IncomeCode)))
            once("код дохода " + std::to_string(line.IncomeCode) +
                 " неизвестен справочнику 2015 года; строка перенесена с этим кодом, проверьте его");
        for (const Ndfl2Deduction& d : line.Deductions)
            if (!KnownDeduction(d.Code))
                once("код вычета " + std::to_string(d.Code) +
                     " неизвестен справочнику 2015 года; вычет перенесен с этим кодом, проверьте его");
        if (line.Deductions.size() > 1)
            once("у дохода с кодом " + std::to_string(line.IncomeCode) + " за месяц " + std::to_string(line.Month) +
                 " несколько вычетов: каждый следующий перенесен отдельной строкой без суммы дохода");
    }
    return out;
}

}  // namespace kvz
