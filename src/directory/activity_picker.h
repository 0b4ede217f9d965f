#pragma once
// The activity classifier picker ("Код по ОКВЭД") without its window: six lists,
// one a level. The first lists every section; choosing an entry at a level fills
// each deeper list with "нет" and the entries below the choice, so that a code may
// be picked at any depth. The dialog shows Names(), reports choices through
// Choose() and takes ChosenCode().
#include <string>
#include <string_view>
#include <vector>

#include "directory/activity_classifier.h"

namespace kvz {

// The first row of every list below the first: nothing chosen at that level, nor
// below it; the lists below it then hold only "нет".
inline constexpr const char* kNoActivityLevel = "нет";

class ActivityPicker {
public:
    // The classifier must outlive the picker.
    explicit ActivityPicker(const ActivityClassifier& classifier);

    // Levels are 1 … kActivityLevels.
    std::vector<std::string> Names(int level) const;
    // The chosen row of a level: -1 at the first before any choice, 0 ("нет") below.
    int ChosenRow(int level) const;
    // A row outside the level's list is ignored.
    void Choose(int level, int row);
    // Chooses the path down to the entry of this code, as if the user had; a code
    // the classifier lacks chooses nothing.
    void Preselect(std::string_view okved);

    // The key and the code of the deepest entry chosen; empty before any choice.
    const std::string& ChosenKod() const;
    const std::string& ChosenCode() const;

private:
    using Rows = std::vector<const ActivityEntry*>;  // null stands for "нет"
    Rows& LevelRows(int level) { return Rows_[level - 1]; }
    const Rows& LevelRows(int level) const { return Rows_[level - 1]; }
    void FillBelow(int level, const std::string& kod);
    // The entry chosen at the deepest level up to fromLevel, or null.
    const ActivityEntry* Deepest(int fromLevel) const;

    const ActivityClassifier& Classifier_;
    Rows Rows_[kActivityLevels];
    int Chosen_[kActivityLevels];
};

}  // namespace kvz
