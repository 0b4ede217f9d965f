#pragma once
// A payment source of income taxed at 13 % (resident list) or of a non-resident
// (second list), with its income lines and the monthly amounts read by the check of
// standard deductions.
#include <array>
#include <cstdint>
#include <tuple>
#include <optional>
#include <string>
#include <vector>

#include "model/income_lines.h"
#include "model/sourse_income_info.h"
#include "storage/money.h"

namespace kvz {

// One income line of a 13 % source.
struct mTSourseIncome {
    int32_t IncomeCode = 0;  // 0 = none
    std::string IncomeName;
    Money IncomeAmount;
    int32_t DeductionCode = 0;  // 0 = none
    Money DeductionAmount;
    int32_t DeductionRate = 0;  // percent of the income the deduction code allows
    uint16_t Month = 0;         // 1 … 12; 0 = no month

    bool operator==(const mTSourseIncome&) const = default;
};

inline constexpr auto kSourseIncomeFields = FieldList(
    Field("IncomeCode", &mTSourseIncome::IncomeCode), Field("IncomeName", &mTSourseIncome::IncomeName),
    Field("IncomeAmount", &mTSourseIncome::IncomeAmount), Field("DeductionCode", &mTSourseIncome::DeductionCode),
    Field("DeductionAmount", &mTSourseIncome::DeductionAmount), Field("DeductionRate", &mTSourseIncome::DeductionRate),
    Field("Month", &mTSourseIncome::Month));
constexpr const auto& FieldsOf(const mTSourseIncome&) { return kSourseIncomeFields; }

class mTThirteenPercent : public mTSourceWithLines<mTSourseIncome> {
public:
    static constexpr const char* kStreamResident = "@ThirteenPercent";
    static constexpr const char* kStreamNonResident = "@ThirteenPerceNR";
    static constexpr const char* kLineStreamResident = "@SourseIncome";
    static constexpr const char* kLineStreamNonResident = "@SourseIncoNR";
    static constexpr uint16_t kPlace = 372;  // save and load alike
    static constexpr int kMonths = 12;

    mTThirteenPercent() = default;

    // Variant true: the non-resident list.
    void Save(mTDocumentStorage& s, uint16_t index, bool variant) override;
    void Load(mTDocumentStorage& s, uint16_t index, bool variant) override;
    // Both variants write names of the same length, so the index alone decides.
    uint32_t StoredSize(uint16_t index) const;

    // m is 0 … 11. The absent amount (-1) clears the month and stores 0.
    void SetMonthAmount(int m, Money amount);
    // The monthly amounts become the sums of the lines of each month, so that the
    // check of standard deductions sees the months of incomes entered by hand.
    // Loading and JSON keep the amounts they are given.
    void MarkMonthsOfLines();
    bool MonthPresent(int m) const;

    bool operator==(const mTThirteenPercent&) const = default;

    std::array<Money, kMonths> MonthAmounts{};
    uint16_t MonthsPresent = 0;  // bit m: month m + 1 has an amount
    bool StandardDeductionsHere = false;
    Money TaxComputed;
    Money TaxableAmount;
    Money SpareAmount;

private:
    void SaveBody(mTDocumentStorage& s, uint16_t index, bool variant) const;
    void LoadBody(mTDocumentStorage& s, uint16_t index, bool variant);
};

// Pay in kind from agricultural producers: with its deduction, the months worked
// there decide the deduction.
inline constexpr int32_t kFarmPayInKindIncomeCode = 2791;
template <class T>
class mTItemList;
bool HasFarmPayInKind(const mTItemList<mTThirteenPercent>& sources);

// After the flag StandardDeductionsHere; the months and the lines follow.
inline constexpr auto kThirteenPercentFields =
    std::tuple_cat(kSourceNameFields, kTaxWithheldField,
                   FieldList(Field("TaxableAmount", &mTThirteenPercent::TaxableAmount),
                             Field("TaxComputed", &mTThirteenPercent::TaxComputed),
                             Field("SpareAmount", &mTThirteenPercent::SpareAmount, kNotSummed)));

}  // namespace kvz
