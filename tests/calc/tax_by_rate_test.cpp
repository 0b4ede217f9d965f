// Tax by rate: the sheet records are set by hand and each rate step is run alone, so
// that a failure points at the rate computation and not at a sheet before it.
#include <gtest/gtest.h>

#include <memory>

#include "calc/svod_sum.h"
#include "support/calc_fixtures.h"

namespace kvz {
namespace {

using test::NewDeclaration;

Money R(int64_t roubles) { return Money::FromUnits(roubles); }
Money R(const char* text) { return MoneyFromText(text, '.'); }

// A calculation bound to a fresh declaration of the kind, ready for single steps.
struct RateCase {
    explicit RateCase(uint8_t kind) : Declaration(NewDeclaration(kind)) { Sum.Bind(*Declaration); }
    std::unique_ptr<mTDeclaration> Declaration;
    kTSvodSum Sum;
};

// ---- The settlement --------------------------------------------------------

TEST(TaxByRateSettlement, ResidentWithDeductionGetsBackTheOverWithheldTax) {
    RateCase c(kDecl3Ndfl);
    c.Sum.PrilA13.IncomeTotal = R(500000);
    c.Sum.PrilA13.TaxWithheld = R(65000);
    c.Sum.PrilE2.SocialTotal = R(100000);
    c.Sum.CalcList1();
    const kTSvodSumList1& r = c.Sum.List1;
    EXPECT_EQ(r.Rate, "13");
    EXPECT_EQ(r.IncomeTotal, R(500000));
    EXPECT_EQ(r.TaxableIncome, R(500000));
    EXPECT_EQ(r.Deductions, R(100000));
    EXPECT_EQ(r.TaxBase, R(400000));
    EXPECT_EQ(r.TaxComputed, R(52000));
    EXPECT_EQ(r.TaxAfterCredits, Money());
    EXPECT_EQ(r.RefundDue, R(13000));
    EXPECT_EQ(r.TaxDue, Money());
}

TEST(TaxByRateSettlement, TaxAboveWithholdingsAndAdvancesIsToPay) {
    RateCase c(kDecl3Ndfl);
    c.Sum.PrilA13.IncomeTotal = R(200000);
    c.Sum.PrilA13.TaxWithheld = R(10000);
    c.Sum.PrilA13.FixedAdvancePaid = R(3000);
    c.Sum.PrilV1.AdvancePaid = R(2000);
    c.Sum.CalcList1();
    const kTSvodSumList1& r = c.Sum.List1;
    EXPECT_EQ(r.TaxComputed, R(26000));
    EXPECT_EQ(r.AdvancePaid, R(2000));
    EXPECT_EQ(r.FixedAdvanceCredited, R(3000));
    EXPECT_EQ(r.TaxAfterCredits, R(11000));
    EXPECT_EQ(r.TaxDue, R(11000));
    EXPECT_EQ(r.RefundDue, Money());
}

TEST(TaxByRateSettlement, PatentAndTradeLevyLowerTheTaxDueButNeverBelowZero) {
    RateCase c(kDecl3Ndfl);
    c.Sum.PrilA13.IncomeTotal = R(100000);
    c.Declaration->PatentPayment = R(4000);
    c.Declaration->TradeFee = R(3000);
    c.Sum.CalcList1();
    EXPECT_EQ(c.Sum.List1.PatentTaxCredited, R(4000));
    EXPECT_EQ(c.Sum.List1.TradeLevyCredited, R(3000));
    EXPECT_EQ(c.Sum.List1.TaxAfterCredits, R(13000));
    EXPECT_EQ(c.Sum.List1.TaxDue, R(6000));

    c.Declaration->PatentPayment = R(20000);
    c.Sum.CalcList1();
    EXPECT_EQ(c.Sum.List1.TaxAfterCredits, R(13000));
    EXPECT_EQ(c.Sum.List1.TaxDue, Money());
    EXPECT_EQ(c.Sum.List1.RefundDue, Money()) << "a patent paid beyond the tax is not refunded here";
}

TEST(TaxByRateSettlement, ForeignTaxCreditLowersTheTaxToZeroButMakesNoRefund) {
    RateCase c(kDecl3Ndfl);
    c.Sum.PrilB13.OtherIncome = R(100000);
    c.Sum.PrilB13.ForeignTaxCredited = R(20000);
    c.Sum.CalcList1();
    EXPECT_EQ(c.Sum.List1.TaxComputed, R(13000));
    EXPECT_EQ(c.Sum.List1.ForeignTaxCredited, R(20000));
    EXPECT_EQ(c.Sum.List1.TaxAfterCredits, Money());
    EXPECT_EQ(c.Sum.List1.TaxDue, Money());
    EXPECT_EQ(c.Sum.List1.RefundDue, Money());

    // Beside withheld tax the credit still counts toward the tax, never toward a refund.
    c.Sum.PrilA13.TaxWithheld = R(15000);
    c.Sum.CalcList1();
    EXPECT_EQ(c.Sum.List1.TaxAfterCredits, Money());
    EXPECT_EQ(c.Sum.List1.RefundDue, R(2000));
}

// ---- 13 %, resident ---------------------------------------------------------

TEST(TaxByRateResident13, EveryDeductionSheetReducesTheBase) {
    RateCase c(kDecl3Ndfl);
    kTSvodSum& s = c.Sum;
    s.PrilA13.IncomeTotal = R(10000000);
    // Distinct powers of two: a missing or doubled term shows in the sum.
    s.PrilE1.StandardTotal = R(1);
    s.PrilE2.SocialTotal = R(2);
    s.PrilE3.InvestmentDeduction = R(4);
    s.PrilE2.SocialByAgent = R(8);
    s.PrilH1.DeductionTotal = R(16);
    s.PrilZ.NewDeductionThisReturn = R(32);
    s.PrilZ.InterestThisReturn = R(64);
    s.PrilZ.InterestByNotice = R(128);
    s.PrilZ.NewDeductionByNotice = R(256);
    s.PrilV1.ProfessionalDeduction = R(512);
    s.PrilG.ExpenseTotal = R(1024);
    s.PrilG_In.ExpenseTotal = R(2048);
    s.CalcList1();
    EXPECT_EQ(s.List1.Deductions, R(4095));
    EXPECT_EQ(s.List1.TaxBase, R(10000000 - 4095));
}

TEST(TaxByRateResident13, IncomeGathersSheetsAAndBAndBusinessAndRestoredInvestment) {
    RateCase c(kDecl3Ndfl);
    kTSvodSum& s = c.Sum;
    s.PrilA13.IncomeTotal = R(1000);
    s.PrilV1.IncomeTotal = R(2000);
    s.PrilB13.OtherIncome = R(4000);
    s.PrilE3.InvestmentRestored = R(8000);
    s.PrilM.ExemptTotal = R(500);
    s.PrilJ.ExpensesTotal = R(300);
    s.PrilI.ExpensesTotal = R(200);
    s.CalcList1();
    EXPECT_EQ(s.List1.IncomeTotal, R(15000));
    EXPECT_EQ(s.List1.NonTaxableIncome, R(500));
    EXPECT_EQ(s.List1.TaxableIncome, R(14500));
    EXPECT_EQ(s.List1.ExpensesReducingIncome, R(500));
    EXPECT_EQ(s.List1.TaxBase, R(14000));
    EXPECT_EQ(s.List1.TaxComputed, R(1820));
}

TEST(TaxByRateResident13, DividendsAreTaxedApartAndControlledProfitWithTheRest) {
    RateCase c(kDecl3Ndfl);
    kTSvodSum& s = c.Sum;
    s.PrilA13.IncomeTotal = R(100000);
    s.PrilA13.DividendTaxableIncome = R(50000);
    s.PrilA13.DividendTaxComputed = R(4500);  // as the source computed it
    s.PrilB13.Dividends = R(20000);
    s.PrilB13.DividendTaxComputed = R(2600);
    s.PrilB13.CfcProfit = R(10000);
    s.CalcList1();
    EXPECT_EQ(s.List1.DividendCfcIncome, R(80000));
    EXPECT_EQ(s.List1.TaxBase, R(180000));
    // (100 000 + 10 000) × 13 % at this rate, plus the dividends' own tax.
    EXPECT_EQ(s.List1.TaxComputed, R(14300 + 4500 + 2600));
}

TEST(TaxByRateResident13, DeductionsAboveIncomeLeaveOnlyDividendsAndControlledProfitInTheBase) {
    RateCase c(kDecl3Ndfl);
    kTSvodSum& s = c.Sum;
    s.PrilA13.IncomeTotal = R(300000);
    s.PrilJ.ExpensesTotal = R(50000);
    s.PrilZ.NewDeductionThisReturn = R(2000000);
    s.PrilA13.DividendTaxableIncome = R(10000);
    s.PrilA13.DividendTaxComputed = R(1300);
    s.PrilB13.CfcProfit = R(20000);
    s.CalcList1();
    EXPECT_EQ(s.List1.Deductions, R(250000));
    EXPECT_EQ(s.List1.TaxBase, R(30000));
    EXPECT_EQ(s.List1.TaxComputed, R(2600 + 1300));
}

TEST(TaxByRateResident13, ExpensesAboveIncomeTurnTheCappedDeductionNegative) {
    RateCase c(kDecl3Ndfl);
    kTSvodSum& s = c.Sum;
    s.PrilA13.IncomeTotal = R(100000);
    s.PrilJ.ExpensesTotal = R(150000);
    s.PrilE1.StandardTotal = R(1400);
    s.PrilA13.DividendTaxableIncome = R(7000);
    s.CalcList1();
    EXPECT_EQ(s.List1.Deductions, R(-50000));
    EXPECT_EQ(s.List1.TaxBase, R(7000));
    EXPECT_EQ(s.List1.TaxComputed, Money()) << "the dividends' tax is their own, here 0";
}

// ---- 13 %, non-resident ----------------------------------------------------

TEST(TaxByRateNonResident13, OnlyPropertyAndProfessionalDeductionsCapped) {
    RateCase c(kDecl3NdflNonResident);
    kTSvodSum& s = c.Sum;
    s.PrilA13.IncomeTotal = R(100000);
    s.PrilA13.TaxWithheld = R(9000);
    s.PrilA13.FixedAdvancePaid = R(1000);
    s.PrilH1.DeductionTotal = R(5000);
    s.PrilG.ExpenseTotal = R(15000);
    // Resident-only figures must not reach a non-resident's 13 %.
    s.PrilE1.StandardTotal = R(1400);
    s.PrilV1.AdvancePaid = R(777);
    s.PrilB13.ForeignTaxCredited = R(888);
    s.PrilM.ExemptTotal = R(4000);
    s.CalcList1();
    const kTSvodSumList1& r = s.List1;
    EXPECT_EQ(r.Rate, "13");
    EXPECT_EQ(r.IncomeTotal, R(100000));
    EXPECT_EQ(r.TaxableIncome, R(100000));
    EXPECT_EQ(r.NonTaxableIncome, Money());
    EXPECT_EQ(r.Deductions, R(20000));
    EXPECT_EQ(r.TaxBase, R(80000));
    EXPECT_EQ(r.TaxComputed, R(10400));
    EXPECT_EQ(r.AdvancePaid, Money());
    EXPECT_EQ(r.ForeignTaxCredited, Money());
    EXPECT_EQ(r.TaxAfterCredits, R(400));
    EXPECT_EQ(r.TaxDue, R(400));

    s.PrilG.ExpenseTotal = R(500000);
    s.CalcList1();
    EXPECT_EQ(s.List1.Deductions, R(100000));
    EXPECT_EQ(s.List1.TaxBase, Money());
    EXPECT_EQ(s.List1.RefundDue, R(10000));
}

// ---- 30 % ------------------------------------------------------------------

TEST(TaxByRate30, NonResidentIncomeLessExemptAndExpenses) {
    RateCase c(kDecl3NdflNonResident);
    kTSvodSum& s = c.Sum;
    s.PrilA30.IncomeTotal = R(200000);
    s.PrilA30.TaxWithheld = R(70000);
    s.PrilM.ExemptTotal = R(4000);
    s.PrilM.ExemptPrizes = R(1000);
    s.PrilJ.ExpensesTotal = R(10000);
    s.PrilI.ExpensesTotal = R(5000);
    s.CalcList2();
    const kTSvodSumList2& r = s.List2;
    EXPECT_EQ(r.Rate, "30");
    EXPECT_EQ(r.NonTaxableIncome, R(5000));
    EXPECT_EQ(r.TaxableIncome, R(195000));
    EXPECT_EQ(r.ExpensesReducingIncome, R(15000));
    EXPECT_EQ(r.Deductions, Money());
    EXPECT_EQ(r.TaxBase, R(180000));
    EXPECT_EQ(r.TaxComputed, R(54000));
    EXPECT_EQ(r.RefundDue, R(16000));
}

TEST(TaxByRate30, ExpensesAboveIncomeGiveANegativeDeductionAndAZeroBase) {
    RateCase c(kDecl3NdflNonResident);
    c.Sum.PrilA30.IncomeTotal = R(10000);
    c.Sum.PrilJ.ExpensesTotal = R(25000);
    c.Sum.CalcList2();
    EXPECT_EQ(c.Sum.List2.Deductions, R(-15000));
    EXPECT_EQ(c.Sum.List2.TaxBase, Money());
    EXPECT_EQ(c.Sum.List2.TaxComputed, Money());
}

// ---- 35 % and 9 % (resident) -----------------------------------------------

TEST(TaxByRate35, PrizesExemptAndMaterialBenefitCredited) {
    RateCase c(kDecl3Ndfl);
    kTSvodSum& s = c.Sum;
    s.PrilA35.IncomeTotal = R(10000);
    s.PrilB35.OtherIncome = R(2000);
    s.PrilM.ExemptPrizes = R(4000);
    s.PrilA35.TaxWithheld = R(1000);
    s.PrilA35.TaxWithheldMaterialBenefit = R(500);
    s.PrilB35.ForeignTaxCredited = R(300);
    s.CalcList3();
    const kTSvodSumList3& r = s.List3;
    EXPECT_EQ(r.Rate, "35");
    EXPECT_EQ(r.IncomeTotal, R(12000));
    EXPECT_EQ(r.NonTaxableIncome, R(4000));
    EXPECT_EQ(r.TaxableIncome, R(8000));
    EXPECT_EQ(r.TaxBase, R(8000));
    EXPECT_EQ(r.TaxComputed, R(2800));
    EXPECT_EQ(r.TaxWithheldMaterialBenefit, R(500));
    EXPECT_EQ(r.TaxAfterCredits, R(1000));
    EXPECT_EQ(r.TaxDue, R(1000));
}

TEST(TaxByRate35, PrizeExemptionAboveIncomeGivesAZeroBase) {
    RateCase c(kDecl3Ndfl);
    c.Sum.PrilA35.IncomeTotal = R(3000);
    c.Sum.PrilM.ExemptPrizes = R(4000);
    c.Sum.PrilA35.TaxWithheldMaterialBenefit = R(700);
    c.Sum.CalcList3();
    EXPECT_EQ(c.Sum.List3.TaxableIncome, Money());
    EXPECT_EQ(c.Sum.List3.TaxComputed, Money());
    EXPECT_EQ(c.Sum.List3.RefundDue, R(700));
}

TEST(TaxByRate9, IncomeOfSheetsAAndBWithForeignCredit) {
    RateCase c(kDecl3Ndfl);
    kTSvodSum& s = c.Sum;
    s.PrilA9.IncomeTotal = R(50);
    s.PrilB9.OtherIncome = R(100000);
    s.PrilA9.TaxWithheld = R(4);
    s.PrilB9.ForeignTaxCredited = R(5000);
    s.CalcList4();
    const kTSvodSumList4& r = s.List4;
    EXPECT_EQ(r.Rate, "09");
    EXPECT_EQ(r.IncomeTotal, R(100050));
    EXPECT_EQ(r.TaxableIncome, R(100050));
    EXPECT_EQ(r.TaxBase, R(100050));
    EXPECT_EQ(r.TaxComputed, R(9005)) << "9 004.50 rounds up";
    EXPECT_EQ(r.TaxAfterCredits, R(4001));
}

// ---- 15 % (non-resident dividends) ------------------------------------------

TEST(TaxByRate15, DividendsTaxedAtFifteenRoundedHalfUp) {
    RateCase c(kDecl3NdflNonResident);
    c.Sum.PrilA15.TaxableIncome = R("1000.50");  // 150.075
    c.Sum.PrilA15.TaxWithheld = R(200);
    c.Sum.CalcList5();
    EXPECT_EQ(c.Sum.List5.Rate, "15");
    EXPECT_EQ(c.Sum.List5.IncomeTotal, Money());
    EXPECT_EQ(c.Sum.List5.DividendCfcIncome, R("1000.50"));
    EXPECT_EQ(c.Sum.List5.TaxBase, R("1000.50"));
    EXPECT_EQ(c.Sum.List5.TaxComputed, R(150));
    EXPECT_EQ(c.Sum.List5.RefundDue, R(50));

    c.Sum.PrilA15.TaxableIncome = R("1003.40");  // 150.51
    c.Sum.CalcList5();
    EXPECT_EQ(c.Sum.List5.TaxComputed, R(151));
}

// ---- Which rates a kind computes --------------------------------------------

void FillEverySheet(kTSvodSum& s) {
    s.PrilA9.IncomeTotal = R(1000);
    s.PrilA13.IncomeTotal = R(1000);
    s.PrilA15.TaxableIncome = R(1000);
    s.PrilA30.IncomeTotal = R(1000);
    s.PrilA35.IncomeTotal = R(1000);
}

void RunRates(kTSvodSum& s) {
    s.CalcList1();
    s.CalcList2();
    s.CalcList3();
    s.CalcList4();
    s.CalcList5();
}

TEST(TaxByRateKinds, ResidentComputes13And35And9Only) {
    RateCase c(kDecl3Ndfl);
    FillEverySheet(c.Sum);
    RunRates(c.Sum);
    EXPECT_EQ(c.Sum.List1.TaxComputed, R(130));
    EXPECT_EQ(c.Sum.List3.TaxComputed, R(350));
    EXPECT_EQ(c.Sum.List4.TaxComputed, R(90));
    EXPECT_EQ(c.Sum.List2, kTSvodSumList2()) << "30 % stays zero and keeps its rate text";
    EXPECT_EQ(c.Sum.List5, kTSvodSumList5());
    EXPECT_EQ(c.Sum.List5.Rate, "");
}

TEST(TaxByRateKinds, NonResidentComputes13And30And15Only) {
    RateCase c(kDecl3NdflNonResident);
    FillEverySheet(c.Sum);
    RunRates(c.Sum);
    EXPECT_EQ(c.Sum.List1.TaxComputed, R(130));
    EXPECT_EQ(c.Sum.List2.TaxComputed, R(300));
    EXPECT_EQ(c.Sum.List5.TaxComputed, R(150));
    EXPECT_EQ(c.Sum.List3, kTSvodSumList3());
    EXPECT_EQ(c.Sum.List4, kTSvodSumList4());
    EXPECT_EQ(c.Sum.List3.Rate, "");
    EXPECT_EQ(c.Sum.List4.Rate, "");
}

}  // namespace
}  // namespace kvz
