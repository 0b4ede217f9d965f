#include "import/ndfl2_plan.h"

#include <cstdio>

#include "import/ndfl2_arithmetic.h"
#include "import/ndfl2_lines.h"
#include "import/ndfl2_reader.h"
#include "model/declaration.h"

namespace kvz {

namespace {

[[noreturn]] void Refuse(const std::string& text) { throw ENdfl2Refused(text); }

std::string PeopleList(const std::vector<Ndfl2PersonId>& people) {
    std::string text;
    for (std::size_t i = 0; i < people.size(); ++i)
        text += "\n  " + std::to_string(i + 1) + ") " + PersonTitle(people[i]);
    return text;
}

// The person the certificates are taken for.
Ndfl2PersonId ChoosePerson(const std::vector<Ndfl2File>& files, const Ndfl2Target& target,
                           const std::optional<Ndfl2PersonId>& chosen) {
    const std::vector<Ndfl2PersonId> people = PeopleFound(files);
    if (!chosen) {
        if (target.Person) return *target.Person;
        if (people.size() == 1) return people.front();
        Refuse("в файлах справки нескольких лиц, выберите одно из них:" + PeopleList(people));
    }
    for (const Ndfl2PersonId& p : people) {
        if (!SamePerson(*chosen, p)) continue;
        if (target.Person && !SamePerson(*target.Person, p))
            Refuse("документ составлен на " + PersonTitle(*target.Person) + ", а выбрано другое лицо: " +
                   PersonTitle(p));
        return p;
    }
    Refuse("в файлах нет справок лица " + PersonTitle(*chosen) + "; в них есть:" + PeopleList(people));
}

std::vector<const Ndfl2Certificate*> CertificatesOf(const std::vector<Ndfl2File>& files, const Ndfl2PersonId& person) {
    std::vector<const Ndfl2Certificate*> theirs;
    for (const Ndfl2File& file : files) {
        const std::size_t before = theirs.size();
        for (const Ndfl2Certificate& c : file.Certificates)
            if (SamePerson(person, PersonIdOf(c.Person))) theirs.push_back(&c);
        if (theirs.size() == before)
            Refuse(file.Path + ": в файле нет справок налогоплательщика " + PersonTitle(person) +
                   "; в нем есть:" + PeopleList(PeopleFound({file})));
    }
    return theirs;
}

std::vector<std::string> NotCarriedDeductions(const Ndfl2RateBlock& block) {
    std::vector<std::string> out;
    for (const Ndfl2Deduction& d : block.GivenDeductions)
        if (!IsStandardDeductionCode(d.Code))
            out.push_back("вычет с кодом " + std::to_string(d.Code) + " на " + MoneyToText(d.Amount) +
                          " руб., предоставленный агентом, не перенесен: внесите его в разделе «Вычеты»");
    return out;
}

Ndfl2Item BlockItem(const Ndfl2Certificate& c, int index, Ndfl2Fate fate, bool resident) {
    const Ndfl2RateBlock& block = c.Blocks[static_cast<std::size_t>(index)];
    Ndfl2Item item{c, index, fate, {}, StandardDeductionsGiven(block.GivenDeductions), {}, FateReason(fate)};
    if (fate != Ndfl2Fate::Take) return item;
    Ndfl2Placement placed = PlaceBlock(block, resident);
    item.Parts = std::move(placed.Parts);
    item.SkipReason = placed.NoPlace;
    item.Warnings = std::move(placed.Warnings);
    for (const Ndfl2Part& part : item.Parts)
        if (part.Section == Ndfl2Section::Thirteen || part.Section == Ndfl2Section::ThirteenNR)
            ModelLines(part.Lines, resident, item.Warnings);
    for (std::string& w : ArithmeticWarnings(block)) item.Warnings.push_back(std::move(w));
    for (std::string& w : UnknownCodeWarnings(block.Lines)) item.Warnings.push_back(std::move(w));
    for (std::string& w : NotCarriedDeductions(block)) item.Warnings.push_back(std::move(w));
    return item;
}

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

}  // namespace

int Ndfl2Item::Rate() const {
    return Block < 0 ? 0 : Certificate.Blocks[static_cast<std::size_t>(Block)].Rate;
}

std::string Ndfl2Item::Title() const {
    return "справка № " + Certificate.Number + " (корр. " + TwoDigits(Certificate.Correction) + ") от " +
           Certificate.Date;
}

std::string Ndfl2Item::Label() const {
    std::string label = Certificate.File + ": " + Title();
    if (Block >= 0) label += ", ставка " + std::to_string(Rate()) + " %";
    return label;
}

std::string Ndfl2Item::Months() const {
    if (Block < 0) return "";
    bool present[13] = {};
    for (const Ndfl2Line& line : Certificate.Blocks[static_cast<std::size_t>(Block)].Lines)
        if (line.Month >= 1 && line.Month <= 12) present[line.Month] = true;
    std::string text;
    for (int m = 1; m <= 12; ++m) {
        if (!present[m]) continue;
        int last = m;
        while (last < 12 && present[last + 1]) ++last;
        if (!text.empty()) text += ", ";
        text += TwoDigits(m);
        if (last > m) text += "–" + TwoDigits(last);
        m = last;
    }
    return text;
}

Money Ndfl2Item::Income() const {
    return Block < 0 ? Money() : Certificate.Blocks[static_cast<std::size_t>(Block)].Totals.IncomeTotal;
}

Money Ndfl2Item::TaxWithheld() const {
    return Block < 0 ? Money() : Certificate.Blocks[static_cast<std::size_t>(Block)].Totals.TaxWithheld;
}

Ndfl2Plan PlanNdfl2Import(const std::vector<Ndfl2File>& files, const Ndfl2Target& target,
                          const std::optional<Ndfl2PersonId>& chosen) {
    if (target.DeclarationKind == kDecl4Ndfl)
        Refuse("документ — декларация 4-НДФЛ; справки 2-НДФЛ загружаются только в декларацию 3-НДФЛ");
    if (files.empty()) Refuse("не указан ни один файл справок");
    Ndfl2Plan plan;
    plan.Person = ChoosePerson(files, target, chosen);
    const std::vector<const Ndfl2Certificate*> theirs = CertificatesOf(files, plan.Person);
    const std::vector<Ndfl2Fate> fates = CertificateFates(theirs);
    const Ndfl2Certificate* first = theirs.front();
    for (std::size_t i = 0; i < theirs.size(); ++i)
        if (fates[i] == Ndfl2Fate::Take) {
            first = theirs[i];
            break;
        }
    plan.PersonData = first->Person;
    plan.Resident = target.DeclarationKind ? *target.DeclarationKind != kDecl3NdflNonResident
                                           : first->Person.Status == 1;
    for (std::size_t i = 0; i < theirs.size(); ++i) {
        const Ndfl2Certificate& c = *theirs[i];
        if ((c.Person.Status == 1) != plan.Resident && fates[i] == Ndfl2Fate::Take)
            plan.Warnings.push_back(c.File + ": справка № " + c.Number + ": статус получателя дохода " +
                                    std::to_string(c.Person.Status) + " (" +
                                    (c.Person.Status == 1 ? "резидент" : "нерезидент") + "), а декларация " +
                                    (plan.Resident ? "резидента" : "нерезидента"));
        if (fates[i] != Ndfl2Fate::Take && fates[i] != Ndfl2Fate::NotWithheld) {
            plan.Items.push_back({c, -1, fates[i], {}, {}, {}, FateReason(fates[i])});
            continue;
        }
        for (std::size_t b = 0; b < c.Blocks.size(); ++b)
            plan.Items.push_back(BlockItem(c, static_cast<int>(b), fates[i], plan.Resident));
    }
    return plan;
}

}  // namespace kvz
