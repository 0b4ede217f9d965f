// Sheet Д1, the property deduction for housing: the expenses on the objects up to
// the limit of the year the rights arose (for the taxpayer's share), spread over the
// objects, and the part of it that this year's income can take.
#include <cmath>
#include <vector>

#include "calc/property_totals.h"
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"
#include "storage/dates.h"

namespace kvz {

namespace {

constexpr Money kLimitBefore2008 = Money::FromUnits(1000000);
constexpr Money kLimit = Money::FromUnits(2000000);
constexpr int kFirstYearOfLimit = 2008;
// Rights that arose before this year fall under the rules of the old law.
constexpr int kFirstYearOfNewRules = 2014;
constexpr int32_t kOldRulesMark = -1;

// The share of the object that belongs to the taxpayer, as a fraction with a
// positive denominator no smaller than its numerator. A share without a
// denominator is the whole object. A share is part of the object, so one above the
// whole counts as the whole and one below nothing as nothing: that keeps the limit
// for the share within the limit itself, whatever numbers a document holds.
struct Share {
    int64_t Numerator = 1;
    int64_t Denominator = 1;
};

Share ShareOf(const mTConstructionDeductObj& object) {
    if (object.ShareDenominator == 0) return {};
    Share share{object.ShareNumerator, object.ShareDenominator};
    if (share.Denominator < 0) {
        share.Numerator = -share.Numerator;
        share.Denominator = -share.Denominator;
    }
    if (share.Numerator < 0) share.Numerator = 0;
    if (share.Numerator > share.Denominator) return {};
    return share;
}

// The year of a date; a day count outside the calendar counts as its nearest end.
int SafeYear(DateTime date) {
    static const DateTime first = EncodeDate(1, 1, 1);
    static const DateTime last = EncodeDate(9999, 12, 31);
    if (!(date >= first)) date = first;  // also a value that is not a number
    if (date > last) date = last;
    return YearOf(date);
}

// The rights to an object acquired by investment arise with the transfer act,
// otherwise with the registration of the ownership.
int RightsYear(const mTConstructionDeductObj& object) {
    return SafeYear(object.ByInvestment ? object.TransferActDate : object.RightRegDate);
}

struct LimitAndShare {
    Money Limit = kLimit;
    Share Part;
    int DecidingObject = -1;  // the object whose year and share decide, if one does
};

bool HasExpenses(const mTConstructionDeductObj& object) { return object.ObjectCost > Money(); }

// One object decides by its own year and share; of two objects, the one with
// expenses decides unless both have them; three or more always get the full limit.
LimitAndShare LimitOf(const std::vector<mTConstructionDeductObj>& objects) {
    LimitAndShare result;
    if (objects.size() == 1) {
        result.DecidingObject = 0;
    } else if (objects.size() == 2 && !(HasExpenses(objects[0]) && HasExpenses(objects[1]))) {
        result.DecidingObject = HasExpenses(objects[0]) ? 0 : 1;
    }
    if (result.DecidingObject >= 0) {
        const mTConstructionDeductObj& object = objects[static_cast<std::size_t>(result.DecidingObject)];
        result.Part = ShareOf(object);
        if (RightsYear(object) < kFirstYearOfLimit) result.Limit = kLimitBefore2008;
    }
    return result;
}

// The expenses up to the limit for the share, in whole kopecks.
Money CappedExpenses(Money expenses, const LimitAndShare& limit) {
    const __int128 scaledExpenses = static_cast<__int128>(expenses.Raw()) * limit.Part.Denominator;
    const __int128 scaledLimit = static_cast<__int128>(limit.Limit.Raw()) * limit.Part.Numerator;
    if (scaledExpenses > scaledLimit) return ScaleToKopecks(limit.Limit, limit.Part.Numerator, limit.Part.Denominator);
    return RoundToWholeKopecks(expenses);
}

// Each object in turn takes its expenses out of what the limit leaves.
std::vector<Money> SpreadOverObjects(Money expenses, const std::vector<mTConstructionDeductObj>& objects) {
    std::vector<Money> taken;
    Money left = expenses;
    for (const mTConstructionDeductObj& object : objects) {
        taken.push_back(Smaller(object.ObjectCost, left));
        left = NotBelowZero(left - object.ObjectCost);
    }
    return taken;
}

}  // namespace

PropertyTotals PropertyTotalsOf(const mTConstructionDeduct& section, uint8_t declarationKind) {
    PropertyTotals totals;
    if (declarationKind != kDecl3Ndfl || !section.Granted || section.Objects.empty()) return totals;
    for (const mTConstructionDeductObj& object : section.Objects) {
        totals.cost += object.ObjectCost;
        totals.interest += object.CreditInterest;
    }
    totals.cost = CappedExpenses(totals.cost, LimitOf(section.Objects));
    return totals;
}

bool kTSvodSum::CalcPrilZ() {
    PrilZ.Clear();
    const mTDeclaration& declaration = Declaration();
    const mTConstructionDeduct& section = declaration.Construction;
    if (declaration.DeclarationKind != kDecl3Ndfl || !section.Granted || section.Objects.empty()) return true;
    kTSvodSumPrilZ& z = PrilZ;

    const PropertyTotals totals = PropertyTotalsOf(section, declaration.DeclarationKind);
    z.AcquisitionExpenses = totals.cost;
    z.InterestPaid = totals.interest;
    z.ObjectOldRulesMark.assign(section.Objects.size(), 0);
    const LimitAndShare limit = LimitOf(section.Objects);
    if (limit.DecidingObject >= 0 &&
        RightsYear(section.Objects[static_cast<std::size_t>(limit.DecidingObject)]) < kFirstYearOfNewRules)
        z.ObjectOldRulesMark[static_cast<std::size_t>(limit.DecidingObject)] = kOldRulesMark;
    z.OwnershipShare = static_cast<long double>(limit.Part.Numerator) / limit.Part.Denominator;
    z.ObjectExpensesTaken = SpreadOverObjects(z.AcquisitionExpenses, section.Objects);

    z.CarriedFromLastYear = section.ConstrAmount1;
    z.InterestCarriedFromLastYear = section.ConstrAmount3;
    z.TakenBefore = section.ConstrAmount5;
    z.InterestTakenBefore = section.ConstrAmount6;
    z.NewDeductionByNotice = section.ConstrAmount7;
    z.InterestByNotice = section.ConstrAmount8;

    // Everything else the 13 % income has lost before the property deduction.
    const Money reductions = PrilV1.ProfessionalDeduction + PrilH1.DeductionTotal + PrilM.ExemptTotal +
                             PrilG.ExpenseTotal + PrilG_In.ExpenseTotal + PrilE2.SocialTotal +
                             PrilE3.InvestmentDeduction + PrilE2.SocialByAgent + PrilE1.StandardTotal +
                             PrilJ.ExpensesTotal + PrilI.ExpensesTotal + z.NewDeductionByNotice + z.InterestByNotice;
    z.IncomeBeforeDeduction =
        NotBelowZero(PrilA13.IncomeTotal + PrilB13.OtherIncome + PrilV1.IncomeTotal - reductions);

    const Money newLeft = z.AcquisitionExpenses - z.TakenBefore - z.NewDeductionByNotice;
    const Money interestLeft = z.InterestPaid - z.InterestTakenBefore - z.InterestByNotice;
    z.NewDeductionThisReturn = Smaller(NotBelowZero(newLeft), z.IncomeBeforeDeduction);
    z.InterestThisReturn =
        Smaller(NotBelowZero(interestLeft), z.IncomeBeforeDeduction - z.NewDeductionThisReturn);
    z.RemainingNew = NotBelowZero(newLeft - z.NewDeductionThisReturn);
    z.RemainingInterest = NotBelowZero(interestLeft - z.InterestThisReturn);
    return true;
}

}  // namespace kvz
