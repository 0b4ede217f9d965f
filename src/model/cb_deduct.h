#pragma once
// Losses of earlier tax periods carried forward: operations with securities and
// with derivatives (ФИСС), ten years each.
#include <array>
#include <cstdint>

#include "model/field_list.h"
#include "storage/money.h"

namespace kvz {

class mTDocumentStorage;

class mTCBDeduct {
public:
    static constexpr int kYears = 10;
    static constexpr const char* kStreamName = "@CBDeduct";

    mTCBDeduct() = default;

    void Save(mTDocumentStorage& storage) const;
    void Load(mTDocumentStorage& storage);
    uint32_t StoredSize() const;

    // Sums of the ten years; std::overflow_error when a sum leaves the money range.
    Money SecuritiesLossTotal() const;
    Money FissLossTotal() const;

    // The calendar year of a loss index: 0 is 2014, 1 … 9 are 2005 … 2013.
    static int YearOfIndex(int index);

    bool operator==(const mTCBDeduct&) const = default;

    std::array<Money, kYears> SecuritiesLoss{};
    std::array<Money, kYears> FissLoss{};
};

inline constexpr auto kCBDeductFields =
    FieldList(Field("SecuritiesLoss", &mTCBDeduct::SecuritiesLoss), Field("FissLoss", &mTCBDeduct::FissLoss));
constexpr const auto& FieldsOf(const mTCBDeduct&) { return kCBDeductFields; }

}  // namespace kvz
