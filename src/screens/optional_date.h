#pragma once
// A date field that may hold no date: a document keeps "no date" as day 0, which
// the field shows blank (the day before its earliest date) instead of turning it
// into its first allowed day. A stored date outside the field's range is shown at
// the nearest limit, and what is shown is what the dialog writes back.
#include <QDate>

#include "storage/dates.h"

class QDateEdit;

namespace kvz {

// Makes `edit` able to show no date; call once, before the range is set.
void AllowNoDate(QDateEdit* edit);
// The days the user may choose; no date stays possible below them.
void SetOptionalDateRange(QDateEdit* edit, const QDate& earliest, const QDate& latest);
// Shows `stored` (0: no date) inside the range.
void ShowOptionalDate(QDateEdit* edit, DateTime stored);
// What the field shows, as the document keeps it: 0 for no date, `stored` itself
// when the field shows that day (a time of day it holds is not lost).
DateTime ShownOptionalDate(const QDateEdit* edit, DateTime stored);

}  // namespace kvz
