#pragma once
// The signer's name in the XML files: the declaration keeps the representative's
// full name as one text; the files want surname, first name and patronymic.
#include <string>
#include <string_view>

namespace kvz {

struct RepresentativeName {
    std::string Surname;     // a single blank when the name gives none
    std::string FirstName;   // a single blank when the name gives none
    std::string Patronymic;  // empty when the name gives none (then not written)

    bool operator==(const RepresentativeName&) const = default;
};

// Splits at blanks: the first word (at most 60 characters) is the surname, the next
// one the first name, the rest (at most 60 characters) the patronymic.
RepresentativeName SplitRepresentativeName(std::string_view fullName);

}  // namespace kvz
