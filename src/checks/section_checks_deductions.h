#pragma once
// The rules of the deduction screens and their dialogs: the limits and acceptance
// checks of a property object, the acceptance of a pension contract and the limit
// of the investment deduction. The screens only show what these decide.
#include <array>
#include <cstdint>
#include <string>

#include "checks/check_dialog.h"
#include "checks/section_checks.h"
#include "checks/source_check.h"
#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

class mTConstructionDeductObj;
class mTPens;

// Fields of the property object dialog that its check puts right.
enum ConstructionObjectField : int {
    kObjectFieldName = 1,
    kObjectFieldOwnership = 2,
    kObjectFieldTaxpayerSign = 3,
    kObjectFieldRegion = 4,  // focusing it opens the region list
    kObjectFieldFirstUseYear = 5,
    kObjectFieldRightRegDate = 6,
    kObjectFieldTransferActDate = 7,
    kObjectFieldLandRegDate = 8,
    kObjectFieldApplicationDate = 9,
};

// Fields of the pension contract dialog that its check puts right: the source
// check's name, ИНН and КПП, then these two. Any other number puts the focus on
// the organisation's name.
enum PensionContractField : int {
    kContractFieldNumber = 4,  // where the source check would name the territory code
    kContractFieldContribution = 5,
    kContractFieldDate = 6,
};

inline constexpr const char* kCaptionObjectData = "Проверка данных объекта";

// What the four dates and the year of first use of an object may be.
struct ConstructionDateLimits {
    DateTime earliest;
    DateTime latest;
    int firstUseYearMin;
    int firstUseYearMax;
};

// Whether the object dialog works for a later object: adding to a list that holds
// one already, or editing any object but the first. The first object keeps the
// wide limits however many follow it, so that opening it never cuts its dates.
bool IsLaterObject(int objectCount, int editedIndex);
// Later objects: from 01.01.2014, otherwise from 01.01.1990 (first use from 1992);
// a pensioner may enter up to 31.12.2018, anyone else up to 31.12.2015.
ConstructionDateLimits ObjectDateLimits(bool laterObject, bool pensioner);
// The year of first use brought inside the limits (raised or lowered).
int BoundFirstUseYear(int year, const ConstructionDateLimits& limits);
// The refusal of a year of first use the dialog would not allow the object, or
// an empty text: the declaration check holds stored objects to the same limits.
std::string FirstUseYearRefusal(const mTConstructionDeductObj& object, bool laterObject);

// A new object of the dialog: first used in the tax year.
mTConstructionDeductObj NewPropertyObject();

// The findings of the object dialog in the order they are shown: the three lists,
// the region, the dates the object needs (DatesNeeded) left without a day, then (only when these pass, and not for a pensioner) the year of
// first use against the year of the transfer act or of the ownership registration
// after 2008.
CheckFindings ConstructionObjectFindings(const mTConstructionDeductObj& object);
// Shows them with neither "Пропустить" nor "Пропустить все": the field answered
// "Исправить", or 0 to accept.
int CheckConstructionObject(CheckDialog& dialog, const mTConstructionDeductObj& object);

// The acceptance of the pension contract dialog: kinds 1 … 3 run the strict source
// check with the fixed territory code and want a contract number and date; every kind wants
// a contribution at least as large as the deduction the tax agent gave.
int CheckPensionContract(CheckDialog& dialog, const mTPens& contract);
// The contract the dialog accepted written over `target`: the organisation's texts
// and the contract date only for kinds 1 … 3, as kind 4 has no organisation.
void AcceptPensionContract(const mTPens& edited, mTPens& target);

// The investment deduction is at most 400 000.
inline constexpr Money kInvestmentDeductionLimit = Money::FromUnits(400000);
Money BoundInvestmentDeduction(Money amount);

// The total shown under a column of carried losses: the years 2010 … 2014 only.
Money ShownLossTotal(const std::array<Money, 10>& losses);

}  // namespace kvz
