// Tax by rate (Раздел 2): for each rate the income, the deductions, the base, the tax,
// the credits and what is left to pay or to refund.
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

// Rate texts of the records that carry theirs only when they are computed.
constexpr const char* kRateText35 = "35";
constexpr const char* kRateText9 = "09";
constexpr const char* kRateText15 = "15";

// What was paid before the declaration: withheld by agents and advances. Unlike
// the foreign-tax credit, these come back when they exceed the tax.
Money PaidBefore(const kTSvodSumTaxByRate& r) {
    return r.TaxWithheld + r.TaxWithheldMaterialBenefit + r.AdvancePaid + r.FixedAdvanceCredited;
}

// The common tail of every rate: the tax left after the credits, the tax to pay and
// the tax to refund. A foreign-tax credit can bring the tax down to 0 but never
// makes a refund.
void Settle(kTSvodSumTaxByRate& r) {
    const Money credits = PaidBefore(r) + r.ForeignTaxCredited;
    r.TaxAfterCredits = r.TaxComputed > credits ? r.TaxComputed - credits : Money();
    r.TaxDue = NotBelowZero(r.TaxAfterCredits - r.PatentTaxCredited - r.TradeLevyCredited);
    const Money paid = PaidBefore(r);
    r.RefundDue = r.TaxComputed < paid ? paid - r.TaxComputed : Money();
}

// Deductions never take the base below zero. The cap holds even when the income
// less expenses is negative, so that the base comes out as 0.
void CapDeductions(kTSvodSumTaxByRate& r) {
    const Money room = r.TaxableIncome - r.ExpensesReducingIncome;
    if (r.Deductions > room) r.Deductions = room;
}

}  // namespace

bool kTSvodSum::CalcList1() {
    List1.Clear();
    const mTDeclaration& d = Declaration();
    if (d.DeclarationKind == kDecl3Ndfl) {
        List1.IncomeTotal = PrilA13.IncomeTotal + PrilV1.IncomeTotal + PrilB13.OtherIncome + PrilE3.InvestmentRestored;
        List1.NonTaxableIncome = PrilM.ExemptTotal;
        List1.TaxableIncome = List1.IncomeTotal - List1.NonTaxableIncome;
        List1.Deductions = PrilE1.StandardTotal + PrilE2.SocialTotal + PrilE3.InvestmentDeduction +
                           PrilE2.SocialByAgent + PrilH1.DeductionTotal + PrilZ.NewDeductionThisReturn +
                           PrilZ.InterestThisReturn + PrilZ.InterestByNotice + PrilZ.NewDeductionByNotice +
                           PrilV1.ProfessionalDeduction + PrilG.ExpenseTotal + PrilG_In.ExpenseTotal;
        List1.ExpensesReducingIncome = PrilJ.ExpensesTotal + PrilI.ExpensesTotal;
        List1.DividendCfcIncome = PrilB13.CfcProfit + PrilA13.DividendTaxableIncome + PrilB13.Dividends;
        CapDeductions(List1);
        List1.TaxBase =
            List1.TaxableIncome - List1.ExpensesReducingIncome - List1.Deductions + List1.DividendCfcIncome;
        // Dividends are taxed apart, at the tax their sources and sheet Б computed for
        // them; controlled-company profit is taxed with the rest.
        const Money taxedAtThirteen = List1.TaxBase - PrilA13.DividendTaxableIncome - PrilB13.Dividends;
        List1.TaxComputed =
            TaxAtRate(taxedAtThirteen, kRate13) + PrilA13.DividendTaxComputed + PrilB13.DividendTaxComputed;
        List1.TaxWithheld = PrilA13.TaxWithheld;
        List1.AdvancePaid = PrilV1.AdvancePaid;
        List1.FixedAdvanceCredited = PrilA13.FixedAdvancePaid;
        List1.ForeignTaxCredited = PrilB13.ForeignTaxCredited;
        List1.PatentTaxCredited = d.PatentPayment;
        List1.TradeLevyCredited = d.TradeFee;
    } else {
        // A non-resident: the non-resident sources of sheet А; any other kind read
        // from a damaged document follows sheet А, which takes the same sources.
        List1.IncomeTotal = PrilA13.IncomeTotal;
        List1.TaxableIncome = PrilA13.IncomeTotal;
        List1.Deductions = PrilH1.DeductionTotal + PrilG.ExpenseTotal;
        if (List1.TaxableIncome < List1.Deductions) List1.Deductions = List1.TaxableIncome;
        List1.TaxBase = List1.TaxableIncome - List1.Deductions;
        List1.TaxComputed = TaxAtRate(List1.TaxBase, kRate13);
        List1.TaxWithheld = PrilA13.TaxWithheld;
        List1.FixedAdvanceCredited = PrilA13.FixedAdvancePaid;
    }
    Settle(List1);
    return true;
}

bool kTSvodSum::CalcList2() {
    List2.Clear();
    if (Declaration().DeclarationKind != kDecl3NdflNonResident) return true;
    List2.IncomeTotal = PrilA30.IncomeTotal;
    List2.NonTaxableIncome = PrilM.ExemptTotal + PrilM.ExemptPrizes;
    List2.TaxableIncome = List2.IncomeTotal - List2.NonTaxableIncome;
    List2.ExpensesReducingIncome = PrilJ.ExpensesTotal + PrilI.ExpensesTotal;
    // No deductions at 30 %; the cap turns them negative exactly when the expenses
    // exceed the income, which brings the base to 0.
    CapDeductions(List2);
    List2.TaxBase = List2.TaxableIncome - List2.ExpensesReducingIncome - List2.Deductions;
    List2.TaxComputed = TaxAtRate(List2.TaxBase, kRate30);
    List2.TaxWithheld = PrilA30.TaxWithheld;
    Settle(List2);
    return true;
}

bool kTSvodSum::CalcList3() {
    List3.Clear();
    if (Declaration().DeclarationKind != kDecl3Ndfl) return true;
    List3.Rate = kRateText35;
    List3.IncomeTotal = PrilA35.IncomeTotal + PrilB35.OtherIncome;
    List3.NonTaxableIncome = PrilM.ExemptPrizes;
    List3.TaxableIncome = NotBelowZero(List3.IncomeTotal - List3.NonTaxableIncome);
    List3.TaxBase = List3.TaxableIncome;
    List3.TaxComputed = TaxAtRate(List3.TaxBase, kRate35);
    List3.TaxWithheld = PrilA35.TaxWithheld;
    List3.TaxWithheldMaterialBenefit = PrilA35.TaxWithheldMaterialBenefit;
    List3.ForeignTaxCredited = PrilB35.ForeignTaxCredited;
    Settle(List3);
    return true;
}

bool kTSvodSum::CalcList4() {
    List4.Clear();
    if (Declaration().DeclarationKind != kDecl3Ndfl) return true;
    List4.Rate = kRateText9;
    List4.IncomeTotal = PrilA9.IncomeTotal + PrilB9.OtherIncome;
    List4.TaxableIncome = List4.IncomeTotal;
    List4.TaxBase = List4.IncomeTotal;
    List4.TaxComputed = TaxAtRate(List4.TaxBase, kRate9);
    List4.TaxWithheld = PrilA9.TaxWithheld;
    List4.ForeignTaxCredited = PrilB9.ForeignTaxCredited;
    Settle(List4);
    return true;
}

bool kTSvodSum::CalcList5() {
    List5.Clear();
    if (Declaration().DeclarationKind != kDecl3NdflNonResident) return true;
    List5.Rate = kRateText15;
    List5.DividendCfcIncome = PrilA15.TaxableIncome;
    List5.TaxBase = List5.DividendCfcIncome;
    List5.TaxComputed = TaxAtRate(List5.TaxBase, kRate15);
    List5.TaxWithheld = PrilA15.TaxWithheld;
    Settle(List5);
    return true;
}

}  // namespace kvz
