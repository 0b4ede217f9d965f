#include "screens/screen_widgets.h"

#include <QDateEdit>
#include <QLineEdit>

#include "screens/date_edit.h"
#include "screens/field_binder.h"
#include "storage/dates.h"

namespace kvz {

QDateEdit* NewPastDateEdit(QWidget* parent) {
    auto* edit = new TDateEdit(parent);
    edit->setMinimumDate(QDate(1900, 1, 1));
    edit->setMaximumDate(DateOfDayCount(Today()));
    return edit;
}

QLineEdit* NewChoicePanel(const QString& objectName, QWidget* parent) {
    auto* panel = new QLineEdit(parent);
    panel->setObjectName(objectName);
    panel->setReadOnly(true);
    panel->setFocusPolicy(Qt::NoFocus);
    return panel;
}

QLineEdit* NewShortChoicePanel(const QString& objectName) {
    QLineEdit* panel = NewChoicePanel(objectName);
    panel->setMaximumWidth(160);
    return panel;
}

}  // namespace kvz
