#pragma once
// The check dialog of single screens and dialogs: "Исправить", "Пропустить",
// "Пропустить все". The enabled state of the two skip buttons carries over from one
// showing to the next until the caller changes it.
#include "checks/check_dialog.h"
#include "checks/ui/check_dialog_frame.h"

class QPushButton;

namespace kvz {

class TfmCheckError : public TCheckDialogFrame, public CheckDialog {
    Q_OBJECT
public:
    explicit TfmCheckError(QWidget* parent = nullptr);

    void SetSkipEnabled(bool enabled);
    void SetSkipAllEnabled(bool enabled);

    int Ask(const std::string& sectionCaption, const std::string& message, CheckButtons enabled) override;

private:
    QPushButton* Fix_ = nullptr;
    QPushButton* Skip_ = nullptr;
    QPushButton* SkipAll_ = nullptr;
};

}  // namespace kvz
