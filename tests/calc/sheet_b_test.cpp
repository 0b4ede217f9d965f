// Sheet Б: foreign income by rate, the tax it would bear here and the credit of the
// tax paid abroad.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/calc_fixtures.h"

namespace kvz {
namespace {

using test::AddForeign;
using test::NewDeclaration;
using test::Rub;

std::unique_ptr<mTDeclaration> ForeignDeclaration(uint8_t kind = kDecl3Ndfl) {
    return NewDeclaration(kind, kIncomeForeign);
}

TEST(SheetB, RateCodesNextToTheRateBelongToIt) {
    auto d = ForeignDeclaration();
    AddForeign(*d, 13, 1400, Rub(100));
    AddForeign(*d, 14, 1400, Rub(200));
    AddForeign(*d, 99, 1400, Rub(400));
    AddForeign(*d, 9, 1400, Rub(1000));
    AddForeign(*d, 10, 1400, Rub(2000));
    AddForeign(*d, 95, 1400, Rub(4000));
    AddForeign(*d, 35, 1400, Rub(10000));
    AddForeign(*d, 36, 1400, Rub(20000));
    AddForeign(*d, 121, 1400, Rub(40000));
    AddForeign(*d, 30, 1400, Rub(100000));  // no sheet at 30 %
    AddForeign(*d, 13, 2620, Rub(100000));  // material benefit is not declared here
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilB13.OtherIncome, Rub(700));
    EXPECT_EQ(sum.PrilB13.ItemCount(), 3);
    EXPECT_EQ(sum.PrilB9.OtherIncome, Rub(7000));
    EXPECT_EQ(sum.PrilB9.ItemCount(), 3);
    EXPECT_EQ(sum.PrilB35.OtherIncome, Rub(70000));
    EXPECT_EQ(sum.PrilB35.ItemCount(), 3);
}

TEST(SheetB, DeductionAboveIncomeLeavesNothingToTaxOrCredit) {
    auto d = ForeignDeclaration();
    AddForeign(*d, 13, 1400, Rub(1000), Rub(150), Rub(1200));
    kTSvodSum sum;
    sum.Calculate(*d);
    ASSERT_EQ(sum.PrilB13.ItemCount(), 1);
    const DohodCur& item = sum.PrilB13.Items[0];
    EXPECT_EQ(item.TaxComputedHere, Money());
    EXPECT_EQ(item.TaxCredited, Money());
    EXPECT_EQ(sum.PrilB13.ForeignTaxPaid, Rub(150));
    EXPECT_EQ(sum.PrilB13.ForeignTaxCredited, Money());
}

TEST(SheetB, CreditIsTheSmallerTaxInWholeRoubles) {
    auto d = ForeignDeclaration();
    AddForeign(*d, 13, 1400, Rub("1000.10"), Rub("100.50"));  // here 130.013 → 130; abroad 100.50 → 101
    AddForeign(*d, 9, 1400, Rub(1000), Rub(200));             // here 90, less than abroad
    AddForeign(*d, 35, 1400, Rub("1001.43"), Rub("400.49"));  // here 350.5005 → 351
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilB13.Items[0].TaxComputedHere, Rub(130));
    EXPECT_EQ(sum.PrilB13.Items[0].TaxCredited, Rub(101));
    EXPECT_EQ(sum.PrilB9.Items[0].TaxComputedHere, Rub(90));
    EXPECT_EQ(sum.PrilB9.Items[0].TaxCredited, Rub(90));
    EXPECT_EQ(sum.PrilB35.Items[0].TaxComputedHere, Rub(351));
    EXPECT_EQ(sum.PrilB35.Items[0].TaxCredited, Rub(351));
    EXPECT_EQ(sum.PrilB35.ForeignTaxCredited, Rub(351));
}

TEST(SheetB, TotalsByIncomeCode) {
    auto d = ForeignDeclaration();
    AddForeign(*d, 13, 1000, Rub(10000), Rub(500));  // controlled-company profit
    AddForeign(*d, 13, 1010, Rub(20000), Rub(1000));  // dividends
    AddForeign(*d, 14, 1010, Rub(1000));
    AddForeign(*d, 13, 2000, Rub(5000));
    kTSvodSum sum;
    sum.Calculate(*d);
    const kTSvodSumPrilB& b = sum.PrilB13;
    EXPECT_EQ(b.CfcProfit, Rub(10000));
    EXPECT_EQ(b.Dividends, Rub(21000));
    EXPECT_EQ(b.DividendTaxComputed, Rub(2730));
    EXPECT_EQ(b.OtherIncome, Rub(5000));
    EXPECT_EQ(b.ForeignTaxPaid, Rub(1500));
    EXPECT_EQ(b.ForeignTaxCredited, Rub(1500));
    EXPECT_EQ(b.Items[0].IncomeKind, "1");
    EXPECT_EQ(b.Items[1].IncomeKind, "2");
}

TEST(SheetB, ItemCopiesTheRecordAndFormatsItsTexts) {
    auto d = ForeignDeclaration();
    mTCurrencyIncome& f = AddForeign(*d, 13, 1400, Rub("8.21"), Rub(3), Rub(1));
    f.CountryCode = "840";
    f.CurrencyCode = "978";
    f.SourceName = "Банк Ёлка";
    f.IncomeDate = EncodeDate(2015, 3, 4);
    f.TaxPaymentDate = EncodeDate(2015, 5, 6);
    f.DeductionCode = 601;
    f.RateOnIncomeDate = Rub("82.1234");
    f.UnitsOnIncomeDate = 100;
    f.RateOnTaxDate = Rub("65.3863");
    f.UnitsOnTaxDate = 2;
    f.IncomeInCurrency = Rub("10.5");
    f.TaxInCurrency = Rub(-4);
    kTSvodSum sum;
    sum.Calculate(*d);
    ASSERT_EQ(sum.PrilB13.ItemCount(), 1);
    const DohodCur& item = sum.PrilB13.Items[0];
    EXPECT_EQ(item.CountryCode, "840");
    EXPECT_EQ(item.CurrencyCode, "978");
    EXPECT_EQ(item.SourceName, "Банк Ёлка");
    EXPECT_EQ(item.IncomeDate, EncodeDate(2015, 3, 4));
    EXPECT_EQ(item.TaxPaymentDate, EncodeDate(2015, 5, 6));
    EXPECT_EQ(item.IncomeCode, 1400);
    EXPECT_EQ(item.DeductionCode, 601);
    EXPECT_EQ(item.DeductionAmount, Rub(1));
    EXPECT_EQ(item.IncomeRub, Rub("8.21"));
    EXPECT_EQ(item.ForeignTaxRub, Rub(3));
    EXPECT_EQ(item.IncomeRateText, "0.8212");  // 0.821234 per unit, four decimals
    EXPECT_EQ(item.TaxRateText, "32.6932");    // 32.69315: the half rounds up
    EXPECT_EQ(item.IncomeInCurrencyText, "10.50");
    EXPECT_EQ(item.TaxInCurrencyText, "0.00");  // a negative amount shows as zero
}

TEST(SheetB, NoUnitsNoRateText) {
    auto d = ForeignDeclaration();
    mTCurrencyIncome& f = AddForeign(*d, 13, 1400, Rub(100));
    f.RateOnIncomeDate = Rub(70);
    f.UnitsOnIncomeDate = 0;
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilB13.Items[0].IncomeRateText, "");
    EXPECT_EQ(sum.PrilB13.Items[0].TaxRateText, "");
}

TEST(SheetB, NothingWithoutForeignIncomeAndNoDuplicatesWhenRunTwice) {
    auto d = ForeignDeclaration();
    AddForeign(*d, 13, 1400, Rub(100));
    kTSvodSum sum;
    sum.Bind(*d);
    sum.CalcPrilB(13);
    sum.CalcPrilB(13);
    EXPECT_EQ(sum.PrilB13.ItemCount(), 1);
    EXPECT_EQ(sum.PrilB13.OtherIncome, Rub(100));

    d->SetIncomeKinds(kIncomeRussian);
    kTSvodSum without;
    without.Calculate(*d);
    EXPECT_EQ(without.PrilB13, kTSvodSumPrilB());
}

TEST(SheetB, NonResidentForeignIncomeIsComputedToo) {
    auto d = ForeignDeclaration(kDecl3NdflNonResident);
    AddForeign(*d, 13, 1400, Rub(1000), Rub(100));
    kTSvodSum sum;
    sum.Calculate(*d);
    EXPECT_EQ(sum.PrilB13.OtherIncome, Rub(1000));
    EXPECT_EQ(sum.PrilB13.ForeignTaxCredited, Rub(100));
}

}  // namespace
}  // namespace kvz
