// Foreign income (ДоходИстИно), business income (ДоходПредпр) and income exempt up
// to a limit (ДоходОсвПрев).
#include <string>

#include "export/ndfl3_parts.h"
#include "model/business_new.h"

namespace kvz::ndfl3 {

namespace {

void WriteForeignItem(const XmlElement& block, const DohodCur& item, const std::string& kindCode) {
    const XmlElement e = block.Add("РасчДохНалИно");
    e.Set("ОКСМ", PadWithZeros(item.CountryCode, 3));
    e.Set("НаимИстДох", item.SourceName);
    e.Set("КодВалют", PadWithZeros(item.CurrencyCode, 3));
    e.Set("КодВидДох", kindCode.empty() ? item.IncomeKind : kindCode);
    e.Set("ДатаДох", ExportDateText(item.IncomeDate));
    e.Set("КурсВалютДох", CurrencyText(item.IncomeRateText));
    e.Set("ДоходИноВал", CurrencyText(item.IncomeInCurrencyText));
    SetKopecks(e, "ДоходИноРуб", item.IncomeRub);
    if (item.ForeignTaxRub > Money()) {
        e.Set("ДатаУплНал", ExportDateText(item.TaxPaymentDate));
        e.Set("КурсВалютНал", CurrencyText(item.TaxRateText));
        e.Set("НалУплИноВал", CurrencyText(item.TaxInCurrencyText));
        SetKopecks(e, "НалУплИноРуб", item.ForeignTaxRub);
    }
    SetPlainIfPositive(e, "НалЗачРФОбщ", item.TaxComputedHere);
    SetPlainIfPositive(e, "НалогЗачРФОбщ", item.TaxCredited);
}

// kindCode "" means: each item's own kind ("1" controlled-company profit, "2" other).
void WriteForeignBlock(const XmlElement& ndfl3, const char* rate, const kTSvodSumPrilB& record,
                       const std::string& kindCode) {
    const XmlElement block = ndfl3.Add("ДоходИстИно");
    block.Set("Ставка", rate);
    for (const DohodCur& item : record.Items) WriteForeignItem(block, item, kindCode);
}

void WriteActivity(const XmlElement& business, const mTBusinessNew& activity) {
    const XmlElement e = business.Add("РасчВидДеят");
    e.Set("ВидДеят", activity.ActivityKind);
    if (activity.ActivityKind == "1") e.Set("ОКВЭД", activity.ActivityCode);
    SetKopecks(e, "Доход", activity.Income);
    if (activity.ExpensesConfirmed) {
        static constexpr std::pair<const char*, int> kItems[] = {
            {"РасхФакт", kExpenseTotal},         {"РасхФМат", kExpenseMaterial},
            {"РасхФАмНач", kExpenseDepreciation}, {"РасхФОплТруд", kExpenseLabour},
            {"РасхФТрДог", kExpenseLabourContracts}, {"РасхФПроч", kExpenseOther}};
        for (const auto& [name, index] : kItems)
            if (!activity.ExpenseItems[index].IsZero()) SetKopecks(e, name, activity.ExpenseItems[index]);
    } else if (!activity.UnconfirmedExpenses.IsZero()) {
        SetKopecks(e, "РасхПредНорм", activity.UnconfirmedExpenses);
    }
}

// An exempt kind of income: all of it and its exempt part, when there is an exempt part.
void WriteExemptPair(const XmlElement& exempt, const char* name, Money income, Money exemptPart) {
    if (exemptPart <= Money()) return;
    const XmlElement e = exempt.Add(name);
    SetKopecks(e, "ДоходВсИст", income);
    SetKopecks(e, "ДоходНеНал", exemptPart);
}

}  // namespace

void WriteForeignIncome(const XmlElement& ndfl3, const mTDeclaration& d, const kTSvodSum& sum) {
    if (!(d.IncomeKinds & kIncomeForeign)) return;
    if (sum.PrilB9.OtherIncome > Money()) WriteForeignBlock(ndfl3, "09", sum.PrilB9, "2");
    const kTSvodSumPrilB& b13 = sum.PrilB13;
    if (b13.OtherIncome > Money() || b13.CfcProfit > Money() || b13.Dividends > Money())
        WriteForeignBlock(ndfl3, "13", b13, "");
    if (sum.PrilB35.OtherIncome > Money()) WriteForeignBlock(ndfl3, "35", sum.PrilB35, "2");
}

void WriteBusinessIncome(const XmlElement& ndfl3, const mTDeclaration& d, const kTSvodSum& sum) {
    if (!(d.IncomeKinds & kIncomeBusiness) || d.Business.Count() == 0) return;
    const XmlElement e = ndfl3.Add("ДоходПредпр");
    SetKopecks(e, "ДоходИт", sum.PrilV1.IncomeTotal);
    SetKopecks(e, "ВычПрофИт", sum.PrilV1.ProfessionalDeduction);
    SetPlainIfPositive(e, "НачислАвИт", sum.PrilV1.AdvanceAssessed);
    SetPlainIfPositive(e, "УплФактАвИт", sum.PrilV1.AdvancePaid);
    for (int i = 0; i < d.Business.Count(); ++i) WriteActivity(e, d.Business.Get(i));
    if (d.IsFarmHead) {
        const XmlElement farm = e.Add("СведКФХ");
        // Without a year the attribute is missing, which the check names, rather than a made-up one.
        if (const int year = FarmYearOf(d.FarmStartDate); year != kNoFarmYear) farm.Set("ГодРегКФХ", std::to_string(year));
        SetKopecks(farm, "ДоходНеНал", d.FarmExemptIncome);
    }
    // The self-corrected base and tax of the business screen.
    if (d.CorrectedIncome > Money() || d.CorrectedExpense > Money()) {
        const XmlElement corrected = e.Add("НБКор105.3");
        SetKopecks(corrected, "НБКорСам", d.CorrectedIncome);
        SetPlain(corrected, "НалКорСам", d.CorrectedExpense);
    }
}

void WriteExemptIncome(const XmlElement& ndfl3, const mTDeclaration& d, const kTSvodSum& sum) {
    const kTSvodSumPrilM& m = sum.PrilM;
    if (m.ExemptTotal + m.ExemptPrizes <= Money()) return;
    const XmlElement e = ndfl3.Add("ДоходОсвПрев");
    SetKopecks(e, "ДохНеНалОбщ", m.ExemptTotal);
    WriteExemptPair(e, "МатПомРожд", m.BirthAidIncome, m.BirthAidExempt);
    WriteExemptPair(e, "МатПомРаб", m.WorkAidIncome, m.WorkAidExempt);
    WriteExemptPair(e, "МатПомИнв", m.DisabilityAidIncome, m.DisabilityAidExempt);
    WriteExemptPair(e, "ПодарНП", m.GiftIncome, m.GiftExempt);
    WriteExemptPair(e, "ПризНП", m.PrizeIncome, m.PrizeExempt);
    WriteExemptPair(e, "ВозмМед", m.MedicineIncome, m.MedicineExempt);
    WriteExemptPair(e, "ПомПодар", m.VeteranAidIncome, m.VeteranAidExempt);
    WriteExemptPair(e, "ДопСВПенс", m.PensionContribIncome, m.PensionContribExempt);
    if (m.FarmPayExempt > Money()) {
        // The months worked for an agricultural producer come first.
        const XmlElement farm = e.Add("НатОплСХ");
        farm.Set("КолМесОтраб", IntegerText(d.MonthsWorked));
        SetKopecks(farm, "ДоходВсИст", m.FarmPayIncome);
        SetKopecks(farm, "ДоходНеНал", m.FarmPayExempt);
    }
    WriteExemptPair(e, "ПризРекл", m.AdPrizeIncome, m.ExemptPrizes);
}

}  // namespace kvz::ndfl3
