#include "import/ndfl2_person.h"

#include <cctype>
#include <sstream>

#include "model/person_information.h"
#include "storage/dates.h"
#include "storage/encoding.h"

namespace kvz {

namespace {

std::string JoinName(const std::string& surname, const std::string& name, const std::string& patronymic) {
    std::string full = surname + " " + name;
    if (!patronymic.empty()) full += " " + patronymic;
    return full;
}

// Names compare without regard to letter case, "ё" or repeated blanks.
std::string NameKey(const std::string& name) {
    std::string words;
    std::istringstream in(name);
    for (std::string w; in >> w;) words += (words.empty() ? "" : " ") + w;
    std::string key;
    try {
        key = UpperCaseCp1251(words);
    } catch (const std::exception&) {
        return words;  // a name windows-1251 cannot hold compares as it stands
    }
    for (char& c : key)
        if (c == '\xA8') c = '\xC5';  // Ё as Е
    return key;
}

bool IsDigits(const std::string& text) {
    if (text.empty()) return false;
    for (unsigned char c : text)
        if (!std::isdigit(c)) return false;
    return true;
}

}  // namespace

Ndfl2PersonId PersonIdOf(const Ndfl2Person& p) {
    return {p.Inn, JoinName(p.Surname, p.FirstName, p.Patronymic), p.BirthDate};
}

std::optional<Ndfl2PersonId> PersonIdOf(const mTPersonInformation& p) {
    if (p.PersonInn.empty() && p.Surname.empty()) return std::nullopt;
    const std::string birth = p.BirthDate == 0 ? std::string() : DateToText(p.BirthDate);
    return Ndfl2PersonId{p.PersonInn, JoinName(p.Surname, p.FirstName, p.Patronymic), birth};
}

std::optional<Ndfl2PersonId> ParsePersonKey(const std::string& key) {
    std::istringstream in(key);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    if (words.size() == 1 && words[0].size() == 12 && IsDigits(words[0])) return Ndfl2PersonId{words[0], "", ""};
    if (words.size() < 3 || words.size() > 4) return std::nullopt;
    DateTime birth;
    if (!TryDateFromText(words.back(), birth)) return std::nullopt;
    const std::string patronymic = words.size() == 4 ? words[2] : std::string();
    return Ndfl2PersonId{"", JoinName(words[0], words[1], patronymic), DateToText(birth)};
}

bool SamePerson(const Ndfl2PersonId& a, const Ndfl2PersonId& b) {
    if (!a.Inn.empty() && !b.Inn.empty()) return a.Inn == b.Inn;
    return !a.BirthDate.empty() && a.BirthDate == b.BirthDate && NameKey(a.FullName) == NameKey(b.FullName);
}

std::string PersonTitle(const Ndfl2PersonId& id) {
    std::string title = id.FullName;
    if (!id.BirthDate.empty()) title += (title.empty() ? "" : " ") + id.BirthDate;
    if (!id.Inn.empty()) title += (title.empty() ? "ИНН " : ", ИНН ") + id.Inn;
    return title;
}

std::vector<Ndfl2PersonId> PeopleFound(const std::vector<Ndfl2File>& files) {
    std::vector<Ndfl2PersonId> people;
    for (const Ndfl2File& file : files)
        for (const Ndfl2Certificate& c : file.Certificates) {
            const Ndfl2PersonId id = PersonIdOf(c.Person);
            bool known = false;
            for (Ndfl2PersonId& p : people)
                if (SamePerson(p, id)) {
                    if (p.Inn.empty()) p.Inn = id.Inn;  // the one with an ИНН names him best
                    known = true;
                }
            if (!known) people.push_back(id);
        }
    return people;
}

}  // namespace kvz
