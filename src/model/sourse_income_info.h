#pragma once
// A payment source of income: the common part of the sections by rate. Each kind of
// source saves and loads itself under its own stream names.
#include <cstdint>
#include <string>

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

    // Inn, Kpp, Oktmo and SourceName, which every source writes in this order.
    void WriteNames(mTDocumentStorage& s) const;
    void ReadNames(mTDocumentStorage& s);
    uint32_t NamesSize() const;
};

}  // namespace kvz
