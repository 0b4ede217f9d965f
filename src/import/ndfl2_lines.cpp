#include "import/ndfl2_lines.h"

#include <algorithm>

#include "directory/derived_values.h"
#include "model/income_dictionary.h"

namespace kvz {

namespace {

const IncomeDictionary& Dictionary() { return ProgramDerivationSources().Incomes; }

bool KnownDeduction(int32_t code) {
    const std::string text = std::to_string(code);
    for (const IncomeEntry& income : Dictionary().Incomes())
        for (const DeductionEntry& d : income.Deductions)
            if (d.Code == text) return true;
    return false;
}

mTSourseIncome LineOf(const Ndfl2Line& line, Money amount, const Ndfl2Deduction* deduction) {
    mTSourseIncome out;
    out.IncomeCode = line.IncomeCode;
    out.IncomeAmount = amount;
    out.Month = static_cast<uint16_t>(line.Month);
    if (deduction) {
        out.DeductionCode = deduction->Code;
        out.DeductionAmount = deduction->Amount;
    }
    return out;
}

// The line as the window would make it from its codes, or as the agent wrote it with
// the income's name when the derivation refuses it.
mTSourseIncome Derived(mTSourseIncome line, bool resident, std::vector<std::string>& warnings) {
    mTSourseIncome derived = line;
    try {
        DeriveIncomeLine(derived, Dictionary(), resident, "");
        return derived;
    } catch (const EDerivedValueError& e) {
        std::string why = e.what();
        if (why.rfind(": ", 0) == 0) why.erase(0, 2);
        warnings.push_back("строка за месяц " + std::to_string(line.Month) + " с кодом дохода " +
                           std::to_string(line.IncomeCode) + " перенесена как в справке: " + why);
        if (const IncomeEntry* income = Dictionary().FindIncome(std::to_string(line.IncomeCode)))
            line.IncomeName = income->Name;
        return line;
    }
}

}  // namespace

std::vector<mTSourseIncome> ModelLines(const std::vector<Ndfl2Line>& lines, bool resident,
                                       std::vector<std::string>& warnings) {
    std::vector<mTSourseIncome> out;
    for (const Ndfl2Line& line : lines) {
        if (line.Deductions.empty()) out.push_back(Derived(LineOf(line, line.Amount, nullptr), resident, warnings));
        for (std::size_t i = 0; i < line.Deductions.size(); ++i)
            out.push_back(Derived(LineOf(line, i == 0 ? line.Amount : Money(), &line.Deductions[i]), resident, warnings));
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
