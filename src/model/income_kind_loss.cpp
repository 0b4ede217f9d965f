#include "model/income_kind_loss.h"

#include "model/declaration.h"

namespace kvz {

namespace {

bool SwitchedOff(const mTDeclaration& declaration, uint8_t newKinds, uint8_t bit) {
    return (declaration.IncomeKinds & bit) != 0 && (newKinds & bit) == 0;
}

int RussianSourceCount(const mTDeclaration& d) {
    return d.Thirteen.Count() + d.ThirteenNR.Count() + d.ThirtyFive.Count() + d.Dividends.Count() + d.Nine.Count();
}

// The entrepreneur's amounts are saved only with the business kind.
bool BusinessValuesEntered(const mTDeclaration& d) {
    static const mTDeclaration kFresh;
    return d.AdvancePaid != kFresh.AdvancePaid || d.AdvanceAssessed != kFresh.AdvanceAssessed ||
           d.SpareAmount != kFresh.SpareAmount || d.FarmStartDate != kFresh.FarmStartDate ||
           d.FarmExemptIncome != kFresh.FarmExemptIncome || d.IsFarmHead != kFresh.IsFarmHead ||
           d.CorrectedIncome != kFresh.CorrectedIncome || d.CorrectedExpense != kFresh.CorrectedExpense ||
           d.TradeFee != kFresh.TradeFee || d.PatentPayment != kFresh.PatentPayment;
}

bool DeductionsEntered(const mTDeclaration& d) {
    return !(d.Standard == mTStandartDeduct()) || !(d.Social == mTSocialDeduct()) ||
           !(d.Construction == mTConstructionDeduct()) || !(d.CB == mTCBDeduct());
}

std::string Counted(const std::string& what, const std::string& unit, int count) {
    return what + " (" + unit + ": " + std::to_string(count) + ")";
}

}  // namespace

uint8_t IncomeKindsAllowedBy(int declarationKind) {
    if (declarationKind == kDecl3NdflNonResident) return 0xFF & ~(kIncomeForeign | kIncomeBusiness);
    if (declarationKind == kDecl4Ndfl)
        return 0xFF & ~(kIncomeForeign | kIncomeBusiness | kIncomeRussian | kIncomeInvestTov);
    return 0xFF;
}

std::vector<std::string> EnteredDataLostBy(const mTDeclaration& d, uint8_t newKinds) {
    std::vector<std::string> lines;
    if (SwitchedOff(d, newKinds, kIncomeRussian)) {
        const int sources = RussianSourceCount(d);
        if (sources > 0) lines.push_back(Counted("доходы, полученные в РФ", "источников выплаты", sources));
        if (!d.ForeignerAdvancePayments.IsZero()) lines.push_back("фиксированные авансовые платежи иностранца");
        if (d.MonthsWorked != 0) lines.push_back("число месяцев работы у сельскохозяйственных товаропроизводителей");
    }
    if (SwitchedOff(d, newKinds, kIncomeForeign) && d.Foreign.Count() > 0)
        lines.push_back(Counted("доходы в иностранной валюте", "записей", d.Foreign.Count()));
    if (SwitchedOff(d, newKinds, kIncomeBusiness)) {
        if (d.Business.Count() > 0)
            lines.push_back(Counted("доходы от предпринимательской деятельности", "видов деятельности",
                                    d.Business.Count()));
        if (BusinessValuesEntered(d)) lines.push_back("суммы раздела \"Предприниматели\"");
    }
    if (SwitchedOff(d, newKinds, kIncomeInvestTov) && d.InvestTov.Count() > 0)
        lines.push_back(Counted("доходы от участия в инвестиционных товариществах", "товариществ", d.InvestTov.Count()));
    if (d.IncomeKinds != 0 && newKinds == 0 && DeductionsEntered(d))
        lines.push_back("налоговые вычеты (без отмеченных доходов они не сохраняются в документе)");
    return lines;
}

std::string DataLossQuestion(const std::string& lead, const std::vector<std::string>& lines) {
    std::string text = lead + "\n";
    for (std::size_t i = 0; i < lines.size(); ++i) text += "- " + lines[i] + (i + 1 < lines.size() ? ";\n" : ".\n");
    return text + "\nПродолжить?";
}

}  // namespace kvz
