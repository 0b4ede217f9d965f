// The acceptance checks of the income dialogs: which messages, in which order,
// with which buttons, and what each answer asks the dialog to correct.
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "checks/income_line_checks.h"
#include "checks/source_check.h"
#include "scripted_dialogs.h"

namespace kvz {
namespace {

using test::ScriptedCheckDialog;
using Strings = std::vector<std::string>;

constexpr int kFix = kCheckAnswerFix;
constexpr int kSkip = kCheckAnswerSkip;
constexpr int kClose = kCheckAnswerClosed;
constexpr CheckButtons kSkippable{true, false};
constexpr CheckButtons kNotSkippable{false, false};

Money M(const char* text) { return MoneyFromText(text); }

IncomeLineValues Line(int32_t income, const char* amount) {
    IncomeLineValues line;
    line.IncomeCode = income;
    line.IncomeAmount = M(amount);
    return line;
}

// A line whose typed deduction exceeds its income.
IncomeLineValues ExcessDeduction(int32_t income, int32_t deduction) {
    IncomeLineValues line = Line(income, "100");
    line.DeductionOffered = true;
    line.DeductionCode = deduction;
    line.DeductionAmountEditable = true;
    line.DeductionAmount = M("150");
    return line;
}

TEST(ThirteenLineCheck, EmptyLineAsksForTheIncomeThenItsAmountWithoutSkipAll) {
    ScriptedCheckDialog dialog({kSkip, kClose});
    EXPECT_EQ(CheckThirteenLine(dialog, IncomeLineValues{}, ThirteenLineDialog::Common), kIncomeFieldCode);
    EXPECT_EQ(dialog.Messages(), (Strings{"Не выбран доход", "Не указана сумма дохода"}));
    EXPECT_EQ(dialog.Shown[0].caption, "Доходы, облагаемые по ставке 13%");
    EXPECT_EQ(dialog.Shown[0].buttons, kSkippable);
    EXPECT_EQ(dialog.Shown[1].buttons, kNotSkippable);

    // Correcting the missing amount of a line without income opens the income list.
    ScriptedCheckDialog noCode({kSkip, kFix});
    EXPECT_EQ(CheckThirteenLine(noCode, IncomeLineValues{}, ThirteenLineDialog::Common), kIncomeFieldCode);
    ScriptedCheckDialog noAmount({kFix});
    EXPECT_EQ(CheckThirteenLine(noAmount, Line(2000, "0"), ThirteenLineDialog::Common), kIncomeFieldAmount);
    ScriptedCheckDialog fixFirst({kFix});
    EXPECT_EQ(CheckThirteenLine(fixFirst, IncomeLineValues{}, ThirteenLineDialog::Common), kIncomeFieldCode);
    EXPECT_EQ(fixFirst.Shown.size(), 1u);
}

// Answers as a user can: "Пропустить" where it is offered, else the window is closed.
class UserAnswers : public CheckDialog {
public:
    explicit UserAnswers(std::deque<int> answers) : Answers_(std::move(answers)) {}
    int Ask(const std::string&, const std::string&, CheckButtons enabled) override {
        const int answer = Answers_.empty() ? kCheckAnswerClosed : Answers_.front();
        if (!Answers_.empty()) Answers_.pop_front();
        return answer == kCheckAnswerSkip && !enabled.skip ? kCheckAnswerClosed : answer;
    }

private:
    std::deque<int> Answers_;
};

// However its messages are answered or closed, a line without an income code or
// without an amount is never accepted; a complete line always is.
TEST(ThirteenLineCheck, NoAnswerAcceptsALineWithoutCodeOrAmount) {
    const IncomeLineValues lines[] = {IncomeLineValues{}, Line(2000, "0"), Line(0, "100"), Line(2000, "100")};
    for (const IncomeLineValues& line : lines)
        for (int first : {kFix, kSkip, kClose})
            for (int second : {kFix, kSkip, kClose})
                for (auto kind : {ThirteenLineDialog::Common, ThirteenLineDialog::Specialists}) {
                    UserAnswers dialog({first, second});
                    const bool complete = line.IncomeCode != 0 && line.IncomeAmount > Money();
                    EXPECT_EQ(CheckThirteenLine(dialog, line, kind) == kIncomeAccepted, complete)
                        << line.IncomeCode << " " << MoneyToText(line.IncomeAmount) << " " << first << "/" << second;
                }
}

TEST(ThirteenLineCheck, DeductionToChooseAndDeductionAboveIncome) {
    IncomeLineValues unchosen = Line(2201, "1000");
    unchosen.DeductionOffered = true;
    ScriptedCheckDialog choose({kFix});
    EXPECT_EQ(CheckThirteenLine(choose, unchosen, ThirteenLineDialog::Common), kIncomeFieldDeductionCode);
    EXPECT_EQ(choose.Messages(), Strings{"Не выбран вычет"});
    EXPECT_EQ(choose.Shown[0].buttons, kSkippable);

    // "Не предоставлять вычет" is a choice.
    IncomeLineValues none = unchosen;
    none.DeductionCode = 0;
    ScriptedCheckDialog quiet;
    EXPECT_EQ(CheckThirteenLine(quiet, none, ThirteenLineDialog::Common), kIncomeAccepted);

    ScriptedCheckDialog excess({kFix});
    EXPECT_EQ(CheckThirteenLine(excess, ExcessDeduction(2010, 403), ThirteenLineDialog::Common),
              kIncomeFieldDeductionAmount);
    EXPECT_EQ(excess.Messages(), Strings{"Сумма вычета превышает сумму дохода"});
    EXPECT_EQ(excess.Shown[0].buttons, kNotSkippable);

    // An amount without a deduction code sends the user to the code.
    IncomeLineValues codeless = ExcessDeduction(2010, 0);
    codeless.DeductionOffered = false;
    codeless.DeductionCode.reset();
    ScriptedCheckDialog toCode({kFix});
    EXPECT_EQ(CheckThirteenLine(toCode, codeless, ThirteenLineDialog::Common), kIncomeFieldDeductionCode);

    // An amount computed by the program is not the user's to correct.
    IncomeLineValues computed = ExcessDeduction(2010, 403);
    computed.DeductionAmountEditable = false;
    ScriptedCheckDialog none2;
    EXPECT_EQ(CheckThirteenLine(none2, computed, ThirteenLineDialog::Common), kIncomeAccepted);
}

TEST(ThirteenLineCheck, SecuritiesExpensesMayExceedTheIncomeByTheListsOfEachDialog) {
    struct Case {
        int32_t income, deduction;
        bool commonWaives, specialistsWaive;
    };
    const Case cases[] = {
        {1530, 201, true, true},   {1531, 219, true, false}, {1530, 218, true, false}, {1533, 220, true, false},
        {9538, 215, true, true},   {1541, 620, true, true},  {1539, 213, true, true},   {2010, 201, false, false},
        {1530, 403, false, false}, {1534, 201, false, false},
    };
    for (const Case& c : cases) {
        for (auto kind : {ThirteenLineDialog::Common, ThirteenLineDialog::Specialists}) {
            const bool waived = kind == ThirteenLineDialog::Common ? c.commonWaives : c.specialistsWaive;
            ScriptedCheckDialog dialog(waived ? std::deque<int>{} : std::deque<int>{kFix});
            EXPECT_EQ(CheckThirteenLine(dialog, ExcessDeduction(c.income, c.deduction), kind),
                      waived ? kIncomeAccepted : kIncomeFieldDeductionAmount)
                << c.income << "/" << c.deduction;
            if (!waived)
                EXPECT_EQ(dialog.Shown[0].caption, kind == ThirteenLineDialog::Common
                                                       ? "Доходы, облагаемые по ставке 13%"
                                                       : "Доходы нерезедентов, облагаемые по ставке 13%");
        }
    }
}

TEST(ThirtyFiveCheck, OrderButtonsAndWhatEachCorrectionFocuses) {
    ScriptedCheckDialog empty({kClose, kClose});
    EXPECT_EQ(CheckThirtyFiveAmounts(empty, IncomeLineValues{}), kIncomeAccepted);
    EXPECT_EQ(empty.Messages(), (Strings{"Не выбран доход", "Не указана сумма дохода"}));
    EXPECT_EQ(empty.Shown[0].buttons, kNotSkippable);
    EXPECT_EQ(empty.Shown[0].caption, "Доходы, облагаемые по ставке 35%");

    // Without an income amount both amount checks send the user to it.
    IncomeLineValues noAmount = ExcessDeduction(2740, 505);
    noAmount.IncomeAmount = Money();
    noAmount.TaxWithheld = M("5");
    ScriptedCheckDialog toIncome({kClose, kFix});
    EXPECT_EQ(CheckThirtyFiveAmounts(toIncome, noAmount), kIncomeFieldAmount);
    EXPECT_EQ(toIncome.Messages(), (Strings{"Не указана сумма дохода", "Сумма вычета превышает сумму дохода"}));
    ScriptedCheckDialog toIncome2({kClose, kClose, kFix});
    EXPECT_EQ(CheckThirtyFiveAmounts(toIncome2, noAmount), kIncomeFieldAmount);
    EXPECT_EQ(toIncome2.Messages().back(), "Удержанная сумма превышает сумму дохода");

    IncomeLineValues withheld = Line(2740, "100");
    withheld.DeductionOffered = true;
    withheld.DeductionCode = 505;
    withheld.DeductionAmountEditable = true;
    withheld.TaxWithheld = M("100.01");
    ScriptedCheckDialog tax({kFix});
    EXPECT_EQ(CheckThirtyFiveAmounts(tax, withheld), kIncomeFieldTaxWithheld);
    EXPECT_EQ(tax.Shown[0].buttons, kSkippable);
    // Only while the deduction amount is typed.
    withheld.DeductionAmountEditable = false;
    ScriptedCheckDialog none;
    EXPECT_EQ(CheckThirtyFiveAmounts(none, withheld), kIncomeAccepted);

    // Securities waivers belong to the 13 % dialogs only.
    ScriptedCheckDialog excess({kFix});
    EXPECT_EQ(CheckThirtyFiveAmounts(excess, ExcessDeduction(1530, 201)), kIncomeFieldDeductionAmount);
}

TEST(NineCheck, AtMostOneMessage) {
    ScriptedCheckDialog noIncome({kFix});
    EXPECT_EQ(CheckNineAmounts(noIncome, Money(), M("100"), M("200")), kIncomeFieldAmount);
    EXPECT_EQ(noIncome.Messages(), Strings{"Не указана сумма дохода"});
    EXPECT_EQ(noIncome.Shown[0].caption, "Доходы, облагаемые по ставке 9%");

    ScriptedCheckDialog withheld({kClose});
    EXPECT_EQ(CheckNineAmounts(withheld, M("100"), M("100"), M("100.01")), kIncomeAccepted);
    EXPECT_EQ(withheld.Messages(), Strings{"Сумма дохода меньше суммы удержанного налога"});
    ScriptedCheckDialog fix({kFix});
    EXPECT_EQ(CheckNineAmounts(fix, M("100"), M("100"), M("100.01")), kIncomeFieldTaxWithheld);

    ScriptedCheckDialog quiet;
    EXPECT_EQ(CheckNineAmounts(quiet, Money(), Money(), Money()), kIncomeAccepted);
    EXPECT_EQ(CheckNineAmounts(quiet, M("100"), M("100"), M("9")), kIncomeAccepted);
}

TEST(NineCheck, TaxIsNinePercentInWholeRoublesHalvesUp) {
    EXPECT_EQ(NineTax(M("1234.50")), M("111"));    // 111,105
    EXPECT_EQ(NineTax(M("16.67")), M("2"));        // 1,5003
    EXPECT_EQ(NineTax(M("5.5")), Money());         // 0,495
    EXPECT_EQ(NineTax(M("50")), M("5"));           // 4,5 exactly
    EXPECT_EQ(NineTax(M("999999999999.99")), M("90000000000"));
}

DividendAmounts Dividends(const char* dividends, const char* taxable, const char* computed, const char* withheld) {
    return {M(dividends), M(taxable), M(computed), M(withheld)};
}

TEST(DividendCheck, ComputedTaxWithinTenRoublesOfThirteenPercent) {
    for (const char* computed : {"13005", "13010", "12990", "13000"}) {
        ScriptedCheckDialog dialog;
        EXPECT_EQ(CheckDividendAmounts(dialog, Dividends("100000", "100000", computed, "13000")), kIncomeAccepted)
            << computed;
    }
    for (const char* computed : {"13011", "13010.01", "12989.99"}) {
        ScriptedCheckDialog dialog({kFix});
        EXPECT_EQ(CheckDividendAmounts(dialog, Dividends("100000", "100000", computed, "13000")),
                  kIncomeFieldTaxComputed)
            << computed;
        EXPECT_EQ(dialog.Messages(), Strings{"Исчисленный налог значительно отличает от 13% от облагаемой суммы диведендов"});
        EXPECT_EQ(dialog.Shown[0].caption, "Доходы в виде дивидендов");
        EXPECT_EQ(dialog.Shown[0].buttons, kSkippable);
    }
}

TEST(DividendCheck, EveryFailureInOrderUntilTheUserCorrects) {
    ScriptedCheckDialog all({kClose, kClose, kClose, kSkip, kSkip});
    EXPECT_EQ(CheckDividendAmounts(all, Dividends("0", "100", "0", "200")), kIncomeAccepted);
    EXPECT_EQ(all.Messages(), (Strings{"Сумма дивидендов меньше облагаемой суммы дивидендов", "Не указана сумма дивидендов",
                                       "Облагаемая сумма дивидендов меньше суммы удержанного налога",
                                       "Не указан исчисленный налог",
                                       "Исчисленный налог значительно отличает от 13% от облагаемой суммы диведендов"}));

    ScriptedCheckDialog withheld({kClose, kFix});
    EXPECT_EQ(CheckDividendAmounts(withheld, Dividends("100", "50", "6.5", "150")), kIncomeFieldTaxWithheld);
    EXPECT_EQ(withheld.Messages(), (Strings{"Сумма дивидендов меньше суммы удержанного налога",
                                            "Облагаемая сумма дивидендов меньше суммы удержанного налога"}));

    // "Исправить" keeps the dialog open even when a later check would pass it.
    ScriptedCheckDialog first({kFix});
    EXPECT_EQ(CheckDividendAmounts(first, Dividends("100", "200", "26", "0")), kIncomeFieldTaxableAmount);
    EXPECT_EQ(first.Shown.size(), 1u);
}

}  // namespace
}  // namespace kvz
