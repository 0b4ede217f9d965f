#pragma once
// Requisites of a taxpayer or a payment source: the ИНН with its check digits and
// the form of the КПП. Both return a status; the dialog flows turn it into messages.
#include <cstdint>
#include <string_view>

namespace kvz {

// Which ИНН lengths InnCheck accepts.
enum InnKind : int {
    kInnAnyLength = 0,    // 10 (organisation) or 12 (person)
    kInnOrganization = 1, // 10 required
    kInnPerson = 2,       // 12 required
};

// Results of InnCheck.
enum InnStatus : uint16_t {
    kInnValid = 0,
    kInnEmpty = 1,
    kInnNotTenOrTwelve = 2,  // kInnAnyLength
    kInnNotTen = 3,          // kInnOrganization
    kInnNotTwelve = 4,       // kInnPerson
    kInnWrong = 5,           // check digits, all zeros, or a character other than a digit
};

// Results of KppCheck.
enum KppStatus : uint16_t {
    kKppValid = 0,
    kKppEmpty = 1,
    kKppNotNine = 2,
    kKppAllZeros = 3,
};

// Leading and trailing blanks are ignored.
uint16_t InnCheck(std::string_view inn, int kind);
uint16_t KppCheck(std::string_view kpp);
// An ОКТМО has 8 or 11 characters, blanks around them not counted.
bool OktmoLengthValid(std::string_view oktmo);

}  // namespace kvz
