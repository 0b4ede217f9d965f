#include "import/ndfl2_taxpayer.h"

#include <charconv>
#include <vector>

#include "checks/field_rules.h"
#include "directory/document_types.h"
#include "directory/regions.h"
#include "import/ndfl2_certificate.h"
#include "model/person_information.h"
#include "storage/dates.h"

namespace kvz {

namespace {

std::string NameOfCode(const std::vector<DirectoryEntry>& rows, const std::string& code) {
    for (const DirectoryEntry& row : rows)
        if (row.Code == code) return row.Name;
    return "";
}

uint16_t NumberOf(const std::string& digits) {
    uint16_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

void FillTaxpayer(mTPersonInformation& p, const Ndfl2Person& from) {
    p.Surname = from.Surname;
    p.FirstName = from.FirstName;
    p.Patronymic = from.Patronymic;
    p.PersonInn = from.Inn;
    DateTime birth;
    if (TryDateFromText(from.BirthDate, birth)) p.BirthDate = birth;
    p.CitizenshipKind = "1";
    p.CitizenshipCode = from.Citizenship;
    const InspectionDirectory* countries = ProgramCountryDirectory();
    const DirectoryEntry* country = countries ? FindCountry(*countries, from.Citizenship) : nullptr;
    p.CitizenshipCountry = country ? country->Name : std::string();
    p.DocTypeCode = NumberOf(from.DocCode);
    p.DocTypeName = NameOfCode(DocumentTypeRows(), from.DocCode);
    p.DocSeriesNumber = from.DocSeriesNumber;
    const Ndfl2Address& a = from.Address;
    if (a.Russian) {
        p.PostIndex = a.PostIndex;
        p.RegionCode = NumberOf(a.RegionCode);
        p.RegionName = NameOfCode(RegionRows(), a.RegionCode);
        p.District = a.District;
        p.City = a.City;
        p.Locality = a.Locality;
        p.Street = a.Street;
        p.House = a.House;
        p.Building = a.Building;
        p.Flat = a.Flat;
    }
    p.ForeignAddress = a.ForeignText;
}

}  // namespace kvz
