#pragma once
// A payment source of income taxed at 35 %. Its total income is entered and saved;
// its taxable amount and tax are filled by the calculation and never saved.
#include <cstdint>
#include <tuple>

#include "model/sourse_income_info.h"
#include "storage/money.h"

namespace kvz {

class mTThirtyFivePercent : public mTSourseIncomeInfo {
public:
    static constexpr const char* kStream = "@ThirtyFivePercent";
    static constexpr uint16_t kPlaceSave = 373;
    static constexpr uint16_t kPlaceLoad = 374;

    mTThirtyFivePercent() = default;

    // One list only: variant is ignored.
    void Save(mTDocumentStorage& s, uint16_t index, bool variant) override;
    void Load(mTDocumentStorage& s, uint16_t index, bool variant) override;
    uint32_t StoredSize(uint16_t index) const;

    bool operator==(const mTThirtyFivePercent&) const = default;

    int32_t IncomeCode = 0;
    int32_t DeductionCode = 0;
    Money DeductionAmount;
    Money TaxableAmount;  // not saved
    Money TaxComputed;    // not saved
};

inline constexpr auto kThirtyFivePercentFields = std::tuple_cat(
    FieldList(Field("IncomeCode", &mTThirtyFivePercent::IncomeCode)), kSourceNameFields,
    FieldList(Field("IncomeTotal", &mTThirtyFivePercent::IncomeTotal),
              Field("DeductionCode", &mTThirtyFivePercent::DeductionCode),
              Field("DeductionAmount", &mTThirtyFivePercent::DeductionAmount)),
    kTaxWithheldField);
constexpr const auto& FieldsOf(const mTThirtyFivePercent&) { return kThirtyFivePercentFields; }

}  // namespace kvz
