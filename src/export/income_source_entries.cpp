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

// The group is written only when a counted list has a source or there is 35 %
// income; the 9 % sources alone do not open it.
bool HasCountedSources(const mTDeclaration& d, const kTSvodSum& sum) {
    const int64_t sources =
        static_cast<int64_t>(d.Thirteen.Count()) + d.ThirteenNR.Count() + d.Dividends.Count() + d.InvestTov.Count();
    return Money::FromUnits(sources * 10000) + sum.PrilA35.IncomeTotal > Money();
}

}  // namespace

std::vector<IncomeSourceOrigin> IncomeSourceOrigins(const mTDeclaration& d, const kTSvodSum& sum) {
    std::vector<IncomeSourceOrigin> origins;
    if (!HasCountedSources(d, sum)) return origins;
    const bool resident = d.DeclarationKind == kDecl3Ndfl;
    const bool nonResident = d.DeclarationKind == kDecl3NdflNonResident;
    auto add = [&origins](IncomeSourceList list, int count, const char* rate) {
        for (int i = 0; i < count; ++i) origins.push_back({list, i, rate});
    };
    if (resident) add(IncomeSourceList::Nine, d.Nine.Count(), "09");
    if (resident) add(IncomeSourceList::Thirteen, d.Thirteen.Count(), "13");
    if (resident || nonResident) add(IncomeSourceList::InvestTov, d.InvestTov.Count(), nonResident ? "30" : "13");
    if (resident) add(IncomeSourceList::Dividends, d.Dividends.Count(), "13");
    if (nonResident) add(IncomeSourceList::ThirteenNR, d.ThirteenNR.Count(), "13");
    if (nonResident) add(IncomeSourceList::Dividends, d.Dividends.Count(), "15");
    if (nonResident) add(IncomeSourceList::Thirteen, d.Thirteen.Count(), "30");
    if (resident && sum.PrilA35.IncomeTotal > Money()) {
        for (int i = 0; i < d.ThirtyFive.Count(); ++i)
            if (d.ThirtyFive.Get(i).IncomeCode != kMaterialBenefitCode)
                origins.push_back({IncomeSourceList::ThirtyFive, i, "35"});
    }
    return origins;
}

void WriteIncomeSources(const XmlElement& ndfl3, const mTDeclaration& d, const kTSvodSum& sum) {
    auto write = [&ndfl3](const IncomeSourceOrigin& o, const auto& s, const TaxOf& taxOf) {
        WriteEntry(ndfl3, o.Rate, s, s.TaxableAmount, s.TaxComputed, taxOf);
    };
    for (const IncomeSourceOrigin& o : IncomeSourceOrigins(d, sum)) {
        switch (o.List) {
        case IncomeSourceList::Nine: write(o, d.Nine.Get(o.Index), OwnTax); break;
        case IncomeSourceList::Thirteen: write(o, d.Thirteen.Get(o.Index), OwnTax); break;
        case IncomeSourceList::ThirteenNR: write(o, d.ThirteenNR.Get(o.Index), OwnTax); break;
        case IncomeSourceList::InvestTov: write(o, d.InvestTov.Get(o.Index), OwnTax); break;
        case IncomeSourceList::ThirtyFive: write(o, d.ThirtyFive.Get(o.Index), OwnTax); break;
        case IncomeSourceList::Dividends:
            // Dividends of a non-resident are taxed at 15 % of their taxable amount.
            write(o, d.Dividends.Get(o.Index), std::string(o.Rate) == "15" ? TaxOf(DividendTax15) : TaxOf(OwnTax));
            break;
        }
    }
}

}  // namespace kvz::ndfl3
