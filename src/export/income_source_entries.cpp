// One ДоходИстРФ per Russian payment source, list by list.
#include <functional>

#include "calc/rounding.h"
#include "export/ndfl3_parts.h"

namespace kvz::ndfl3 {

namespace {

// A 35 % source of this income code is material benefit: only its withheld tax counts.
constexpr int32_t kMaterialBenefitCode = 2620;

using TaxOf = std::function<Money(const mTSourseIncomeInfo&, Money taxable, Money computed)>;

Money OwnTax(const mTSourseIncomeInfo&, Money, Money computed) { return computed; }
Money DividendTax15(const mTSourseIncomeInfo&, Money taxable, Money) { return TaxAtRate(taxable, kRate15); }

// The payer: an organisation (ИстЮЛ) unless its ИНН is not an organisation's ten
// characters and it has no КПП.
void WritePayer(const XmlElement& entry, const mTSourseIncomeInfo& source) {
    if (TextLength(source.Inn) != 10 && IsBlankText(source.Kpp)) {
        const XmlElement person = entry.Add("ИстФЛИн");
        person.Set("ФИОИн", source.SourceName);
        person.SetOptional("ИННФЛ", source.Inn);
    } else {
        const XmlElement organisation = entry.Add("ИстЮЛ");
        organisation.Set("Наим", source.SourceName);
        organisation.Set("ИННЮЛ", source.Inn);
        organisation.Set("КПП", source.Kpp);
    }
}

void WriteEntry(const XmlElement& ndfl3, const char* rate, const mTSourseIncomeInfo& source, Money taxable,
                Money computed, const TaxOf& taxOf) {
    const XmlElement entry = ndfl3.Add("ДоходИстРФ");
    entry.Set("Ставка", rate);
    entry.Set("ВидДоход", source.IncomeKindCode);
    entry.SetOptional("ОКТМО", source.Oktmo);
    SetKopecks(entry, "Доход", source.IncomeTotal);
    SetKopecks(entry, "ДоходОбл", taxable);
    SetPlain(entry, "НалИсчисл", taxOf(source, taxable, computed));
    SetPlain(entry, "НалУдерж", source.TaxWithheld);
    WritePayer(entry, source);
}

template <class Source>
void WriteList(const XmlElement& ndfl3, const mTItemList<Source>& list, const char* rate,
               const TaxOf& taxOf = OwnTax) {
    for (int i = 0; i < list.Count(); ++i) {
        const Source& s = list.Get(i);
        WriteEntry(ndfl3, rate, s, s.TaxableAmount, s.TaxComputed, taxOf);
    }
}

// The group is written only when a counted list has a source or there is 35 %
// income; the 9 % sources alone do not open it.
bool HasCountedSources(const mTDeclaration& d, const kTSvodSum& sum) {
    const int64_t sources =
        static_cast<int64_t>(d.Thirteen.Count()) + d.ThirteenNR.Count() + d.Dividends.Count() + d.InvestTov.Count();
    return Money::FromUnits(sources * 10000) + sum.PrilA35.IncomeTotal > Money();
}

}  // namespace

void WriteIncomeSources(const XmlElement& ndfl3, const mTDeclaration& d, const kTSvodSum& sum) {
    if (!HasCountedSources(d, sum)) return;
    const bool resident = d.DeclarationKind == kDecl3Ndfl;
    const bool nonResident = d.DeclarationKind == kDecl3NdflNonResident;
    if (resident) WriteList(ndfl3, d.Nine, "09");
    if (resident) WriteList(ndfl3, d.Thirteen, "13");
    if (resident || nonResident) WriteList(ndfl3, d.InvestTov, nonResident ? "30" : "13");
    if (resident) WriteList(ndfl3, d.Dividends, "13");
    if (nonResident) WriteList(ndfl3, d.ThirteenNR, "13");
    if (nonResident) WriteList(ndfl3, d.Dividends, "15", DividendTax15);
    if (nonResident) WriteList(ndfl3, d.Thirteen, "30");
    if (resident && sum.PrilA35.IncomeTotal > Money()) {
        for (int i = 0; i < d.ThirtyFive.Count(); ++i) {
            const mTThirtyFivePercent& s = d.ThirtyFive.Get(i);
            if (s.IncomeCode == kMaterialBenefitCode) continue;
            WriteEntry(ndfl3, "35", s, s.TaxableAmount, s.TaxComputed, OwnTax);
        }
    }
}

}  // namespace kvz::ndfl3
