// Sheet Е2: pension and insurance contributions under contracts, with the shared
// 120 000-rouble limit, and the investment deduction as the taxpayer declared it.
#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

constexpr Money kContributionLimit = Money::FromUnits(120000);
// The entered kind 4 is exported as kind 2 among the additional contributions.
constexpr int32_t kExtraKindShift = 2;

mbTPens ContractItem(const mTPens& contract) {
    mbTPens item;
    item.ContractKind = contract.ContractKind;
    item.OrgName = contract.OrgName;
    item.OrgInn = contract.OrgInn;
    item.OrgKpp = contract.OrgKpp;
    item.ContractNumber = contract.ContractNumber;
    item.ContractDate = contract.ContractDate;
    item.AmountPaid = contract.Contribution;
    // The agent cannot have granted more than was paid.
    item.AmountByAgent = Smaller(contract.AgentDeduction, item.AmountPaid);
    item.AmountDeductible = item.AmountPaid;
    return item;
}

}  // namespace

bool kTSvodSum::CalcPrilE3() {
    PrilE3.Clear();
    const mTDeclaration& declaration = Declaration();
    // Contracts belong to the social deductions: with those switched off they are
    // not kept in the document either, so they must not change the tax.
    static const std::vector<mTPens> kNone;
    const auto& contracts = declaration.Social.Granted ? declaration.Social.PensionContracts : kNone;
    for (const mTPens& contract : contracts) {
        if (contract.ContractKind >= 1 && contract.ContractKind <= 3) {
            const mbTPens item = ContractItem(contract);
            PrilE3.ContributionsPaid += item.AmountPaid;
            PrilE3.ContributionsDeductible += item.AmountDeductible;
            PrilE3.ProvidedByAgent += item.AmountByAgent;
            PrilE3.Contracts.push_back(item);
        } else if (contract.ContractKind == mTPens::kKindExtraContributions) {
            mbTPensExtra item = ContractItem(contract);
            item.ContractKind -= kExtraKindShift;
            PrilE3.ExtraContributionsPaid += item.AmountPaid;
            PrilE3.ExtraContributionsDeductible += item.AmountDeductible;
            PrilE3.ProvidedByAgent += item.AmountByAgent;
            PrilE3.ExtraContracts.push_back(item);
        }
    }
    // Both kinds share one limit; the ordinary contracts take it first.
    if (PrilE3.ContributionsDeductible > kContributionLimit) PrilE3.ContributionsDeductible = kContributionLimit;
    const Money leftForExtra = kContributionLimit - PrilE3.ContributionsDeductible;
    if (PrilE3.ExtraContributionsDeductible > leftForExtra) PrilE3.ExtraContributionsDeductible = leftForExtra;
    PrilE3.ContributionsTotal = PrilE3.ContributionsDeductible + PrilE3.ExtraContributionsDeductible;
    PrilE3.InvestmentDeduction = declaration.InvestmentDeduction;
    PrilE3.InvestmentRestored = declaration.InvestmentDeductionReturn;
    return true;
}

}  // namespace kvz
