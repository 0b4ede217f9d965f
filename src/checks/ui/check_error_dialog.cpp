#include "checks/ui/check_error_dialog.h"

#include <QPushButton>

namespace kvz {

TfmCheckError::TfmCheckError(QWidget* parent) : TCheckDialogFrame(parent) {
    setObjectName(QStringLiteral("TfmCheckError"));
    Fix_ = AddAnswerButton(QString::fromUtf8(kCheckButtonFix), kCheckAnswerFix, QStringLiteral("btnFix"));
    Skip_ = AddAnswerButton(QString::fromUtf8(kCheckButtonSkip), kCheckAnswerSkip, QStringLiteral("btnSkip"));
    SkipAll_ =
        AddAnswerButton(QString::fromUtf8(kCheckButtonSkipAll), kCheckAnswerSkipAll, QStringLiteral("btnSkipAll"));
    Fix_->setDefault(true);
}

void TfmCheckError::SetSkipEnabled(bool enabled) { Skip_->setEnabled(enabled); }

void TfmCheckError::SetSkipAllEnabled(bool enabled) { SkipAll_->setEnabled(enabled); }

int TfmCheckError::Ask(const std::string& sectionCaption, const std::string& message, CheckButtons enabled) {
    SetCheckSection(sectionCaption);
    SetCheckMessage(message);
    SetSkipEnabled(enabled.skip);
    SetSkipAllEnabled(enabled.skipAll);
    Fix_->setFocus();
    return exec();
}

}  // namespace kvz
