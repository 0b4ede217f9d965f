#include "screens/dialog_parts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "storage/document_paths.h"
#include "window/window_dialogs.h"
#include "screens/field_binder.h"
#include "screens/screen_widgets.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr int kAmountWhole = 12;
constexpr int kAmountFraction = 2;
constexpr int kMonthsInYear = 12;

class FixEverything : public CheckDialog {
public:
    int Ask(const std::string&, const std::string&, CheckButtons) override { return kCheckAnswerFix; }
};

// What the user can change in a dialog, read from its editors in their order. A
// window it owns (the help asked for from it) is not the dialog's.
QStringList EditorState(const QWidget& dialog) {
    QStringList state;
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (widget->window() != &dialog) continue;
        if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
            state << line->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (button->isCheckable()) state << QString::number(button->isChecked());
        } else if (const auto* choice = qobject_cast<const QComboBox*>(widget)) {
            state << QString::number(choice->currentIndex());
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget); view && view->model()) {
            const QAbstractItemModel& model = *view->model();
            for (int row = 0; row < model.rowCount(); ++row)
                for (int column = 0; column < model.columnCount(); ++column)
                    state << model.index(row, column).data().toString();
        }
    }
    return state;
}

// A dialog opens in its first field, not on "Да", whose row is made before the
// fields and so stands first in Tab order.
void FocusFirstFieldOf(QDialog& dialog, const QDialogButtonBox& box) {
    QWidget* focus = dialog.focusWidget();
    if (focus == nullptr || box.isAncestorOf(focus)) FocusFirstField(&dialog);
}

// Wide enough for its title: a window manager shortens a title that does not fit
// in the middle, which leaves "Комбинаци…ых вычетов".
void FitTitle(QDialog& dialog) {
    QFont bold = dialog.font();
    bold.setBold(true);
    // Room for the window's icon and its three buttons beside the title.
    constexpr int kTitleBarButtons = 120;
    const int needed = QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + kTitleBarButtons;
    if (dialog.width() < needed) dialog.resize(needed, dialog.height());
}

// Escape and the window's close button leave an item dialog like "Нет"; once
// something was typed they ask first, so that a slip of the finger loses nothing.
class KeepTypedData : public QObject {
public:
    KeepTypedData(QDialog* dialog, QDialogButtonBox* box, QPushButton* yes)
        : QObject(dialog), Dialog_(dialog), Box_(box), Yes_(yes) {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != Dialog_) return false;
        if (event->type() == QEvent::Show) {
            FocusFirstFieldOf(*Dialog_, *Box_);
            FitTitle(*Dialog_);
            Shown_ = EditorState(*Dialog_);
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) return !MayLeave();
        } else if (event->type() == QEvent::Close && !MayLeave()) {
            event->ignore();
            return true;
        }
        return false;
    }

private:
    bool MayLeave() {
        if (!Dialog_->isVisible() || EditorState(*Dialog_) == Shown_) return true;
        switch (ShowMessageBox(Dialog_, QStringLiteral("Сохранить внесённые изменения?"),
                               QString::fromUtf8(kProgramTitle), MessageIcon::Question,
                               MessageButtons::YesNoCancel)) {
            case MessageAnswer::Yes:
                Yes_->click();  // the way of "Да", checks included: a refusal keeps the dialog open
                return false;
            case MessageAnswer::No:
                return true;
            default:
                return false;
        }
    }

    QDialog* Dialog_;
    QDialogButtonBox* Box_;
    QPushButton* Yes_;
    QStringList Shown_;
};

}  // namespace

QDialogButtonBox* YesNoButtons(QDialog* dialog) {
    // Made inside the dialog so that "Да" is the dialog's main default button: Enter
    // accepts again once the focus has left a "..." button that took Enter for itself.
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* yes = box->addButton(QStringLiteral("Да"), QDialogButtonBox::AcceptRole);
    yes->setObjectName(QStringLiteral("fbYes"));
    yes->setDefault(true);
    box->addButton(QStringLiteral("Нет"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("fbNo"));
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    new KeepTypedData(dialog, box, yes);
    return box;
}

TMaskedEdit* NewNamedEdit(const char* name, TEditTypeControlEnum type, int length, int fraction) {
    auto* edit = new TMaskedEdit(type, length, fraction);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

TMaskedEdit* NewAmountEdit(const char* name, Money value) {
    TMaskedEdit* edit = NewNamedEdit(name, edtCurrency, kAmountWhole, kAmountFraction);
    edit->LoadText(MoneyScreenText(value));
    return edit;
}

Money TypedAmount(const TMaskedEdit* edit) {
    try {
        return MoneyFromScreenText(edit->text());
    } catch (const EConvertError&) {
        return Money();
    }
}

void KeepMonthNumber(TMaskedEdit* edit) {
    QObject::connect(edit, &TCheckedLineEdit::changed, edit, [edit] {
        if (edit->text().toInt() > kMonthsInYear) edit->setText(QString::number(kMonthsInYear));
    });
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit] {
        if (!edit->text().isEmpty() && edit->text().toInt() <= 0) edit->setText(QStringLiteral("1"));
    });
}

int TypedMonth(const TMaskedEdit* edit) {
    const int month = edit->text().toInt();
    return month < 1 ? 1 : month > kMonthsInYear ? kMonthsInYear : month;
}

CheckDialog& ChecksOrFix(CheckDialog* checks) {
    static FixEverything fix;
    return checks ? *checks : fix;
}

}  // namespace kvz
