// The result summary says what the calculation computed, in words, without touching
// the declaration it summarises.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "calc/result_summary.h"
#include "calc/result_summary_text.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"
#include "support/calc_fixtures.h"
#include "support/example_document.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

using test::AddThirteen;
using test::Line;
using test::NewDeclaration;
using test::Rub;
using test::SourceTaxes;

std::string SavedBytes(mTDeclaration& d, const test::TempDir& dir, const std::string& name) {
    d.SaveToFile(dir.File(name));
    return test::ReadFileText(dir.File(name));
}

// Nothing the calculation writes into the sources reaches the declaration itself.
void ExpectUntouched(const mTDeclaration& d) {
    for (int i = 0; i < d.Thirteen.Count(); ++i) EXPECT_EQ(d.Thirteen.Get(i).IncomeKindCode, "") << i;
    for (int i = 0; i < d.ThirtyFive.Count(); ++i) EXPECT_EQ(d.ThirtyFive.Get(i).IncomeKindCode, "") << i;
}

// The summary against the records of a calculation of its own, on the declaration
// as a file carries it: every figure is the one the export writes.
void ExpectSameAsCalculation(const mTDeclaration& d, const ResultSummary& s) {
    if (s.State == ResultState::Incomplete || s.State == ResultState::Expected) return;
    auto copy = d.Copy();
    kTSvodSum sum;
    sum.Calculate(*copy);
    Money pay, refund;
    std::size_t listed = 0;
    for (const bmTList1& line : sum.List6.Lines) {
        if (line.PayOrRefund == kNeither) continue;
        ASSERT_LT(listed, s.Lines.size());
        const ResultLine& shown = s.Lines[listed++];
        EXPECT_EQ(shown.Kbk, line.Kbk);
        EXPECT_EQ(shown.Oktmo, line.Oktmo);
        EXPECT_EQ(shown.Amount, line.Amount);
        EXPECT_EQ(shown.Refund, line.PayOrRefund == kRefund);
        (line.PayOrRefund == kRefund ? refund : pay) += line.Amount;
    }
    EXPECT_EQ(listed, s.Lines.size());
    EXPECT_EQ(s.ToPay, pay);
    EXPECT_EQ(s.ToRefund, refund);
    EXPECT_EQ(s.CarriedCost, sum.PrilZ.RemainingNew);
    EXPECT_EQ(s.CarriedInterest, sum.PrilZ.RemainingInterest);
    EXPECT_EQ(s.DeductionsApplied, sum.List1.Deductions);
    // Every rate with a tax or a result is shown, with the record's figures.
    const std::array<const kTSvodSumTaxByRate*, 5> rates = {&sum.List1, &sum.List2, &sum.List3, &sum.List4,
                                                             &sum.List5};
    for (const kTSvodSumTaxByRate* r : rates) {
        if (r->TaxComputed.IsZero() && r->TaxDue.IsZero() && r->RefundDue.IsZero() && r->IncomeTotal.IsZero())
            continue;
        const std::string rate = r->Rate == "09" ? "9" : r->Rate;
        const auto found = std::find_if(s.Rates.begin(), s.Rates.end(), [&](const ResultRate& x) { return x.Rate == rate; });
        ASSERT_NE(found, s.Rates.end()) << rate;
        EXPECT_EQ(found->TaxBase, r->TaxBase);
        EXPECT_EQ(found->TaxComputed, r->TaxComputed);
        EXPECT_EQ(found->TaxDue, r->TaxDue);
        EXPECT_EQ(found->RefundDue, r->RefundDue);
    }
}

// A resident's salary: 500 000 earned, 65 000 withheld, with a deduction claimed.
std::unique_ptr<mTDeclaration> Salaried(Money withheld, Money charity) {
    auto d = NewDeclaration(kDecl3Ndfl);
    d->Person.Surname = "Иванов";
    d->Person.FirstName = "Иван";
    d->Person.ResidenceOktmo = "45380000";
    AddThirteen(*d, {Line(2000, Rub(500000))}, SourceTaxes{Rub(500000), Rub(65000), withheld, "45312000"});
    d->Social.Granted = true;
    d->Social.Charity = charity;
    return d;
}

TEST(ResultSummary, SaysWhatTheCalculationComputedAndLeavesTheDocumentAsItWas) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<mTDeclaration>()> make;
        ResultState state;
        const char* headline;
    };
    const Case cases[] = {
        {"example", [] {
             auto d = std::make_unique<mTDeclaration>();
             test::LoadExample(*d);
             return d;
         }, ResultState::Refund, "К возврату: 84 708 руб."},
        {"refund", [] { return Salaried(Rub(65000), Rub(100000)); }, ResultState::Refund, "К возврату: 13 000 руб."},
        {"owes", [] { return Salaried(Rub(40000), Money()); }, ResultState::Pay, "К уплате: 25 000 руб."},
        {"nothing", [] { return Salaried(Rub(65000), Money()); }, ResultState::Nothing,
         "Налог к уплате и возврату отсутствует"},
        {"no taxpayer", [] {
             auto d = Salaried(Rub(65000), Rub(100000));
             d->Person.Surname.clear();
             d->Person.FirstName.clear();
             return d;
         }, ResultState::Incomplete,
         "Результат не рассчитан: не указаны фамилия и имя декларанта (раздел «Сведения о декларанте»)."},
        {"no income kind", [] {
             auto d = Salaried(Rub(65000), Rub(100000));
             d->SetIncomeKinds(0);
             return d;
         }, ResultState::Incomplete,
         "Результат не рассчитан: не отмечен ни один вид доходов (раздел «Задание условий»)."},
        {"expected income", [] {
             auto d = Salaried(Rub(65000), Rub(100000));
             d->DeclarationKind = kDecl4Ndfl;
             d->ExpectedIncome = Rub(1200000);
             return d;
         }, ResultState::Expected, "Предполагаемый доход на следующий год: 1 200 000 руб."},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = c.make();
        const std::string before = SavedBytes(*d, dir, "before.qz5");
        const ResultSummary s = SummarizeResult(*d);
        EXPECT_EQ(s.State, c.state);
        EXPECT_EQ(ResultHeadline(s), c.headline);
        ExpectUntouched(*d);
        EXPECT_EQ(SavedBytes(*d, dir, "after.qz5"), before);
        ExpectSameAsCalculation(*d, s);
    }
    // Random declarations of every kind: the same figures as the records, the
    // document untouched.
    std::mt19937 rng(2015);
    for (int i = 0; i < 150; ++i) {
        SCOPED_TRACE(i);
        auto d = test::RandomDeclaration(rng);
        const ResultSummary s = SummarizeResult(*d);
        ExpectUntouched(*d);
        ExpectSameAsCalculation(*d, s);
        EXPECT_FALSE(ResultHeadline(s).empty());
    }
}

TEST(ResultSummary, AmountsReadAsAPersonWritesThem) {
    const struct {
        const char* amount;
        const char* text;
    } cases[] = {
        {"0", "0"},           {"999", "999"},          {"156000", "156 000"},  {"1234.56", "1 234,56"},
        {"1000000.5", "1 000 000,50"}, {"0.0075", "0,0075"}, {"-1234", "-1 234"}, {"902800", "902 800"},
    };
    for (const auto& c : cases) EXPECT_EQ(GroupedAmount(Rub(c.amount)), c.text) << c.amount;
}

}  // namespace
}  // namespace kvz
