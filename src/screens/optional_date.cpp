#include "screens/optional_date.h"

#include <QDateEdit>

#include <algorithm>

#include "screens/field_binder.h"

namespace kvz {

void AllowNoDate(QDateEdit* edit) {
    // A space: an empty special text would switch the blank off.
    edit->setSpecialValueText(QStringLiteral(" "));
}

void SetOptionalDateRange(QDateEdit* edit, const QDate& earliest, const QDate& latest) {
    const bool blank = edit->date() == edit->minimumDate();
    edit->setDateRange(earliest.addDays(-1), latest);
    if (blank) edit->setDate(edit->minimumDate());
}

void ShowOptionalDate(QDateEdit* edit, DateTime stored) {
    if (stored == 0) {
        edit->setDate(edit->minimumDate());
        return;
    }
    const QDate earliest = edit->minimumDate().addDays(1);
    edit->setDate(std::clamp(DateOfDayCount(stored), earliest, edit->maximumDate()));
}

DateTime ShownOptionalDate(const QDateEdit* edit, DateTime stored) {
    const QDate shown = edit->date();
    if (shown == edit->minimumDate()) return 0;
    if (stored != 0 && shown == DateOfDayCount(stored)) return stored;
    return DayCountOfDate(shown);
}

}  // namespace kvz
