#include "app/ui/modal_focus_return.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace kvz {

TModalFocusReturn::TModalFocusReturn(QWidget* mainWindow) : QObject(mainWindow), Main_(mainWindow) {
    qApp->installEventFilter(this);
}

bool TModalFocusReturn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow() && dialog->isModal())
            // After the dialog is gone, when it is clear whether anyone took the keyboard.
            QTimer::singleShot(0, this, [this] { ReturnFocus(); });
    }
    return QObject::eventFilter(watched, event);
}

void TModalFocusReturn::ReturnFocus() {
    if (!Main_ || !Main_->isVisible()) return;
    // Another dialog (the next question) or another window that has the keyboard keeps it.
    if (QApplication::activeModalWidget()) return;
    const QWidget* active = QApplication::activeWindow();
    if (active && active != Main_ && active->isVisible()) return;
    Main_->activateWindow();
}

}  // namespace kvz
