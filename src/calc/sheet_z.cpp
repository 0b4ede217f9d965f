// Sheet З: the financial result of operations with securities, derivatives, REPO and
// securities loans, the offsetting of losses between the groups, the losses of
// earlier years used and carried on, and the amount by which these incomes are reduced.
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

// One coded income line: from a 13 % source or a foreign-currency record.
struct CodedLine {
    int32_t IncomeCode;
    Money Amount;
    int32_t DeductionCode;
    Money DeductionAmount;
};

void AddPair(Money& income, Money& expenses, const CodedLine& line) {
    income += line.Amount;
    expenses += line.DeductionAmount;
}

void AddLine(kTSvodSumPrilJ& j, const CodedLine& line) {
    if (line.DeductionCode == 0) return;
    switch (line.IncomeCode) {
    case 1530:
        j.IncomeA += line.Amount;
        if (line.DeductionCode == 201) j.ExpensesA += line.DeductionAmount;
        if (line.DeductionCode == 218) j.InterestA += line.DeductionAmount;
        break;
    case 1531:
        j.IncomeC += line.Amount;
        if (line.DeductionCode == 202) j.ExpensesC += line.DeductionAmount;
        if (line.DeductionCode == 219) j.InterestC += line.DeductionAmount;
        break;
    case 1536: AddPair(j.IncomeB, j.ExpensesB, line); break;
    case 1532: AddPair(j.IncomeD, j.ExpensesD, line); break;
    case 1535: AddPair(j.IncomeE, j.ExpensesE, line); break;
    case 1533: AddPair(j.IncomeF, j.ExpensesF, line); break;
    case 1537: AddPair(j.RepoIncomeTraded, j.RepoExpensesTraded, line); break;
    case 9537: AddPair(j.RepoIncomeOther, j.RepoExpensesOther, line); break;
    case 1538: AddPair(j.LoanIncomeTraded, j.LoanExpensesTraded, line); break;
    case 9538: AddPair(j.LoanIncomeOther, j.LoanExpensesOther, line); break;
    default: break;
    }
}

void FillGroups(kTSvodSumPrilJ& j, const mTDeclaration& d) {
    for (int i = 0; i < d.Thirteen.Count(); ++i)
        for (const mTSourseIncome& l : d.Thirteen.Get(i).Lines())
            AddLine(j, {l.IncomeCode, l.IncomeAmount, l.DeductionCode, l.DeductionAmount});
    if (!(d.IncomeKinds & kIncomeForeign)) return;
    for (int i = 0; i < d.Foreign.Count(); ++i) {
        const mTCurrencyIncome& f = d.Foreign.Get(i);
        AddLine(j, {f.IncomeCode, f.IncomeInRoubles, f.DeductionCode, f.DeductionAmount});
    }
}

// The loss of one kind (traded or other) that may reduce a group: no more than the
// kind's own loss and no more than the whole result's loss.
Money KindLoss(Money expenses, Money income, Money allExpenses, Money allIncome) {
    return NotBelowZero(Smaller(expenses - income, allExpenses - allIncome));
}

void SettleRepoAndLoans(kTSvodSumPrilJ& j) {
    j.RepoIncome = j.RepoIncomeTraded + j.RepoIncomeOther;
    j.RepoExpenses = j.RepoExpensesTraded + j.RepoExpensesOther;
    j.LoanIncome = j.LoanIncomeTraded + j.LoanIncomeOther;
    j.LoanExpenses = j.LoanExpensesTraded + j.LoanExpensesOther;
    j.RepoTaxable = NotBelowZero(j.RepoIncome - j.RepoExpenses);
    j.RepoLoss = NotBelowZero(j.RepoExpenses - j.RepoIncome);
    j.LoanTaxable = NotBelowZero(j.LoanIncome - j.LoanExpenses);
    j.LoanLoss = NotBelowZero(j.LoanExpenses - j.LoanIncome);
    // A loss reduces a securities group only when that group has income.
    if (j.IncomeA > Money()) {
        j.RepoLossTraded = KindLoss(j.RepoExpensesTraded, j.RepoIncomeTraded, j.RepoExpenses, j.RepoIncome);
        j.LoanLossTraded = KindLoss(j.LoanExpensesTraded, j.LoanIncomeTraded, j.LoanExpenses, j.LoanIncome);
    }
    if (j.IncomeC > Money()) {
        j.RepoLossOther = KindLoss(j.RepoExpensesOther, j.RepoIncomeOther, j.RepoExpenses, j.RepoIncome);
        j.LoanLossOther = KindLoss(j.LoanExpensesOther, j.LoanIncomeOther, j.LoanExpenses, j.LoanIncome);
    }
}

void SettleGroupsAC(kTSvodSumPrilJ& j, Money partnershipExitLoss) {
    j.RepoLossA = j.RepoLossTraded;
    j.LoanLossA = j.LoanLossTraded;
    j.ReducingA = j.ExpensesA + j.RepoLossA + j.LoanLossA + j.InterestA;
    j.BaseA = NotBelowZero(j.IncomeA - j.ReducingA);
    j.LossA = NotBelowZero(j.ReducingA - j.IncomeA);

    j.RepoLossC = j.RepoLossOther;
    j.LoanLossC = j.LoanLossOther;
    j.PartnershipExitLoss = partnershipExitLoss;
    j.ReducingC = j.ExpensesC + j.RepoLossC + j.LoanLossC + j.InterestC + j.PartnershipExitLoss;
    j.TaxableC = NotBelowZero(j.IncomeC - j.ReducingC);
}

void SettleDerivatives(kTSvodSumPrilJ& j) {
    j.BaseD = NotBelowZero(j.IncomeD - j.ExpensesD);
    j.LossD = NotBelowZero(j.ExpensesD - j.IncomeD);
    j.BaseE = NotBelowZero(j.IncomeE - j.ExpensesE);
    j.LossE = NotBelowZero(j.ExpensesE - j.IncomeE);
    j.TaxableF = NotBelowZero(j.IncomeF - j.ExpensesF);
}

void UseCarriedLosses(kTSvodSumPrilJ& j, const mTCBDeduct& losses) {
    j.CarriedSecurities = losses.SecuritiesLossTotal();
    j.CarriedDerivatives = losses.FissLossTotal();
    if (j.BaseA > Money()) {
        j.CarriedUsedA = Smaller(j.CarriedSecurities, j.BaseA);
        j.CarriedSecuritiesUsed = j.CarriedUsedA;
    }
    if (j.BaseE > Money()) {
        j.CarriedUsedE = Smaller(j.CarriedDerivatives, j.BaseE);
        j.CarriedDerivativesUsed = j.CarriedUsedE;
    }
    if (j.BaseD > Money()) {
        j.CarriedUsedD = Smaller(j.CarriedDerivatives - j.CarriedDerivativesUsed, j.BaseD);
        j.CarriedDerivativesUsed += j.CarriedUsedD;
    }
}

void OffsetLosses(kTSvodSumPrilJ& j) {
    if (j.CarriedUsedE < j.BaseE) j.LossDUsedE = Smaller(j.BaseE - j.CarriedUsedE, j.LossD);
    if (j.CarriedUsedA < j.BaseA) {
        j.LossDUsedA = Smaller(j.BaseA - j.CarriedUsedA, j.LossD - j.LossDUsedE);
        j.DerivLossUsedA = j.LossDUsedA;
    }
    if (j.LossD > j.LossDUsedE + j.LossDUsedA) j.LossDFuture = j.LossD - j.LossDUsedE - j.LossDUsedA;
    if (j.CarriedUsedD < j.BaseD) j.LossEUsedD = Smaller(j.BaseD - j.CarriedUsedD, j.LossE);
    if (j.LossEUsedD < j.LossE) j.LossEFuture = j.LossE - j.LossEUsedD;
    if (j.ExpensesB < j.IncomeB) j.LossAUsedB = Smaller(j.IncomeB - j.ExpensesB, j.LossA);
    j.TaxableB = NotBelowZero(j.IncomeB - j.ExpensesB - j.LossAUsedB);
    if (j.BaseD > j.CarriedUsedD + j.LossEUsedD)
        j.LossAUsedD = Smaller(j.BaseD - j.CarriedUsedD - j.LossEUsedD, j.LossA - j.LossAUsedB);
    if (j.LossA > j.LossAUsedB + j.LossAUsedD) j.LossAFuture = j.LossA - j.LossAUsedB - j.LossAUsedD;
}

void SettleTotals(kTSvodSumPrilJ& j) {
    j.TaxableA = NotBelowZero(j.BaseA - j.DerivLossUsedA - j.CarriedUsedA);
    j.TaxableD = NotBelowZero(j.BaseD - j.CarriedUsedD - j.LossAUsedD - j.LossEUsedD);
    j.TaxableE = NotBelowZero(j.BaseE - j.CarriedUsedE - j.LossDUsedE);

    j.BaseSecurities = j.BaseA;
    j.BaseDerivatives = j.BaseD + j.BaseE;
    j.CarriedSecuritiesLeft = j.CarriedSecurities - j.CarriedSecuritiesUsed;
    j.CarriedDerivativesLeft = j.CarriedDerivatives - j.CarriedDerivativesUsed;
    j.FutureLossSecurities = j.LossAFuture + j.CarriedSecuritiesLeft;
    j.FutureLossDerivatives = j.LossDFuture + j.LossEFuture + j.CarriedDerivativesLeft;

    j.IncomeTotal = j.IncomeA + j.IncomeB + j.IncomeC + j.IncomeD + j.IncomeE + j.IncomeF + j.RepoIncome +
                    j.LoanIncome;
    j.TaxableTotal = j.TaxableA + j.TaxableB + j.TaxableC + j.TaxableD + j.TaxableE + j.TaxableF +
                     j.RepoTaxable + j.LoanTaxable;
    j.ExpensesTotal = j.IncomeTotal - j.TaxableTotal;
}

}  // namespace

// Reads the partnership exit loss of sheet И, which is computed before it.
bool kTSvodSum::CalcPrilJ() {
    PrilJ.Clear();
    const mTDeclaration& d = Declaration();
    FillGroups(PrilJ, d);
    SettleRepoAndLoans(PrilJ);
    SettleGroupsAC(PrilJ, PrilI.ExitLoss);
    SettleDerivatives(PrilJ);
    UseCarriedLosses(PrilJ, d.CB);
    OffsetLosses(PrilJ);
    SettleTotals(PrilJ);
    return true;
}

}  // namespace kvz
