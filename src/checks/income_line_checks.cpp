#include "checks/income_line_checks.h"

#include <algorithm>
#include <iterator>

#include "calc/rounding.h"
#include "checks/source_check.h"
#include "model/income_dictionary.h"

namespace kvz {

namespace {

// The expense codes of securities operations that may exceed the income; the
// specialists' dialog knows fewer of them.
constexpr int32_t kSecuritiesExpenses[] = {201, 202, 203, 206, 207, 211, 213, 215, 218, 219, 220, 620};
constexpr int32_t kSpecialistSecuritiesExpenses[] = {201, 202, 203, 206, 207, 211, 213, 215, 620};

template <std::size_t N>
bool Listed(const int32_t (&codes)[N], int32_t code) {
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

// Messages shown one after another until the user answers "Исправить", which
// names the field to correct. "Пропустить все" is never offered.
class AmountCheckRun {
public:
    AmountCheckRun(CheckDialog& dialog, const char* title) : Dialog_(dialog), Title_(title) {}

    void Show(bool failed, const char* message, int field, bool skip) {
        if (!failed || Result_ != kIncomeAccepted) return;
        if (Dialog_.Ask(Title_, message, CheckButtons{skip, false}) == kCheckAnswerFix) Result_ = field;
    }
    // Ends the run on `field` when nothing else did.
    void Refuse(bool failed, int field) {
        if (failed && Result_ == kIncomeAccepted) Result_ = field;
    }
    int Result() const { return Result_; }

private:
    CheckDialog& Dialog_;
    const char* Title_;
    int Result_ = kIncomeAccepted;
};

bool Nil(Money amount) { return amount <= Money(); }

// A computed dividend tax more than 10 roubles away from 13 % of the taxable amount;
// compared exactly, in hundredths of the raw amounts.
bool FarFromThirteenPercent(Money computed, Money taxable) {
    const __int128 difference = static_cast<__int128>(computed.Raw()) * 100 - static_cast<__int128>(taxable.Raw()) * 13;
    const __int128 tolerance = static_cast<__int128>(Money::FromUnits(10).Raw()) * 100;
    return difference > tolerance || difference < -tolerance;
}

}  // namespace

bool DeductionMayExceedIncome(int32_t incomeCode, int32_t deductionCode, ThirteenLineDialog dialog) {
    if (!IsSecuritiesOperationIncome(incomeCode)) return false;
    return dialog == ThirteenLineDialog::Specialists ? Listed(kSpecialistSecuritiesExpenses, deductionCode)
                                                     : Listed(kSecuritiesExpenses, deductionCode);
}

int CheckThirteenLine(CheckDialog& dialog, const IncomeLineValues& line, ThirteenLineDialog kind) {
    AmountCheckRun run(dialog, kind == ThirteenLineDialog::Specialists ? kTitleThirteenSpecialists : kTitleThirteen);
    const bool noCode = line.IncomeCode == 0;
    const bool noDeduction = line.DeductionCode.value_or(0) == 0;
    run.Show(noCode, "Не выбран доход", kIncomeFieldCode, true);
    run.Show(Nil(line.IncomeAmount), "Не указана сумма дохода", noCode ? kIncomeFieldCode : kIncomeFieldAmount, false);
    run.Show(line.DeductionOffered && !line.DeductionCode, "Не выбран вычет", kIncomeFieldDeductionCode, true);
    run.Show(line.DeductionAmountEditable && line.DeductionAmount > line.IncomeAmount &&
                 !DeductionMayExceedIncome(line.IncomeCode, line.DeductionCode.value_or(0), kind),
             "Сумма вычета превышает сумму дохода",
             noDeduction ? kIncomeFieldDeductionCode : kIncomeFieldDeductionAmount, false);
    // A line is an income of some kind and amount: skipping or closing the questions
    // does not make a line without them.
    run.Refuse(noCode, kIncomeFieldCode);
    run.Refuse(Nil(line.IncomeAmount), kIncomeFieldAmount);
    return run.Result();
}

int CheckThirtyFiveAmounts(CheckDialog& dialog, const IncomeLineValues& source) {
    AmountCheckRun run(dialog, kTitleThirtyFive);
    const bool noCode = source.IncomeCode == 0;
    const bool noAmount = Nil(source.IncomeAmount);
    run.Show(noCode, "Не выбран доход", kIncomeFieldCode, false);
    run.Show(noAmount, "Не указана сумма дохода", noCode ? kIncomeFieldCode : kIncomeFieldAmount, false);
    run.Show(source.DeductionOffered && !source.DeductionCode, "Не выбран вычет", kIncomeFieldDeductionCode, true);
    run.Show(source.DeductionAmountEditable && source.DeductionAmount > source.IncomeAmount,
             "Сумма вычета превышает сумму дохода", noAmount ? kIncomeFieldAmount : kIncomeFieldDeductionAmount,
             false);
    run.Show(source.DeductionAmountEditable && source.TaxWithheld > source.IncomeAmount,
             "Удержанная сумма превышает сумму дохода", noAmount ? kIncomeFieldAmount : kIncomeFieldTaxWithheld,
             true);
    return run.Result();
}

int CheckNineAmounts(CheckDialog& dialog, Money income, Money taxable, Money withheld) {
    AmountCheckRun run(dialog, kTitleNine);
    if (!(taxable + withheld).IsZero() && Nil(income))
        run.Show(true, "Не указана сумма дохода", kIncomeFieldAmount, false);
    else
        run.Show(withheld > income, "Сумма дохода меньше суммы удержанного налога", kIncomeFieldTaxWithheld, false);
    return run.Result();
}

// Every failing check is shown until the user answers "Исправить": that answer
// always keeps the dialog open, whatever later messages would have said.
int CheckDividendAmounts(CheckDialog& dialog, const DividendAmounts& a) {
    AmountCheckRun run(dialog, kTitleDividends);
    run.Show(a.Taxable > a.Dividends, "Сумма дивидендов меньше облагаемой суммы дивидендов",
             kIncomeFieldTaxableAmount, false);
    if (!(a.Taxable + a.Withheld).IsZero()) {
        if (Nil(a.Dividends))
            run.Show(true, "Не указана сумма дивидендов", kIncomeFieldAmount, false);
        else
            run.Show(a.Withheld > a.Dividends, "Сумма дивидендов меньше суммы удержанного налога",
                     kIncomeFieldTaxWithheld, false);
        run.Show(a.Withheld > a.Taxable, "Облагаемая сумма дивидендов меньше суммы удержанного налога",
                 kIncomeFieldTaxWithheld, false);
    }
    run.Show(a.Computed.IsZero(), "Не указан исчисленный налог", kIncomeFieldTaxComputed, true);
    run.Show(FarFromThirteenPercent(a.Computed, a.Taxable),
             "Исчисленный налог значительно отличает от 13% от облагаемой суммы диведендов", kIncomeFieldTaxComputed,
             true);
    return run.Result();
}

Money NineTax(Money taxable) { return TaxAtRate(taxable, kRate9); }

}  // namespace kvz
