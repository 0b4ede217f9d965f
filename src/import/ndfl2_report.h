#pragma once
// What an import did, for the user: the sources added and replaced, the
// certificates skipped and why, the warnings, and the standard deductions the agents
// gave; as Russian text and as JSON of the same content.
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "storage/money.h"

namespace kvz {

struct Ndfl2SourceEntry {
    std::string Section;
    std::string Agent;
    std::string Inn, Kpp, Oktmo;
    Money Income;
    Money TaxWithheld;
    bool Unchanged = false;  // replaced by the same figures
    std::vector<std::string> Certificates;
};

struct Ndfl2SkipEntry {
    std::string Certificate;
    std::string Reason;
};

struct Ndfl2ImportReport {
    bool Created = false;  // the document was made by this import
    std::string Person;
    std::vector<Ndfl2SourceEntry> Added;
    std::vector<Ndfl2SourceEntry> Replaced;
    std::vector<Ndfl2SkipEntry> Skipped;
    std::vector<std::string> Warnings;
    std::vector<std::string> StandardGiven;  // "FILE: справка № 1: код 114: …"
    std::string StandardNote;                // what became of the section
};

std::string ReportText(const Ndfl2ImportReport& report);
nlohmann::json ReportJson(const Ndfl2ImportReport& report);

}  // namespace kvz
