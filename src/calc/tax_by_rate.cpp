#include "calc/svod_sum.h"

#include "model/declaration.h"

namespace kvz {

bool kTSvodSum::CalcList1() {
    // Filled in by the deduction/tax steps; until then the record stays zero.
    return true;
}

bool kTSvodSum::CalcList2() {
    // Filled in by the deduction/tax steps; until then the record stays zero.
    return true;
}

bool kTSvodSum::CalcList3() {
    // Filled in by the deduction/tax steps; until then the record stays zero.
    return true;
}

bool kTSvodSum::CalcList4() {
    // Filled in by the deduction/tax steps; until then the record stays zero.
    return true;
}

bool kTSvodSum::CalcList5() {
    // Filled in by the deduction/tax steps; until then the record stays zero.
    return true;
}

}  // namespace kvz
