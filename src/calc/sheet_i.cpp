// Sheet И: income from investment partnerships by kind of operation, the taxable
// income and the loss carried forward of each kind, and the amount by which the
// partnership income is reduced.
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

constexpr int32_t kExitOperation = 6;  // exit from the partnership or allotment of a share

void AddLine(kTSvodSumPrilI& sheet, const mTInvestTovIncome& line) {
    if (line.OperationKind >= 1 && line.OperationKind <= kTSvodSumPrilI::kGroups) {
        bmTInvestGroup& group = sheet.Groups[line.OperationKind - 1];
        group.Income += line.IncomeAmount;
        group.ExpenseShare += line.ExpenseShare;
        group.ManagerFee += line.ManagerExpenses;
        group.LossReducing += line.PriorLosses;
    } else if (line.OperationKind == kExitOperation) {
        // On exit the second amount is the contribution made.
        sheet.ExitIncome += line.IncomeAmount;
        sheet.Contribution += line.ExpenseShare;
    }
}

void SettleGroup(bmTInvestGroup& group) {
    const Money reducing = group.ExpenseShare + group.ManagerFee + group.LossReducing;
    group.TaxableIncome = NotBelowZero(group.Income - reducing);
    group.LossCarried = NotBelowZero(reducing - group.Income);
}

}  // namespace

bool kTSvodSum::CalcPrilI() {
    PrilI.Clear();
    mTDeclaration& d = Declaration();
    for (int i = 0; i < d.InvestTov.Count(); ++i)
        for (const mTInvestTovIncome& line : d.InvestTov.Get(i).Lines()) AddLine(PrilI, line);

    for (bmTInvestGroup& group : PrilI.Groups) {
        SettleGroup(group);
        PrilI.IncomeTotal += group.Income;
        PrilI.TaxableTotal += group.TaxableIncome;
    }
    PrilI.ExitTaxableIncome = NotBelowZero(PrilI.ExitIncome - PrilI.Contribution);
    PrilI.ExitLoss = NotBelowZero(PrilI.Contribution - PrilI.ExitIncome);
    PrilI.IncomeTotal += PrilI.ExitIncome;
    PrilI.TaxableTotal += PrilI.ExitTaxableIncome;
    PrilI.ExpensesTotal = PrilI.IncomeTotal - PrilI.TaxableTotal;
    return true;
}

}  // namespace kvz
