// Sheet А: the income-kind codes of the Russian sources and the totals by rate.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/calc_fixtures.h"

namespace kvz {
namespace {

using test::AddDividend;
using test::AddNine;
using test::AddPartnership;
using test::AddThirteen;
using test::AddThirteenNR;
using test::AddThirtyFive;
using test::Line;
using test::NewDeclaration;
using test::PartnershipLine;
using test::Rub;

std::string KindCodeOf(std::initializer_list<mTSourseIncome> lines, Money computed = {}, Money withheld = {}) {
    auto d = NewDeclaration(kDecl3Ndfl);
    mTThirteenPercent& s = AddThirteen(*d, lines, {.Computed = computed, .Withheld = withheld});
    kTSvodSum sum;
    sum.Calculate(*d);
    return s.IncomeKindCode;
}

TEST(SheetAKindCode, FollowsTheLinesInOrder) {
    EXPECT_EQ(KindCodeOf({Line(1510, Rub(10)), Line(1512, Rub(10))}), "09");
    EXPECT_EQ(KindCodeOf({Line(1510, Rub(10))}), "01");
    EXPECT_EQ(KindCodeOf({Line(1511, Rub(10)), Line(1510, Rub(10))}), "01");
    EXPECT_EQ(KindCodeOf({Line(1520, Rub(10))}), "02");
    EXPECT_EQ(KindCodeOf({Line(2400, Rub(10)), Line(1400, Rub(10))}), "04");
    EXPECT_EQ(KindCodeOf({Line(1536, Rub(10)), Line(9538, Rub(10)), Line(1541, Rub(10))}), "03");
    EXPECT_EQ(KindCodeOf({Line(2790, Rub(10))}), "05");
    EXPECT_EQ(KindCodeOf({Line(1510, Rub(10)), Line(1400, Rub(10))}), "09");
    EXPECT_EQ(KindCodeOf({Line(4800, Rub(10))}), "09");
    EXPECT_EQ(KindCodeOf({}), "");
}

TEST(SheetAKindCode, WagesWinWhateverComesBeforeOrAfter) {
    EXPECT_EQ(KindCodeOf({Line(1400, Rub(10)), Line(2000, Rub(10))}), "06");
    EXPECT_EQ(KindCodeOf({Line(2000, Rub(10)), Line(1400, Rub(10))}), "06");
    EXPECT_EQ(KindCodeOf({Line(2010, Rub(10)), Line(4800, Rub(10)), Line(1530, Rub(1))}), "06");
    // Tax computed above tax withheld marks wages still owed.
    EXPECT_EQ(KindCodeOf({Line(2000, Rub(100))}, Rub(13), Rub(10)), "07");
    EXPECT_EQ(KindCodeOf({Line(2000, Rub(100))}, Rub(13), Rub(13)), "06");
    // Only wages become "07": other codes keep theirs whatever the tax.
    EXPECT_EQ(KindCodeOf({Line(1510, Rub(100))}, Rub(13), Money()), "01");
}

TEST(SheetA13, ResidentTotalsKeepDividendsApart) {
    auto d = NewDeclaration(kDecl3Ndfl, kIncomeRussian | kIncomeInvestTov);
    d->ForeignerAdvancePayments = Rub(1200);
    AddThirteen(*d, {Line(2000, Rub(100000)), Line(2000, Rub("50000.55"))},
                {.Taxable = Rub(140000), .Computed = Rub(18200), .Withheld = Rub(18000)});
    mTThirtyPercent& dividend =
        AddDividend(*d, Rub(50000), {.Taxable = Rub(40000), .Computed = Rub(5200), .Withheld = Rub(5000)});
    mTInvestTov& partnership = AddPartnership(*d, {PartnershipLine(1, Rub(30000)), PartnershipLine(6, Rub(7000))},
                                              {.Taxable = Rub(25000), .Computed = Rub(3250), .Withheld = Rub(3000)});
    kTSvodSum sum;
    sum.Calculate(*d);
    const kTSvodSumPrilA13& a = sum.PrilA13;
    EXPECT_EQ(a.IncomeTotal, Rub("187000.55"));  // lines of the 13 % source and of the partnership
    EXPECT_EQ(a.TaxableIncome, Rub(165000));
    EXPECT_EQ(a.TaxComputed, Rub(21450));
    EXPECT_EQ(a.TaxWithheld, Rub(26000));  // dividends' withheld tax counts
    EXPECT_EQ(a.DividendTaxableIncome, Rub(40000));
    EXPECT_EQ(a.DividendTaxComputed, Rub(5200));
    EXPECT_EQ(a.Reserved, Money());
    EXPECT_EQ(a.FixedAdvancePaid, Rub(1200));
    EXPECT_EQ(dividend.IncomeKindCode, "08");
    EXPECT_EQ(partnership.IncomeKindCode, "03");
    // The resident computes neither the non-resident records nor touches its list.
    EXPECT_EQ(sum.PrilA30, kTSvodSumPrilA30());
    EXPECT_EQ(sum.PrilA15, kTSvodSumPrilA15());
}

TEST(SheetA13, NonResidentUsesItsOwnListAndCodesByTax) {
    auto d = NewDeclaration(kDecl3NdflNonResident);
    mTThirteenPercent& owed = AddThirteenNR(*d, {Line(1510, Rub(1000))},
                                            {.Taxable = Rub(1000), .Computed = Rub(130), .Withheld = Rub(100)});
    mTThirteenPercent& settled = AddThirteenNR(*d, {Line(2000, Rub(2000))},
                                               {.Taxable = Rub(2000), .Computed = Rub(260), .Withheld = Rub(260)});
    AddDividend(*d, Rub(5000), {.Taxable = Rub(5000), .Withheld = Rub(750)});
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(owed.IncomeKindCode, "07");
    EXPECT_EQ(settled.IncomeKindCode, "06");
    EXPECT_EQ(sum.PrilA13.IncomeTotal, Rub(3000));
    EXPECT_EQ(sum.PrilA13.TaxableIncome, Rub(3000));
    EXPECT_EQ(sum.PrilA13.TaxComputed, Rub(390));
    EXPECT_EQ(sum.PrilA13.TaxWithheld, Rub(360));
    EXPECT_EQ(sum.PrilA13.DividendTaxableIncome, Money());
}

TEST(SheetA30, NonResidentResidentListAndPartnershipsWithoutDividends) {
    auto d = NewDeclaration(kDecl3NdflNonResident, kIncomeRussian | kIncomeInvestTov);
    mTThirteenPercent& source = AddThirteen(*d, {Line(1510, Rub(1000)), Line(1512, Rub(500))},
                                            {.Taxable = Rub(1500), .Computed = Rub(450), .Withheld = Rub(300)});
    mTInvestTov& partnership = AddPartnership(*d, {PartnershipLine(2, Rub(800))},
                                              {.Taxable = Rub(800), .Computed = Rub(240), .Withheld = Rub(240)});
    AddDividend(*d, Rub(5000), {.Taxable = Rub(5000), .Withheld = Rub(750)});
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(source.IncomeKindCode, "09");
    EXPECT_EQ(partnership.IncomeKindCode, "03");
    EXPECT_EQ(sum.PrilA30.IncomeTotal, Rub(2300));
    EXPECT_EQ(sum.PrilA30.TaxableIncome, Rub(2300));
    EXPECT_EQ(sum.PrilA30.TaxComputed, Rub(690));
    EXPECT_EQ(sum.PrilA30.TaxWithheld, Rub(540));
    EXPECT_EQ(sum.PrilA30.Reserved, Money());
}

TEST(SheetA15, NonResidentDividendTaxIsFifteenPercentRoundedPerSource) {
    auto d = NewDeclaration(kDecl3NdflNonResident);
    // 150.075 rounds down, 150.51 rounds up; the sources' own tax is not used.
    mTThirtyPercent& first = AddDividend(*d, Rub(2000), {.Taxable = Rub("1000.50"), .Computed = Rub(999)});
    AddDividend(*d, Rub(3000), {.Taxable = Rub("1003.40"), .Withheld = Rub(100)});
    AddDividend(*d, Rub(3000), {.Taxable = Rub("1003.40"), .Withheld = Rub(50)});
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(first.IncomeKindCode, "08");
    EXPECT_EQ(sum.PrilA15.IncomeTotal, Rub(8000));
    EXPECT_EQ(sum.PrilA15.TaxableIncome, Rub("3007.30"));
    // Per source: 150 + 151 + 151; on the total it would be 451.
    EXPECT_EQ(sum.PrilA15.TaxComputed, Rub(452));
    EXPECT_EQ(sum.PrilA15.TaxWithheld, Rub(150));
}

TEST(SheetA9, ResidentOnlyCodedOther) {
    auto d = NewDeclaration(kDecl3Ndfl);
    mTThirtyPercent& s = AddNine(*d, Rub(10000), {.Taxable = Rub(9000), .Computed = Rub(810), .Withheld = Rub(800)});
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(s.IncomeKindCode, "09");
    EXPECT_EQ(sum.PrilA9.IncomeTotal, Rub(10000));
    EXPECT_EQ(sum.PrilA9.TaxableIncome, Rub(9000));
    EXPECT_EQ(sum.PrilA9.TaxComputed, Rub(810));
    EXPECT_EQ(sum.PrilA9.TaxWithheld, Rub(800));

    d->DeclarationKind = kDecl3NdflNonResident;
    kTSvodSum again;
    again.Calculate(*d);
    EXPECT_EQ(again.PrilA9, kTSvodSumPrilA9());
}

TEST(SheetA35, MaterialBenefitAddsOnlyItsWithheldTax) {
    auto d = NewDeclaration(kDecl3Ndfl);
    mTThirtyFivePercent& benefit = AddThirtyFive(*d, 2620, Rub(50000), Rub(1750));
    mTThirtyFivePercent& deposit = AddThirtyFive(*d, 1011, Rub("1001.43"), Rub(300));
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilA35.TaxWithheldMaterialBenefit, Rub(1750));
    EXPECT_EQ(sum.PrilA35.IncomeTotal, Rub("1001.43"));
    EXPECT_EQ(sum.PrilA35.TaxWithheld, Rub(300));
    EXPECT_EQ(benefit.IncomeKindCode, "");
    EXPECT_EQ(benefit.TaxableAmount, Money());
    EXPECT_EQ(benefit.TaxComputed, Money());
    EXPECT_EQ(deposit.IncomeKindCode, "09");
    EXPECT_EQ(deposit.TaxableAmount, Rub("1001.43"));
    EXPECT_EQ(deposit.TaxComputed, Rub(351));  // 350.5005 rounds up
}

}  // namespace
}  // namespace kvz
