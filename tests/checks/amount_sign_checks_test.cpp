// Negative amounts and codes the dictionary does not know are findings of the
// declaration check, after every other check and with the place to correct.
#include <gtest/gtest.h>

#include "check_declarations.h"
#include "checks/amount_sign_checks.h"
#include "checks/declaration_check.h"
#include "scripted_dialogs.h"

namespace kvz {
namespace {

using test::AddEmployer;
using test::AddForeignIncome;
using test::CompleteDeclaration;

CheckFinding Finding(int section, const char* caption, int field, const std::string& message) {
    return CheckFinding{section, caption, field, message};
}

TEST(AmountSignChecks, ANegativeWithheldTaxIsAFindingOfItsSource) {
    auto d = CompleteDeclaration();
    AddEmployer(*d, 100000, -1000000).TaxComputed = Money();
    EXPECT_EQ(CheckDeclarationForExport(*d),
              CheckFindings{Finding(kCheckSectionThirteen, kCaptionThirteen, 2,
                                    "Источник выплаты 2. Удержанная сумма налога не может быть отрицательной (-1000000)")});

    // In the window the user is taken to that source.
    test::ScriptedCheckAllDialog dialog({kCheckAnswerFix});
    const uint32_t result = CheckDeclaration(*d, dialog);
    EXPECT_EQ(result, (2u << 16) | kCheckSectionThirteen);
    EXPECT_EQ(dialog.Messages().size(), 1u);
}

TEST(AmountSignChecks, NegativeIncomesDeductionsAndPaymentsAndUnknownCodesAreFound) {
    auto d = CompleteDeclaration();
    mTThirteenPercent& s = d->Thirteen.Get(0);
    mTSourseIncome line = s.Line(0);
    line.IncomeCode = 123456;
    line.DeductionAmount = Money::FromUnits(-5);
    line.DeductionCode = 999;
    s.ReplaceLine(0, line);
    d->SetIncomeKinds(d->IncomeKinds | kIncomeForeign);
    mTCurrencyIncome& foreign = AddForeignIncome(*d);
    foreign.TaxInCurrency = Money::FromUnits(-1);
    foreign.IncomeCode = 1544;  // a code of later years
    foreign.DeductionCode = 208;
    foreign.DeductionAmount = Money::FromUnits(1);
    d->Social.Treatment = Money::FromUnits(-100);
    d->Nalog.Get(d->Nalog.Add()).PaymentAmount = Money::FromUnits(-7);

    std::vector<std::string> messages;
    for (const CheckFinding& f : AmountSignFindings(*d)) messages.push_back(f.message);
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Источник выплаты 1, строка 1. Сумма вычета не может быть отрицательной (-5)",
                            "Источник выплаты 1, строка 1. Код дохода 123456 отсутствует в справочнике",
                            "Источник выплаты 1, строка 1. Код вычета 999 отсутствует в справочнике",
                            "Источник выплаты 1. Сумма налога, уплаченного за рубежом, не может быть "
                            "отрицательной (-1)",
                            "Источник выплаты 1. Код дохода 1544 отсутствует в справочнике",
                            "Источник выплаты 1. Код вычета 208 отсутствует в справочнике",
                            "Сумма социального вычета не может быть отрицательной (-100)",
                            "Платеж 1. Сумма платежа не может быть отрицательной (-7)",
                        }));
    // The check reports them once the other checks have passed.
    EXPECT_EQ(CheckDeclarationForExport(*d).size(), messages.size());
    d->InspectionCode.clear();
    EXPECT_EQ(CheckDeclarationForExport(*d).front().message, "Не введен номер инспекции");
}

TEST(AmountSignChecks, ACompleteDeclarationAndTheAbsentMonthAmountPass) {
    auto d = CompleteDeclaration();
    d->Thirteen.Get(0).SetMonthAmount(3, kAbsentAmount);
    EXPECT_TRUE(AmountSignFindings(*d).empty());
}

// Every securities code the foreign check lets go without a deduction amount is a
// code the foreign screen offers, so none of them is refused as unknown.
TEST(AmountSignChecks, ForeignSecuritiesCodesAreKnown) {
    for (int32_t code : {1530, 1531, 1532, 1533, 1535, 1536, 1537, 1538, 1539, 1541, 9537, 9538}) {
        auto d = CompleteDeclaration();
        d->SetIncomeKinds(d->IncomeKinds | kIncomeForeign);
        AddForeignIncome(*d).IncomeCode = code;
        EXPECT_TRUE(AmountSignFindings(*d).empty()) << code;
    }
}

}  // namespace
}  // namespace kvz
