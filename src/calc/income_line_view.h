#pragma once
// The coded income lines that the deduction sheets walk. A line of a 13 % source and
// a foreign-currency income carry the same four things (income code and amount,
// deduction code and amount); a foreign income's amount is its rouble value.
//
// The walks hand each line to the caller as they reach it, so a sheet costs one pass
// over the sources and no copy of them, however many lines the declaration holds.
#include <cstdint>

#include "model/declaration.h"
#include "storage/money.h"

namespace kvz {

struct kTIncomeLine {
    int32_t IncomeCode = 0;
    Money Amount;
    int32_t DeductionCode = 0;
    Money DeductionAmount;
    bool Foreign = false;
};

// Every line of every source of the list, in list order and line order.
template <class Visit>
void ForEachLineOfSources(const mTItemList<mTThirteenPercent>& sources, Visit&& visit) {
    for (int i = 0; i < sources.Count(); ++i)
        for (const mTSourseIncome& line : sources.Get(i).Lines())
            visit(kTIncomeLine{line.IncomeCode, line.IncomeAmount, line.DeductionCode, line.DeductionAmount, false});
}

// Every foreign-currency income, in list order; none unless the declaration
// declares foreign-currency income.
template <class Visit>
void ForEachForeignIncomeLine(const mTDeclaration& declaration, Visit&& visit) {
    if ((declaration.IncomeKinds & kIncomeForeign) == 0) return;
    for (int i = 0; i < declaration.Foreign.Count(); ++i) {
        const mTCurrencyIncome& income = declaration.Foreign.Get(i);
        visit(kTIncomeLine{income.IncomeCode, income.IncomeInRoubles, income.DeductionCode, income.DeductionAmount,
                           true});
    }
}

// The lines of the resident 13 % sources followed by the foreign-currency incomes.
template <class Visit>
void ForEachThirteenAndForeignLine(const mTDeclaration& declaration, Visit&& visit) {
    ForEachLineOfSources(declaration.Thirteen, visit);
    ForEachForeignIncomeLine(declaration, visit);
}

}  // namespace kvz
