#include "screens/typed_code.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "screens/pick_button.h"
#include "storage/document_paths.h"
#include "window/window_dialogs.h"

namespace kvz {

namespace {

bool StartsACode(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const QString text = event->text();
    return text.size() == 1 && text.front().isLetterOrNumber();
}

}  // namespace

TTypedCode::TTypedCode(QLineEdit* field, TPickButton* button)
    : QObject(field), Field_(field), Button_(button), Panel_(field->isReadOnly()) {
    // A click into the field makes it the one typed into, never the field before.
    Field_->setFocusPolicy(Qt::StrongFocus);
    Field_->installEventFilter(this);
}

bool TTypedCode::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Field_) return false;
    switch (event->type()) {
        case QEvent::FocusIn:
            if (!Typing_) Shown_ = Field_->text();
            if (!Panel_) Typing_ = true;
            break;
        case QEvent::FocusOut:
            if (Typing_) Finish(false);
            break;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (Panel_ && !Typing_ && StartsACode(key)) Begin();
            if (!Typing_) break;
            if (key->key() == Qt::Key_Escape && Panel_) {
                Finish(true);
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                Finish(false);
                if (!Panel_) Typing_ = true;  // still in the field
                return Panel_;
            }
            break;
        }
        default:
            break;
    }
    return false;
}

void TTypedCode::Begin() {
    Shown_ = Field_->text();
    Typing_ = true;
    Field_->setReadOnly(false);
    Field_->clear();
}

void TTypedCode::Finish(bool abandon) {
    Typing_ = false;
    const QString typed = Field_->text().trimmed();
    if (Panel_) {
        // The panel shows what it held until the list's row replaces it.
        Field_->setReadOnly(true);
        Field_->setText(Shown_);
    }
    if (abandon || typed.isEmpty() || typed == Shown_.trimmed()) return;
    const QString refusal = Button_->TakeTyped(typed);
    Shown_ = Field_->text();
    if (!refusal.isEmpty()) Refuse(refusal);
}

void TTypedCode::Refuse(const QString& text) {
    // Shown once the focus has settled, not from inside its change.
    QTimer::singleShot(0, Field_, [field = Field_, text] {
        ShowMessageBox(field, text, QString::fromUtf8(kProgramTitle), MessageIcon::Error, MessageButtons::Ok);
    });
}

}  // namespace kvz
