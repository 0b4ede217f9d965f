#pragma once
// What an import of certificate files would do, before it does it: whose
// certificates they are, and for each certificate and rate whether it is added,
// where, with which figures and warnings, or why not. The window shows it for the
// user to choose; the command-line tool takes every item that can be added.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "import/ndfl2_certificate.h"
#include "import/ndfl2_person.h"
#include "import/ndfl2_placement.h"
#include "import/ndfl2_selection.h"
#include "import/ndfl2_standard.h"

namespace kvz {

// One certificate's income at one rate, or a whole certificate that is not added.
struct Ndfl2Item {
    Ndfl2Certificate Certificate;
    int Block = -1;  // the rate block; -1 for a whole certificate
    Ndfl2Fate Fate = Ndfl2Fate::Take;
    std::vector<Ndfl2Part> Parts;
    std::vector<Ndfl2StandardGiven> Standard;
    std::vector<std::string> Warnings;
    std::string SkipReason;  // empty when the item can be added

    bool Addable() const { return SkipReason.empty(); }
    int Rate() const;
    // "справка № 1 (корр. 00) от 12.02.2016"
    std::string Title() const;
    // "FILE: " and the title, and ", ставка 13 %" for a rate block
    std::string Label() const;
    // "01–12", "09–12" or "01, 03, 12"; empty without lines.
    std::string Months() const;
    Money Income() const;
    Money TaxWithheld() const;
};

struct Ndfl2Plan {
    Ndfl2PersonId Person;
    Ndfl2Person PersonData;  // as the first certificate taken states it
    bool Resident = true;
    std::vector<Ndfl2Item> Items;
    std::vector<std::string> Warnings;  // about the import as a whole
};

// The document the certificates go into; a new one has no person and no kind.
struct Ndfl2Target {
    std::optional<Ndfl2PersonId> Person;
    std::optional<uint8_t> DeclarationKind;
};

// Throws ENdfl2Refused when the person cannot be told or a file holds none of his
// certificates. chosen: the person the user named, if any.
Ndfl2Plan PlanNdfl2Import(const std::vector<Ndfl2File>& files, const Ndfl2Target& target,
                          const std::optional<Ndfl2PersonId>& chosen);

}  // namespace kvz
