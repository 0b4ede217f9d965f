#include "import/ndfl2_report.h"

namespace kvz {

namespace {

std::string SourceLine(const Ndfl2SourceEntry& s) {
    std::string line = "  [" + s.Section + "] " + s.Agent + ", ИНН " + s.Inn;
    if (!s.Kpp.empty()) line += ", КПП " + s.Kpp;
    line += ", ОКТМО " + s.Oktmo + ": доход " + MoneyToText(s.Income) + ", налог удержан " +
            MoneyToText(s.TaxWithheld);
    if (s.Unchanged) line += " (без изменений)";
    return line + "\n";
}

void Lines(std::string& out, const char* heading, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    out += heading;
    for (const std::string& l : lines) out += "  " + l + "\n";
}

nlohmann::json SourceJson(const Ndfl2SourceEntry& s) {
    return {{"Section", s.Section},          {"Agent", s.Agent},
            {"Inn", s.Inn},                  {"Kpp", s.Kpp},
            {"Oktmo", s.Oktmo},              {"Income", MoneyToText(s.Income)},
            {"TaxWithheld", MoneyToText(s.TaxWithheld)}, {"Unchanged", s.Unchanged},
            {"Certificates", s.Certificates}};
}

}  // namespace

std::string ReportText(const Ndfl2ImportReport& r) {
    std::string out;
    if (r.Created) out += "Декларация 3-НДФЛ составлена на лицо из справки: сведения о налогоплательщике взяты из нее.\n";
    out += "Налогоплательщик: " + r.Person + "\n";
    out += "Добавлено источников: " + std::to_string(r.Added.size()) + "\n";
    for (const Ndfl2SourceEntry& s : r.Added) out += SourceLine(s);
    out += "Заменено источников: " + std::to_string(r.Replaced.size()) + "\n";
    for (const Ndfl2SourceEntry& s : r.Replaced) out += SourceLine(s);
    out += "Пропущено: " + std::to_string(r.Skipped.size()) + "\n";
    for (const Ndfl2SkipEntry& s : r.Skipped) out += "  " + s.Certificate + ": " + s.Reason + "\n";
    Lines(out, "Стандартные вычеты, предоставленные агентами:\n", r.StandardGiven);
    if (!r.StandardNote.empty()) out += r.StandardNote + "\n";
    Lines(out, "Предупреждения:\n", r.Warnings);
    return out;
}

nlohmann::json ReportJson(const Ndfl2ImportReport& r) {
    nlohmann::json added = nlohmann::json::array(), replaced = nlohmann::json::array(),
                   skipped = nlohmann::json::array();
    for (const Ndfl2SourceEntry& s : r.Added) added.push_back(SourceJson(s));
    for (const Ndfl2SourceEntry& s : r.Replaced) replaced.push_back(SourceJson(s));
    for (const Ndfl2SkipEntry& s : r.Skipped) skipped.push_back({{"Certificate", s.Certificate}, {"Reason", s.Reason}});
    return {{"Created", r.Created},         {"Person", r.Person},
            {"Added", added},               {"Replaced", replaced},
            {"Skipped", skipped},           {"StandardDeductions", r.StandardGiven},
            {"StandardNote", r.StandardNote}, {"Warnings", r.Warnings}};
}

}  // namespace kvz
