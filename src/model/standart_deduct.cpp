#include "model/standart_deduct.h"

#include <exception>
#include <stdexcept>

#include "model/stored_fields.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr uint16_t kPlaceSave = 381;
constexpr uint16_t kPlaceLoad = 382;

using Months = std::array<int32_t, mTStandartDeduct::kMonths>;

std::size_t IndexSlot(int index) {
    if (index < 0 || index >= mTStandartDeduct::kMonths)
        throw std::out_of_range("номер месяца вне 0 … 11");
    return static_cast<std::size_t>(index);
}

std::size_t MonthSlot(int month) {
    if (month < 1 || month > mTStandartDeduct::kMonths)
        throw std::out_of_range("номер месяца вне 1 … 12");
    return static_cast<std::size_t>(month - 1);
}

// A children block: the constant flag, then either the one count or twelve months.
void SaveChildrenBlock(mTDocumentStorage& s, bool constant, int32_t count, const Months& byMonth) {
    s.WriteBoolean(constant);
    if (constant)
        s.WriteInteger(count);
    else
        stored::Write(s, byMonth, false);
}

void LoadChildrenBlock(mTDocumentStorage& s, bool& constant, int32_t& count, Months& byMonth) {
    constant = s.ReadBoolean();
    if (constant)
        count = s.ReadInteger();
    else
        stored::Read(s, byMonth, false);
}

uint32_t ChildrenBlockSize(bool constant, int32_t count, const Months& byMonth) {
    uint32_t size = mTDocumentStorage::ByteItemSize(constant ? 1 : 0);
    return size + (constant ? mTDocumentStorage::IntegerItemSize(count) : stored::Size(byMonth, false));
}

// The flags of the optional monthly blocks were added to the stream later than the
// rest; a flag that does not read (a text, or past the data) is taken as "block
// absent". Other failures, out of memory among them, pass on.
bool ReadGuardedFlag(mTDocumentStorage& s) {
    try {
        return s.ReadBoolean();
    } catch (const EConvertError&) {
        return false;
    } catch (const mEBadStorage&) {
        return false;
    }
}

}  // namespace

int32_t mTStandartDeduct::GetChildrenByMonth(int index) const { return ChildrenByMonth[IndexSlot(index)]; }
void mTStandartDeduct::SetChildrenByMonth(int index, int32_t value) { ChildrenByMonth[IndexSlot(index)] = value; }
int32_t mTStandartDeduct::GetDisabledByMonth(int index) const { return DisabledByMonth[IndexSlot(index)]; }
void mTStandartDeduct::SetDisabledByMonth(int index, int32_t value) { DisabledByMonth[IndexSlot(index)] = value; }
int32_t mTStandartDeduct::GetThirdByMonth(int index) const { return ThirdByMonth[IndexSlot(index)]; }
void mTStandartDeduct::SetThirdByMonth(int index, int32_t value) { ThirdByMonth[IndexSlot(index)] = value; }
bool mTStandartDeduct::GetBusinessMonthChecked(int index) const { return BusinessMonthChecked[IndexSlot(index)]; }
void mTStandartDeduct::SetBusinessMonthChecked(int index, bool value) { BusinessMonthChecked[IndexSlot(index)] = value; }

Money mTStandartDeduct::GetBusinessIncomeByMonth(int month) const { return BusinessIncomeByMonth[MonthSlot(month)]; }
void mTStandartDeduct::SetBusinessIncomeByMonth(int month, Money value) { BusinessIncomeByMonth[MonthSlot(month)] = value; }
Money mTStandartDeduct::GetBusinessExpenseByMonth(int month) const { return BusinessExpenseByMonth[MonthSlot(month)]; }
void mTStandartDeduct::SetBusinessExpenseByMonth(int month, Money value) { BusinessExpenseByMonth[MonthSlot(month)] = value; }
int32_t mTStandartDeduct::GetMonthlySelfCodes(int month) const { return MonthlySelfCodes[MonthSlot(month)]; }
// A value stored for a month gives the block: the document keeps it and the
// calculation counts it.
void mTStandartDeduct::SetMonthlySelfCodes(int month, int32_t value) {
    MonthlySelfCodes[MonthSlot(month)] = value;
    MonthlySelfCodesGiven = true;
}
int32_t mTStandartDeduct::GetMonthlyChildStatus(int month) const { return MonthlyChildStatus[MonthSlot(month)]; }
void mTStandartDeduct::SetMonthlyChildStatus(int month, int32_t value) {
    MonthlyChildStatus[MonthSlot(month)] = value;
    MonthlyChildStatusGiven = true;
}

void mTStandartDeduct::Save(mTDocumentStorage& storage) const {
    SaveGrantedStream(storage, kPlaceSave, *this, [&] { SaveGranted(storage); });
}

void mTStandartDeduct::SaveGranted(mTDocumentStorage& s) const {
    s.WriteInteger(SelfCode);
    s.WriteInteger(ChildStatus);
    SaveChildrenBlock(s, ChildrenConstant, ChildrenCount, ChildrenByMonth);
    SaveChildrenBlock(s, DisabledConstant, DisabledCount, DisabledByMonth);
    s.WriteBoolean(MonthlyBusiness);
    if (MonthlyBusiness) {
        stored::Write(s, BusinessIncomeByMonth, false);
        stored::Write(s, BusinessExpenseByMonth, false);
        stored::Write(s, BusinessMonthChecked, false);
    }
    s.WriteBoolean(MonthlySelfCodesGiven);
    if (MonthlySelfCodesGiven) stored::Write(s, MonthlySelfCodes, false);
    s.WriteBoolean(MonthlyChildStatusGiven);
    if (MonthlyChildStatusGiven) stored::Write(s, MonthlyChildStatus, false);
    SaveChildrenBlock(s, ThirdConstant, ThirdCount, ThirdByMonth);
}

void mTStandartDeduct::Load(mTDocumentStorage& storage) {
    LoadGrantedStream(storage, kPlaceLoad, *this, [&] { LoadGranted(storage); });
}

void mTStandartDeduct::LoadGranted(mTDocumentStorage& s) {
    SelfCode = s.ReadInteger();
    ChildStatus = s.ReadInteger();
    LoadChildrenBlock(s, ChildrenConstant, ChildrenCount, ChildrenByMonth);
    LoadChildrenBlock(s, DisabledConstant, DisabledCount, DisabledByMonth);
    MonthlyBusiness = ReadGuardedFlag(s);
    if (MonthlyBusiness) {
        stored::Read(s, BusinessIncomeByMonth, false);
        stored::Read(s, BusinessExpenseByMonth, false);
        stored::Read(s, BusinessMonthChecked, false);
    }
    MonthlySelfCodesGiven = ReadGuardedFlag(s);
    if (MonthlySelfCodesGiven) stored::Read(s, MonthlySelfCodes, false);
    MonthlyChildStatusGiven = ReadGuardedFlag(s);
    if (MonthlyChildStatusGiven) stored::Read(s, MonthlyChildStatus, false);
    LoadChildrenBlock(s, ThirdConstant, ThirdCount, ThirdByMonth);
}

uint32_t mTStandartDeduct::StoredSize() const {
    using S = mTDocumentStorage;
    uint32_t size = GrantedStreamHeadSize(*this);
    if (!Granted) return size;
    size += S::IntegerItemSize(SelfCode) + S::IntegerItemSize(ChildStatus);
    size += ChildrenBlockSize(ChildrenConstant, ChildrenCount, ChildrenByMonth);
    size += ChildrenBlockSize(DisabledConstant, DisabledCount, DisabledByMonth);
    size += S::ByteItemSize(MonthlyBusiness ? 1 : 0);
    if (MonthlyBusiness) {
        size += stored::Size(BusinessIncomeByMonth, false) + stored::Size(BusinessExpenseByMonth, false) +
                stored::Size(BusinessMonthChecked, false);
    }
    size += S::ByteItemSize(MonthlySelfCodesGiven ? 1 : 0);
    if (MonthlySelfCodesGiven) size += stored::Size(MonthlySelfCodes, false);
    size += S::ByteItemSize(MonthlyChildStatusGiven ? 1 : 0);
    if (MonthlyChildStatusGiven) size += stored::Size(MonthlyChildStatus, false);
    size += ChildrenBlockSize(ThirdConstant, ThirdCount, ThirdByMonth);
    return size;
}

}  // namespace kvz
