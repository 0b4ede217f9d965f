#pragma once
// Tax rates as exact decimals: a whole number of percent, so that a tax is worked out
// on the exact money value and never on a binary approximation of 0.13 or 0.35.
#include <cstdint>

namespace kvz {

struct TaxRate {
    int32_t Percent = 0;
    constexpr bool operator==(const TaxRate&) const = default;
};

inline constexpr TaxRate kRate9{9};
inline constexpr TaxRate kRate13{13};
inline constexpr TaxRate kRate15{15};
inline constexpr TaxRate kRate30{30};
inline constexpr TaxRate kRate35{35};

}  // namespace kvz
