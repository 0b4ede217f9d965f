#include "checks/uncounted_income_checks.h"

#include "calc/foreign_sheet_rate.h"
#include "model/declaration.h"

namespace kvz {

namespace {

constexpr int32_t kMaterialBenefitIncome = 2620;

template <class List>
void AddSources(CheckFindings& out, const List& list, int section, const char* caption, const std::string& message) {
    for (int i = 0; i < list.Count(); ++i)
        if (!list.Get(i).IncomeTotal.IsZero()) out.push_back({section, caption, i + 1, message});
}

}  // namespace

std::string UncountedForeignIncome(const mTCurrencyIncome& f) {
    if ((f.IncomeInCurrency.IsZero() && f.IncomeInRoubles.IsZero()) || ForeignSheetRate(f) != 0) return "";
    if (f.IncomeCode == kMaterialBenefitIncome)
        return "Доход с кодом 2620 (материальная выгода) в расчет доходов, полученных за пределами РФ, не попадает";
    if (f.IncomeRate == 0) return "Доход не попадает в расчет: по коду дохода не определена ставка налога";
    return "Доход не попадает в расчет: ставка " + std::to_string(f.IncomeRate) +
           " не относится ни к 13%, ни к 9%, ни к 35%";
}

CheckFindings UncountedIncomeFindings(const mTDeclaration& d) {
    CheckFindings out;
    if (d.DeclarationKind == kDecl4Ndfl) return out;
    const bool resident = d.DeclarationKind == kDecl3Ndfl;
    if (d.IncomeKinds & kIncomeRussian) {
        if (resident)
            AddSources(out, d.ThirteenNR, kCheckSectionThirteenNR, kCaptionThirteen,
                       "Доходы высококвалифицированного специалиста-нерезидента в расчет декларации резидента не "
                       "попадают");
        else {
            AddSources(out, d.Nine, kCheckSectionNinePercent, kCaptionNine,
                       "Доходы по ставке 9% в расчет декларации нерезидента не попадают");
            AddSources(out, d.ThirtyFive, kCheckSectionThirtyFive, kCaptionThirtyFive,
                       "Доходы по ставке 35% в расчет декларации нерезидента не попадают");
        }
        // The sheets take the taxable amount of dividends, not the amount paid.
        for (int i = 0; i < d.Dividends.Count(); ++i) {
            const mTThirtyPercent& s = d.Dividends.Get(i);
            if (!s.IncomeTotal.IsZero() && s.TaxableAmount.IsZero())
                out.push_back({kCheckSectionDividends, kCaptionDividends, i + 1,
                               "Сумма дивидендов не попадает в расчет: не указана облагаемая сумма дивидендов"});
        }
    }
    if (d.IncomeKinds & kIncomeForeign)
        for (int i = 0; i < d.Foreign.Count(); ++i)
            if (std::string why = UncountedForeignIncome(d.Foreign.Get(i)); !why.empty())
                out.push_back({kCheckSectionForeign, kCaptionForeign, i + 1, why});
    return out;
}

}  // namespace kvz
