#include "import/ndfl2_arithmetic.h"

#include "calc/rates.h"
#include "calc/rounding.h"
#include "model/thirty_percent.h"

namespace kvz {

namespace {

// Agents compute the tax month by month, which may differ by a rouble.
constexpr Money kTaxTolerance = Money::FromUnits(1);

std::string Text(Money m) { return MoneyToText(m); }

Money Distance(Money a, Money b) { return a > b ? a - b : b - a; }

// The base: each income less the deductions tied to it, then less the standard,
// social and property deductions, which never reduce dividends.
Money ExpectedBase(const Ndfl2RateBlock& block) {
    Money others, dividends;
    for (const Ndfl2Line& line : block.Lines) {
        Money deducted;
        for (const Ndfl2Deduction& d : line.Deductions) deducted += d.Amount;
        (line.IncomeCode == mTThirtyPercent::kDividendIncomeCode ? dividends : others) +=
            NotBelowZero(line.Amount - deducted);
    }
    for (const Ndfl2Deduction& d : block.GivenDeductions) others -= d.Amount;
    return NotBelowZero(others) + dividends;
}

}  // namespace

std::vector<std::string> ArithmeticWarnings(const Ndfl2RateBlock& block) {
    std::vector<std::string> out;
    if (!block.HasTotals) return out;
    const Ndfl2Totals& t = block.Totals;
    Money lines;
    for (const Ndfl2Line& line : block.Lines) lines += line.Amount;
    if (lines != t.IncomeTotal)
        out.push_back("общая сумма дохода " + Text(t.IncomeTotal) + " не равна сумме доходов по месяцам " +
                      Text(lines));
    const Money base = ExpectedBase(block);
    if (base != t.TaxBase)
        out.push_back("налоговая база " + Text(t.TaxBase) + " не равна доходам за вычетом вычетов " + Text(base));
    const Money tax = TaxAtRate(t.TaxBase, TaxRate{block.Rate});
    if (Distance(tax, t.TaxComputed) > kTaxTolerance)
        out.push_back("исчисленный налог " + Text(t.TaxComputed) + " не равен " + std::to_string(block.Rate) +
                      " % от налоговой базы " + Text(tax));
    const Money settled = t.TaxWithheld + t.TaxNotWithheld - t.TaxExcess;
    const Money due = t.TaxComputed - t.FixedAdvance;
    if (settled != due)
        out.push_back("удержанный " + Text(t.TaxWithheld) + " и не удержанный " + Text(t.TaxNotWithheld) +
                      " налог за вычетом излишне удержанного " + Text(t.TaxExcess) + " дают " + Text(settled) +
                      ", а исчисленный налог за вычетом фиксированных авансовых платежей равен " + Text(due));
    return out;
}

}  // namespace kvz
