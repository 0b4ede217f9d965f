#pragma once
// One run of a screen's checks: each failed check is shown in the check dialog
// while the user has answered neither "Исправить" nor "Пропустить все"; the run
// gives the field of the check answered "Исправить", or 0.
#include <cstdint>
#include <string>

#include "checks/check_dialog.h"

namespace kvz {

class ScreenCheckRun {
public:
    // Without a dialog a failed check ends the run as if "Исправить" was chosen,
    // so that nothing wrong passes unseen.
    ScreenCheckRun(CheckDialog* dialog, std::string sectionCaption);

    // Shows `message` when `failed` and the run goes on.
    void Check(bool failed, const std::string& message, uint32_t field);
    bool Over() const { return Over_; }
    uint32_t Result() const { return Result_; }

private:
    CheckDialog* Dialog_;
    std::string Caption_;
    bool Over_ = false;
    uint32_t Result_ = 0;
};

}  // namespace kvz
