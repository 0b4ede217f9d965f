#pragma once
// Who a certificate is about, and which certificates are the taxpayer's: the same
// person by ИНН when both sides have one, otherwise by full name and birth date.
// Surname and initials alone never decide: one agent may employ two "Ершов Д. О.".
#include <optional>
#include <string>
#include <vector>

#include "import/ndfl2_certificate.h"

namespace kvz {

class mTPersonInformation;

struct Ndfl2PersonId {
    std::string Inn;
    std::string FullName;   // "Фамилия Имя Отчество"
    std::string BirthDate;  // ДД.ММ.ГГГГ
    bool operator==(const Ndfl2PersonId&) const = default;
};

Ndfl2PersonId PersonIdOf(const Ndfl2Person& person);
// The taxpayer a document names; none when it names nobody yet.
std::optional<Ndfl2PersonId> PersonIdOf(const mTPersonInformation& person);
// A key the user typed: a 12-digit ИНН, or "Фамилия Имя [Отчество] ДД.ММ.ГГГГ";
// none for anything else.
std::optional<Ndfl2PersonId> ParsePersonKey(const std::string& key);

bool SamePerson(const Ndfl2PersonId& a, const Ndfl2PersonId& b);
// "Фамилия Имя Отчество ДД.ММ.ГГГГ, ИНН 123456789012" (the ИНН only when known).
std::string PersonTitle(const Ndfl2PersonId& id);

// Everyone the files hold a certificate for, each once, in the order first met.
std::vector<Ndfl2PersonId> PeopleFound(const std::vector<Ndfl2File>& files);

}  // namespace kvz
