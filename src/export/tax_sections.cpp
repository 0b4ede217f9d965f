// The tax to pay or refund by budget code (СумНалПу) and the tax computation by
// rate (НалБаза).
#include <array>

#include "export/ndfl3_parts.h"

namespace kvz::ndfl3 {

namespace {

using Rate = kTSvodSumTaxByRate;

// РасчНалБаза holds the base in kopecks, РасчНалПУ the tax in the plain form.
enum class RatePart { Base, Tax };

struct RateAmount {
    RatePart part;
    const char* name;
    Money Rate::*amount;
    // Whether the amount decides that the rate has anything to show: all do but
    // the results of the settlement.
    bool shown = true;
};

constexpr RateAmount kRateAmounts[] = {
    {RatePart::Base, "ДоходОбщ", &Rate::IncomeTotal},
    {RatePart::Base, "ДоходОбщНеНал", &Rate::NonTaxableIncome},
    {RatePart::Base, "ДоходОбщНал", &Rate::TaxableIncome},
    {RatePart::Base, "СумНалВыч", &Rate::Deductions},
    {RatePart::Base, "СумРасхУм", &Rate::ExpensesReducingIncome},
    {RatePart::Base, "СумДохДивКИК", &Rate::DividendCfcIncome},
    {RatePart::Base, "НалБаза", &Rate::TaxBase},
    {RatePart::Tax, "Исчисл", &Rate::TaxComputed},
    {RatePart::Tax, "УдержОбщ", &Rate::TaxWithheld},
    {RatePart::Tax, "УдержОбщМВ", &Rate::TaxWithheldMaterialBenefit},
    {RatePart::Tax, "УплАвФакт", &Rate::AdvancePaid},
    {RatePart::Tax, "ОбщАвУплЗач227.1", &Rate::FixedAdvanceCredited},
    {RatePart::Tax, "УплИнПодлЗач", &Rate::ForeignTaxCredited},
    {RatePart::Tax, "ИсчислУпл", &Rate::TaxAfterCredits, false},
    {RatePart::Tax, "УплПатентЗач", &Rate::PatentTaxCredited},
    {RatePart::Tax, "ТСУплПерЗач", &Rate::TradeLevyCredited},
    {RatePart::Tax, "ПодлУпл", &Rate::TaxDue, false},
    {RatePart::Tax, "ПодлВозв", &Rate::RefundDue, false},
};

Money ShownAmounts(const Rate& r) {
    Money total;
    for (const RateAmount& a : kRateAmounts)
        if (a.shown) total += r.*a.amount;
    return total;
}

void WriteRateBlock(const XmlElement& ndfl3, const Rate& r) {
    const XmlElement block = ndfl3.Add("НалБаза");
    block.Set("Ставка", r.Rate);
    const XmlElement base = block.Add("РасчНалБаза");
    const XmlElement tax = block.Add("РасчНалПУ");
    for (const RateAmount& a : kRateAmounts) {
        if (a.part == RatePart::Base) {
            SetKopecks(base, a.name, r.*a.amount);
        } else {
            SetPlain(tax, a.name, r.*a.amount);
        }
    }
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
