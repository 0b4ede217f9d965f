#include "model/thirteen_percent.h"

#include "model/item_list.h"

#include <stdexcept>

#include "model/section_streams.h"
#include "model/stored_fields.h"

namespace kvz {

namespace {

// The text that stands for a month without an amount.
constexpr const char* kAbsentMonthText = "a";
// Documents from version 1.1 on carry StandardDeductionsHere.
constexpr int32_t kVersionWithDeductionFlag = 0x10001;

int32_t DocumentVersion(const mTDocumentStorage& s) {
    return static_cast<int32_t>(s.VersionMajor()) * 65536 + s.VersionMinor();
}

}  // namespace

void mTThirteenPercent::Save(mTDocumentStorage& s, uint16_t index, bool variant) {
    WithErrorPlace(kPlace, [&] { SaveBody(s, index, variant); });
}

void mTThirteenPercent::Load(mTDocumentStorage& s, uint16_t index, bool variant) {
    WithErrorPlace(kPlace, [&] { LoadBody(s, index, variant); });
}

void mTThirteenPercent::SaveBody(mTDocumentStorage& s, uint16_t index, bool variant) const {
    s.CreateStream(SectionStreamName(variant ? kStreamNonResident : kStreamResident, index));
    s.WriteBoolean(StandardDeductionsHere);
    SaveFields(s, *this, kThirteenPercentFields);
    for (int m = 0; m < kMonths; ++m) {
        if (MonthPresent(m))
            s.WriteCurrency(MonthAmounts[m]);
        else
            s.WriteString(kAbsentMonthText);
    }
    SaveLineStreams(s, variant ? kLineStreamNonResident : kLineStreamResident, index, Lines(), kSourseIncomeFields);
}

void mTThirteenPercent::LoadBody(mTDocumentStorage& s, uint16_t index, bool variant) {
    // A source is always read into a fresh object: nothing of an earlier state survives.
    *this = mTThirteenPercent();
    s.OpenStream(SectionStreamName(variant ? kStreamNonResident : kStreamResident, index));
    if (DocumentVersion(s) >= kVersionWithDeductionFlag) StandardDeductionsHere = s.ReadBoolean();
    LoadFields(s, *this, kThirteenPercentFields);
    for (int m = 0; m < kMonths; ++m) SetMonthAmount(m, s.ReadCurrency());
    LoadLineStreams<mTSourseIncome>(s, variant ? kLineStreamNonResident : kLineStreamResident, index,
                                    kSourseIncomeFields, [&](const mTSourseIncome& line) { AddLine(line); });
}

uint32_t mTThirteenPercent::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    uint32_t size = S::ItemSize(SectionStreamName(kStreamResident, index));
    size += S::ByteItemSize(StandardDeductionsHere ? 1 : 0) + FieldsSize(*this, kThirteenPercentFields);
    for (int m = 0; m < kMonths; ++m)
        size += MonthPresent(m) ? S::CurrencyItemSize(MonthAmounts[m]) : S::ItemSize(kAbsentMonthText);
    size += LineStreamsSize(kLineStreamResident, index, Lines(), kSourseIncomeFields);
    return size;
}

void mTThirteenPercent::SetMonthAmount(int m, Money amount) {
    if (m < 0 || m >= kMonths) throw std::out_of_range("номер месяца вне 0 … 11");
    const uint16_t bit = static_cast<uint16_t>(1u << m);
    if (amount != kAbsentAmount) {
        MonthsPresent |= bit;
        MonthAmounts[m] = amount;
    } else {
        MonthsPresent &= static_cast<uint16_t>(~bit);
        MonthAmounts[m] = Money();
    }
}

bool mTThirteenPercent::MonthPresent(int m) const {
    return m >= 0 && m < kMonths && (MonthsPresent & (1u << m)) != 0;
}

void mTThirteenPercent::MarkMonthsOfLines() {
    MonthAmounts = {};
    MonthsPresent = 0;
    for (const mTSourseIncome& line : Lines()) {
        if (line.Month < 1 || line.Month > kMonths) continue;
        const int m = line.Month - 1;
        MonthAmounts[m] += line.IncomeAmount;
        MonthsPresent |= static_cast<uint16_t>(1u << m);
    }
}

bool HasFarmPayInKind(const mTItemList<mTThirteenPercent>& sources) {
    for (int i = 0; i < sources.Count(); ++i)
        for (const mTSourseIncome& line : sources.Get(i).Lines())
            if (line.IncomeCode == kFarmPayInKindIncomeCode && line.DeductionCode != 0) return true;
    return false;
}

}  // namespace kvz
