#pragma once
// Small editors that several screens build the same way.
#include <QString>

#include <cstdint>

#include "storage/money.h"

class QDateEdit;
class QLineEdit;
class QWidget;
class QPixmap;

namespace kvz {

// A date picker showing "DD.MM.YYYY" that allows no date after today.
QDateEdit* NewPastDateEdit(QWidget* parent = nullptr);
// A read-only panel showing what a pick list chose.
QLineEdit* NewChoicePanel(const QString& objectName, QWidget* parent = nullptr);
// Texts of lists and panels: a code, or "Нет" when there is none; an amount in
// groups of three with kopecks ("4 321,50"), or `zero` when it is zero.
QString CodeOrNo(int32_t code);
QString AmountOr(Money amount, const QString& zero);
// "Январь" … "Декабрь" for 1 … 12; an empty text for any other number.
QString MonthName(int month);

// Puts the focus in the first field of `area` in Tab order: an editor, a list, a
// check box or a radio button, not a command button. False when there is none.
bool FocusFirstField(QWidget* area);
// Takes the focus out of `area` while it is still whole, before it is deleted: a
// field that finishes its typing when left (a typed code) must still find its screen.
void ReleaseFocus(QWidget* area);

// The picture of a section button: its short caption drawn in a badge.
QPixmap BadgePicture(const QString& caption, int size = 32);
// The same, as narrow as a code or an amount needs.
QLineEdit* NewShortChoicePanel(const QString& objectName);

}  // namespace kvz
