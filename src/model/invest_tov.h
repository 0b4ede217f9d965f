#pragma once
// Participation in an investment partnership: the partnership is the payment source
// and its income lines are the operations by kind.
#include <cstdint>
#include <tuple>
#include <optional>
#include <string>
#include <vector>

#include "model/income_lines.h"
#include "model/sourse_income_info.h"
#include "storage/money.h"

namespace kvz {

// One operation of a partnership. For kind 6 (exit or allotment of a share) the
// expense share holds the contributions made and the last two amounts are 0.
struct mTInvestTovIncome {
    int32_t OperationKind = 0;  // 1 … 6; 0 = not chosen
    Money IncomeAmount;
    Money ExpenseShare;
    Money ManagerExpenses;
    Money PriorLosses;

    bool operator==(const mTInvestTovIncome&) const = default;
};

inline constexpr auto kInvestTovIncomeFields = FieldList(
    Field("OperationKind", &mTInvestTovIncome::OperationKind), Field("IncomeAmount", &mTInvestTovIncome::IncomeAmount),
    Field("ExpenseShare", &mTInvestTovIncome::ExpenseShare),
    Field("ManagerExpenses", &mTInvestTovIncome::ManagerExpenses),
    Field("PriorLosses", &mTInvestTovIncome::PriorLosses));
constexpr const auto& FieldsOf(const mTInvestTovIncome&) { return kInvestTovIncomeFields; }

inline constexpr int kInvestOperationKinds = 6;
// Text of the operation kind (1 … 6) as the kind list shows it; empty for another value.
const char* InvestOperationKindText(int32_t kind);

class mTInvestTov : public mTSourceWithLines<mTInvestTovIncome> {
public:
    static constexpr const char* kStream = "@InvestTov";
    static constexpr const char* kLineStream = "@InvestTovIncome";
    static constexpr uint16_t kPlaceSave = 399;
    static constexpr uint16_t kPlaceLoad = 400;

    mTInvestTov() = default;

    // One list only: variant is ignored.
    void Save(mTDocumentStorage& s, uint16_t index, bool variant) override;
    void Load(mTDocumentStorage& s, uint16_t index, bool variant) override;
    uint32_t StoredSize(uint16_t index) const;

    bool operator==(const mTInvestTov&) const = default;

    Money TaxComputed;
    Money TaxableAmount;

private:
    void SaveBody(mTDocumentStorage& s, uint16_t index) const;
    void LoadBody(mTDocumentStorage& s, uint16_t index);
};

// The lines follow in streams of their own.
inline constexpr auto kInvestTovFields =
    std::tuple_cat(kSourceNameFields, kTaxWithheldField,
                   FieldList(Field("TaxableAmount", &mTInvestTov::TaxableAmount),
                             Field("TaxComputed", &mTInvestTov::TaxComputed)));

}  // namespace kvz
