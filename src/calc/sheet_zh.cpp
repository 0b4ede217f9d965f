// Sheet Ж, professional deductions: documented or normative expenses against
// contract, author's and similar income, for Russian sources (sign 1) and foreign
// ones (sign 2).
#include <array>

#include "calc/income_line_view.h"
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

using P = kTSvodSumProfDeductions;

// Income codes IncomeFrom … IncomeTo with the deduction code feed one pair.
struct ProfRow {
    int32_t IncomeFrom;
    int32_t IncomeTo;
    int32_t DeductionCode;
    Money P::*Income;
    Money P::*Expense;
};

// The contract row comes first: a non-resident has only that one.
const std::array<ProfRow, 8> kProfRows{{
    {2010, 2010, 403, &P::ContractIncome, &P::ContractExpense},
    {2201, 2209, 404, &P::AuthorActualIncome, &P::AuthorActualExpense},
    {2201, 2209, 405, &P::AuthorNormIncome, &P::AuthorNormExpense},
    {1540, 1540, 315, &P::ShareCapitalIncome, &P::ShareCapitalExpense},
    {1542, 1542, 316, &P::ShareCapitalIncome, &P::ShareCapitalExpense},
    {1544, 1544, 317, &P::EarlyRedemptionIncome, &P::EarlyRedemptionExpense},
    {1545, 1545, 318, &P::ReducedShareIncome, &P::ReducedShareExpense},
    {1550, 1550, 314, &P::SharedBuildingIncome, &P::SharedBuildingExpense},
}};
constexpr std::size_t kNonResidentRows = 1;

void CountLine(const kTIncomeLine& line, std::size_t rows, P& record) {
    for (std::size_t r = 0; r < rows; ++r) {
        const ProfRow& row = kProfRows[r];
        if (line.IncomeCode < row.IncomeFrom || line.IncomeCode > row.IncomeTo ||
            line.DeductionCode != row.DeductionCode)
            continue;
        record.*row.Income += line.Amount;
        record.*row.Expense += line.DeductionAmount;
    }
}

void CapAndTotal(P& record) {
    // Each pair is visited once even where two rows share it.
    const std::array<Money P::*, 7> incomes{&P::ContractIncome,       &P::AuthorActualIncome, &P::AuthorNormIncome,
                                            &P::ShareCapitalIncome,   &P::EarlyRedemptionIncome,
                                            &P::ReducedShareIncome,   &P::SharedBuildingIncome};
    const std::array<Money P::*, 7> expenses{&P::ContractExpense,       &P::AuthorActualExpense,
                                             &P::AuthorNormExpense,     &P::ShareCapitalExpense,
                                             &P::EarlyRedemptionExpense, &P::ReducedShareExpense,
                                             &P::SharedBuildingExpense};
    for (std::size_t i = 0; i < incomes.size(); ++i) {
        record.*expenses[i] = Smaller(record.*expenses[i], record.*incomes[i]);
        record.ExpenseTotal += record.*expenses[i];
    }
}

}  // namespace

bool kTSvodSum::CalcPrilG() {
    PrilG.Clear();
    const mTDeclaration& declaration = Declaration();
    if (declaration.DeclarationKind == kDecl3Ndfl)
        ForEachLineOfSources(declaration.Thirteen,
                             [this](const kTIncomeLine& line) { CountLine(line, kProfRows.size(), PrilG); });
    else if (declaration.DeclarationKind == kDecl3NdflNonResident)
        ForEachLineOfSources(declaration.ThirteenNR,
                             [this](const kTIncomeLine& line) { CountLine(line, kNonResidentRows, PrilG); });
    CapAndTotal(PrilG);
    return true;
}

bool kTSvodSum::CalcPrilG_In() {
    PrilG_In.Clear();
    ForEachForeignIncomeLine(Declaration(),
                             [this](const kTIncomeLine& line) { CountLine(line, kProfRows.size(), PrilG_In); });
    CapAndTotal(PrilG_In);
    return true;
}

}  // namespace kvz
