// Pension and insurance contributions and the investment deduction.
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "support/deduction_fixtures.h"

namespace kvz {
namespace {

using test::deduct::Rub;

class Contributions : public ::testing::Test {
protected:
    Contributions() : D(test::deduct::DeductionDeclaration(kDecl3Ndfl)) { Sum.Bind(*D); }

    mTPens& Contract(int32_t kind, Money paid, Money byAgent = Money()) {
        D->Social.Granted = true;
        mTPens& p = D->Social.PensionContract(D->Social.PensionContractAdd());
        p.ContractKind = kind;
        p.Contribution = paid;
        p.ContributionToDeduct = Rub(1);  // not what the deduction follows
        p.AgentDeduction = byAgent;
        return p;
    }
    const kTSvodSumPrilE3& Run() {
        EXPECT_TRUE(Sum.CalcPrilE3());
        return Sum.PrilE3;
    }

    std::unique_ptr<mTDeclaration> D;
    kTSvodSum Sum;
};

TEST_F(Contributions, ContractsCountOnlyWithSocialDeductionsGranted) {
    Contract(1, Rub(60000));
    D->Social.Granted = false;  // the document does not keep the contracts then
    const kTSvodSumPrilE3& e3 = Run();
    EXPECT_EQ(e3.ContributionsPaid, Money());
    EXPECT_TRUE(e3.Contracts.empty());
}

TEST_F(Contributions, OrdinaryContractsTakeTheSharedLimitFirst) {
    Contract(1, Rub(60000));
    Contract(3, Rub(40000));
    Contract(4, Rub(50000));
    const kTSvodSumPrilE3& e3 = Run();
    EXPECT_EQ(e3.ContributionsPaid, Rub(100000));
    EXPECT_EQ(e3.ContributionsDeductible, Rub(100000));
    EXPECT_EQ(e3.ExtraContributionsPaid, Rub(50000));
    EXPECT_EQ(e3.ExtraContributionsDeductible, Rub(20000));
    EXPECT_EQ(e3.ContributionsTotal, Rub(120000));
}

TEST_F(Contributions, OrdinaryContractsAloneAreCappedAt120000) {
    Contract(2, Rub(150000));
    Contract(4, Rub(10000));
    const kTSvodSumPrilE3& e3 = Run();
    EXPECT_EQ(e3.ContributionsDeductible, Rub(120000));
    EXPECT_EQ(e3.ExtraContributionsDeductible, Money());
    EXPECT_EQ(e3.ContributionsTotal, Rub(120000));
}

TEST_F(Contributions, ItemsCarryTheContractAndTheAgentsPartUpToThePayment) {
    mTPens& p = Contract(2, Rub("12000.50"), Rub(20000));
    p.OrgName = "НПФ «Будущее»";
    p.OrgInn = "7701234567";
    p.OrgKpp = "770101001";
    p.ContractNumber = "12/А-45";
    p.ContractDate = 41000;
    Contract(4, Rub(5000), Rub(1000));
    Contract(0, Rub(7000));
    Contract(5, Rub(7000));

    const kTSvodSumPrilE3& e3 = Run();
    ASSERT_EQ(e3.ContractCount(), 1);
    const mbTPens& item = e3.Contracts[0];
    EXPECT_EQ(item.ContractKind, 2);
    EXPECT_EQ(item.OrgName, "НПФ «Будущее»");
    EXPECT_EQ(item.OrgInn, "7701234567");
    EXPECT_EQ(item.OrgKpp, "770101001");
    EXPECT_EQ(item.ContractNumber, "12/А-45");
    EXPECT_EQ(item.ContractDate, 41000);
    EXPECT_EQ(item.AmountPaid, Rub("12000.50"));
    EXPECT_EQ(item.AmountDeductible, Rub("12000.50"));
    EXPECT_EQ(item.AmountByAgent, Rub("12000.50"));

    ASSERT_EQ(e3.ExtraContractCount(), 1);
    EXPECT_EQ(e3.ExtraContracts[0].ContractKind, 2);
    EXPECT_EQ(e3.ExtraContracts[0].AmountByAgent, Rub(1000));
    EXPECT_EQ(e3.ProvidedByAgent, Rub("13000.50"));
    EXPECT_EQ(e3.ContributionsPaid + e3.ExtraContributionsPaid, Rub("17000.50"));
}

TEST_F(Contributions, InvestmentDeductionIsCopiedForAnyKindAndAnySection) {
    D->InvestmentDeduction = Rub(400000);
    D->InvestmentDeductionReturn = Rub("123.45");
    D->DeclarationKind = kDecl3NdflNonResident;
    const kTSvodSumPrilE3& e3 = Run();
    EXPECT_EQ(e3.InvestmentDeduction, Rub(400000));
    EXPECT_EQ(e3.InvestmentRestored, Rub("123.45"));
    EXPECT_EQ(e3.ContractCount(), 0);
    EXPECT_EQ(e3.ContributionsTotal, Money());
}

}  // namespace
}  // namespace kvz
