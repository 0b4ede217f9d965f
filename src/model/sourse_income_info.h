#pragma once
// A payment source of income: the common part of the sections by rate. Each kind of
// source saves and loads itself under its own stream names.
#include <cstdint>
#include <string>

#include "model/field_list.h"
#include "storage/money.h"

namespace kvz {

class mTDocumentStorage;

class mTSourseIncomeInfo {
public:
    virtual ~mTSourseIncomeInfo() = default;

    // Variant picks the second stream name of a class that serves two lists.
    virtual void Save(mTDocumentStorage& s, uint16_t index, bool variant) = 0;
    virtual void Load(mTDocumentStorage& s, uint16_t index, bool variant) = 0;

    bool operator==(const mTSourseIncomeInfo&) const = default;

    std::string Inn;
    std::string Kpp;
    std::string Oktmo;  // labelled "ОКАТО" on the screens
    std::string SourceName;
    Money IncomeTotal;
    Money TaxWithheld;
    // Two-digit income-kind code ("01" … "09"); set by the calculation, never saved.
    std::string IncomeKindCode;

protected:
    mTSourseIncomeInfo() = default;
    mTSourseIncomeInfo(const mTSourseIncomeInfo&) = default;
    mTSourseIncomeInfo(mTSourseIncomeInfo&&) = default;
    mTSourseIncomeInfo& operator=(const mTSourseIncomeInfo&) = default;
    mTSourseIncomeInfo& operator=(mTSourseIncomeInfo&&) = default;
};

// The names every source writes in this order.
inline constexpr auto kSourceNameFields =
    FieldList(Field("Inn", &mTSourseIncomeInfo::Inn), Field("Kpp", &mTSourseIncomeInfo::Kpp),
              Field("Oktmo", &mTSourseIncomeInfo::Oktmo), Field("SourceName", &mTSourseIncomeInfo::SourceName));
inline constexpr auto kTaxWithheldField = FieldList(Field("TaxWithheld", &mTSourseIncomeInfo::TaxWithheld));

}  // namespace kvz
