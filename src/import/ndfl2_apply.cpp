#include "import/ndfl2_apply.h"

#include <memory>

#include "import/ndfl2_lines.h"
#include "import/ndfl2_taxpayer.h"
#include "model/declaration.h"

namespace kvz {

namespace {

// The sum of every part with the same agent that lands in the same section.
struct PlannedSource {
    Ndfl2Section Section;
    Ndfl2Agent Agent;
    Ndfl2Part Sum;
    bool StandardHere = false;
    std::vector<std::string> Certificates;
};

bool SameAgent(const Ndfl2Agent& a, const mTSourseIncomeInfo& s) {
    return a.Inn == s.Inn && a.Kpp == s.Kpp && a.Oktmo == s.Oktmo;
}

void AddPart(std::vector<PlannedSource>& planned, const Ndfl2Item& item, const Ndfl2Part& part) {
    const Ndfl2Agent& agent = item.Certificate.Agent;
    for (PlannedSource& p : planned) {
        if (p.Section != part.Section || p.Agent.Inn != agent.Inn || p.Agent.Kpp != agent.Kpp ||
            p.Agent.Oktmo != agent.Oktmo)
            continue;
        p.Sum.Lines.insert(p.Sum.Lines.end(), part.Lines.begin(), part.Lines.end());
        p.Sum.Income += part.Income;
        p.Sum.Taxable += part.Taxable;
        p.Sum.TaxComputed += part.TaxComputed;
        p.Sum.TaxWithheld += part.TaxWithheld;
        p.StandardHere = p.StandardHere || !item.Standard.empty();
        p.Certificates.push_back(item.Label());
        return;
    }
    planned.push_back({part.Section, agent, part, !item.Standard.empty(), {item.Label()}});
}

void SetAgent(mTSourseIncomeInfo& s, const Ndfl2Agent& agent) {
    s.Inn = agent.Inn;
    s.Kpp = agent.Kpp;
    s.Oktmo = agent.Oktmo;
    s.SourceName = agent.Name;
}

// The code of a 35 % source that holds one income: the lines' own when they agree.
int32_t CommonIncomeCode(const std::vector<Ndfl2Line>& lines, int32_t fallback) {
    if (lines.empty()) return fallback;
    for (const Ndfl2Line& line : lines)
        if (line.IncomeCode != lines.front().IncomeCode) return fallback;
    return lines.front().IncomeCode;
}

std::unique_ptr<mTThirteenPercent> ThirteenSource(const PlannedSource& p, bool resident) {
    auto s = std::make_unique<mTThirteenPercent>();
    SetAgent(*s, p.Agent);
    std::vector<std::string> shownInThePlan;
    for (const mTSourseIncome& line : ModelLines(p.Sum.Lines, resident, shownInThePlan)) s->AddLine(line);
    s->TaxableAmount = p.Sum.Taxable;
    s->TaxComputed = p.Sum.TaxComputed;
    s->TaxWithheld = p.Sum.TaxWithheld;
    s->MarkMonthsOfLines();
    return s;
}

// The 9 % and dividend sections carry the one code the window gives them.
std::unique_ptr<mTThirtyPercent> ThirtySource(const PlannedSource& p, int32_t sectionCode) {
    auto s = std::make_unique<mTThirtyPercent>();
    SetAgent(*s, p.Agent);
    s->IncomeCode = sectionCode;
    s->IncomeTotal = p.Sum.Income;
    s->TaxableAmount = p.Sum.Taxable;
    s->TaxComputed = p.Sum.TaxComputed;
    s->TaxWithheld = p.Sum.TaxWithheld;
    return s;
}

std::unique_ptr<mTThirtyFivePercent> ThirtyFiveSource(const PlannedSource& p, std::vector<std::string>& warnings) {
    auto s = std::make_unique<mTThirtyFivePercent>();
    SetAgent(*s, p.Agent);
    const int32_t first = p.Sum.Lines.empty() ? 0 : p.Sum.Lines.front().IncomeCode;
    s->IncomeCode = CommonIncomeCode(p.Sum.Lines, first);
    if (s->IncomeCode != CommonIncomeCode(p.Sum.Lines, -1))
        warnings.push_back(p.Agent.Name + ": доходы по ставке 35 % с разными кодами сведены в один источник с кодом " +
                           std::to_string(first));
    for (const Ndfl2Line& line : p.Sum.Lines)
        for (const Ndfl2Deduction& d : line.Deductions) {
            if (s->DeductionCode == 0) s->DeductionCode = d.Code;
            s->DeductionAmount += d.Amount;
        }
    s->IncomeTotal = p.Sum.Income;
    s->TaxWithheld = p.Sum.TaxWithheld;
    return s;
}

// What the calculation fills and the file does not keep stays as it was, so that a
// source replaced by the same figures compares equal.
void KeepComputed(const mTSourseIncomeInfo& old, mTSourseIncomeInfo& fresh) { fresh.IncomeKindCode = old.IncomeKindCode; }
void KeepComputed(const mTThirteenPercent& old, mTThirteenPercent& fresh) {
    fresh.IncomeKindCode = old.IncomeKindCode;
    fresh.StandardDeductionsHere = old.StandardDeductionsHere;  // the user's choice
}
void KeepComputed(const mTThirtyFivePercent& old, mTThirtyFivePercent& fresh) {
    fresh.IncomeKindCode = old.IncomeKindCode;
    fresh.TaxableAmount = old.TaxableAmount;
    fresh.TaxComputed = old.TaxComputed;
}

// Puts the source in place of the one of the same agent, or at the end. Returns its
// index; replaced and unchanged say what happened.
template <class Source>
int PutSource(mTItemList<Source>& list, std::unique_ptr<Source> fresh, const Ndfl2Agent& agent, bool& replaced,
              bool& unchanged) {
    for (int i = 0; i < list.Count(); ++i) {
        if (!SameAgent(agent, list.Get(i))) continue;
        KeepComputed(list.Get(i), *fresh);
        replaced = true;
        unchanged = list.Get(i) == *fresh;
        list.Put(i, std::move(fresh));
        return i;
    }
    replaced = unchanged = false;
    const int index = list.Add();
    list.Put(index, std::move(fresh));
    return index;
}

struct Placed {
    int Index = -1;
    bool Replaced = false;
    bool Unchanged = false;
};

Placed PutPlanned(mTDeclaration& d, const PlannedSource& p, bool resident, std::vector<std::string>& warnings) {
    Placed r;
    switch (p.Section) {
        case Ndfl2Section::Thirteen:
            r.Index = PutSource(d.Thirteen, ThirteenSource(p, resident), p.Agent, r.Replaced, r.Unchanged);
            break;
        case Ndfl2Section::ThirteenNR:
            r.Index = PutSource(d.ThirteenNR, ThirteenSource(p, resident), p.Agent, r.Replaced, r.Unchanged);
            break;
        case Ndfl2Section::Nine:
            r.Index = PutSource(d.Nine, ThirtySource(p, mTThirtyPercent::kNineIncomeCode), p.Agent, r.Replaced,
                                r.Unchanged);
            break;
        case Ndfl2Section::Dividends:
            r.Index = PutSource(d.Dividends, ThirtySource(p, mTThirtyPercent::kDividendIncomeCode), p.Agent,
                                r.Replaced, r.Unchanged);
            break;
        case Ndfl2Section::ThirtyFive:
            r.Index = PutSource(d.ThirtyFive, ThirtyFiveSource(p, warnings), p.Agent, r.Replaced, r.Unchanged);
            break;
    }
    return r;
}

Ndfl2SourceEntry EntryOf(const PlannedSource& p, bool resident, bool unchanged) {
    return {SectionTitle(p.Section, resident), p.Agent.Name, p.Agent.Inn,          p.Agent.Kpp, p.Agent.Oktmo,
            p.Sum.Income,                      p.Sum.TaxWithheld, unchanged, p.Certificates};
}

void ApplyStandard(mTDeclaration& d, const Ndfl2Plan& plan, const std::vector<const Ndfl2Item*>& taken,
                   const std::vector<std::pair<PlannedSource, Placed>>& placed, Ndfl2ImportReport& report) {
    std::vector<Ndfl2StandardGiven> all;
    for (const Ndfl2Item* item : taken)
        for (const Ndfl2StandardGiven& g : item->Standard) {
            all.push_back(g);
            report.StandardGiven.push_back(item->Label() + ": " + StandardGivenText(g));
        }
    if (all.empty()) return;
    if (!plan.Resident) {
        report.StandardNote = "Стандартные вычеты предоставляются только резидентам; раздел вычетов не изменен.";
        return;
    }
    if (!StandardSectionEmpty(d.Standard)) {
        report.StandardNote = "Раздел стандартных вычетов уже заполнен и не изменен; сверьте его с этими кодами.";
        return;
    }
    report.StandardNote = SetStandardSection(d.Standard, all);
    for (const auto& [p, where] : placed)
        if (p.StandardHere && p.Section == Ndfl2Section::Thirteen)
            d.Thirteen.Get(where.Index).StandardDeductionsHere = true;
}

}  // namespace

Ndfl2ImportReport ApplyNdfl2Plan(mTDeclaration& d, const Ndfl2Plan& plan, bool newDocument,
                                 const std::vector<bool>& take) {
    Ndfl2ImportReport report;
    report.Created = newDocument;
    report.Person = PersonTitle(plan.Person);
    report.Warnings = plan.Warnings;
    if (newDocument) {
        FillTaxpayer(d.Person, plan.PersonData);
        d.DeclarationKind = plan.Resident ? kDecl3Ndfl : kDecl3NdflNonResident;
    }
    std::vector<const Ndfl2Item*> taken;
    std::vector<PlannedSource> planned;
    for (std::size_t i = 0; i < plan.Items.size(); ++i) {
        const Ndfl2Item& item = plan.Items[i];
        if (!item.Addable()) {
            report.Skipped.push_back({item.Label(), item.SkipReason});
        } else if (!take.empty() && (i >= take.size() || !take[i])) {
            report.Skipped.push_back({item.Label(), "не выбрана для загрузки"});
        } else {
            taken.push_back(&item);
            for (const Ndfl2Part& part : item.Parts) AddPart(planned, item, part);
        }
        for (const std::string& w : item.Warnings) report.Warnings.push_back(item.Label() + ": " + w);
    }
    if (!planned.empty() && !(d.IncomeKinds & kIncomeRussian)) d.SetIncomeKinds(d.IncomeKinds | kIncomeRussian);
    std::vector<std::pair<PlannedSource, Placed>> placed;
    for (const PlannedSource& p : planned) {
        const Placed where = PutPlanned(d, p, plan.Resident, report.Warnings);
        (where.Replaced ? report.Replaced : report.Added).push_back(EntryOf(p, plan.Resident, where.Unchanged));
        placed.emplace_back(p, where);
    }
    ApplyStandard(d, plan, taken, placed, report);
    return report;
}

}  // namespace kvz
