#include "screens/pick_button.h"

#include "screens/pick_list_dialog.h"

namespace kvz {

TPickButton::TPickButton(const QString& objectName, const QString& hint, DialogFactory dialog,
                         std::function<std::string()> current, Chosen chosen)
    : QPushButton(QStringLiteral("...")),
      Dialog_(std::move(dialog)),
      Current_(std::move(current)),
      Chosen_(std::move(chosen)) {
    setObjectName(objectName);
    setToolTip(hint);
    setMaximumWidth(32);
    setEnabled(Dialog_ != nullptr);
    connect(this, &QPushButton::clicked, this, &TPickButton::Pick);
}

void TPickButton::Pick() {
    if (!Dialog_) return;
    const std::unique_ptr<TPickListDialog> dialog = Dialog_(window());
    dialog->Preselect(Current_());
    if (dialog->exec() == QDialog::Accepted) Chosen_(dialog->SelectedCode(), dialog->SelectedName());
}

}  // namespace kvz
