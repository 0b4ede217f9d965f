#pragma once
// One pension or insurance contract of the social deductions. Each contract is
// saved in a stream of its own, "@PensSub" with the contract's three-digit index.
#include <cstdint>
#include <string>

#include "model/field_list.h"
#include "model/item_stream.h"
#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

class mTPens : public mTItemStream<mTPens> {
public:
    // Kinds 1 … 3: non-state pension provision and voluntary pension insurance;
    // kind 4: additional contributions to the funded part of the labour pension.
    static constexpr int32_t kKindExtraContributions = 4;

    static constexpr const char* kStream = "@PensSub";
    static constexpr uint16_t kPlaceSave = 375;
    static constexpr uint16_t kPlaceLoad = 376;

    mTPens() = default;

    // "@PensSub000", "@PensSub001", … ("@PensSub1000" from the thousandth on).
    static std::string StreamName(uint16_t index);

    bool operator==(const mTPens&) const = default;

    int32_t ContractKind = 0;
    std::string OrgName;
    std::string OrgInn;
    std::string OrgKpp;
    std::string ContractNumber;
    DateTime ContractDate = 0;
    Money Contribution;
    Money ContributionToDeduct;
    Money AgentDeduction;
};

inline constexpr auto kPensFields = FieldList(
    Field("ContractKind", &mTPens::ContractKind), Field("OrgName", &mTPens::OrgName), Field("OrgInn", &mTPens::OrgInn),
    Field("OrgKpp", &mTPens::OrgKpp), Field("ContractNumber", &mTPens::ContractNumber),
    Field("ContractDate", &mTPens::ContractDate), Field("Contribution", &mTPens::Contribution),
    Field("ContributionToDeduct", &mTPens::ContributionToDeduct), Field("AgentDeduction", &mTPens::AgentDeduction));
constexpr const auto& FieldsOf(const mTPens&) { return kPensFields; }

}  // namespace kvz
