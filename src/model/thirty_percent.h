#pragma once
// A payment source of income taxed at 9 % (variant 0, "@NinePercent") or of
// dividends (variant 1, "@ThirtyPercent"). Its total income is entered and saved.
#include <cstdint>
#include <tuple>

#include "model/sourse_income_info.h"
#include "storage/money.h"

namespace kvz {

class mTThirtyPercent : public mTSourseIncomeInfo {
public:
    static constexpr const char* kStreamNine = "@NinePercent";
    static constexpr const char* kStreamDividends = "@ThirtyPercent";
    static constexpr uint16_t kPlaceSave = 375;
    static constexpr uint16_t kPlaceLoad = 376;
    // Income codes the screens give a new source.
    static constexpr int32_t kNineIncomeCode = 1011;
    static constexpr int32_t kDividendIncomeCode = 1010;

    mTThirtyPercent() = default;

    // Variant true: the dividend list.
    void Save(mTDocumentStorage& s, uint16_t index, bool variant) override;
    void Load(mTDocumentStorage& s, uint16_t index, bool variant) override;
    // Counts the marker as "@ThirtyPercent" in both lists, as documents of this
    // format always have: a 9 % source counts 2 bytes more than it writes, and the
    // file keeps them as zero bytes after its last item.
    uint32_t StoredSize(uint16_t index) const;

    bool operator==(const mTThirtyPercent&) const = default;

    int32_t IncomeCode = 0;
    Money TaxComputed;
    Money TaxableAmount;
};

inline constexpr auto kThirtyPercentFields = std::tuple_cat(
    FieldList(Field("IncomeCode", &mTThirtyPercent::IncomeCode)), kSourceNameFields,
    FieldList(Field("IncomeTotal", &mTThirtyPercent::IncomeTotal), Field("TaxComputed", &mTThirtyPercent::TaxComputed),
              Field("TaxableAmount", &mTThirtyPercent::TaxableAmount)),
    kTaxWithheldField);
constexpr const auto& FieldsOf(const mTThirtyPercent&) { return kThirtyPercentFields; }

}  // namespace kvz
