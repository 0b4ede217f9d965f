#include "model/person_information.h"

#include <algorithm>
#include <array>

#include "model/stored_fields.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr uint16_t kPlaceSave = 370;
constexpr uint16_t kPlaceLoad = 371;

// Which storage names carry which fields: the layout grew year by year.
bool IsKnown(const std::string& name) {
    static const std::array<const char*, 12> kKnown = {"Kvrz2004", "Kvrz2005", "Kvrz2006", "Kvrz2007",
                                                       "Kvrz2008", "Kvrz2009", "Kvrz2010", "Kvrz2011",
                                                       "Kvrz2012", "Kvrz2013", "Kvrz2014", "Kvrz2015"};
    return std::find(kKnown.begin(), kKnown.end(), name) != kKnown.end();
}
bool IsLater(const std::string& name) { return IsKnown(name) && name != "Kvrz2004"; }
bool IsRecent(const std::string& name) {
    return name == "Kvrz2013" || name == "Kvrz2014" || name == "Kvrz2015";
}

using S = mTDocumentStorage;

}  // namespace

mTPersonInformation::mTPersonInformation()
    : DocIssueDate(EncodeDate(1990, 1, 1)), BirthDate(EncodeDate(1977, 1, 1)) {}

void mTPersonInformation::Save(mTDocumentStorage& s) const {
    WithErrorPlace(kPlaceSave, [&] {
        auto stream = [&](const char* name, const auto& fields) {
            s.CreateStream(name);
            SaveFields(s, *this, fields);
        };
        stream("@PersonName", kPersonNameFields);
        stream("@PersonDocument", kPersonDocumentFields);
        stream("@Foreigner", kForeignerFields);
        stream("@PhoneForeignerHome", kForeignHomePhoneFields);
        stream("@PhoneForeignerWork", kForeignWorkPhoneFields);
        stream("@PersonAddress", kPersonAddressFields);
        stream("@HomePhone", kHomePhoneFields);
        stream("@WorkPhone", kWorkPhoneFields);
    });
}

void mTPersonInformation::Load(mTDocumentStorage& s) {
    const std::string name = s.StorageName();
    WithErrorPlace(kPlaceLoad, [&] {
        // A stream that every year's documents keep whole.
        auto whole = [&](const char* stream, const auto& fields) {
            s.OpenStream(stream);
            LoadFields(s, *this, fields);
        };
        s.OpenStream("@PersonName");
        for (std::string* t : {&Surname, &FirstName, &Patronymic, &PersonInn}) *t = s.ReadString();
        if (IsKnown(name)) {
            NameExtra1 = s.ReadString();
            NameExtra2 = s.ReadString();
        } else {
            NameExtra2 = "0";
        }
        s.OpenStream("@PersonDocument");
        DocTypeCode = s.ReadWord();
        DocTypeName = s.ReadString();
        DocSeriesNumber = s.ReadString();
        DocIssueDate = s.ReadDateTime();
        BirthDate = s.ReadDateTime();
        if (IsKnown(name)) {
            DocIssuedBy = s.ReadString();
            BirthPlace = s.ReadString();
            if (IsLater(name)) DocumentFlag = s.ReadByte();
        }
        // Older documents may lack the citizenship and foreign phone streams.
        try {
            s.OpenStream("@Foreigner");
            CitizenshipKind = s.ReadString();
            CitizenshipCountry = s.ReadString();
            if (IsKnown(name)) {
                ForeignAddress = s.ReadString();
                CitizenshipCode = s.ReadString();
            }
            if (IsLater(name)) {
                whole("@PhoneForeignerHome", kForeignHomePhoneFields);
                whole("@PhoneForeignerWork", kForeignWorkPhoneFields);
            }
        } catch (const mEOpenStream&) {
        }
        s.OpenStream("@PersonAddress");
        if (IsLater(name)) AddressIsStay = s.ReadBoolean();
        PostIndex = s.ReadString();
        RegionCode = s.ReadWord();
        for (std::string* t : {&RegionName, &District, &City, &Locality, &Street, &House, &Building, &Flat})
            *t = s.ReadString();
        if (!IsLater(name)) return;
        if (IsRecent(name)) ResidenceOktmo = s.ReadString();
        whole("@HomePhone", kHomePhoneFields);
        whole("@WorkPhone", kWorkPhoneFields);
    });
}

uint32_t mTPersonInformation::StoredSize() const {
    uint32_t size = 0;
    for (const char* marker : {"@PersonName", "@PersonDocument", "@Foreigner", "@PhoneForeignerHome",
                               "@PhoneForeignerWork", "@PersonAddress", "@HomePhone", "@WorkPhone"})
        size += S::ItemSize(marker);
    return size + FieldsSize(*this, kPersonFields);
}

}  // namespace kvz
