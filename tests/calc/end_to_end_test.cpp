// Whole declarations through Calculate: from the entered sources and deductions to
// the tax by rate and the payment and refund lines, as the export reads them.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "calc/svod_sum.h"
#include "storage/dates.h"
#include "support/calc_fixtures.h"

namespace kvz {
namespace {

using test::AddBusiness;
using test::AddDividend;
using test::AddThirteen;
using test::NewDeclaration;
using test::SourceTaxes;

Money R(int64_t roubles) { return Money::FromUnits(roubles); }

constexpr const char* kHome = "45380000";
constexpr const char* kEmployerA = "45312000";
constexpr const char* kEmployerB = "46744000001";
constexpr int32_t kSalary = 2000;

bmTList1 Line(const char* kbk, const char* oktmo, const char* sign, int64_t roubles) {
    return bmTList1{kbk, oktmo, sign, R(roubles)};
}

std::unique_ptr<mTDeclaration> Declaration(uint8_t kind, uint8_t incomeKinds = kIncomeRussian) {
    auto d = NewDeclaration(kind, incomeKinds);
    d->Person.ResidenceOktmo = kHome;
    return d;
}

// A salary source whose certificate shows the tax computed and withheld in full.
void AddSalary(mTDeclaration& d, int64_t income, const char* oktmo) {
    const Money tax = R(income * 13 / 100);
    AddThirteen(d, {test::Line(kSalary, R(income))}, SourceTaxes{R(income), tax, tax, oktmo});
}

// 600 000 of salary from two employers, 78 000 withheld.
std::unique_ptr<mTDeclaration> TwoEmployers() {
    auto d = Declaration(kDecl3Ndfl);
    AddSalary(*d, 400000, kEmployerA);
    AddSalary(*d, 200000, kEmployerB);
    return d;
}

// A flat bought for 3 000 000, owned from the given year, of which the taxpayer
// holds numerator / denominator.
void AddFlat(mTDeclaration& d, int registrationYear, int32_t numerator, int32_t denominator) {
    mTConstructionDeductObj flat;
    flat.ObjectNameCode = 2;
    flat.OwnershipKind = numerator == denominator ? 1 : 2;
    flat.TaxpayerSign = 1;
    flat.RightRegDate = EncodeDate(registrationYear, 6, 15);
    flat.FirstUseYear = EncodeDate(2015, 1, 1);
    flat.ShareNumerator = numerator;
    flat.ShareDenominator = denominator;
    flat.ObjectCost = R(3000000);
    d.Construction.Granted = true;
    d.Construction.ObjectAdd(flat);
}

TEST(EndToEnd, FlatBoughtThisYearTakesTheWholeIncomeAndRefundsAllWithheldTax) {
    auto d = TwoEmployers();
    AddFlat(*d, 2015, 1, 1);
    kTSvodSum sum;
    EXPECT_TRUE(sum.Calculate(*d));

    EXPECT_EQ(sum.PrilZ.AcquisitionExpenses, R(2000000)) << "cost above the limit";
    EXPECT_EQ(sum.PrilZ.NewDeductionThisReturn, R(600000));
    EXPECT_EQ(sum.PrilZ.RemainingNew, R(1400000));

    const kTSvodSumList1& r = sum.List1;
    EXPECT_EQ(r.IncomeTotal, R(600000));
    EXPECT_EQ(r.TaxableIncome, R(600000));
    EXPECT_EQ(r.Deductions, R(600000));
    EXPECT_EQ(r.TaxBase, Money());
    EXPECT_EQ(r.TaxComputed, Money());
    EXPECT_EQ(r.TaxWithheld, R(78000));
    EXPECT_EQ(r.RefundDue, R(78000));
    EXPECT_EQ(r.TaxDue, Money());

    EXPECT_EQ(sum.List6.Lines, (std::vector<bmTList1>{Line(kKbkWithheldRefund, kEmployerA, kRefund, 52000),
                                                      Line(kKbkWithheldRefund, kEmployerB, kRefund, 26000)}));
}

TEST(EndToEnd, HalfAFlatRegisteredIn2007IsDeductedUpToHalfTheOldLimit) {
    auto d = TwoEmployers();
    AddFlat(*d, 2007, 1, 2);
    kTSvodSum sum;
    EXPECT_TRUE(sum.Calculate(*d));

    EXPECT_EQ(sum.PrilZ.AcquisitionExpenses, R(500000));
    EXPECT_EQ(sum.PrilZ.NewDeductionThisReturn, R(500000));
    EXPECT_EQ(sum.List1.Deductions, R(500000));
    EXPECT_EQ(sum.List1.TaxBase, R(100000));
    EXPECT_EQ(sum.List1.TaxComputed, R(13000));
    EXPECT_EQ(sum.List1.RefundDue, R(65000));
    // The first employer gives back all it withheld, the second the rest.
    EXPECT_EQ(sum.List6.Lines, (std::vector<bmTList1>{Line(kKbkWithheldRefund, kEmployerA, kRefund, 52000),
                                                      Line(kKbkWithheldRefund, kEmployerB, kRefund, 13000)}));
}

TEST(EndToEnd, EntrepreneursTaxSplitsBetweenTheBusinessAndTheOtherCode) {
    auto d = Declaration(kDecl3Ndfl, kIncomeRussian | kIncomeBusiness);
    d->TaxpayerKind = 0;
    // The employer withheld 20 000 of the 26 000 due on the salary.
    AddThirteen(*d, {test::Line(kSalary, R(200000))}, SourceTaxes{R(200000), R(26000), R(20000), kEmployerA});
    AddBusiness(*d, R(1000000), R(600000));
    d->AdvancePaid = R(20000);
    d->AdvanceAssessed = R(20000);
    kTSvodSum sum;
    EXPECT_FALSE(sum.Calculate(*d));

    const kTSvodSumList1& r = sum.List1;
    EXPECT_EQ(r.IncomeTotal, R(1200000));
    EXPECT_EQ(r.Deductions, R(600000));
    EXPECT_EQ(r.TaxBase, R(600000));
    EXPECT_EQ(r.TaxComputed, R(78000));
    EXPECT_EQ(r.AdvancePaid, R(20000));
    EXPECT_EQ(r.TaxDue, R(38000));
    // Business tax: 400 000 × 13 % − 20 000 of advances = 32 000; the rest is salary tax.
    EXPECT_EQ(sum.List6.Lines, (std::vector<bmTList1>{Line(kKbkBusiness, kHome, kPay, 32000),
                                                      Line(kKbkOther, kHome, kPay, 6000)}));
}

TEST(EndToEnd, NonResidentGetsBackOverWithheldTaxAt30And15) {
    auto d = Declaration(kDecl3NdflNonResident);
    // Withheld as if at 35 %: 30 % is due.
    AddThirteen(*d, {test::Line(kSalary, R(100000))}, SourceTaxes{R(100000), R(35000), R(35000), kEmployerA});
    AddDividend(*d, R(10000), SourceTaxes{R(10000), R(1300), R(2000), kEmployerB});
    kTSvodSum sum;
    EXPECT_TRUE(sum.Calculate(*d));

    EXPECT_EQ(sum.List2.Rate, "30");
    EXPECT_EQ(sum.List2.TaxBase, R(100000));
    EXPECT_EQ(sum.List2.TaxComputed, R(30000));
    EXPECT_EQ(sum.List2.RefundDue, R(5000));
    EXPECT_EQ(sum.List5.Rate, "15");
    EXPECT_EQ(sum.List5.TaxBase, R(10000));
    EXPECT_EQ(sum.List5.TaxComputed, R(1500));
    EXPECT_EQ(sum.List5.RefundDue, R(500));
    EXPECT_EQ(sum.List1.TaxComputed, Money());
    EXPECT_EQ(sum.List3.Rate, "");
    EXPECT_EQ(sum.List4.Rate, "");
    // Dividends are settled before the 30 % income.
    EXPECT_EQ(sum.List6.Lines, (std::vector<bmTList1>{Line(kKbkWithheldRefund, kEmployerB, kRefund, 500),
                                                      Line(kKbkWithheldRefund, kEmployerA, kRefund, 5000)}));
}

TEST(EndToEnd, NothingToPayOrRefundGivesOneNeitherLineAndFalse) {
    auto d = TwoEmployers();
    kTSvodSum sum;
    EXPECT_FALSE(sum.Calculate(*d));
    EXPECT_EQ(sum.List1.TaxComputed, R(78000));
    EXPECT_EQ(sum.List1.TaxDue, Money());
    EXPECT_EQ(sum.List1.RefundDue, Money());
    EXPECT_EQ(sum.List6.Lines, (std::vector<bmTList1>{Line(kKbkOther, kHome, kNeither, 0)}));

    d->TaxpayerKind = 3;  // a lawyer files under the business code
    kTSvodSum lawyer;
    EXPECT_FALSE(lawyer.Calculate(*d));
    EXPECT_EQ(lawyer.List6.Lines, (std::vector<bmTList1>{Line(kKbkBusiness, kHome, kNeither, 0)}));
}

TEST(EndToEnd, TheResultIsTrueOnlyWhenNothingIsToPayAndNoLineNeedsTheTaxpayersOktmo) {
    // A refund wholly on the employers' lines: the taxpayer's ОКТМО is not needed.
    auto refund = TwoEmployers();
    AddFlat(*refund, 2015, 1, 1);
    refund->Person.ResidenceOktmo.clear();
    kTSvodSum refundSum;
    EXPECT_TRUE(refundSum.Calculate(*refund));

    // Tax to pay at 13 %.
    auto payment = Declaration(kDecl3Ndfl);
    AddThirteen(*payment, {test::Line(kSalary, R(100000))}, SourceTaxes{R(100000), R(13000), R(10000), kEmployerA});
    kTSvodSum paymentSum;
    EXPECT_FALSE(paymentSum.Calculate(*payment));
    EXPECT_EQ(paymentSum.List6.Lines, (std::vector<bmTList1>{Line(kKbkOther, kHome, kPay, 3000)}));

    // Advances paid by a foreigner under a patent beyond the tax: the part no
    // employer withheld is refunded on the taxpayer's own ОКТМО, which the
    // declaration must then carry.
    auto advances = Declaration(kDecl3Ndfl);
    AddSalary(*advances, 20000, kEmployerA);
    advances->ForeignerAdvancePayments = R(10000);
    kTSvodSum advancesSum;
    EXPECT_FALSE(advancesSum.Calculate(*advances));
    EXPECT_EQ(advancesSum.List1.FixedAdvanceCredited, R(10000));
    EXPECT_EQ(advancesSum.List1.RefundDue, R(10000));
    EXPECT_EQ(advancesSum.List6.Lines, (std::vector<bmTList1>{Line(kKbkWithheldRefund, kEmployerA, kRefund, 2600),
                                                              Line(kKbkWithheldRefund, kHome, kRefund, 7400)}));
}

// ---- Random declarations -----------------------------------------------------

Money Positive(Money m) { return m.Raw() > 0 ? m : Money(); }

// What the lines must show whatever the declaration: every payment listed in full,
// every 13 % refund listed in full, no refund listed beyond what the rates owe.
void ExpectLinesMatchTheRates(const kTSvodSum& sum, bool result) {
    const kTSvodSumTaxByRate* rates[] = {&sum.List1, &sum.List2, &sum.List3, &sum.List4, &sum.List5};
    Money toPay, toRefund;
    for (const kTSvodSumTaxByRate* rate : rates) {
        toPay += Positive(rate->TaxDue - rate->RefundDue);
        toRefund += Positive(rate->RefundDue - rate->TaxDue);
    }
    Money paid, refunded;
    for (const bmTList1& line : sum.List6.Lines) {
        if (line.PayOrRefund == kPay) paid += line.Amount;
        if (line.PayOrRefund == kRefund) refunded += line.Amount;
        if (line.PayOrRefund != kNeither) {
            EXPECT_GT(line.Amount, Money());
        }
    }
    EXPECT_EQ(paid, toPay);
    EXPECT_LE(refunded, toRefund);
    EXPECT_GE(refunded, Positive(sum.List1.RefundDue - sum.List1.TaxDue));
    EXPECT_FALSE(sum.List6.Lines.empty());
    if (result) {
        EXPECT_EQ(paid, Money());
    }
}

TEST(EndToEnd, RandomDeclarationsKeepEveryPaymentAndThe13PercentRefundOnTheLines) {
    std::mt19937 rng(20150101);
    for (int i = 0; i < 300; ++i) {
        auto d = test::RandomDeclaration(rng);
        if (d->DeclarationKind == kDecl4Ndfl) continue;
        kTSvodSum sum;
        const bool result = sum.Calculate(*d);
        SCOPED_TRACE(i);
        ExpectLinesMatchTheRates(sum, result);
        if (HasFailure()) break;
    }
}

}  // namespace
}  // namespace kvz
