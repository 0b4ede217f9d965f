#include "screens/date_edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include <utility>

#include "storage/document_paths.h"

namespace kvz {

namespace {

const QString kFormat = QStringLiteral("dd.MM.yyyy");

bool IsDigitKey(const QKeyEvent* event) {
    const QString text = event->text();
    return text.size() == 1 && text.front().isDigit();
}

// "ДД.ММ.ГГГГ" in full, whether or not the calendar has that day.
bool IsWholeText(const QString& text) {
    static const QRegularExpression kWhole(QStringLiteral("^\\d{2}\\.\\d{2}\\.\\d{4}$"));
    return kWhole.match(text).hasMatch();
}

// A neutral date to type a new one over: a leap year, so that 29.02 can be typed
// before the year, and a month of 31 days.
const QDate kTypingStart(2000, 1, 1);

// What is said about a whole text that names no day: a day no year has (31.02)
// without the year, else the whole date.
QString CalendarRefusal(const QString& typed) {
    const QDate anyYear = QDate::fromString(typed.left(5) + QStringLiteral(".2000"), kFormat);
    return QStringLiteral("Даты %1 нет в календаре.").arg(anyYear.isValid() ? typed : typed.left(5));
}

}  // namespace

TDateEdit::TDateEdit(QWidget* parent) : QDateEdit(parent) {
    setDisplayFormat(kFormat);
    setCalendarPopup(true);
    Refuse_ = [this](const QString& text) { QMessageBox::warning(this, QString::fromUtf8(kProgramTitle), text); };
}

QValidator::State TDateEdit::validate(QString& input, int& pos) const {
    // The field would make such a day the nearest one without a word: the keystroke
    // is refused instead, and the user is told why.
    if (IsWholeText(input) && !QDate::fromString(input, kFormat).isValid()) {
        Refused_ = true;
        if (Pending_.isEmpty()) {
            Pending_ = CalendarRefusal(input);
            QTimer::singleShot(0, const_cast<TDateEdit*>(this), [this] {
                const QString text = std::exchange(Pending_, QString());
                if (Refuse_ && !text.isEmpty()) Refuse_(text);
            });
        }
        return QValidator::Invalid;
    }
    return QDateEdit::validate(input, pos);
}

void TDateEdit::keyPressEvent(QKeyEvent* event) {
    // A whole date selected and a digit typed: a new date is typed from its day,
    // over a neutral date that lets any real day through.
    if (IsDigitKey(event) && lineEdit()->hasSelectedText() && lineEdit()->selectedText() == lineEdit()->text()) {
        if (!Before_.isValid()) Before_ = date();
        Digits_ = 0;
        Refused_ = false;
        if (kTypingStart >= minimumDate() && kTypingStart <= maximumDate()) setDate(kTypingStart);
        setCurrentSection(QDateTimeEdit::DaySection);
        setSelectedSection(QDateTimeEdit::DaySection);
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) KeepOnlyWholeDate();
    if (Before_.isValid() && IsDigitKey(event)) ++Digits_;
    QDateEdit::keyPressEvent(event);
}

void TDateEdit::focusOutEvent(QFocusEvent* event) {
    KeepOnlyWholeDate();
    QDateEdit::focusOutEvent(event);
}

void TDateEdit::KeepOnlyWholeDate() {
    // A new date typed only in part, or with a refused digit, gives way to the one
    // it was typed over: never the neutral date or a day the field made up.
    if (!Before_.isValid()) return;
    const bool whole = QDate::fromString(lineEdit()->text(), kFormat).isValid();
    if (!whole || Refused_ || Digits_ < 8) setDate(Before_);
    Before_ = QDate();
}

}  // namespace kvz
