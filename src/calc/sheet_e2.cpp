// Sheet Е1, social deductions: charity up to a quarter of the income, education,
// treatment and insurance under the common 120 000-rouble limit, and the education
// of each child up to 50 000 roubles.
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

constexpr int32_t kCharityPercent = 25;
constexpr Money kChildEducationLimit = Money::FromUnits(50000);
constexpr Money kCommonLimit = Money::FromUnits(120000);

// Each child's amount counts up to the limit. The entered amounts stay as the user
// typed them: the limit belongs to the calculation, not to the document.
Money ChildEducationTotal(const mTSocialDeduct& social) {
    Money total;
    for (Money amount : social.ChildEducation) total += Smaller(amount, kChildEducationLimit);
    return total;
}

}  // namespace

bool kTSvodSum::CalcPrilE2() {
    PrilE2.Clear();
    const mTDeclaration& declaration = Declaration();
    const mTSocialDeduct& social = declaration.Social;
    if (!social.Granted || declaration.DeclarationKind != kDecl3Ndfl) return true;

    const Money income = PrilA13.IncomeTotal + PrilB13.OtherIncome + PrilV1.IncomeTotal - PrilM.ExemptTotal;
    // A quarter of a negative income allows no charity at all, not a negative one.
    const Money charityLimit = NotBelowZero(PercentCutToKopecks(income, kCharityPercent));
    PrilE2.Charity = social.Charity > charityLimit ? charityLimit : social.Charity;
    PrilE2.Education = social.OwnEducation;
    PrilE2.ChildEducation = ChildEducationTotal(social);
    PrilE2.Treatment = social.Treatment;
    PrilE2.ExpensiveTreatment = social.ExpensiveTreatment;
    PrilE2.PersonalInsurance = social.VoluntaryInsurance;
    PrilE2.PensionInsurance = PrilE3.ContributionsTotal;

    PrilE2.UnlimitedTotal = PrilE2.Charity + PrilE2.ChildEducation + PrilE2.ExpensiveTreatment;
    PrilE2.LimitedTotal = Smaller(
        PrilE2.PersonalInsurance + PrilE2.PensionInsurance + PrilE2.Education + PrilE2.Treatment, kCommonLimit);
    PrilE2.SocialByAgent = PrilE3.ProvidedByAgent;
    PrilE2.SocialTotal = PrilE2.UnlimitedTotal + PrilE2.LimitedTotal - PrilE2.SocialByAgent;
    return true;
}

}  // namespace kvz
