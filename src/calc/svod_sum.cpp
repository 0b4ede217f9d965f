#include "calc/svod_sum.h"

#include <stdexcept>

#include "calc/amount_range.h"
#include "model/declaration.h"

namespace kvz {

void kTSvodSum::Clear() {
    List1.Clear();
    List2.Clear();
    List3.Clear();
    List4.Clear();
    List5.Clear();
    List6.Clear();
    PrilA9.Clear();
    PrilA13.Clear();
    PrilA15.Clear();
    PrilA30.Clear();
    PrilA35.Clear();
    PrilB13.Clear();
    PrilB9.Clear();
    PrilB35.Clear();
    PrilV1.Clear();
    PrilM.Clear();
    PrilG.Clear();
    PrilG_In.Clear();
    PrilE1.Clear();
    PrilE2.Clear();
    PrilE3.Clear();
    PrilH1.Clear();
    PrilZ.Clear();
    PrilJ.Clear();
    PrilI.Clear();
}

mTDeclaration& kTSvodSum::Declaration() const {
    if (!Declaration_) throw std::logic_error("расчет не связан с декларацией");
    return *Declaration_;
}

kTSvodSumPrilB* kTSvodSum::PrilBOfRate(int32_t rate) {
    switch (rate) {
    case 13: return &PrilB13;
    case 9: return &PrilB9;
    case 35: return &PrilB35;
    default: return nullptr;
    }
}

bool kTSvodSum::Calculate(mTDeclaration& declaration) {
    Clear();
    Bind(declaration);
    if (declaration.DeclarationKind == kDecl4Ndfl) return true;
    try {
        CheckAmountRange(declaration);
        return RunSteps();
    } catch (...) {
        // Half-computed records must never reach the export or the check.
        Clear();
        throw;
    }
}

// Later sheets read the results of earlier ones, so the order is binding. Each step
// runs only while every earlier one succeeded.
bool kTSvodSum::RunSteps() {
    bool ok = CalcPrilA9() && CalcPrilA13() && CalcPrilA15() && CalcPrilA30() && CalcPrilA35() &&
              CalcPrilV1();
    if (ok && Declaration().IncomeKinds != 0)
        ok = CalcPrilM() && CalcPrilG() && CalcPrilG_In() && CalcPrilH1() && CalcPrilI() && CalcPrilJ() &&
             CalcPrilB(13) && CalcPrilB(9) && CalcPrilB(35) && CalcPrilE1() && CalcPrilE3() &&
             CalcPrilE2() && CalcPrilZ();
    ok = ok && CalcList1() && CalcList2() && CalcList3() && CalcList4() && CalcList5();
    return ok && CalcList6();
}

}  // namespace kvz
