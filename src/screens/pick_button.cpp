#include "screens/pick_button.h"

#include "screens/pick_list_dialog.h"
#include "screens/typed_code.h"

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

QString TPickButton::TakeTyped(const QString& typed) {
    // Without its list (a directory file was missing) a code cannot be checked: it
    // stays as typed, and the declaration check speaks of it.
    if (!Dialog_) return {};
    const std::unique_ptr<TPickListDialog> list = Dialog_(window());
    if (!list->TakeTyped(typed.trimmed().toStdString()))
        return QStringLiteral("Кода \"%1\" нет в списке \"%2\". Выберите код из списка кнопкой \"...\".")
            .arg(typed.trimmed(), list->windowTitle());
    Chosen_(list->SelectedCode(), list->SelectedName());
    return {};
}

void TPickButton::TypedInto(QLineEdit* field) { new TTypedCode(field, this); }

}  // namespace kvz
