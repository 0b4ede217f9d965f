#pragma once
// Amounts a calculation can add up without leaving the range of money. Sums of money
// are exact 64-bit integers; a declaration whose amounts could push a total beyond
// that range is refused with a clear error instead of giving a wrapped-around result.
#include <string>

namespace kvz {

class mTDeclaration;

namespace msg {
inline constexpr const char* kAmountsTooLarge =
    "Суммы декларации слишком велики для расчета: проверьте введенные суммы.";
}

// The largest total of the magnitudes of all amounts of a declaration, in roubles.
inline constexpr long long kLargestAmountTotal = 10000000000000LL;  // 10^13

// Throws std::overflow_error with msg::kAmountsTooLarge when the total of the
// magnitudes of the declaration's amounts (child counts weighted by the largest
// yearly child deduction) exceeds kLargestAmountTotal roubles.
void CheckAmountRange(const mTDeclaration& declaration);

}  // namespace kvz
