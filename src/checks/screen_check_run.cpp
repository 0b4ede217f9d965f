#include "checks/screen_check_run.h"

namespace kvz {

uint32_t AskFindings(CheckDialog* dialog, const CheckFindings& findings) {
    for (const CheckFinding& finding : findings) {
        const int answer =
            dialog ? dialog->Ask(finding.sectionTitle, finding.message, CheckButtons{}) : kCheckAnswerFix;
        if (answer == kCheckAnswerFix) return static_cast<uint32_t>(finding.field);
        if (answer == kCheckAnswerSkipAll) return 0;
    }
    return 0;
}

}  // namespace kvz
