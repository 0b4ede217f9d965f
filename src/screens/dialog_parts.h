#pragma once
// Pieces the item dialogs of the screens share: their "Да" / "Нет" row, typed
// fields, the amount a field holds, the check dialog to run acceptance with, and
// taking the edited copy on "Да".
#include <QDialog>
#include <QString>

#include "checks/check_dialog.h"
#include "screens/masked_edit.h"
#include "storage/money.h"

class QDialogButtonBox;

namespace kvz {

// "Да" (the default button, accepting through `accepted`) and "Нет" (rejecting).
// Escape or closing the window after an edit asks whether to keep it.
QDialogButtonBox* YesNoButtons(QDialog* dialog);
// A masked field named after the value it edits.
TMaskedEdit* NewNamedEdit(const char* name, TEditTypeControlEnum type, int length, int fraction = 0);
// An amount field showing `value`.
TMaskedEdit* NewAmountEdit(const char* name, Money value);
// What an amount field holds; its mask lets through nothing else but an unfinished
// text, which counts as 0.
Money TypedAmount(const TMaskedEdit* edit);
// A field of a month number: 13 and more become "12" as typed, 0 becomes "1" when
// the field is left (so that "05" can still be typed).
void KeepMonthNumber(TMaskedEdit* edit);
// The month a field holds; empty reads as 1.
int TypedMonth(const TMaskedEdit* edit);
// The window's check dialog, or without one a dialog that answers every finding
// with "Исправить", so that nothing wrong is accepted unseen.
CheckDialog& ChecksOrFix(CheckDialog* checks);

// Shows an item dialog, which edits a copy: only "Да" writes what it holds
// (`value`) into the item. False when the user cancelled.
template <class Dialog, class T, class Value>
bool TakeIfAccepted(Dialog& dialog, T& item, Value (Dialog::*value)() const) {
    if (dialog.exec() != QDialog::Accepted) return false;
    item = (dialog.*value)();
    return true;
}

}  // namespace kvz
