#pragma once
// The cost and the interest of all property objects as the deduction takes them:
// the cost within the limit for the share, the interest as paid. The property
// screen shows them while objects are entered; the sheet of the deduction starts
// from them. Reads the section only.
#include <cstdint>

#include "storage/money.h"

namespace kvz {

class mTConstructionDeduct;

struct PropertyTotals {
    Money cost;
    Money interest;
};

// Zero unless the deduction is granted and has objects, and only for a resident's 3-НДФЛ.
PropertyTotals PropertyTotalsOf(const mTConstructionDeduct& section, uint8_t declarationKind);

}  // namespace kvz
