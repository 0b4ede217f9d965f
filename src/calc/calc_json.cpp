#include "calc/calc_json.h"

#include <cstdio>
#include <string>

#include "calc/svod_sum.h"
#include "model/declaration.h"
#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

namespace {

using Json = nlohmann::ordered_json;

// Builds one object field by field, in the order of the record.
class Fields {
public:
    Fields& Add(const char* key, Money m) { Object_[key] = MoneyToText(m, '.'); return *this; }
    Fields& Add(const char* key, const std::string& text) { Object_[key] = text; return *this; }
    Fields& Add(const char* key, int32_t n) { Object_[key] = n; return *this; }
    Fields& Date(const char* key, DateTime d) { Object_[key] = DateToText(d, '.'); return *this; }
    Fields& Add(const char* key, Json value) { Object_[key] = std::move(value); return *this; }
    Json Take() { return std::move(Object_); }

private:
    Json Object_ = Json::object();
};

template <class Array>
Json MoneyList(const Array& values) {
    Json list = Json::array();
    for (Money m : values) list.push_back(MoneyToText(m, '.'));
    return list;
}

Json TaxByRateJson(const kTSvodSumTaxByRate& r) {
    return Fields()
        .Add("Rate", r.Rate)
        .Add("IncomeTotal", r.IncomeTotal)
        .Add("NonTaxableIncome", r.NonTaxableIncome)
        .Add("Deductions", r.Deductions)
        .Add("TaxableIncome", r.TaxableIncome)
        .Add("ExpensesReducingIncome", r.ExpensesReducingIncome)
        .Add("DividendCfcIncome", r.DividendCfcIncome)
        .Add("TaxBase", r.TaxBase)
        .Add("TaxComputed", r.TaxComputed)
        .Add("TaxWithheld", r.TaxWithheld)
        .Add("TaxWithheldMaterialBenefit", r.TaxWithheldMaterialBenefit)
        .Add("AdvancePaid", r.AdvancePaid)
        .Add("FixedAdvanceCredited", r.FixedAdvanceCredited)
        .Add("ForeignTaxCredited", r.ForeignTaxCredited)
        .Add("TaxAfterCredits", r.TaxAfterCredits)
        .Add("RefundDue", r.RefundDue)
        .Add("PatentTaxCredited", r.PatentTaxCredited)
        .Add("TradeLevyCredited", r.TradeLevyCredited)
        .Add("TaxDue", r.TaxDue)
        .Take();
}

Json List6Json(const kTSvodSumList6& r) {
    Json lines = Json::array();
    for (const bmTList1& l : r.Lines)
        lines.push_back(Fields()
                            .Add("Kbk", l.Kbk)
                            .Add("Oktmo", l.Oktmo)
                            .Add("PayOrRefund", l.PayOrRefund)
                            .Add("Amount", l.Amount)
                            .Take());
    return Fields().Add("Lines", std::move(lines)).Add("LineCount", r.LineCount()).Take();
}

Json PrilA9Json(const kTSvodSumPrilA9& r) {
    return Fields()
        .Add("IncomeTotal", r.IncomeTotal)
        .Add("TaxWithheld", r.TaxWithheld)
        .Add("TaxComputed", r.TaxComputed)
        .Add("TaxableIncome", r.TaxableIncome)
        .Take();
}

Json PrilA13Json(const kTSvodSumPrilA13& r) {
    return Fields()
        .Add("IncomeTotal", r.IncomeTotal)
        .Add("TaxWithheld", r.TaxWithheld)
        .Add("TaxComputed", r.TaxComputed)
        .Add("TaxableIncome", r.TaxableIncome)
        .Add("DividendTaxableIncome", r.DividendTaxableIncome)
        .Add("DividendTaxComputed", r.DividendTaxComputed)
        .Add("Reserved", r.Reserved)
        .Add("FixedAdvancePaid", r.FixedAdvancePaid)
        .Take();
}

Json PrilA15Json(const kTSvodSumPrilA15& r) {
    return Fields()
        .Add("IncomeTotal", r.IncomeTotal)
        .Add("TaxWithheld", r.TaxWithheld)
        .Add("TaxComputed", r.TaxComputed)
        .Add("TaxableIncome", r.TaxableIncome)
        .Take();
}

Json PrilA30Json(const kTSvodSumPrilA30& r) {
    return Fields()
        .Add("IncomeTotal", r.IncomeTotal)
        .Add("TaxWithheld", r.TaxWithheld)
        .Add("TaxComputed", r.TaxComputed)
        .Add("TaxableIncome", r.TaxableIncome)
        .Add("Reserved", r.Reserved)
        .Take();
}

Json PrilA35Json(const kTSvodSumPrilA35& r) {
    return Fields()
        .Add("IncomeTotal", r.IncomeTotal)
        .Add("TaxWithheld", r.TaxWithheld)
        .Add("Reserved1", r.Reserved1)
        .Add("Reserved2", r.Reserved2)
        .Add("TaxWithheldMaterialBenefit", r.TaxWithheldMaterialBenefit)
        .Take();
}

Json DohodCurJson(const DohodCur& i) {
    return Fields()
        .Add("CountryCode", i.CountryCode)
        .Add("CurrencyCode", i.CurrencyCode)
        .Add("SourceName", i.SourceName)
        .Date("IncomeDate", i.IncomeDate)
        .Add("IncomeRateText", i.IncomeRateText)
        .Add("IncomeInCurrencyText", i.IncomeInCurrencyText)
        .Add("IncomeRub", i.IncomeRub)
        .Add("IncomeCode", i.IncomeCode)
        .Add("DeductionAmount", i.DeductionAmount)
        .Add("DeductionCode", i.DeductionCode)
        .Date("TaxPaymentDate", i.TaxPaymentDate)
        .Add("TaxRateText", i.TaxRateText)
        .Add("TaxInCurrencyText", i.TaxInCurrencyText)
        .Add("ForeignTaxRub", i.ForeignTaxRub)
        .Add("TaxComputedHere", i.TaxComputedHere)
        .Add("TaxCredited", i.TaxCredited)
        .Add("IncomeKind", i.IncomeKind)
        .Take();
}

Json PrilBJson(const kTSvodSumPrilB& r) {
    Json items = Json::array();
    for (const DohodCur& i : r.Items) items.push_back(DohodCurJson(i));
    return Fields()
        .Add("OtherIncome", r.OtherIncome)
        .Add("CfcProfit", r.CfcProfit)
        .Add("Dividends", r.Dividends)
        .Add("ForeignTaxPaid", r.ForeignTaxPaid)
        .Add("DividendTaxComputed", r.DividendTaxComputed)
        .Add("ForeignTaxCredited", r.ForeignTaxCredited)
        .Add("Items", std::move(items))
        .Add("ItemCount", r.ItemCount())
        .Take();
}

Json PrilV1Json(const kTSvodSumPrilV1& r) {
    return Fields()
        .Add("IncomeTotal", r.IncomeTotal)
        .Add("ProfessionalDeduction", r.ProfessionalDeduction)
        .Add("AdvancePaid", r.AdvancePaid)
        .Add("AdvanceAssessed", r.AdvanceAssessed)
        .Take();
}

Json PrilMJson(const kTSvodSumPrilM& r) {
    return Fields()
        .Add("BirthAidIncome", r.BirthAidIncome)
        .Add("BirthAidExempt", r.BirthAidExempt)
        .Add("WorkAidExempt", r.WorkAidExempt)
        .Add("WorkAidIncome", r.WorkAidIncome)
        .Add("PensionContribIncome", r.PensionContribIncome)
        .Add("PensionContribExempt", r.PensionContribExempt)
        .Add("DisabilityAidIncome", r.DisabilityAidIncome)
        .Add("DisabilityAidExempt", r.DisabilityAidExempt)
        .Add("GiftIncome", r.GiftIncome)
        .Add("GiftExempt", r.GiftExempt)
        .Add("PrizeIncome", r.PrizeIncome)
        .Add("PrizeExempt", r.PrizeExempt)
        .Add("MedicineIncome", r.MedicineIncome)
        .Add("MedicineExempt", r.MedicineExempt)
        .Add("VeteranAidIncome", r.VeteranAidIncome)
        .Add("VeteranAidExempt", r.VeteranAidExempt)
        .Add("FarmPayIncome", r.FarmPayIncome)
        .Add("FarmPayExempt", r.FarmPayExempt)
        .Add("ExemptTotal", r.ExemptTotal)
        .Add("AdPrizeIncome", r.AdPrizeIncome)
        .Add("ExemptPrizes", r.ExemptPrizes)
        .Take();
}

Json ProfDeductionsJson(const kTSvodSumProfDeductions& r) {
    return Fields()
        .Add("ContractIncome", r.ContractIncome)
        .Add("ContractExpense", r.ContractExpense)
        .Add("AuthorActualIncome", r.AuthorActualIncome)
        .Add("AuthorActualExpense", r.AuthorActualExpense)
        .Add("AuthorNormIncome", r.AuthorNormIncome)
        .Add("AuthorNormExpense", r.AuthorNormExpense)
        .Add("ShareCapitalIncome", r.ShareCapitalIncome)
        .Add("ShareCapitalExpense", r.ShareCapitalExpense)
        .Add("EarlyRedemptionIncome", r.EarlyRedemptionIncome)
        .Add("EarlyRedemptionExpense", r.EarlyRedemptionExpense)
        .Add("ReducedShareIncome", r.ReducedShareIncome)
        .Add("ReducedShareExpense", r.ReducedShareExpense)
        .Add("SharedBuildingIncome", r.SharedBuildingIncome)
        .Add("SharedBuildingExpense", r.SharedBuildingExpense)
        .Add("ExpenseTotal", r.ExpenseTotal)
        .Take();
}

Json PrilE1Json(const kTSvodSumPrilE1& r) {
    return Fields()
        .Add("MonthsUnder280000", r.MonthsUnder280000)
        .Add("MonthlyIncome", MoneyList(r.MonthlyIncome))
        .Add("MonthlyReduction", MoneyList(r.MonthlyReduction))
        .Add("CumulativeIncome", MoneyList(r.CumulativeIncome))
        .Add("Deduction3000", r.Deduction3000)
        .Add("Deduction500", r.Deduction500)
        .Add("ChildDeduction", r.ChildDeduction)
        .Add("ChildDeductionDouble", r.ChildDeductionDouble)
        .Add("DisabledChildDeduction", r.DisabledChildDeduction)
        .Add("DisabledChildDeductionDouble", r.DisabledChildDeductionDouble)
        .Add("StandardTotal", r.StandardTotal)
        .Add("DeductionMonths", r.DeductionMonths)
        .Take();
}

Json PrilE2Json(const kTSvodSumPrilE2& r) {
    return Fields()
        .Add("UnlimitedTotal", r.UnlimitedTotal)
        .Add("LimitedTotal", r.LimitedTotal)
        .Add("SocialByAgent", r.SocialByAgent)
        .Add("Reserved1", r.Reserved1)
        .Add("Reserved2", r.Reserved2)
        .Add("PersonalInsurance", r.PersonalInsurance)
        .Add("PensionInsurance", r.PensionInsurance)
        .Add("Charity", r.Charity)
        .Add("Education", r.Education)
        .Add("ChildEducation", r.ChildEducation)
        .Add("Treatment", r.Treatment)
        .Add("ExpensiveTreatment", r.ExpensiveTreatment)
        .Add("SocialTotal", r.SocialTotal)
        .Take();
}

Json PensJson(const mbTPens& p) {
    return Fields()
        .Add("ContractKind", p.ContractKind)
        .Add("OrgName", p.OrgName)
        .Add("OrgInn", p.OrgInn)
        .Add("OrgKpp", p.OrgKpp)
        .Add("ContractNumber", p.ContractNumber)
        .Date("ContractDate", p.ContractDate)
        .Add("AmountPaid", p.AmountPaid)
        .Add("AmountDeductible", p.AmountDeductible)
        .Add("AmountByAgent", p.AmountByAgent)
        .Take();
}

Json PensList(const std::vector<mbTPens>& items) {
    Json list = Json::array();
    for (const mbTPens& p : items) list.push_back(PensJson(p));
    return list;
}

Json PrilE3Json(const kTSvodSumPrilE3& r) {
    return Fields()
        .Add("Contracts", PensList(r.Contracts))
        .Add("ContractCount", r.ContractCount())
        .Add("ExtraContracts", PensList(r.ExtraContracts))
        .Add("ExtraContractCount", r.ExtraContractCount())
        .Add("ContributionsPaid", r.ContributionsPaid)
        .Add("ContributionsDeductible", r.ContributionsDeductible)
        .Add("ExtraContributionsPaid", r.ExtraContributionsPaid)
        .Add("ExtraContributionsDeductible", r.ExtraContributionsDeductible)
        .Add("ContributionsTotal", r.ContributionsTotal)
        .Add("InvestmentDeduction", r.InvestmentDeduction)
        .Add("InvestmentRestored", r.InvestmentRestored)
        .Add("ProvidedByAgent", r.ProvidedByAgent)
        .Take();
}

Json PrilH1Json(const kTSvodSumPrilH1& r) {
    return Fields()
        .Add("HousingSaleIncome", r.HousingSaleIncome)
        .Add("HousingSaleDeduction", r.HousingSaleDeduction)
        .Add("ShareSaleDeduction", r.ShareSaleDeduction)
        .Add("ShareSaleIncome", r.ShareSaleIncome)
        .Add("HousingByExpensesIncome", r.HousingByExpensesIncome)
        .Add("HousingExpenses", r.HousingExpenses)
        .Add("RealEstateIncome", r.RealEstateIncome)
        .Add("RealEstateDeduction", r.RealEstateDeduction)
        .Add("RealEstateByExpensesIncome", r.RealEstateByExpensesIncome)
        .Add("RealEstateExpenses", r.RealEstateExpenses)
        .Add("PropertyIncome", r.PropertyIncome)
        .Add("PropertyDeduction", r.PropertyDeduction)
        .Add("PropertyByExpensesIncome", r.PropertyByExpensesIncome)
        .Add("PropertyExpenses", r.PropertyExpenses)
        .Add("SeizedIncome", r.SeizedIncome)
        .Add("SeizedDeduction", r.SeizedDeduction)
        .Add("DeductionTotal", r.DeductionTotal)
        .Take();
}

// The share is a fraction of extended precision; twelve decimals show it faithfully.
std::string ShareText(long double share) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.12Lg", share);
    return buffer;
}

Json PrilZJson(const kTSvodSumPrilZ& r) {
    return Fields()
        .Add("OwnershipShare", ShareText(r.OwnershipShare))
        .Add("AcquisitionExpenses", r.AcquisitionExpenses)
        .Add("InterestPaid", r.InterestPaid)
        .Add("TakenBefore", r.TakenBefore)
        .Add("InterestTakenBefore", r.InterestTakenBefore)
        .Add("CarriedFromLastYear", r.CarriedFromLastYear)
        .Add("InterestCarriedFromLastYear", r.InterestCarriedFromLastYear)
        .Add("NewDeductionByNotice", r.NewDeductionByNotice)
        .Add("InterestByNotice", r.InterestByNotice)
        .Add("IncomeBeforeDeduction", r.IncomeBeforeDeduction)
        .Add("NewDeductionThisReturn", r.NewDeductionThisReturn)
        .Add("InterestThisReturn", r.InterestThisReturn)
        .Add("RemainingNew", r.RemainingNew)
        .Add("RemainingInterest", r.RemainingInterest)
        .Add("ObjectExpensesTaken", MoneyList(r.ObjectExpensesTaken))
        .Add("ObjectOldRulesMark", Json(r.ObjectOldRulesMark))
        .Take();
}

Json PrilJJson(const kTSvodSumPrilJ& r) {
    Fields f;
    f.Add("IncomeA", r.IncomeA).Add("ExpensesA", r.ExpensesA).Add("InterestA", r.InterestA);
    f.Add("IncomeB", r.IncomeB).Add("ExpensesB", r.ExpensesB);
    f.Add("IncomeC", r.IncomeC).Add("ExpensesC", r.ExpensesC).Add("InterestC", r.InterestC);
    f.Add("IncomeD", r.IncomeD).Add("ExpensesD", r.ExpensesD);
    f.Add("IncomeE", r.IncomeE).Add("ExpensesE", r.ExpensesE);
    f.Add("IncomeF", r.IncomeF).Add("ExpensesF", r.ExpensesF);
    f.Add("RepoIncomeTraded", r.RepoIncomeTraded).Add("RepoExpensesTraded", r.RepoExpensesTraded);
    f.Add("RepoIncomeOther", r.RepoIncomeOther).Add("RepoExpensesOther", r.RepoExpensesOther);
    f.Add("LoanIncomeTraded", r.LoanIncomeTraded).Add("LoanExpensesTraded", r.LoanExpensesTraded);
    f.Add("LoanIncomeOther", r.LoanIncomeOther).Add("LoanExpensesOther", r.LoanExpensesOther);
    f.Add("RepoIncome", r.RepoIncome).Add("RepoExpenses", r.RepoExpenses).Add("RepoTaxable", r.RepoTaxable);
    f.Add("RepoLoss", r.RepoLoss).Add("RepoLossTraded", r.RepoLossTraded).Add("RepoLossOther", r.RepoLossOther);
    f.Add("LoanIncome", r.LoanIncome).Add("LoanExpenses", r.LoanExpenses).Add("LoanTaxable", r.LoanTaxable);
    f.Add("LoanLoss", r.LoanLoss).Add("LoanLossTraded", r.LoanLossTraded).Add("LoanLossOther", r.LoanLossOther);
    f.Add("RepoLossA", r.RepoLossA).Add("LoanLossA", r.LoanLossA).Add("ReducingA", r.ReducingA);
    f.Add("BaseA", r.BaseA).Add("LossA", r.LossA).Add("DerivLossUsedA", r.DerivLossUsedA);
    f.Add("CarriedUsedA", r.CarriedUsedA).Add("LossAUsedB", r.LossAUsedB).Add("LossAUsedD", r.LossAUsedD);
    f.Add("LossAFuture", r.LossAFuture).Add("TaxableA", r.TaxableA);
    f.Add("TaxableB", r.TaxableB);
    f.Add("RepoLossC", r.RepoLossC).Add("LoanLossC", r.LoanLossC).Add("PartnershipExitLoss", r.PartnershipExitLoss);
    f.Add("ReducingC", r.ReducingC).Add("TaxableC", r.TaxableC);
    f.Add("BaseD", r.BaseD).Add("LossD", r.LossD).Add("CarriedUsedD", r.CarriedUsedD);
    f.Add("LossEUsedD", r.LossEUsedD).Add("LossDUsedE", r.LossDUsedE).Add("LossDUsedA", r.LossDUsedA);
    f.Add("LossDFuture", r.LossDFuture).Add("TaxableD", r.TaxableD);
    f.Add("BaseE", r.BaseE).Add("LossE", r.LossE).Add("CarriedUsedE", r.CarriedUsedE);
    f.Add("LossEFuture", r.LossEFuture).Add("TaxableE", r.TaxableE);
    f.Add("TaxableF", r.TaxableF);
    f.Add("CarriedSecurities", r.CarriedSecurities).Add("CarriedDerivatives", r.CarriedDerivatives);
    f.Add("CarriedSecuritiesUsed", r.CarriedSecuritiesUsed).Add("CarriedDerivativesUsed", r.CarriedDerivativesUsed);
    f.Add("CarriedSecuritiesLeft", r.CarriedSecuritiesLeft).Add("CarriedDerivativesLeft", r.CarriedDerivativesLeft);
    f.Add("BaseSecurities", r.BaseSecurities).Add("BaseDerivatives", r.BaseDerivatives);
    f.Add("FutureLossSecurities", r.FutureLossSecurities).Add("FutureLossDerivatives", r.FutureLossDerivatives);
    f.Add("IncomeTotal", r.IncomeTotal).Add("TaxableTotal", r.TaxableTotal).Add("ExpensesTotal", r.ExpensesTotal);
    return f.Take();
}

Json PrilIJson(const kTSvodSumPrilI& r) {
    Json groups = Json::array();
    for (const bmTInvestGroup& g : r.Groups)
        groups.push_back(Fields()
                             .Add("Income", g.Income)
                             .Add("ExpenseShare", g.ExpenseShare)
                             .Add("ManagerFee", g.ManagerFee)
                             .Add("LossReducing", g.LossReducing)
                             .Add("TaxableIncome", g.TaxableIncome)
                             .Add("LossCarried", g.LossCarried)
                             .Take());
    return Fields()
        .Add("Groups", std::move(groups))
        .Add("ExitIncome", r.ExitIncome)
        .Add("Contribution", r.Contribution)
        .Add("ExitTaxableIncome", r.ExitTaxableIncome)
        .Add("ExitLoss", r.ExitLoss)
        .Add("IncomeTotal", r.IncomeTotal)
        .Add("TaxableTotal", r.TaxableTotal)
        .Add("ExpensesTotal", r.ExpensesTotal)
        .Take();
}

// The values written into the sources, list by list in the declaration's order.
template <class List>
void AddKindCodes(Json& out, const char* listName, const List& list) {
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(Fields()
                          .Add("List", std::string(listName))
                          .Add("Index", i)
                          .Add("IncomeKindCode", list.Get(i).IncomeKindCode)
                          .Take());
}

Json SourcesJson(const mTDeclaration& d) {
    Json out = Json::array();
    AddKindCodes(out, "Thirteen", d.Thirteen);
    AddKindCodes(out, "ThirteenNR", d.ThirteenNR);
    for (int i = 0; i < d.ThirtyFive.Count(); ++i) {
        const mTThirtyFivePercent& s = d.ThirtyFive.Get(i);
        out.push_back(Fields()
                          .Add("List", std::string("ThirtyFive"))
                          .Add("Index", i)
                          .Add("IncomeKindCode", s.IncomeKindCode)
                          .Add("TaxableAmount", s.TaxableAmount)
                          .Add("TaxComputed", s.TaxComputed)
                          .Take());
    }
    AddKindCodes(out, "Dividends", d.Dividends);
    AddKindCodes(out, "Nine", d.Nine);
    AddKindCodes(out, "InvestTov", d.InvestTov);
    return out;
}

}  // namespace

nlohmann::ordered_json CalculationToJson(const kTSvodSum& s, bool result, const mTDeclaration& declaration) {
    Json out = Json::object();
    out["result"] = result;
    out["kTSvodSumList1"] = TaxByRateJson(s.List1);
    out["kTSvodSumList2"] = TaxByRateJson(s.List2);
    out["kTSvodSumList3"] = TaxByRateJson(s.List3);
    out["kTSvodSumList4"] = TaxByRateJson(s.List4);
    out["kTSvodSumList5"] = TaxByRateJson(s.List5);
    out["kTSvodSumList6"] = List6Json(s.List6);
    out["kTSvodSumPrilA9"] = PrilA9Json(s.PrilA9);
    out["kTSvodSumPrilA13"] = PrilA13Json(s.PrilA13);
    out["kTSvodSumPrilA15"] = PrilA15Json(s.PrilA15);
    out["kTSvodSumPrilA30"] = PrilA30Json(s.PrilA30);
    out["kTSvodSumPrilA35"] = PrilA35Json(s.PrilA35);
    out["kTSvodSumPrilB13"] = PrilBJson(s.PrilB13);
    out["kTSvodSumPrilB9"] = PrilBJson(s.PrilB9);
    out["kTSvodSumPrilB35"] = PrilBJson(s.PrilB35);
    out["kTSvodSumPrilV1"] = PrilV1Json(s.PrilV1);
    out["kTSvodSumPrilM"] = PrilMJson(s.PrilM);
    out["kTSvodSumPrilG"] = ProfDeductionsJson(s.PrilG);
    out["kTSvodSumPrilG_In"] = ProfDeductionsJson(s.PrilG_In);
    out["kTSvodSumPrilE1"] = PrilE1Json(s.PrilE1);
    out["kTSvodSumPrilE2"] = PrilE2Json(s.PrilE2);
    out["kTSvodSumPrilE3"] = PrilE3Json(s.PrilE3);
    out["kTSvodSumPrilH1"] = PrilH1Json(s.PrilH1);
    out["kTSvodSumPrilZ"] = PrilZJson(s.PrilZ);
    out["kTSvodSumPrilJ"] = PrilJJson(s.PrilJ);
    out["kTSvodSumPrilI"] = PrilIJson(s.PrilI);
    out["sources"] = SourcesJson(declaration);
    return out;
}

}  // namespace kvz
