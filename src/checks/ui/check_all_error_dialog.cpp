#include "checks/ui/check_all_error_dialog.h"

#include <QPushButton>

namespace kvz {

TfmCheckAllError::TfmCheckAllError(QWidget* parent) : TCheckDialogFrame(parent) {
    setObjectName(QStringLiteral("TfmCheckAllError"));
    Fix_ = AddAnswerButton(QString::fromUtf8(kCheckButtonFix), kCheckAnswerFix, QStringLiteral("btnFix"));
    AddAnswerButton(QString::fromUtf8(kCheckButtonCancel), kCheckAnswerSkip, QStringLiteral("btnCancel"));
    Fix_->setDefault(true);
}

int TfmCheckAllError::Ask(const std::string& sectionCaption, const std::string& message) {
    SetCheckSection(sectionCaption);
    SetCheckMessage(message);
    Fix_->setFocus();
    return exec();
}

}  // namespace kvz
