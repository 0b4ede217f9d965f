#pragma once
// Small editors that several screens build the same way.
#include <QString>

class QDateEdit;
class QLineEdit;
class QWidget;

namespace kvz {

// A date picker showing "DD.MM.YYYY" that allows no date after today.
QDateEdit* NewPastDateEdit(QWidget* parent = nullptr);
// A read-only panel showing what a pick list chose.
QLineEdit* NewChoicePanel(const QString& objectName, QWidget* parent = nullptr);
// The same, as narrow as a code or an amount needs.
QLineEdit* NewShortChoicePanel(const QString& objectName);

}  // namespace kvz
