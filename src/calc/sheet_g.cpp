// Sheet Г, income exempt up to a limit: aid, gifts, prizes, employers' pension
// contributions and the like, each exempt up to its own yearly limit, and the
// advertising prizes with their shared 4 000-rouble allowance.
#include <array>

#include "calc/income_line_view.h"
#include "calc/rates.h"
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

constexpr int32_t kAdPrizeCode = 2740;
constexpr Money kAdPrizeAllowance = Money::FromUnits(4000);

// One kind of limited-exemption income. A line with the income code counts as
// income; with the deduction code as well, its exempt part is its amount up to the
// limit, or, where there is no limit, the deduction amount the user entered.
struct ExemptKind {
    int32_t IncomeCode;
    int32_t DeductionCode;
    Money kTSvodSumPrilM::*Income;
    Money kTSvodSumPrilM::*Exempt;
    Money Limit;  // 0: no limit
};

using M = kTSvodSumPrilM;
const std::array<ExemptKind, 9> kExemptKinds{{
    {2762, 508, &M::BirthAidIncome, &M::BirthAidExempt, Money()},
    {2760, 503, &M::WorkAidIncome, &M::WorkAidExempt, Money::FromUnits(4000)},
    {1211, 510, &M::PensionContribIncome, &M::PensionContribExempt, Money::FromUnits(12000)},
    {2761, 506, &M::DisabilityAidIncome, &M::DisabilityAidExempt, Money::FromUnits(4000)},
    {2720, 501, &M::GiftIncome, &M::GiftExempt, Money::FromUnits(4000)},
    {2730, 502, &M::PrizeIncome, &M::PrizeExempt, Money::FromUnits(4000)},
    {2770, 504, &M::MedicineIncome, &M::MedicineExempt, Money::FromUnits(4000)},
    {2790, 507, &M::VeteranAidIncome, &M::VeteranAidExempt, Money::FromUnits(10000)},
    {2791, 509, &M::FarmPayIncome, &M::FarmPayExempt, Money()},
}};

bool Limited(const ExemptKind& kind) { return !kind.Limit.IsZero(); }

void CountLine(const kTIncomeLine& line, kTSvodSumPrilM& m) {
    for (const ExemptKind& kind : kExemptKinds) {
        if (line.IncomeCode != kind.IncomeCode) continue;
        m.*kind.Income += line.Amount;
        if (line.DeductionCode == kind.DeductionCode)
            m.*kind.Exempt += Limited(kind) ? Smaller(line.Amount, kind.Limit) : line.DeductionAmount;
    }
}

// A resident's advertising prizes are 35 % sources; the allowance goes to them in
// list order, and each source's taxable income and tax follow from its share.
void ResidentAdPrizes(mTDeclaration& declaration, kTSvodSumPrilM& m) {
    Money allowance = kAdPrizeAllowance;
    for (int i = 0; i < declaration.ThirtyFive.Count(); ++i) {
        mTThirtyFivePercent& source = declaration.ThirtyFive.Get(i);
        if (source.IncomeCode != kAdPrizeCode || source.DeductionCode == 0) continue;
        m.AdPrizeIncome += source.IncomeTotal;
        const Money exempt = Smaller(Smaller(source.DeductionAmount, source.IncomeTotal), allowance);
        source.TaxableAmount = source.IncomeTotal - exempt;
        source.TaxComputed = TaxAtRate(source.TaxableAmount, kRate35);
        m.ExemptPrizes += exempt;
        allowance -= exempt;
    }
}

// A non-resident's advertising prizes are lines of the 13 % sources.
void NonResidentAdPrizes(const mTDeclaration& declaration, kTSvodSumPrilM& m) {
    ForEachLineOfSources(declaration.Thirteen, [&m](const kTIncomeLine& line) {
        if (line.IncomeCode != kAdPrizeCode || line.DeductionCode == 0) return;
        m.AdPrizeIncome += line.Amount;
        m.ExemptPrizes += line.DeductionAmount;
    });
}

}  // namespace

bool kTSvodSum::CalcPrilM() {
    PrilM.Clear();
    mTDeclaration& declaration = Declaration();
    ForEachThirteenAndForeignLine(declaration, [this](const kTIncomeLine& line) { CountLine(line, PrilM); });
    for (const ExemptKind& kind : kExemptKinds) {
        if (Limited(kind) && PrilM.*kind.Exempt > kind.Limit) PrilM.*kind.Exempt = kind.Limit;
        PrilM.ExemptTotal += PrilM.*kind.Exempt;
    }

    if (declaration.DeclarationKind == kDecl3Ndfl)
        ResidentAdPrizes(declaration, PrilM);
    else if (declaration.DeclarationKind == kDecl3NdflNonResident)
        NonResidentAdPrizes(declaration, PrilM);
    if (PrilM.ExemptPrizes > kAdPrizeAllowance) PrilM.ExemptPrizes = kAdPrizeAllowance;
    return true;
}

}  // namespace kvz
