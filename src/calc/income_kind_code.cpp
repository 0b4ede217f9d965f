#include "calc/income_kind_code.h"

#include <cstdint>

#include "model/thirteen_percent.h"

namespace kvz {

namespace {

// The code a line of this income code asks for; "" when it has none of its own
// (then the fallback applies). Wages ask for "06" whatever came before.
const char* CodeOfIncome(int32_t incomeCode, bool& overrides) {
    overrides = false;
    switch (incomeCode) {
    case 1400:
    case 2400: return "04";
    case 1510:
    case 1511: return "01";
    case 1512:
    case 1520: return "02";
    case 1541:
    case 9537:
    case 9538: return income_kind::kSecurities;
    case 2220:
    case 2720:
    case 2790: return "05";
    case 2000:
    case 2010: overrides = true; return income_kind::kLabour;
    default: break;
    }
    if (incomeCode >= 1530 && incomeCode <= 1539) return income_kind::kSecurities;
    return "";
}

void ApplyFallback(std::string& code) {
    if (code != income_kind::kLabour) code = income_kind::kOther;
}

}  // namespace

std::string ThirteenPercentKindCode(const mTThirteenPercent& source) {
    std::string code;
    for (const mTSourseIncome& line : source.Lines()) {
        bool overrides;
        const std::string wanted = CodeOfIncome(line.IncomeCode, overrides);
        if (overrides)
            code = wanted;
        else if (!wanted.empty() && (code.empty() || code == wanted))
            code = wanted;
        else
            ApplyFallback(code);
    }
    if (code == income_kind::kLabour && source.TaxComputed > source.TaxWithheld) code = income_kind::kLabourOwed;
    return code;
}

Money SumOfLines(const mTThirteenPercent& source) {
    Money total;
    for (const mTSourseIncome& line : source.Lines()) total += line.IncomeAmount;
    return total;
}

}  // namespace kvz
