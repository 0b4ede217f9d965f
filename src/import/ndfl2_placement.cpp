#include "import/ndfl2_placement.h"

#include "calc/rates.h"
#include "calc/rounding.h"
#include "model/thirty_percent.h"

namespace kvz {

namespace {

constexpr int32_t kDividends = mTThirtyPercent::kDividendIncomeCode;

Ndfl2Part PartOf(Ndfl2Section section, std::vector<Ndfl2Line> lines) {
    Ndfl2Part part{section, std::move(lines), {}, {}, {}, {}};
    for (const Ndfl2Line& line : part.Lines) {
        Money deducted;
        for (const Ndfl2Deduction& d : line.Deductions) deducted += d.Amount;
        part.Income += line.Amount;
        part.Taxable += NotBelowZero(line.Amount - deducted);
    }
    return part;
}

Ndfl2Part WholeBlock(Ndfl2Section section, const Ndfl2RateBlock& block) {
    Ndfl2Part part = PartOf(section, block.Lines);
    part.TaxComputed = block.Totals.TaxComputed;
    part.TaxWithheld = block.Totals.TaxWithheld;
    return part;
}

// A resident's 13 % block: dividends apart from the rest. The certificate gives one
// tax for both; the dividends get 13 % of their taxable part, withheld first, and
// the rest stays with the other income, so the two add up to the certificate's.
void PlaceResidentThirteen(const Ndfl2RateBlock& block, Ndfl2Placement& out) {
    std::vector<Ndfl2Line> dividends, others;
    for (const Ndfl2Line& line : block.Lines) (line.IncomeCode == kDividends ? dividends : others).push_back(line);
    if (dividends.empty()) {
        out.Parts.push_back(WholeBlock(Ndfl2Section::Thirteen, block));
        return;
    }
    if (others.empty()) {
        out.Parts.push_back(WholeBlock(Ndfl2Section::Dividends, block));
        return;
    }
    Ndfl2Part paid = PartOf(Ndfl2Section::Dividends, std::move(dividends));
    Ndfl2Part rest = PartOf(Ndfl2Section::Thirteen, std::move(others));
    paid.TaxComputed = Smaller(TaxAtRate(paid.Taxable, kRate13), block.Totals.TaxComputed);
    paid.TaxWithheld = Smaller(paid.TaxComputed, block.Totals.TaxWithheld);
    rest.TaxComputed = block.Totals.TaxComputed - paid.TaxComputed;
    rest.TaxWithheld = block.Totals.TaxWithheld - paid.TaxWithheld;
    out.Warnings.push_back("дивиденды (код 1010) перенесены в раздел дивидендов отдельно от прочих доходов по ставке "
                           "13 %; налог справки разделен: по дивидендам исчислено " +
                           MoneyToText(paid.TaxComputed) + ", удержано " + MoneyToText(paid.TaxWithheld) +
                           " руб.");
    out.Parts.push_back(std::move(rest));
    out.Parts.push_back(std::move(paid));
}

std::string RateText(int rate) { return std::to_string(rate) + " %"; }

}  // namespace

std::string SectionTitle(Ndfl2Section section, bool resident) {
    switch (section) {
        case Ndfl2Section::Thirteen: return resident ? "13 %" : "30 % (доходы нерезидента)";
        case Ndfl2Section::ThirteenNR: return "13 % (доходы нерезидента)";
        case Ndfl2Section::Nine: return "9 %";
        case Ndfl2Section::ThirtyFive: return "35 %";
        case Ndfl2Section::Dividends: return resident ? "дивиденды 13 %" : "дивиденды 15 %";
    }
    return "";
}

Ndfl2Placement PlaceBlock(const Ndfl2RateBlock& block, bool resident) {
    Ndfl2Placement out;
    const int rate = block.Rate;
    if (resident) {
        switch (rate) {
            case 13: PlaceResidentThirteen(block, out); return out;
            case 9: out.Parts.push_back(WholeBlock(Ndfl2Section::Nine, block)); return out;
            case 35: out.Parts.push_back(WholeBlock(Ndfl2Section::ThirtyFive, block)); return out;
            default:
                out.NoPlace = "ставка " + RateText(rate) +
                              " не применяется к доходам резидента; декларация нерезидента задается на экране "
                              "«Исходные данные»";
                return out;
        }
    }
    switch (rate) {
        case 30: out.Parts.push_back(WholeBlock(Ndfl2Section::Thirteen, block)); return out;
        case 13: out.Parts.push_back(WholeBlock(Ndfl2Section::ThirteenNR, block)); return out;
        case 15: out.Parts.push_back(WholeBlock(Ndfl2Section::Dividends, block)); return out;
        default:
            out.NoPlace = "для доходов нерезидента по ставке " + RateText(rate) + " в декларации нет раздела";
            return out;
    }
}

}  // namespace kvz
