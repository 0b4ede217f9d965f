// Sheet А: income from Russian sources by rate. Besides the totals it gives every
// Russian source the income-kind code the export writes, and each 35 % source its
// taxable income and tax.
#include "calc/income_kind_code.h"
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

// Income code of a 35 % source whose tax was withheld on material benefit.
constexpr int32_t kMaterialBenefitIncome = 2620;

// A source's tax figures; its income is added by the caller, which knows where it stands.
template <class Source>
void AddTaxFigures(const Source& source, kTSvodSumPrilATotals& totals) {
    totals.TaxableIncome += source.TaxableAmount;
    totals.TaxComputed += source.TaxComputed;
    totals.TaxWithheld += source.TaxWithheld;
}

void AddThirteenSources(mTItemList<mTThirteenPercent>& list, kTSvodSumPrilATotals& totals) {
    for (int i = 0; i < list.Count(); ++i) {
        mTThirteenPercent& source = list.Get(i);
        source.IncomeKindCode = ThirteenPercentKindCode(source);
        totals.IncomeTotal += SumOfLines(source);
        AddTaxFigures(source, totals);
    }
}

void AddPartnerships(mTItemList<mTInvestTov>& list, kTSvodSumPrilATotals& totals) {
    for (int i = 0; i < list.Count(); ++i) {
        mTInvestTov& source = list.Get(i);
        source.IncomeKindCode = income_kind::kSecurities;
        for (const mTInvestTovIncome& line : source.Lines()) totals.IncomeTotal += line.IncomeAmount;
        AddTaxFigures(source, totals);
    }
}

// A non-resident's 13 % sources: the code follows the tax figures alone.
void AddNonResidentSources(mTItemList<mTThirteenPercent>& list, kTSvodSumPrilATotals& totals) {
    for (int i = 0; i < list.Count(); ++i) {
        mTThirteenPercent& source = list.Get(i);
        source.IncomeKindCode =
            source.TaxComputed > source.TaxWithheld ? income_kind::kLabourOwed : income_kind::kLabour;
        totals.IncomeTotal += SumOfLines(source);
        AddTaxFigures(source, totals);
    }
}

}  // namespace

bool kTSvodSum::CalcPrilA9() {
    PrilA9.Clear();
    mTDeclaration& d = Declaration();
    if (d.DeclarationKind != kDecl3Ndfl) return true;
    for (int i = 0; i < d.Nine.Count(); ++i) {
        mTThirtyPercent& source = d.Nine.Get(i);
        source.IncomeKindCode = income_kind::kOther;
        PrilA9.IncomeTotal += source.IncomeTotal;
        AddTaxFigures(source, PrilA9);
    }
    return true;
}

bool kTSvodSum::CalcPrilA13() {
    PrilA13.Clear();
    mTDeclaration& d = Declaration();
    PrilA13.FixedAdvancePaid = d.ForeignerAdvancePayments;
    if (d.DeclarationKind == kDecl3Ndfl) {
        AddThirteenSources(d.Thirteen, PrilA13);
        // A resident's dividends are taxed apart and kept out of the income total.
        for (int i = 0; i < d.Dividends.Count(); ++i) {
            mTThirtyPercent& source = d.Dividends.Get(i);
            source.IncomeKindCode = income_kind::kDividends;
            PrilA13.DividendTaxableIncome += source.TaxableAmount;
            PrilA13.DividendTaxComputed += source.TaxComputed;
            PrilA13.TaxWithheld += source.TaxWithheld;
        }
        AddPartnerships(d.InvestTov, PrilA13);
    } else {
        AddNonResidentSources(d.ThirteenNR, PrilA13);
    }
    return true;
}

bool kTSvodSum::CalcPrilA15() {
    PrilA15.Clear();
    mTDeclaration& d = Declaration();
    if (d.DeclarationKind != kDecl3NdflNonResident) return true;
    for (int i = 0; i < d.Dividends.Count(); ++i) {
        mTThirtyPercent& source = d.Dividends.Get(i);
        source.IncomeKindCode = income_kind::kDividends;
        PrilA15.IncomeTotal += source.IncomeTotal;
        PrilA15.TaxableIncome += source.TaxableAmount;
        // The source's own tax is that of a resident: a non-resident's is 15 %, per source.
        PrilA15.TaxComputed += TaxAtRate(source.TaxableAmount, kRate15);
        PrilA15.TaxWithheld += source.TaxWithheld;
    }
    return true;
}

bool kTSvodSum::CalcPrilA30() {
    PrilA30.Clear();
    mTDeclaration& d = Declaration();
    if (d.DeclarationKind != kDecl3NdflNonResident) return true;
    AddThirteenSources(d.Thirteen, PrilA30);
    AddPartnerships(d.InvestTov, PrilA30);
    return true;
}

bool kTSvodSum::CalcPrilA35() {
    PrilA35.Clear();
    mTDeclaration& d = Declaration();
    if (d.DeclarationKind != kDecl3Ndfl) return true;
    for (int i = 0; i < d.ThirtyFive.Count(); ++i) {
        mTThirtyFivePercent& source = d.ThirtyFive.Get(i);
        if (source.IncomeCode == kMaterialBenefitIncome) {
            PrilA35.TaxWithheldMaterialBenefit += source.TaxWithheld;
            continue;
        }
        source.IncomeKindCode = income_kind::kOther;
        source.TaxableAmount = source.IncomeTotal;
        source.TaxComputed = TaxAtRate(source.TaxableAmount, kRate35);
        PrilA35.IncomeTotal += source.IncomeTotal;
        PrilA35.TaxWithheld += source.TaxWithheld;
    }
    return true;
}

}  // namespace kvz
