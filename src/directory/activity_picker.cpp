#include "directory/activity_picker.h"

namespace kvz {

namespace {

const std::string kNothing;

}  // namespace

ActivityPicker::ActivityPicker(const ActivityClassifier& classifier) : Classifier_(classifier) {
    for (const ActivityEntry& entry : Classifier_.Entries)
        if (entry.Level == 1) LevelRows(1).push_back(&entry);
    Chosen_[0] = -1;
    for (int level = 2; level <= kActivityLevels; ++level) {
        LevelRows(level) = {nullptr};
        Chosen_[level - 1] = 0;
    }
}

std::vector<std::string> ActivityPicker::Names(int level) const {
    std::vector<std::string> names;
    if (level < 1 || level > kActivityLevels) return names;
    for (const ActivityEntry* entry : LevelRows(level)) names.push_back(entry ? entry->Name : kNoActivityLevel);
    return names;
}

int ActivityPicker::ChosenRow(int level) const {
    return level < 1 || level > kActivityLevels ? -1 : Chosen_[level - 1];
}

void ActivityPicker::FillBelow(int level, const std::string& kod) {
    for (int deeper = level + 1; deeper <= kActivityLevels; ++deeper) {
        Rows& rows = LevelRows(deeper);
        rows = {nullptr};
        Chosen_[deeper - 1] = 0;
        if (kod.empty()) continue;  // nothing chosen above: nothing to offer
        for (const ActivityEntry& entry : Classifier_.Entries)
            if (entry.Level == deeper && entry.Kod.starts_with(kod)) rows.push_back(&entry);
    }
}

void ActivityPicker::Choose(int level, int row) {
    if (level < 1 || level > kActivityLevels || row < 0 || row >= static_cast<int>(LevelRows(level).size())) return;
    Chosen_[level - 1] = row;
    // "нет" takes back the levels below it too: they offer only "нет" again.
    const ActivityEntry* entry = LevelRows(level)[static_cast<std::size_t>(row)];
    FillBelow(level, entry ? entry->Kod : std::string());
}

void ActivityPicker::Preselect(std::string_view okved) {
    const ActivityEntry* target = nullptr;
    for (const ActivityEntry& entry : Classifier_.Entries)
        if (entry.Okved == okved) {
            target = &entry;
            break;
        }
    if (!target) return;
    for (int level = 1; level <= target->Level; ++level) {
        const Rows& rows = LevelRows(level);
        for (std::size_t row = 0; row < rows.size(); ++row)
            if (rows[row] && target->Kod.starts_with(rows[row]->Kod)) {
                Choose(level, static_cast<int>(row));
                break;
            }
    }
}

const ActivityEntry* ActivityPicker::Deepest(int fromLevel) const {
    for (int level = fromLevel; level >= 1; --level) {
        const int row = Chosen_[level - 1];
        if (row >= 0 && LevelRows(level)[row]) return LevelRows(level)[row];
    }
    return nullptr;
}

const std::string& ActivityPicker::ChosenKod() const {
    const ActivityEntry* entry = Deepest(kActivityLevels);
    return entry ? entry->Kod : kNothing;
}

const std::string& ActivityPicker::ChosenCode() const {
    const ActivityEntry* entry = Deepest(kActivityLevels);
    return entry ? entry->Okved : kNothing;
}

}  // namespace kvz
