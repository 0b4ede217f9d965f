#pragma once
// Declarations for calculation tests: a few words to build sources, lines and
// foreign incomes with the amounts that matter, and whole random declarations.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>

#include "model/declaration.h"
#include "storage/money.h"

namespace kvz::test {

// "1234.56" → the amount; the text is exact decimal, with ".".
Money Rub(const char* text);
Money Rub(int64_t roubles);

// A fresh declaration of the given kind (0 resident, 1 non-resident, 2 4-НДФЛ)
// with the income kinds switched on.
std::unique_ptr<mTDeclaration> NewDeclaration(uint8_t kind, uint8_t incomeKinds = kIncomeRussian);

mTSourseIncome Line(int32_t incomeCode, Money amount, int32_t deductionCode = 0, Money deduction = Money(),
                    uint16_t month = 0);

// Tax figures of a source as its income certificate gives them.
struct SourceTaxes {
    Money Taxable{};
    Money Computed{};
    Money Withheld{};
    std::string Oktmo{};
};

mTThirteenPercent& AddThirteen(mTDeclaration& d, std::initializer_list<mTSourseIncome> lines,
                               const SourceTaxes& taxes = {});
mTThirteenPercent& AddThirteenNR(mTDeclaration& d, std::initializer_list<mTSourseIncome> lines,
                                 const SourceTaxes& taxes = {});
mTThirtyPercent& AddNine(mTDeclaration& d, Money income, const SourceTaxes& taxes = {});
mTThirtyPercent& AddDividend(mTDeclaration& d, Money income, const SourceTaxes& taxes = {});
mTThirtyFivePercent& AddThirtyFive(mTDeclaration& d, int32_t incomeCode, Money income, Money withheld = Money(),
                                   int32_t deductionCode = 0, Money deduction = Money());

mTInvestTovIncome PartnershipLine(int32_t kind, Money income, Money expenseShare = Money(),
                                  Money managerFee = Money(), Money priorLoss = Money());
mTInvestTov& AddPartnership(mTDeclaration& d, std::initializer_list<mTInvestTovIncome> lines,
                            const SourceTaxes& taxes = {});

// A foreign income with its rouble values given directly.
mTCurrencyIncome& AddForeign(mTDeclaration& d, int32_t rateCode, int32_t incomeCode, Money incomeRub,
                             Money foreignTaxRub = Money(), Money deduction = Money());

mTBusinessNew& AddBusiness(mTDeclaration& d, Money income, Money expenses, bool confirmed = true);

// A whole declaration of random kind, income kinds, sources, lines and deductions,
// its codes often taken from the ones the calculation knows and its amounts within
// what a declaration can hold.
std::unique_ptr<mTDeclaration> RandomDeclaration(std::mt19937& rng);

}  // namespace kvz::test
