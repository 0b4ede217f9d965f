#include "calc/income_line_view.h"

#include "model/declaration.h"

namespace kvz {

std::vector<kTIncomeLine> LinesOfSources(const mTItemList<mTThirteenPercent>& sources) {
    std::vector<kTIncomeLine> lines;
    for (int i = 0; i < sources.Count(); ++i)
        for (const mTSourseIncome& line : sources.Get(i).Lines())
            lines.push_back({line.IncomeCode, line.IncomeAmount, line.DeductionCode, line.DeductionAmount, false});
    return lines;
}

std::vector<kTIncomeLine> ForeignIncomeLines(const mTDeclaration& declaration) {
    std::vector<kTIncomeLine> lines;
    if ((declaration.IncomeKinds & kIncomeForeign) == 0) return lines;
    for (int i = 0; i < declaration.Foreign.Count(); ++i) {
        const mTCurrencyIncome& income = declaration.Foreign.Get(i);
        lines.push_back({income.IncomeCode, income.IncomeInRoubles, income.DeductionCode, income.DeductionAmount, true});
    }
    return lines;
}

std::vector<kTIncomeLine> ThirteenAndForeignLines(const mTDeclaration& declaration) {
    std::vector<kTIncomeLine> lines = LinesOfSources(declaration.Thirteen);
    std::vector<kTIncomeLine> foreign = ForeignIncomeLines(declaration);
    lines.insert(lines.end(), foreign.begin(), foreign.end());
    return lines;
}

}  // namespace kvz
