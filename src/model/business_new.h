#pragma once
// One business or private-practice activity with its income and either the
// confirmed expenses by item or, without documents, the expense total of the norm.
#include <array>
#include <cstdint>
#include <string>

#include "model/field_list.h"
#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

class mTDocumentStorage;

// Indexes into mTBusinessNew::ExpenseItems. The screen edits the first six; the
// components of the other expenses (6 … 18) are kept and saved as they are.
enum BusinessExpenseItem : int {
    kExpenseTotal = 0,
    kExpenseMaterial = 1,
    kExpenseDepreciation = 2,
    kExpenseLabour = 3,
    kExpenseLabourContracts = 4,
    kExpenseOther = 5,
    kExpenseOtherFirstComponent = 6,
    kExpenseItemCount = 19,
};

class mTBusinessNew {
public:
    static constexpr const char* kStream = "@BusinessIncome";
    static constexpr const char* kExpenseStream = "@BusinessExpense";
    static constexpr uint16_t kPlaceSave = 379;
    static constexpr uint16_t kPlaceLoad = 380;
    static constexpr const char* kEmptyActivityCode = "..";

    mTBusinessNew() { Clear(); }

    // Only the expenses of the chosen kind are saved: the 19 items when confirmed,
    // UnconfirmedExpenses otherwise. The other kind loads with its defaults.
    void Save(mTDocumentStorage& s, uint16_t index) const;
    void Load(mTDocumentStorage& s, uint16_t index);
    uint32_t StoredSize(uint16_t index) const;

    void Clear();

    bool operator==(const mTBusinessNew&) const = default;

    std::string ActivityKind;  // "1" … "6"
    std::string ActivityCode;  // the empty form of its mask is ".."
    bool ExpensesConfirmed = true;
    Money Income;
    std::array<Money, kExpenseItemCount> ExpenseItems{};
    Money UnconfirmedExpenses;
};

// Then either ExpenseItems in a stream of their own or UnconfirmedExpenses.
inline constexpr auto kBusinessNewFields =
    FieldList(Field("ActivityKind", &mTBusinessNew::ActivityKind), Field("ActivityCode", &mTBusinessNew::ActivityCode),
              Field("Income", &mTBusinessNew::Income), Field("ExpensesConfirmed", &mTBusinessNew::ExpensesConfirmed));

// The farm's year of formation is kept on the declaration as 1 January of that
// year; a declaration without one keeps day 0, so that every year from 1900 on,
// 2000 too, reads back as itself.
inline constexpr int kNoFarmYear = 0;
inline constexpr int kFirstFarmYear = 1900;
inline constexpr int kLastFarmYear = 2100;
// kNoFarmYear for the stored "none" and for dates outside the years above.
int FarmYearOf(DateTime startDate);
DateTime FarmStartDateOf(int year);

}  // namespace kvz
