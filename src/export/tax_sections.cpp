// The tax to pay or refund by budget code (СумНалПу) and the tax computation by
// rate (НалБаза).
#include <array>

#include "export/ndfl3_parts.h"

namespace kvz::ndfl3 {

namespace {

// The amounts that decide whether a rate has anything to show: all of them but the
// results of the settlement (ИсчислУпл, ПодлУпл, ПодлВозв).
Money ShownAmounts(const kTSvodSumTaxByRate& r) {
    return r.IncomeTotal + r.NonTaxableIncome + r.Deductions + r.TaxableIncome + r.ExpensesReducingIncome +
           r.DividendCfcIncome + r.TaxBase + r.TaxComputed + r.TaxWithheld + r.TaxWithheldMaterialBenefit +
           r.AdvancePaid + r.FixedAdvanceCredited + r.ForeignTaxCredited + r.PatentTaxCredited +
           r.TradeLevyCredited;
}

void WriteRateBlock(const XmlElement& ndfl3, const kTSvodSumTaxByRate& r) {
    const XmlElement block = ndfl3.Add("НалБаза");
    block.Set("Ставка", r.Rate);
    const XmlElement base = block.Add("РасчНалБаза");
    SetKopecks(base, "ДоходОбщ", r.IncomeTotal);
    SetKopecks(base, "ДоходОбщНеНал", r.NonTaxableIncome);
    SetKopecks(base, "ДоходОбщНал", r.TaxableIncome);
    SetKopecks(base, "СумНалВыч", r.Deductions);
    SetKopecks(base, "СумРасхУм", r.ExpensesReducingIncome);
    SetKopecks(base, "СумДохДивКИК", r.DividendCfcIncome);
    SetKopecks(base, "НалБаза", r.TaxBase);
    const XmlElement tax = block.Add("РасчНалПУ");
    SetPlain(tax, "Исчисл", r.TaxComputed);
    SetPlain(tax, "УдержОбщ", r.TaxWithheld);
    SetPlain(tax, "УдержОбщМВ", r.TaxWithheldMaterialBenefit);
    SetPlain(tax, "УплАвФакт", r.AdvancePaid);
    SetPlain(tax, "ОбщАвУплЗач227.1", r.FixedAdvanceCredited);
    SetPlain(tax, "УплИнПодлЗач", r.ForeignTaxCredited);
    SetPlain(tax, "ИсчислУпл", r.TaxAfterCredits);
    SetPlain(tax, "УплПатентЗач", r.PatentTaxCredited);
    SetPlain(tax, "ТСУплПерЗач", r.TradeLevyCredited);
    SetPlain(tax, "ПодлУпл", r.TaxDue);
    SetPlain(tax, "ПодлВозв", r.RefundDue);
}

}  // namespace

void WritePaymentLines(const XmlElement& ndfl3, const kTSvodSum& sum) {
    for (const bmTList1& line : sum.List6.Lines) {
        const XmlElement e = ndfl3.Add("СумНалПу");
        e.Set("ПрУплВозв", line.PayOrRefund);
        e.Set("КБК", line.Kbk);
        e.Set("ОКТМО", line.Oktmo);
        e.Set("ПодлУпл", line.PayOrRefund == kPay ? PlainForm(line.Amount) : "0");
        e.Set("ПодлВозв", line.PayOrRefund == kRefund ? PlainForm(line.Amount) : "0");
    }
}

void WriteRateBlocks(const XmlElement& ndfl3, const kTSvodSum& sum) {
    const std::array<const kTSvodSumTaxByRate*, 5> records = {&sum.List1, &sum.List2, &sum.List3, &sum.List4,
                                                               &sum.List5};
    bool written = false;
    for (const kTSvodSumTaxByRate* r : records) {
        if (ShownAmounts(*r) <= Money()) continue;
        WriteRateBlock(ndfl3, *r);
        written = true;
    }
    // The form needs at least one rate block, even for a declaration with no income.
    if (!written) WriteRateBlock(ndfl3, sum.List1);
}

}  // namespace kvz::ndfl3
