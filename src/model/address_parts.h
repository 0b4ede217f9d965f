#pragma once
// The parts of an address in Russia below the region, kept alike for the taxpayer's
// home and for a property object.
#include <string>

#include "model/field_list.h"

namespace kvz {

struct mTAddressParts {
    std::string District;
    std::string City;
    std::string Locality;
    std::string Street;
    std::string House;
    std::string Building;
    std::string Flat;

    bool operator==(const mTAddressParts&) const = default;
};

// In the order of the document file, where both records keep them one after another.
inline constexpr auto kAddressPartFields = FieldList(
    Field("District", &mTAddressParts::District), Field("City", &mTAddressParts::City),
    Field("Locality", &mTAddressParts::Locality), Field("Street", &mTAddressParts::Street),
    Field("House", &mTAddressParts::House), Field("Building", &mTAddressParts::Building),
    Field("Flat", &mTAddressParts::Flat));

}  // namespace kvz
