#include "screens/screen_check_run.h"

namespace kvz {

ScreenCheckRun::ScreenCheckRun(CheckDialog* dialog, std::string sectionCaption)
    : Dialog_(dialog), Caption_(std::move(sectionCaption)) {}

void ScreenCheckRun::Check(bool failed, const std::string& message, uint32_t field) {
    if (!failed || Over_) return;
    const int answer = Dialog_ ? Dialog_->Ask(Caption_, message, CheckButtons{}) : kCheckAnswerFix;
    if (answer == kCheckAnswerFix) {
        Over_ = true;
        Result_ = field;
    } else if (answer == kCheckAnswerSkipAll) {
        Over_ = true;
        Result_ = 0;
    }
}

}  // namespace kvz
