#pragma once
// The taxpayer's personal data. It is the one part of a document that is also read
// from documents of earlier years, whose layouts differ by the storage name.
#include <cstdint>
#include <string>
#include <tuple>

#include "model/address_parts.h"
#include "model/field_list.h"
#include "storage/dates.h"

namespace kvz {

class mTDocumentStorage;

// The address parts below the region come from mTAddressParts.
class mTPersonInformation : public mTAddressParts {
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

// The taxpayer's streams in file order, each with its fields as the current year
// writes them (documents of earlier years lack some; Load knows which).
inline constexpr auto kPersonNameFields = FieldList(
    Field("Surname", &mTPersonInformation::Surname), Field("FirstName", &mTPersonInformation::FirstName),
    Field("Patronymic", &mTPersonInformation::Patronymic), Field("PersonInn", &mTPersonInformation::PersonInn),
    Field("NameExtra1", &mTPersonInformation::NameExtra1), Field("NameExtra2", &mTPersonInformation::NameExtra2));
inline constexpr auto kPersonDocumentFields = FieldList(
    Field("DocTypeCode", &mTPersonInformation::DocTypeCode), Field("DocTypeName", &mTPersonInformation::DocTypeName),
    Field("DocSeriesNumber", &mTPersonInformation::DocSeriesNumber),
    Field("DocIssueDate", &mTPersonInformation::DocIssueDate), Field("BirthDate", &mTPersonInformation::BirthDate),
    Field("DocIssuedBy", &mTPersonInformation::DocIssuedBy), Field("BirthPlace", &mTPersonInformation::BirthPlace),
    Field("DocumentFlag", &mTPersonInformation::DocumentFlag));
inline constexpr auto kForeignerFields =
    FieldList(Field("CitizenshipKind", &mTPersonInformation::CitizenshipKind),
              Field("CitizenshipCountry", &mTPersonInformation::CitizenshipCountry),
              Field("ForeignAddress", &mTPersonInformation::ForeignAddress),
              Field("CitizenshipCode", &mTPersonInformation::CitizenshipCode));
inline constexpr auto kForeignHomePhoneFields =
    FieldList(Field("ForeignHomePhoneCode", &mTPersonInformation::ForeignHomePhoneCode),
              Field("ForeignHomePhone", &mTPersonInformation::ForeignHomePhone));
inline constexpr auto kForeignWorkPhoneFields =
    FieldList(Field("ForeignWorkPhoneCode", &mTPersonInformation::ForeignWorkPhoneCode),
              Field("ForeignWorkPhone", &mTPersonInformation::ForeignWorkPhone));
inline constexpr auto kPersonAddressFields = std::tuple_cat(
    FieldList(Field("AddressIsStay", &mTPersonInformation::AddressIsStay),
              Field("PostIndex", &mTPersonInformation::PostIndex),
              Field("RegionCode", &mTPersonInformation::RegionCode),
              Field("RegionName", &mTPersonInformation::RegionName)),
    kAddressPartFields, FieldList(Field("ResidenceOktmo", &mTPersonInformation::ResidenceOktmo)));
inline constexpr auto kHomePhoneFields = FieldList(Field("HomePhoneCode", &mTPersonInformation::HomePhoneCode),
                                                   Field("HomePhone", &mTPersonInformation::HomePhone));
inline constexpr auto kWorkPhoneFields = FieldList(Field("WorkPhoneCode", &mTPersonInformation::WorkPhoneCode),
                                                   Field("WorkPhone", &mTPersonInformation::WorkPhone));
inline constexpr auto kPersonFields =
    std::tuple_cat(kPersonNameFields, kPersonDocumentFields, kForeignerFields, kForeignHomePhoneFields,
                   kForeignWorkPhoneFields, kPersonAddressFields, kHomePhoneFields, kWorkPhoneFields);
constexpr const auto& FieldsOf(const mTPersonInformation&) { return kPersonFields; }

}  // namespace kvz
