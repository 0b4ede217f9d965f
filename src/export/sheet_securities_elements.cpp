// Operations with securities and derivatives (ДохОперЦБ) and investment
// partnerships (ДохИвестТов).
#include <array>
#include <initializer_list>
#include <utility>

#include "export/ndfl3_parts.h"

namespace kvz::ndfl3 {

namespace {

// An element with its amounts in kopeck form, all of them written.
XmlElement AddWithAmounts(const XmlElement& parent, const char* name, Amounts amounts) {
    const XmlElement e = parent.Add(name);
    SetKopecks(e, amounts);
    return e;
}

// One kind of operation: its financial result, what is taxed when the base is
// positive, and how a loss is spread when there is one.
void WriteOperationGroup(const XmlElement& parent, const char* name, Amounts result, Money base, Amounts taxed,
                         Money loss, Amounts lossSpread) {
    const XmlElement group = parent.Add(name);
    AddWithAmounts(group, "РасчФинРез", result);
    if (base > Money()) AddWithAmounts(group, "РасчДохОбл", taxed);
    if (loss > Money()) AddWithAmounts(group, "РаспрУбыт", lossSpread);
}

// СуммаЦБ and СуммаФИСС, each only when positive.
void AddSecuritiesPair(const XmlElement& parent, const char* name, Money securities, Money derivatives) {
    const XmlElement e = parent.Add(name);
    SetKopecksIfPositive(e, "СуммаЦБ", securities);
    SetKopecksIfPositive(e, "СуммаФИСС", derivatives);
}

// One element per year from 2005 to 2014 with a loss carried from it.
void WriteLossYears(const XmlElement& parent, const mTCBDeduct& losses) {
    for (int year = 2005; year <= 2014; ++year) {
        int index = 0;
        while (index < mTCBDeduct::kYears && mTCBDeduct::YearOfIndex(index) != year) ++index;
        if (index == mTCBDeduct::kYears) continue;
        const Money securities = losses.SecuritiesLoss[static_cast<std::size_t>(index)];
        const Money derivatives = losses.FissLoss[static_cast<std::size_t>(index)];
        if (securities <= Money() && derivatives <= Money()) continue;
        const XmlElement e = parent.Add("ОстУбытПрошПер");
        e.Set("ПериодПрош", IntegerText(year));
        SetKopecksIfPositive(e, "УбытНачЦБОбр", securities);
        SetKopecksIfPositive(e, "УбытНачФИССОбр", derivatives);
    }
}

// Derivatives of the organised market, over securities or over other assets: written
// when there is an income or an expense.
void WriteDerivativeGroup(const XmlElement& parent, const char* name, Money income, Money expenses, Money base,
                          Money loss, Amounts taxed, Amounts lossSpread) {
    if (income + expenses <= Money()) return;
    WriteOperationGroup(parent, name,
                        {{"ДохСовОпер", income}, {"РасхРеалФИСС", expenses}, {"НалБазаОпер", base},
                         {"УбытРезОпер", loss}},
                        base, taxed, loss, lossSpread);
}

void WriteTradedSecurities(const XmlElement& e, const kTSvodSumPrilJ& j) {
    if (j.IncomeA + j.ExpensesA + j.InterestA <= Money()) return;
    WriteOperationGroup(e, "ДохОперЦБОрг",
                        {{"ДохСовОпер", j.IncomeA}, {"РасхРеалЦБ", j.ExpensesA}, {"УбытРЕПОУмДох", j.RepoLossA},
                         {"УбытЗаймУмДох", j.LoanLossA}, {"ПроцРасх", j.InterestA}, {"РасхУмДохРеалЦБ", j.ReducingA},
                         {"НалБазаОпер", j.BaseA}, {"УбытРезОпер", j.LossA}},
                        j.BaseA,
                        {{"УбытУмНБ_4.10", j.DerivLossUsedA}, {"УбытПрПерУмНБ", j.CarriedUsedA},
                         {"ДоходОбл", j.TaxableA}},
                        j.LossA,
                        {{"УбытУч_2.3", j.LossAUsedB}, {"УбытУч_4.6", j.LossAUsedD}, {"УбытУмНББуд", j.LossAFuture}});
}

void WriteOtherSecurities(const XmlElement& e, const kTSvodSumPrilJ& j) {
    if (j.IncomeB + j.ExpensesB > Money())
        AddWithAmounts(e, "ДохОперЦБОргНеОрг",
                       {{"ДохСовОпер", j.IncomeB}, {"РасхРеалЦБ", j.ExpensesB}, {"УбытУмФР_1.12", j.LossAUsedB},
                        {"ДоходОбл", j.TaxableB}});
    if (j.IncomeC + j.ExpensesC + j.InterestC > Money())
        AddWithAmounts(e, "ДохОперЦБНеОрг",
                       {{"ДохСовОпер", j.IncomeC}, {"РасхРеалЦБ", j.ExpensesC}, {"УбытРЕПОУмДох", j.RepoLossC},
                        {"УбытЗаймУмДох", j.LoanLossC}, {"ПроцРасх", j.InterestC},
                        {"УбытВыхИТ", j.PartnershipExitLoss}, {"РасхУмДохРеалЦБ", j.ReducingC},
                        {"ДоходОбл", j.TaxableC}});
}

void WriteDerivatives(const XmlElement& e, const kTSvodSumPrilJ& j) {
    WriteDerivativeGroup(e, "ДохФИССОргЦБ", j.IncomeD, j.ExpensesD, j.BaseD, j.LossD,
                         {{"УбытПрПерУмНБ", j.CarriedUsedD}, {"УбытУмНБ_1.13", j.LossAUsedD},
                          {"УбытУмНБ_5.8", j.LossEUsedD}, {"ДоходОбл", j.TaxableD}},
                         {{"УбытУмНБ_5.6", j.LossDUsedE}, {"УбытУмНБ_1.9", j.LossDUsedA}, {"УбытУмНББуд", j.LossDFuture}});
    WriteDerivativeGroup(e, "ДохФИССОргНеЦБ", j.IncomeE, j.ExpensesE, j.BaseE, j.LossE,
                         {{"УбытПрПерУмНБ", j.CarriedUsedE}, {"УбытУмНБ_4.9", j.LossDUsedE}, {"ДоходОбл", j.TaxableE}},
                         {{"УбытУмНБ_4.7", j.LossEUsedD}, {"УбытУмНББуд", j.LossEFuture}});
    if (j.IncomeF + j.ExpensesF > Money())
        AddWithAmounts(e, "ДохФИССНеОрг",
                       {{"ДохСовОпер", j.IncomeF}, {"РасхРеалФИСС", j.ExpensesF}, {"ДоходОбл", j.TaxableF}});
}

void WriteRepoAndLoans(const XmlElement& e, const kTSvodSumPrilJ& j) {
    // Their taxed income stands in the result itself: no base part.
    if (j.RepoIncome + j.RepoExpenses > Money())
        WriteOperationGroup(e, "ДохРЕПО",
                            {{"ДохЗаймРЕПО", j.RepoIncome}, {"РасхЗаймРЕПО", j.RepoExpenses},
                             {"ДоходОбл", j.RepoTaxable}, {"УбытРезОпер", j.RepoLoss}},
                            Money(), {}, j.RepoLossTraded + j.RepoLossOther,
                            {{"УбытРЕПООбр", j.RepoLossTraded}, {"УбытРЕПОНеОбр", j.RepoLossOther}});
    if (j.LoanIncome + j.LoanExpenses > Money())
        WriteOperationGroup(e, "ДохЗаймЦБ",
                            {{"ДохДогЗайм", j.LoanIncome}, {"РасхДогЗайм", j.LoanExpenses},
                             {"ДоходОбл", j.LoanTaxable}, {"УбытРезОпер", j.LoanLoss}},
                            Money(), {}, j.LoanLossTraded + j.LoanLossOther,
                            {{"УбытЗаймЦБОбр", j.LoanLossTraded}, {"УбытЗаймЦБНеОбр", j.LoanLossOther}});
}

void WriteCarriedLosses(const XmlElement& e, const mTCBDeduct& losses, const kTSvodSumPrilJ& j) {
    if (j.CarriedSecurities + j.CarriedDerivatives > Money()) {
        const XmlElement carried = e.Add("УбытПредПер");
        AddSecuritiesPair(carried, "ОстУбытНачВс", j.CarriedSecurities, j.CarriedDerivatives);
        WriteLossYears(carried, losses);
        AddSecuritiesPair(carried, "НалБазаПер", j.BaseSecurities, j.BaseDerivatives);
        AddSecuritiesPair(carried, "СумУмНБПер", j.CarriedSecuritiesUsed, j.CarriedDerivativesUsed);
        AddSecuritiesPair(carried, "ОстУбытКонВс", j.CarriedSecuritiesLeft, j.CarriedDerivativesLeft);
    }
    if (j.FutureLossSecurities + j.FutureLossDerivatives > Money())
        AddWithAmounts(e, "УбытПрхПер",
                       {{"УбытОперЦБОбр", j.FutureLossSecurities}, {"УбытОперФИССОбр", j.FutureLossDerivatives}});
}

}  // namespace

void WriteSecurities(const XmlElement& ndfl3, const mTDeclaration& d, const kTSvodSum& sum) {
    const kTSvodSumPrilJ& j = sum.PrilJ;
    if (j.IncomeTotal + j.CarriedSecurities + j.CarriedDerivatives <= Money()) return;
    const XmlElement e = ndfl3.Add("ДохОперЦБ");
    WriteTradedSecurities(e, j);
    WriteOtherSecurities(e, j);
    WriteDerivatives(e, j);
    WriteRepoAndLoans(e, j);
    WriteCarriedLosses(e, d.CB, j);
    if (j.IncomeTotal > Money())
        AddWithAmounts(e, "ИтогСовОпер",
                       {{"ОбщДохСовОпер", j.IncomeTotal}, {"ОбщДоходОбл", j.TaxableTotal},
                        {"ОбщРасхПрмВыч", j.ExpensesTotal}});
}

void WritePartnerships(const XmlElement& ndfl3, const kTSvodSum& sum) {
    const kTSvodSumPrilI& i = sum.PrilI;
    if (i.IncomeTotal + i.TaxableTotal + i.ExpensesTotal <= Money()) return;
    const XmlElement e = ndfl3.Add("ДохИвестТов");
    static constexpr std::array<const char*, kTSvodSumPrilI::kGroups> kGroupNames = {
        "ДохЦБОбрИТ", "ДохЦБНеОбрИТ", "ДохФИНеОбрИТ", "ДохУстКапИТ", "ДохПрочИТ"};
    for (std::size_t k = 0; k < kGroupNames.size(); ++k) {
        const bmTInvestGroup& g = i.Groups[k];
        if (g.Income + g.ExpenseShare + g.ManagerFee + g.LossReducing <= Money()) continue;
        AddWithAmounts(e, kGroupNames[k],
                       {{"ДохСовокуп", g.Income}, {"РасхДолУпрТов", g.ExpenseShare}, {"РасхВознУпрТоп", g.ManagerFee},
                        {"УбытПрУмен", g.LossReducing}, {"ДоходОбл", g.TaxableIncome},
                        {"УбытПерБудущ", g.LossCarried}});
    }
    if (i.ExitIncome + i.Contribution > Money())
        AddWithAmounts(e, "РасчДохВыхИТ",
                       {{"ДохВыхИТ", i.ExitIncome}, {"ВкладИТ", i.Contribution}, {"ДоходОбл", i.ExitTaxableIncome},
                        {"УбытРез", i.ExitLoss}});
    AddWithAmounts(e, "ИтогСовОпер",
                   {{"ОбщДохСовОпер", i.IncomeTotal}, {"ОбщДоходОбл", i.TaxableTotal}, {"ОбщРасхПрмВыч", i.ExpensesTotal}});
}

}  // namespace kvz::ndfl3
