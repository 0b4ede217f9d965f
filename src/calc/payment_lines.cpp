#include "calc/svod_sum.h"

#include "model/declaration.h"

namespace kvz {

bool kTSvodSum::CalcList6() {
    // Filled in by the deduction/tax steps; until then the record stays zero.
    return true;
}

}  // namespace kvz
