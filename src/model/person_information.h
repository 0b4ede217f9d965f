#pragma once
// The taxpayer's personal data. It is the one part of a document that is also read
// from documents of earlier years, whose layouts differ by the storage name.
#include <cstdint>
#include <string>

#include "storage/dates.h"

namespace kvz {

class mTDocumentStorage;

class mTPersonInformation {
public:
    mTPersonInformation();

    void Save(mTDocumentStorage& storage) const;
    void Load(mTDocumentStorage& storage);
    uint32_t StoredSize() const;

    bool operator==(const mTPersonInformation&) const = default;

    std::string Surname;
    std::string FirstName;
    std::string Patronymic;
    std::string PersonInn;
    std::string NameExtra1;
    std::string NameExtra2 = "0";
    uint16_t DocTypeCode = 0;
    std::string DocTypeName;
    std::string DocSeriesNumber;
    DateTime DocIssueDate;
    DateTime BirthDate;
    std::string DocIssuedBy;
    std::string BirthPlace;
    std::string CitizenshipKind;
    std::string CitizenshipCountry = "РОССИЯ";
    std::string ForeignAddress;
    std::string CitizenshipCode = "643";
    bool AddressIsStay = false;
    std::string PostIndex;
    uint16_t RegionCode = 0;
    std::string RegionName;
    std::string District;
    std::string City;
    std::string Locality;
    std::string Street;
    std::string House;
    std::string Building;
    std::string Flat;
    std::string ResidenceOktmo;
    std::string HomePhoneCode;
    std::string HomePhone;
    std::string WorkPhoneCode;
    std::string WorkPhone;
    std::string ForeignHomePhoneCode;
    std::string ForeignHomePhone;
    std::string ForeignWorkPhoneCode;
    std::string ForeignWorkPhone;
    uint8_t DocumentFlag = 0;
};

}  // namespace kvz
