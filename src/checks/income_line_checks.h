#pragma once
// The checks the income dialogs of the Russian income screens run when "Да" is
// pressed, after the source's requisites: the income line of a 13 % source, the
// amounts of a 9 %, a dividend and a 35 % source. Each shows its messages in the
// check dialog and returns the field the user wants to correct, 0 to accept.
#include <cstdint>
#include <optional>

#include "checks/check_dialog.h"
#include "storage/money.h"

namespace kvz {

// Results of the checks: what the dialog puts right.
enum IncomeField : int {
    kIncomeAccepted = 0,
    kIncomeFieldCode = 1,             // opens the income code list
    kIncomeFieldAmount = 2,           // the income amount (the dividends)
    kIncomeFieldDeductionCode = 3,    // opens the deduction code list
    kIncomeFieldDeductionAmount = 4,
    kIncomeFieldTaxWithheld = 5,
    kIncomeFieldTaxableAmount = 6,
    kIncomeFieldTaxComputed = 7,
};

// Title of the income lines of non-resident highly qualified specialists.
inline constexpr const char* kTitleThirteenSpecialists = "Доходы нерезедентов, облагаемые по ставке 13%";

// What an income dialog holds when "Да" is pressed.
struct IncomeLineValues {
    int32_t IncomeCode = 0;  // 0: none chosen
    Money IncomeAmount;
    bool DeductionOffered = false;          // the income has deductions this taxpayer may choose
    std::optional<int32_t> DeductionCode;   // none chosen yet; 0 is "Не предоставлять вычет"
    bool DeductionAmountEditable = false;   // the user types the deduction amount
    Money DeductionAmount;
    Money TaxWithheld;  // the 35 % source only
};

// The 13 % line dialog of residents and non-residents, and that of non-resident
// specialists: they differ in title and in the expenses that may exceed the income.
enum class ThirteenLineDialog { Common, Specialists };

// Whether the expenses of this deduction may exceed the income in that dialog:
// securities operations with their expense codes.
bool DeductionMayExceedIncome(int32_t incomeCode, int32_t deductionCode, ThirteenLineDialog dialog);

int CheckThirteenLine(CheckDialog& dialog, const IncomeLineValues& line, ThirteenLineDialog kind);
int CheckThirtyFiveAmounts(CheckDialog& dialog, const IncomeLineValues& source);
int CheckNineAmounts(CheckDialog& dialog, Money income, Money taxable, Money withheld);

struct DividendAmounts {
    Money Dividends;
    Money Taxable;
    Money Computed;
    Money Withheld;
};
int CheckDividendAmounts(CheckDialog& dialog, const DividendAmounts& amounts);

// The tax of a 9 % source: the taxable amount × 9 % in whole roubles, halves up.
Money NineTax(Money taxable);

}  // namespace kvz
