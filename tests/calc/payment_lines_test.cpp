// Payment and refund lines and the overall result: the rate records are set by hand
// and the sources sit in the declaration, so each case shows how the amounts are
// split by budget code and ОКТМО.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "calc/svod_sum.h"
#include "support/calc_fixtures.h"

namespace kvz {
namespace {

using test::AddBusiness;
using test::AddDividend;
using test::AddNine;
using test::AddPartnership;
using test::AddThirteen;
using test::AddThirteenNR;
using test::AddThirtyFive;
using test::NewDeclaration;
using test::SourceTaxes;

Money R(int64_t roubles) { return Money::FromUnits(roubles); }

constexpr const char* kHome = "45000000";  // the taxpayer's own ОКТМО
constexpr const char* kOktmoA = "46000000";
constexpr const char* kOktmoB = "47000000000";
constexpr const char* kOktmoC = "48000000";

bmTList1 Line(const char* kbk, const char* oktmo, const char* sign, int64_t roubles) {
    return bmTList1{kbk, oktmo, sign, R(roubles)};
}

// A calculation bound to a fresh declaration; the rate records are then set by hand.
struct LinesCase {
    explicit LinesCase(uint8_t kind, uint8_t incomeKinds = kIncomeRussian)
        : Declaration(NewDeclaration(kind, incomeKinds)) {
        Declaration->Person.ResidenceOktmo = kHome;
        Sum.Bind(*Declaration);
    }
    SourceTaxes Withheld(int64_t roubles, const char* oktmo) const { return {Money(), Money(), R(roubles), oktmo}; }
    bool Run() { return Sum.CalcList6(); }
    const std::vector<bmTList1>& Lines() const { return Sum.List6.Lines; }

    std::unique_ptr<mTDeclaration> Declaration;
    kTSvodSum Sum;
};

// ---- Refunds over the sources -----------------------------------------------

TEST(RefundAllocation, SplitOverThe13PercentSourcesInListOrder) {
    LinesCase c(kDecl3Ndfl);
    AddThirteen(*c.Declaration, {}, c.Withheld(10000, kOktmoA));
    AddThirteen(*c.Declaration, {}, c.Withheld(5000, kOktmoB));
    AddThirteen(*c.Declaration, {}, c.Withheld(5000, kOktmoC));
    c.Sum.List1.RefundDue = R(13000);
    EXPECT_TRUE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkWithheldRefund, kOktmoA, kRefund, 10000),
                                                Line(kKbkWithheldRefund, kOktmoB, kRefund, 3000)}));
}

TEST(RefundAllocation, SourcesOfOneOktmoShareALineAndSourcesWithoutWithheldTaxAreSkipped) {
    LinesCase c(kDecl3Ndfl);
    AddThirteen(*c.Declaration, {}, c.Withheld(0, kOktmoB));
    AddThirteen(*c.Declaration, {}, c.Withheld(4000, kOktmoA));
    AddThirteen(*c.Declaration, {}, c.Withheld(-500, kOktmoC));
    AddThirteen(*c.Declaration, {}, c.Withheld(3000, kOktmoA));
    c.Sum.List1.RefundDue = R(6000);
    EXPECT_TRUE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkWithheldRefund, kOktmoA, kRefund, 6000)}));
}

TEST(RefundAllocation, ResidentWalksThe13PercentSourcesThenPartnershipsThenDividends) {
    LinesCase c(kDecl3Ndfl, kIncomeRussian | kIncomeInvestTov);
    AddDividend(*c.Declaration, R(10000), c.Withheld(900, kOktmoC));
    AddPartnership(*c.Declaration, {}, c.Withheld(1000, kOktmoB));
    AddThirteen(*c.Declaration, {}, c.Withheld(2000, kOktmoA));
    c.Sum.List1.RefundDue = R(3500);
    EXPECT_TRUE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkWithheldRefund, kOktmoA, kRefund, 2000),
                                                Line(kKbkWithheldRefund, kOktmoB, kRefund, 1000),
                                                Line(kKbkWithheldRefund, kOktmoC, kRefund, 500)}));
}

TEST(RefundAllocation, A13PercentRefundBeyondWithheldTaxRestsOnTheTaxpayersLine) {
    LinesCase c(kDecl3Ndfl);
    AddThirteen(*c.Declaration, {}, c.Withheld(2600, kOktmoA));
    AddThirteen(*c.Declaration, {}, c.Withheld(1000, kHome));
    c.Sum.List1.RefundDue = R(10000);
    // The rest names the taxpayer's ОКТМО, so the declaration must carry it.
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkWithheldRefund, kOktmoA, kRefund, 2600),
                                                Line(kKbkWithheldRefund, kHome, kRefund, 7400)}));
}

TEST(RefundAllocation, OtherRatesListNothingBeyondTheSourcesWithheldTax) {
    LinesCase c(kDecl3Ndfl);
    AddNine(*c.Declaration, R(1000), c.Withheld(300, kOktmoA));
    AddThirtyFive(*c.Declaration, 2000, R(1000), R(400)).Oktmo = kOktmoB;
    c.Sum.List4.RefundDue = R(1000);
    c.Sum.List3.RefundDue = R(1000);
    EXPECT_TRUE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkWithheldRefund, kOktmoA, kRefund, 300),
                                                Line(kKbkWithheldRefund, kOktmoB, kRefund, 400)}));
}

// ---- Payments --------------------------------------------------------------

TEST(PaymentLines, PaymentsAtSeveralRatesJoinOneLineOfTheTaxpayer) {
    LinesCase c(kDecl3Ndfl);
    c.Sum.List1.TaxDue = R(1000);
    c.Sum.List4.TaxDue = R(90);
    c.Sum.List3.TaxDue = R(350);
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkOther, kHome, kPay, 1440)}));
}

TEST(PaymentLines, A13PercentRefundAndA9PercentPaymentMakeTwoLines) {
    LinesCase c(kDecl3Ndfl);
    AddThirteen(*c.Declaration, {}, c.Withheld(5000, kOktmoA));
    c.Sum.List1.RefundDue = R(2000);
    c.Sum.List4.TaxDue = R(90);
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkWithheldRefund, kOktmoA, kRefund, 2000),
                                                Line(kKbkOther, kHome, kPay, 90)}));
}

// Business income of 100 000 less the expenses, taxed at 13 %, less the advances paid.
struct BusinessCase : LinesCase {
    BusinessCase(int64_t expenses, int64_t advances) : LinesCase(kDecl3Ndfl, kIncomeRussian | kIncomeBusiness) {
        Declaration->TaxpayerKind = 0;
        AddBusiness(*Declaration, R(100000), R(expenses));
        Declaration->AdvancePaid = R(advances);
        Sum.CalcPrilV1();
    }
};

TEST(PaymentLinesBusiness, TheBusinessPartGoesTo020AndTheRestTo030) {
    BusinessCase c(50000, 500);  // 6 500 − 500 = 6 000
    c.Sum.List1.TaxDue = R(10000);
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkBusiness, kHome, kPay, 6000),
                                                Line(kKbkOther, kHome, kPay, 4000)}));
}

TEST(PaymentLinesBusiness, ABusinessPartAboveTheTaxTakesItAll) {
    BusinessCase c(0, 1000);  // 13 000 − 1 000 = 12 000
    c.Sum.List1.TaxDue = R(10000);
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkBusiness, kHome, kPay, 10000)}));
}

TEST(PaymentLinesBusiness, AdvancesCoveringTheBusinessTaxLeaveTheWholePaymentOn030) {
    BusinessCase c(50000, 7000);  // 6 500 − 7 000 < 0
    c.Sum.List1.TaxDue = R(10000);
    c.Sum.List4.TaxDue = R(50);
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkOther, kHome, kPay, 10050)}));
}

TEST(PaymentLinesBusiness, RefundedAdvancesComeFirstOn020ThenTheSources) {
    BusinessCase c(90000, 3000);
    AddThirteen(*c.Declaration, {}, c.Withheld(4000, kOktmoA));
    c.Sum.List1.RefundDue = R(5000);
    EXPECT_FALSE(c.Run()) << "the advances' line names the taxpayer's ОКТМО";
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkBusiness, kHome, kRefund, 3000),
                                                Line(kKbkWithheldRefund, kOktmoA, kRefund, 2000)}));
}

TEST(PaymentLinesBusiness, AdvancesWithoutABusinessRecordAreNotRefundedOn020) {
    LinesCase c(kDecl3Ndfl, kIncomeRussian | kIncomeBusiness);
    c.Declaration->AdvancePaid = R(3000);
    AddThirteen(*c.Declaration, {}, c.Withheld(4000, kOktmoA));
    c.Sum.List1.RefundDue = R(2500);
    EXPECT_TRUE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkWithheldRefund, kOktmoA, kRefund, 2500)}));
}

// ---- Non-resident ----------------------------------------------------------

TEST(PaymentLinesNonResident, PaymentsAt13And15And30JoinOneLine) {
    LinesCase c(kDecl3NdflNonResident);
    c.Sum.List1.TaxDue = R(130);
    c.Sum.List5.TaxDue = R(15);
    c.Sum.List2.TaxDue = R(300);
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkOther, kHome, kPay, 445)}));
}

TEST(PaymentLinesNonResident, A13PercentRefundWalksNonResidentSourcesThenTheTaxpayer) {
    LinesCase c(kDecl3NdflNonResident, kIncomeRussian | kIncomeInvestTov);
    AddThirteen(*c.Declaration, {}, c.Withheld(9999, kOktmoC));  // the 30 % list, not this one
    AddThirteenNR(*c.Declaration, {}, c.Withheld(1000, kOktmoA));
    // A non-resident's partnership income is taxed at 30 %: its withheld tax is no
    // part of the 13 % refund, which beyond the 13 % sources is the taxpayer's own.
    AddPartnership(*c.Declaration, {}, c.Withheld(500, kOktmoB));
    c.Sum.List1.RefundDue = R(2000);
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkWithheldRefund, kOktmoA, kRefund, 1000),
                                                Line(kKbkWithheldRefund, kHome, kRefund, 1000)}));
}

TEST(PaymentLinesNonResident, NoSourceIsNamedForMoreThanItWithheld) {
    LinesCase c(kDecl3NdflNonResident, kIncomeRussian | kIncomeInvestTov);
    AddThirteenNR(*c.Declaration, {}, c.Withheld(1000, kOktmoA));
    AddPartnership(*c.Declaration, {}, c.Withheld(800, kOktmoB));
    c.Sum.List1.RefundDue = R(1500);  // 500 of it from the advances paid under a patent
    c.Sum.List2.RefundDue = R(800);   // all the partnership withheld
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkWithheldRefund, kOktmoA, kRefund, 1000),
                                                Line(kKbkWithheldRefund, kHome, kRefund, 500),
                                                Line(kKbkWithheldRefund, kOktmoB, kRefund, 800)}));
}

TEST(PaymentLinesNonResident, DividendRefundsThen30PercentRefundsOverTheirSources) {
    LinesCase c(kDecl3NdflNonResident, kIncomeRussian | kIncomeInvestTov);
    AddThirteen(*c.Declaration, {}, c.Withheld(3000, kOktmoA));
    AddPartnership(*c.Declaration, {}, c.Withheld(2000, kOktmoB));
    AddDividend(*c.Declaration, R(10000), c.Withheld(1500, kOktmoC));
    c.Sum.List5.RefundDue = R(500);
    // 30 % income comes from the 13 % sources and the partnerships alike: a refund
    // beyond the first reaches the second instead of being lost.
    c.Sum.List2.RefundDue = R(4000);
    EXPECT_TRUE(c.Run());
    EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkWithheldRefund, kOktmoC, kRefund, 500),
                                                Line(kKbkWithheldRefund, kOktmoA, kRefund, 3000),
                                                Line(kKbkWithheldRefund, kOktmoB, kRefund, 1000)}));
}

// ---- Nothing to pay or refund; the overall result ---------------------------

TEST(PaymentLinesEmpty, OneNeitherLineWithTheCodeOfTheTaxpayerKind) {
    for (uint8_t kind : {0, 1, 2, 3, 6}) {
        LinesCase c(kDecl3Ndfl);
        c.Declaration->TaxpayerKind = kind;
        EXPECT_FALSE(c.Run());
        EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkBusiness, kHome, kNeither, 0)})) << int(kind);
    }
    for (uint8_t kind : {4, 5}) {
        LinesCase c(kDecl3NdflNonResident);
        c.Declaration->TaxpayerKind = kind;
        EXPECT_FALSE(c.Run());
        EXPECT_EQ(c.Lines(), (std::vector<bmTList1>{Line(kKbkOther, kHome, kNeither, 0)})) << int(kind);
    }
}

TEST(PaymentLinesResult, AnythingToPayAtAnyRateMakesItFalse) {
    for (int rate = 1; rate <= 5; ++rate) {
        LinesCase c(rate == 2 || rate == 5 ? kDecl3NdflNonResident : kDecl3Ndfl);
        AddThirteen(*c.Declaration, {}, c.Withheld(5000, kOktmoA));
        AddThirteenNR(*c.Declaration, {}, c.Withheld(5000, kOktmoA));
        kTSvodSumTaxByRate* rates[] = {&c.Sum.List1, &c.Sum.List2, &c.Sum.List3, &c.Sum.List4, &c.Sum.List5};
        // A refund elsewhere does not outweigh a payment.
        rates[rate == 1 ? 1 : 0]->RefundDue = R(1000);
        rates[rate - 1]->TaxDue = R(10);
        EXPECT_FALSE(c.Run()) << rate;
    }
}

}  // namespace
}  // namespace kvz
