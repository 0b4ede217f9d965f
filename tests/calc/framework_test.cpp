// The calculation as a whole: gating by declaration kind and income kinds, the
// money rounding, refusal of amounts beyond range, determinism, random documents
// and the JSON of the records.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "calc/amount_range.h"
#include "calc/calc_json.h"
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "support/calc_fixtures.h"

namespace kvz {
namespace {

using test::AddBusiness;
using test::AddDividend;
using test::AddForeign;
using test::AddPartnership;
using test::AddThirteen;
using test::AddThirteenNR;
using test::AddThirtyFive;
using test::Line;
using test::NewDeclaration;
using test::PartnershipLine;
using test::RandomDeclaration;
using test::Rub;

// Every record of two calculations, compared one by one so a failure names the record.
void ExpectSameRecords(const kTSvodSum& a, const kTSvodSum& b) {
    EXPECT_EQ(a.List1, b.List1);
    EXPECT_EQ(a.List2, b.List2);
    EXPECT_EQ(a.List3, b.List3);
    EXPECT_EQ(a.List4, b.List4);
    EXPECT_EQ(a.List5, b.List5);
    EXPECT_EQ(a.List6, b.List6);
    EXPECT_EQ(a.PrilA9, b.PrilA9);
    EXPECT_EQ(a.PrilA13, b.PrilA13);
    EXPECT_EQ(a.PrilA15, b.PrilA15);
    EXPECT_EQ(a.PrilA30, b.PrilA30);
    EXPECT_EQ(a.PrilA35, b.PrilA35);
    EXPECT_EQ(a.PrilB13, b.PrilB13);
    EXPECT_EQ(a.PrilB9, b.PrilB9);
    EXPECT_EQ(a.PrilB35, b.PrilB35);
    EXPECT_EQ(a.PrilV1, b.PrilV1);
    EXPECT_EQ(a.PrilM, b.PrilM);
    EXPECT_EQ(a.PrilG, b.PrilG);
    EXPECT_EQ(a.PrilG_In, b.PrilG_In);
    EXPECT_EQ(a.PrilE1, b.PrilE1);
    EXPECT_EQ(a.PrilE2, b.PrilE2);
    EXPECT_EQ(a.PrilE3, b.PrilE3);
    EXPECT_EQ(a.PrilH1, b.PrilH1);
    EXPECT_EQ(a.PrilZ, b.PrilZ);
    EXPECT_EQ(a.PrilJ, b.PrilJ);
    EXPECT_EQ(a.PrilI, b.PrilI);
}

// A declaration that touches every sheet.
std::unique_ptr<mTDeclaration> BusyDeclaration(uint8_t kind) {
    auto d = NewDeclaration(kind, kIncomeRussian | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov);
    d->Person.ResidenceOktmo = "45000000";
    AddThirteen(*d, {Line(2000, Rub(500000), 0, {}, 1), Line(1530, Rub(100000), 201, Rub(40000), 2)},
                {.Taxable = Rub(600000), .Computed = Rub(78000), .Withheld = Rub(80000), .Oktmo = "45000001"});
    AddThirteenNR(*d, {Line(2000, Rub(300000))}, {.Taxable = Rub(300000), .Computed = Rub(39000)});
    AddDividend(*d, Rub(20000), {.Taxable = Rub(20000), .Computed = Rub(2600), .Withheld = Rub(2600)});
    AddThirtyFive(*d, 2740, Rub(10000), Money(), 1, Rub(4000));
    AddForeign(*d, 13, 1400, Rub(30000), Rub(2000));
    AddBusiness(*d, Rub(200000), Rub(50000));
    AddPartnership(*d, {PartnershipLine(1, Rub(10000), Rub(2000)), PartnershipLine(6, Rub(1000), Rub(3000))});
    d->CB.SecuritiesLoss[0] = Rub(10000);
    d->Social.Granted = true;
    d->Social.Treatment = Rub(30000);
    d->Social.ChildEducationAdd(Rub(60000));
    return d;
}

TEST(Rounding, HalfRoundsUpAndNegativesAreCut) {
    EXPECT_EQ(RoundToRoubles(Rub("1234.50")), Rub(1235));
    EXPECT_EQ(RoundToRoubles(Rub("1234.4999")), Rub(1234));
    EXPECT_EQ(RoundToRoubles(Rub("100.5")), Rub(101));
    EXPECT_EQ(RoundToRoubles(Rub("100.49")), Rub(100));
    EXPECT_EQ(RoundToRoubles(Rub("-3.7")), Rub(-3));
    EXPECT_EQ(RoundToRoubles(Rub("-3.5")), Rub(-3));
    EXPECT_EQ(RoundToRoubles(Money()), Money());
}

TEST(Rounding, TaxAtRateWorksOnTheExactAmount) {
    EXPECT_EQ(TaxAtRate(Rub("1000.50"), kRate15), Rub(150));  // 150.075
    EXPECT_EQ(TaxAtRate(Rub("1003.40"), kRate15), Rub(151));  // 150.51
    EXPECT_EQ(TaxAtRate(Rub(400000), kRate13), Rub(52000));
    // 0.13 has no exact binary form; 50 roubles × 13 % is exactly 6.5 and must round up.
    EXPECT_EQ(TaxAtRate(Rub(50), kRate13), Rub(7));
    EXPECT_EQ(TaxAtRate(Rub(10), kRate35), Rub(4));    // 3.5
    EXPECT_EQ(TaxAtRate(Rub("50.0001"), kRate9), Rub(5));  // 4.500009
    EXPECT_EQ(TaxAtRate(Rub(-10), kRate35), Rub(-3));  // −3.5 is cut
    // The largest amounts do not overflow the product.
    EXPECT_EQ(TaxAtRate(Money::FromRaw(INT64_MAX), kRate9).Raw() / Money::kScale, 83010348331693LL);
}

TEST(Rounding, KopeckHelpers) {
    EXPECT_EQ(RoundToWholeKopecks(Rub("0.125")), Rub("0.13"));
    EXPECT_EQ(RoundToWholeKopecks(Rub("-0.125")), Rub("-0.12"));
    EXPECT_EQ(CutToWholeKopecks(Rub("10.2567")), Rub("10.25"));
    EXPECT_EQ(CutToWholeKopecks(Rub("-10.2567")), Rub("-10.25"));
    EXPECT_EQ(PercentCutToKopecks(Rub("100.03"), 25), Rub("25.00"));  // 25.0075
    EXPECT_EQ(ScaleToKopecks(Rub(1000000), 1, 3), Rub("333333.33"));
    EXPECT_EQ(ScaleToKopecks(Rub(2000000), 2, 3), Rub("1333333.33"));
    EXPECT_EQ(ScaleToKopecks(Rub("0.01"), 1, 2), Rub("0.01"));  // half a kopeck rounds up
    EXPECT_THROW(ScaleToKopecks(Rub(1), 1, 0), std::domain_error);
    EXPECT_THROW(RoundedQuotient(static_cast<__int128>(INT64_MAX) * 4, 2), std::overflow_error);
}

TEST(Framework, ExpectedIncomeDeclarationComputesNothingAndSucceeds) {
    auto d = BusyDeclaration(kDecl3Ndfl);
    d->DeclarationKind = kDecl4Ndfl;
    kTSvodSum sum;
    EXPECT_TRUE(sum.Calculate(*d));
    kTSvodSum fresh;
    ExpectSameRecords(sum, fresh);
    EXPECT_EQ(sum.List1.Rate, "13");
    EXPECT_EQ(sum.List2.Rate, "30");
    EXPECT_EQ(sum.List3.Rate, "");
    EXPECT_EQ(d->Thirteen.Get(0).IncomeKindCode, "");  // the sources are not touched either
}

TEST(Framework, WithoutIncomeKindsOnlySheetsAVAndTheTaxAreComputed) {
    auto d = BusyDeclaration(kDecl3Ndfl);
    d->SetIncomeKinds(0);
    d->Social.Granted = true;
    d->CB.SecuritiesLoss[0] = Rub(10000);
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilB13, kTSvodSumPrilB());
    EXPECT_EQ(sum.PrilM, kTSvodSumPrilM());
    EXPECT_EQ(sum.PrilZ, kTSvodSumPrilZ());
    EXPECT_EQ(sum.PrilH1, kTSvodSumPrilH1());
    EXPECT_EQ(sum.PrilE1, kTSvodSumPrilE1());
    EXPECT_EQ(sum.PrilE2, kTSvodSumPrilE2());
    EXPECT_EQ(sum.PrilE3, kTSvodSumPrilE3());
    EXPECT_EQ(sum.PrilG, kTSvodSumPrilG());
    EXPECT_EQ(sum.PrilJ, kTSvodSumPrilJ());
    EXPECT_EQ(sum.PrilI, kTSvodSumPrilI());
    EXPECT_EQ(sum.PrilA13.FixedAdvancePaid, d->ForeignerAdvancePayments);
}

TEST(Framework, IncomeKindsSwitchTheSheetsOn) {
    auto d = BusyDeclaration(kDecl3Ndfl);
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilA13.IncomeTotal, Rub(611000));  // the partnership's lines count
    EXPECT_EQ(sum.PrilA13.DividendTaxableIncome, Rub(20000));
    EXPECT_EQ(sum.PrilV1.IncomeTotal, Rub(200000));
    EXPECT_EQ(sum.PrilB13.OtherIncome, Rub(30000));
    EXPECT_EQ(sum.PrilI.Groups[0].TaxableIncome, Rub(8000));
    EXPECT_EQ(sum.PrilI.ExitLoss, Rub(2000));
    // Sheet З runs after sheet И and takes its exit loss; carried losses cover group A.
    EXPECT_EQ(sum.PrilJ.PartnershipExitLoss, Rub(2000));
    EXPECT_EQ(sum.PrilJ.BaseA, Rub(60000));
    EXPECT_EQ(sum.PrilJ.CarriedUsedA, Rub(10000));
    EXPECT_EQ(sum.PrilJ.TaxableA, Rub(50000));
}

TEST(Framework, NonResidentWithDividendsAndPartnerships) {
    auto d = BusyDeclaration(kDecl3NdflNonResident);
    kTSvodSum sum;
    sum.Calculate(*d);
    // 13 %: the non-resident list only.
    EXPECT_EQ(sum.PrilA13.IncomeTotal, Rub(300000));
    EXPECT_EQ(sum.PrilA13.TaxComputed, Rub(39000));
    EXPECT_EQ(d->ThirteenNR.Get(0).IncomeKindCode, "07");
    // 30 %: the resident list and the partnerships, without the dividends.
    EXPECT_EQ(sum.PrilA30.IncomeTotal, Rub(611000));
    EXPECT_EQ(sum.PrilA30.TaxableIncome, Rub(600000));
    EXPECT_EQ(d->Thirteen.Get(0).IncomeKindCode, "06");
    EXPECT_EQ(d->InvestTov.Get(0).IncomeKindCode, "03");
    // 15 %: the dividends, taxed at 15 % whatever the source computed.
    EXPECT_EQ(sum.PrilA15.IncomeTotal, Rub(20000));
    EXPECT_EQ(sum.PrilA15.TaxComputed, Rub(3000));
    EXPECT_EQ(d->Dividends.Get(0).IncomeKindCode, "08");
    EXPECT_EQ(sum.PrilA13.DividendTaxableIncome, Money());
    // Resident-only sheets.
    EXPECT_EQ(sum.PrilA9, kTSvodSumPrilA9());
    EXPECT_EQ(sum.PrilA35, kTSvodSumPrilA35());
    EXPECT_EQ(sum.PrilZ, kTSvodSumPrilZ());
}

TEST(Framework, CalculateIsDeterministic) {
    auto d = BusyDeclaration(kDecl3Ndfl);
    kTSvodSum first, second;
    const bool r1 = first.Calculate(*d);
    const bool r2 = second.Calculate(*d);
    EXPECT_EQ(r1, r2);
    ExpectSameRecords(first, second);
    // A second run on the same object starts from scratch.
    const bool r3 = first.Calculate(*d);
    EXPECT_EQ(r1, r3);
    ExpectSameRecords(first, second);
}

TEST(Framework, RandomDeclarationsNeverThrowAndRepeat) {
    std::mt19937 rng(20151231);
    for (int i = 0; i < 300; ++i) {
        auto d = RandomDeclaration(rng);
        kTSvodSum first, second;
        bool r1 = false, r2 = false;
        ASSERT_NO_THROW(r1 = first.Calculate(*d)) << "declaration " << i;
        ASSERT_NO_THROW(r2 = second.Calculate(*d)) << "declaration " << i;
        EXPECT_EQ(r1, r2);
        ExpectSameRecords(first, second);
    }
}

TEST(Framework, AmountsBeyondRangeAreRefusedAndLeaveNoRecords) {
    auto d = BusyDeclaration(kDecl3Ndfl);
    // Two sources whose incomes together would wrap a 64-bit sum around.
    AddThirteen(*d, {Line(2000, Money::FromRaw(INT64_MAX / 2 + 1))});
    AddThirteen(*d, {Line(2000, Money::FromRaw(INT64_MAX / 2 + 1))});
    kTSvodSum sum;
    try {
        sum.Calculate(*d);
        FAIL() << "expected the calculation to refuse the amounts";
    } catch (const std::overflow_error& e) {
        EXPECT_STREQ(e.what(), msg::kAmountsTooLarge);
    }
    kTSvodSum fresh;
    ExpectSameRecords(sum, fresh);
}

TEST(Framework, LargestAcceptedTotalPasses) {
    auto d = NewDeclaration(kDecl3Ndfl);
    AddThirteen(*d, {Line(2000, Rub(kLargestAmountTotal / 2))});  // the source's total counts it twice
    kTSvodSum sum;
    EXPECT_NO_THROW(sum.Calculate(*d));
    EXPECT_EQ(sum.PrilA13.IncomeTotal, Rub(kLargestAmountTotal / 2));
    AddThirteen(*d, {Line(2000, Rub(1))});
    EXPECT_THROW(sum.Calculate(*d), std::overflow_error);
}

TEST(CalcJson, EveryRecordUnderItsClassNameWithTheSourcesWritten) {
    auto d = BusyDeclaration(kDecl3Ndfl);
    kTSvodSum sum;
    const bool result = sum.Calculate(*d);
    const nlohmann::ordered_json json = CalculationToJson(sum, result, *d);
    const char* keys[] = {"result",           "kTSvodSumList1",   "kTSvodSumList2",   "kTSvodSumList3",
                          "kTSvodSumList4",   "kTSvodSumList5",   "kTSvodSumList6",   "kTSvodSumPrilA9",
                          "kTSvodSumPrilA13", "kTSvodSumPrilA15", "kTSvodSumPrilA30", "kTSvodSumPrilA35",
                          "kTSvodSumPrilB13", "kTSvodSumPrilB9",  "kTSvodSumPrilB35", "kTSvodSumPrilV1",
                          "kTSvodSumPrilM",   "kTSvodSumPrilG",   "kTSvodSumPrilG_In", "kTSvodSumPrilE1",
                          "kTSvodSumPrilE2",  "kTSvodSumPrilE3",  "kTSvodSumPrilH1",  "kTSvodSumPrilZ",
                          "kTSvodSumPrilJ",   "kTSvodSumPrilI",   "sources"};
    ASSERT_EQ(json.size(), std::size(keys));
    std::size_t at = 0;
    for (const auto& [key, value] : json.items()) EXPECT_EQ(key, keys[at++]);
    EXPECT_EQ(json["result"], result);
    EXPECT_EQ(json["kTSvodSumList1"]["Rate"], "13");
    EXPECT_EQ(json["kTSvodSumPrilA13"]["IncomeTotal"], "611000");
    EXPECT_EQ(json["kTSvodSumPrilB13"]["ItemCount"], 1);
    EXPECT_EQ(json["kTSvodSumPrilB13"]["Items"][0]["IncomeRub"], "30000");
    EXPECT_EQ(json["kTSvodSumPrilI"]["Groups"].size(), 5u);
    EXPECT_EQ(json["kTSvodSumPrilI"]["Groups"][0]["TaxableIncome"], "8000");
    EXPECT_EQ(json["kTSvodSumPrilE1"]["CumulativeIncome"].size(), 12u);
    EXPECT_TRUE(json["kTSvodSumPrilZ"]["ObjectExpensesTaken"].is_array());

    const auto& sources = json["sources"];
    ASSERT_EQ(sources.size(), 5u);  // 13 %, non-resident 13 %, 35 %, dividends, partnership
    EXPECT_EQ(sources[0]["List"], "Thirteen");
    EXPECT_EQ(sources[0]["IncomeKindCode"], "06");
    EXPECT_EQ(sources[2]["List"], "ThirtyFive");
    EXPECT_EQ(sources[2]["IncomeKindCode"], "09");
    EXPECT_TRUE(sources[2].contains("TaxableAmount"));
    EXPECT_TRUE(sources[2].contains("TaxComputed"));
    EXPECT_EQ(sources[3]["IncomeKindCode"], "08");
    EXPECT_EQ(sources[4]["List"], "InvestTov");
}

}  // namespace
}  // namespace kvz
