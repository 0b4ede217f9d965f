#pragma once
// The property (housing) deduction: amounts carried from earlier years and the
// property objects, each saved in a stream of its own.
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "model/address_parts.h"
#include "model/field_list.h"
#include "model/item_stream.h"
#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

class mTDocumentStorage;

// One property object; the address parts below the region come from mTAddressParts.
class mTConstructionDeductObj : public mTItemStream<mTConstructionDeductObj>, public mTAddressParts {
public:
    static constexpr const char* kStream = "@ConstructionDeductObj";
    static constexpr uint16_t kPlaceSave = 397;
    static constexpr uint16_t kPlaceLoad = 398;

    mTConstructionDeductObj();

    // "@ConstructionDeductObj000", … ("…Obj1000" from the thousandth on).
    static std::string StreamName(uint16_t index);

    bool operator==(const mTConstructionDeductObj&) const = default;

    std::string PostIndex;
    std::string RegionCode;
    int32_t ObjectNameCode = 0;  // 1 … 8, 0 not chosen
    int32_t OwnershipKind = 0;   // 1 … 4, 0 not chosen
    int32_t TaxpayerSign = 0;    // 1 … 5, 0 not chosen
    DateTime RightRegDate;
    DateTime LandRegDate = 0;
    DateTime TransferActDate;
    DateTime ApplicationDate = 0;
    DateTime FirstUseYear;  // only its year is used
    int32_t ShareNumerator = 0;
    int32_t ShareDenominator = 0;
    bool ByInvestment = false;
    bool Pensioner = false;
    Money ObjectCost;
    Money CreditInterest;
};

inline constexpr auto kConstructionDeductObjFields =
    std::tuple_cat(FieldList(Field("ObjectNameCode", &mTConstructionDeductObj::ObjectNameCode),
                             Field("OwnershipKind", &mTConstructionDeductObj::OwnershipKind),
                             Field("TaxpayerSign", &mTConstructionDeductObj::TaxpayerSign),
                             Field("PostIndex", &mTConstructionDeductObj::PostIndex),
                             Field("RegionCode", &mTConstructionDeductObj::RegionCode)),
                   kAddressPartFields,
                   FieldList(Field("RightRegDate", &mTConstructionDeductObj::RightRegDate),
                             Field("TransferActDate", &mTConstructionDeductObj::TransferActDate),
                             Field("FirstUseYear", &mTConstructionDeductObj::FirstUseYear),
                             Field("ApplicationDate", &mTConstructionDeductObj::ApplicationDate),
                             Field("LandRegDate", &mTConstructionDeductObj::LandRegDate),
                             Field("ShareNumerator", &mTConstructionDeductObj::ShareNumerator),
                             Field("ShareDenominator", &mTConstructionDeductObj::ShareDenominator),
                             Field("ByInvestment", &mTConstructionDeductObj::ByInvestment),
                             Field("Pensioner", &mTConstructionDeductObj::Pensioner),
                             Field("ObjectCost", &mTConstructionDeductObj::ObjectCost),
                             Field("CreditInterest", &mTConstructionDeductObj::CreditInterest)));
constexpr const auto& FieldsOf(const mTConstructionDeductObj&) { return kConstructionDeductObjFields; }

// The dates the declaration carries for an object: bought by investment, the act
// of transfer; by contract, the registration of the right and, for land (kinds 5 …
// 8), of the land; the application that shares the deduction for common joint
// ownership or for the spouse of a sole owner. Other dates are not the object's.
struct ObjectDatesNeeded {
    bool transferAct;
    bool rightReg;
    bool landReg;
    bool application;
};
ObjectDatesNeeded DatesNeeded(const mTConstructionDeductObj& object);

class mTConstructionDeduct {
public:
    static constexpr const char* kStreamName = "@ConstructionDeduct";
    // The object count is read back as a 16-bit word.
    static constexpr std::size_t kMaxObjects = 65535;

    mTConstructionDeduct() = default;

    // Throws std::length_error, writing nothing, when the objects do not fit the count.
    void Save(mTDocumentStorage& storage) const;
    // Starts from the defaults; ConstrAmount2 and ConstrAmount4 are not in the file.
    void Load(mTDocumentStorage& storage);
    // Counts ConstrAmount2 and ConstrAmount4 as well (when granted), which Save does
    // not write: the file keeps that many zero bytes at its end.
    uint32_t StoredSize() const;
    // The bytes StoredSize counts beyond what Save writes.
    uint32_t UnwrittenSize() const;

    bool operator==(const mTConstructionDeduct&) const = default;

    int ObjectCount() const;
    mTConstructionDeductObj& Object(int index);
    const mTConstructionDeductObj& Object(int index) const;
    int ObjectAdd(mTConstructionDeductObj object);
    void ObjectDelete(int index);

    bool Granted = false;
    Money ConstrAmount1;  // carried from the previous year: cost
    Money ConstrAmount2;  // working value, not saved
    Money ConstrAmount3;  // carried from the previous year: interest
    Money ConstrAmount4;  // working value, not saved
    Money ConstrAmount5;  // deducted in earlier years by declaration: cost
    Money ConstrAmount6;  // the same: interest
    Money ConstrAmount7;  // deducted by the tax agent this year: cost
    Money ConstrAmount8;  // the same: interest
    std::vector<mTConstructionDeductObj> Objects;

private:
    std::size_t ObjectSlot(int index) const;
    // What follows the Granted flag.
    void SaveGranted(mTDocumentStorage& storage) const;
    void LoadGranted(mTDocumentStorage& storage);
};

// The saved amounts of a granted deduction; the object count and the objects follow.
inline constexpr auto kConstructionAmountFields = FieldList(
    Field("ConstrAmount1", &mTConstructionDeduct::ConstrAmount1),
    Field("ConstrAmount3", &mTConstructionDeduct::ConstrAmount3),
    Field("ConstrAmount5", &mTConstructionDeduct::ConstrAmount5),
    Field("ConstrAmount6", &mTConstructionDeduct::ConstrAmount6),
    Field("ConstrAmount7", &mTConstructionDeduct::ConstrAmount7),
    Field("ConstrAmount8", &mTConstructionDeduct::ConstrAmount8));

}  // namespace kvz
