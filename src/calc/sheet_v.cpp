// Sheet В: business and private-practice income with the professional deduction.
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

bool kTSvodSum::CalcPrilV1() {
    PrilV1.Clear();
    mTDeclaration& d = Declaration();
    if (!(d.IncomeKinds & kIncomeBusiness)) return true;
    for (int i = 0; i < d.Business.Count(); ++i) {
        const mTBusinessNew& activity = d.Business.Get(i);
        PrilV1.IncomeTotal += activity.Income;
        PrilV1.ProfessionalDeduction +=
            activity.ExpensesConfirmed ? activity.ExpenseItems[kExpenseTotal] : activity.UnconfirmedExpenses;
    }
    PrilV1.AdvancePaid = d.AdvancePaid;
    PrilV1.AdvanceAssessed = d.AdvanceAssessed;
    if (PrilV1.IncomeTotal < PrilV1.ProfessionalDeduction) PrilV1.ProfessionalDeduction = PrilV1.IncomeTotal;
    return true;
}

}  // namespace kvz
