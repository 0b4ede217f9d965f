#pragma once
// Standard deductions: the taxpayer's own code, the children blocks (constant
// count or month by month) and the optional monthly blocks of an entrepreneur,
// of the changing own code and of the changing single-parent status.
#include <array>
#include <cstdint>

#include "model/field_list.h"
#include "storage/money.h"

namespace kvz {

class mTDocumentStorage;

class mTStandartDeduct {
public:
    static constexpr int kMonths = 12;
    static constexpr const char* kStreamName = "@StandartDeduct";

    // Self codes.
    static constexpr int32_t kSelfNone = 103;
    static constexpr int32_t kSelf104 = 104;
    static constexpr int32_t kSelf105 = 105;
    static constexpr int32_t kSelfChanged = 110;
    // Child statuses.
    static constexpr int32_t kChildOrdinary = 101;
    static constexpr int32_t kChildSingleParent = 102;
    static constexpr int32_t kChildChanged = 103;

    mTStandartDeduct() = default;

    void Save(mTDocumentStorage& storage) const;
    // Starts from the defaults, so a record that was not granted loads as new.
    void Load(mTDocumentStorage& storage);
    uint32_t StoredSize() const;

    bool operator==(const mTStandartDeduct&) const = default;

    // Blocks addressed by index 0 … 11.
    int32_t GetChildrenByMonth(int index) const;
    void SetChildrenByMonth(int index, int32_t value);
    int32_t GetDisabledByMonth(int index) const;
    void SetDisabledByMonth(int index, int32_t value);
    int32_t GetThirdByMonth(int index) const;
    void SetThirdByMonth(int index, int32_t value);
    bool GetBusinessMonthChecked(int index) const;
    void SetBusinessMonthChecked(int index, bool value);

    // Blocks addressed by month number 1 … 12. Setting a monthly self code or child
    // status also sets its Given flag: the block is saved and counted only when given.
    Money GetBusinessIncomeByMonth(int month) const;
    void SetBusinessIncomeByMonth(int month, Money value);
    Money GetBusinessExpenseByMonth(int month) const;
    void SetBusinessExpenseByMonth(int month, Money value);
    int32_t GetMonthlySelfCodes(int month) const;
    void SetMonthlySelfCodes(int month, int32_t value);
    int32_t GetMonthlyChildStatus(int month) const;
    void SetMonthlyChildStatus(int month, int32_t value);

    bool Granted = true;
    int32_t SelfCode = kSelfNone;
    int32_t ChildStatus = kChildOrdinary;
    bool ChildrenConstant = true;
    int32_t ChildrenCount = 0;
    std::array<int32_t, kMonths> ChildrenByMonth{};
    bool DisabledConstant = true;
    int32_t DisabledCount = 0;
    std::array<int32_t, kMonths> DisabledByMonth{};
    bool ThirdConstant = true;
    int32_t ThirdCount = 0;
    std::array<int32_t, kMonths> ThirdByMonth{};
    bool MonthlyBusiness = false;
    std::array<Money, kMonths> BusinessIncomeByMonth{};   // [month - 1]
    std::array<Money, kMonths> BusinessExpenseByMonth{};  // [month - 1]
    std::array<bool, kMonths> BusinessMonthChecked{};
    bool MonthlySelfCodesGiven = false;
    std::array<int32_t, kMonths> MonthlySelfCodes{};  // [month - 1]: 0 none, 1 "104", 2 "105"
    bool MonthlyChildStatusGiven = false;
    std::array<int32_t, kMonths> MonthlyChildStatus{};  // [month - 1]: 0 single parent, 1 not

private:
    // What follows the Granted flag.
    void SaveGranted(mTDocumentStorage& storage) const;
    void LoadGranted(mTDocumentStorage& storage);
};

// Every field; the file keeps most of them in blocks behind flags (see Save).
inline constexpr auto kStandartDeductFields = FieldList(
    Field("Granted", &mTStandartDeduct::Granted), Field("SelfCode", &mTStandartDeduct::SelfCode),
    Field("ChildStatus", &mTStandartDeduct::ChildStatus),
    Field("ChildrenConstant", &mTStandartDeduct::ChildrenConstant),
    Field("ChildrenCount", &mTStandartDeduct::ChildrenCount),
    Field("ChildrenByMonth", &mTStandartDeduct::ChildrenByMonth),
    Field("DisabledConstant", &mTStandartDeduct::DisabledConstant),
    Field("DisabledCount", &mTStandartDeduct::DisabledCount),
    Field("DisabledByMonth", &mTStandartDeduct::DisabledByMonth),
    Field("ThirdConstant", &mTStandartDeduct::ThirdConstant), Field("ThirdCount", &mTStandartDeduct::ThirdCount),
    Field("ThirdByMonth", &mTStandartDeduct::ThirdByMonth),
    Field("MonthlyBusiness", &mTStandartDeduct::MonthlyBusiness),
    Field("BusinessIncomeByMonth", &mTStandartDeduct::BusinessIncomeByMonth),
    Field("BusinessExpenseByMonth", &mTStandartDeduct::BusinessExpenseByMonth),
    Field("BusinessMonthChecked", &mTStandartDeduct::BusinessMonthChecked),
    Field("MonthlySelfCodesGiven", &mTStandartDeduct::MonthlySelfCodesGiven),
    Field("MonthlySelfCodes", &mTStandartDeduct::MonthlySelfCodes),
    Field("MonthlyChildStatusGiven", &mTStandartDeduct::MonthlyChildStatusGiven),
    Field("MonthlyChildStatus", &mTStandartDeduct::MonthlyChildStatus));
constexpr const auto& FieldsOf(const mTStandartDeduct&) { return kStandartDeductFields; }

}  // namespace kvz
