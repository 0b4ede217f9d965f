#pragma once
// The check dialog of the whole declaration: "Исправить" or "Отмена".
#include "checks/check_dialog.h"
#include "checks/ui/check_dialog_frame.h"

class QPushButton;

namespace kvz {

class TfmCheckAllError : public TCheckDialogFrame, public CheckAllDialog {
    Q_OBJECT
public:
    explicit TfmCheckAllError(QWidget* parent = nullptr);

    int Ask(const std::string& sectionCaption, const std::string& message) override;

private:
    QPushButton* Fix_ = nullptr;
};

}  // namespace kvz
