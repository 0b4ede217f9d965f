#include "screens/date_edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>

#include <utility>

#include "storage/document_paths.h"
#include "window/window_dialogs.h"

namespace kvz {

namespace {

const QString kFormat = QStringLiteral("dd.MM.yyyy");

bool IsDigitKey(const QKeyEvent* event) {
    const QString text = event->text();
    return text.size() == 1 && text.front().isDigit();
}

// A dot typed between day, month and year; a comma or a slash counts the same.
bool IsSeparatorKey(const QKeyEvent* event) {
    const QString text = event->text();
    return text == QStringLiteral(".") || text == QStringLiteral(",") || text == QStringLiteral("/");
}

// "ДД.ММ.ГГГГ" in full, whether or not the calendar has that day.
bool IsWholeText(const QString& text) {
    static const QRegularExpression kWhole(QStringLiteral("^\\d{2}\\.\\d{2}\\.\\d{4}$"));
    return kWhole.match(text).hasMatch();
}

// A neutral date to type a new one over: a leap year, so that 29.02 can be typed
// before the year, and a month of 31 days.
const QDate kTypingStart(2000, 1, 1);
// While a new date is typed the field takes any day of the calendar; its own limits
// are checked once the date is whole, so that no digit is dropped without a word.
const QDate kAnyEarliest(1000, 1, 1);
const QDate kAnyLatest(9999, 12, 31);

// What is said about a whole text that names no day: a day no year has (31.02)
// without the year, else the whole date.
QString CalendarRefusal(const QString& typed) {
    const QDate anyYear = QDate::fromString(typed.left(5) + QStringLiteral(".2000"), kFormat);
    return QStringLiteral("Даты %1 нет в календаре.").arg(anyYear.isValid() ? typed : typed.left(5));
}

QString RangeRefusal(const QDate& typed, const QDate& earliest, const QDate& latest) {
    return QStringLiteral("Дата %1 вне допустимых пределов: с %2 по %3.")
        .arg(typed.toString(kFormat), earliest.toString(kFormat), latest.toString(kFormat));
}

}  // namespace

TDateEdit::TDateEdit(QWidget* parent) : QDateEdit(parent) {
    setDisplayFormat(kFormat);
    setCalendarPopup(true);
    lineEdit()->installEventFilter(this);
    Refuse_ = [this](const QString& text) {
        ShowMessageBox(this, text, QString::fromUtf8(kProgramTitle), MessageIcon::Error, MessageButtons::Ok);
    };
}

void TDateEdit::Refuse(const QString& text) const {
    Refused_ = true;
    if (!Pending_.isEmpty()) return;
    // Shown after the keystroke, never from inside the field's own validation.
    Pending_ = text;
    QTimer::singleShot(0, const_cast<TDateEdit*>(this), [this] {
        const QString shown = std::exchange(Pending_, QString());
        if (Refuse_ && !shown.isEmpty()) Refuse_(shown);
    });
}

QValidator::State TDateEdit::validate(QString& input, int& pos) const {
    // The field would make such a day the nearest one without a word: the keystroke
    // is refused instead, and the user is told why.
    if (IsWholeText(input) && !QDate::fromString(input, kFormat).isValid()) {
        Refuse(CalendarRefusal(input));
        return QValidator::Invalid;
    }
    return QDateEdit::validate(input, pos);
}

bool TDateEdit::eventFilter(QObject* watched, QEvent* event) {
    // A click places no cursor inside the date: the whole date is selected, so that
    // what is typed next replaces it rather than one part of it.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease && !lineEdit()->hasSelectedText())
        QTimer::singleShot(0, this, [this] { selectAll(); });
    return QDateEdit::eventFilter(watched, event);
}

void TDateEdit::StartTyping() {
    Before_ = date();
    Earliest_ = minimumDate();
    Latest_ = maximumDate();
    Refused_ = false;
    SectionDigits_ = 0;
    YearDigits_ = 0;
    // The dates on the way to the new one are nobody's business: only the date
    // taken is announced, once.
    const QSignalBlocker quiet(this);
    setDateRange(kAnyEarliest, kAnyLatest);
    setDate(kTypingStart);
    setCurrentSection(QDateTimeEdit::DaySection);
    setSelectedSection(QDateTimeEdit::DaySection);
}

void TDateEdit::TypeDigit(QKeyEvent* event) {
    const QDateTimeEdit::Section section = currentSection();
    if (section == QDateTimeEdit::YearSection) ++YearDigits_;
    {
        const QSignalBlocker quiet(this);
        QDateEdit::keyPressEvent(event);
    }
    // The field moves on by itself once a day or month cannot take another digit.
    SectionDigits_ = currentSection() == section ? SectionDigits_ + 1 : 0;
    if (YearDigits_ == 4) FinishTyping();
}

void TDateEdit::keyPressEvent(QKeyEvent* event) {
    const bool wholeSelected = lineEdit()->hasSelectedText() && lineEdit()->selectedText() == lineEdit()->text();
    if (IsDigitKey(event) && wholeSelected) {
        if (Typing()) FinishTyping();
        StartTyping();
    }
    if (!Typing()) return QDateEdit::keyPressEvent(event);
    if (IsDigitKey(event)) {
        // After a refusal the rest of that date is not typed into the field.
        if (Refused_) return event->accept();
        return TypeDigit(event);
    }
    if (IsSeparatorKey(event)) {
        // A dot after a full day or month: the field has already moved on.
        if (SectionDigits_ == 0) return event->accept();
        SectionDigits_ = 0;
        const QSignalBlocker quiet(this);
        return QDateEdit::keyPressEvent(event);
    }
    if (event->key() == Qt::Key_Escape) FinishTyping(/*abandon=*/true);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) FinishTyping();
    QDateEdit::keyPressEvent(event);
}

void TDateEdit::focusOutEvent(QFocusEvent* event) {
    FinishTyping();
    QDateEdit::focusOutEvent(event);
}

void TDateEdit::FinishTyping(bool abandon) {
    // A new date typed only in part, refused or outside the limits gives way to the
    // one it was typed over: never the neutral date or a day the field made up.
    // Escape gives the new date up without a word.
    if (!Typing()) return;
    if (abandon) Refused_ = true;
    const QDate typed = QDate::fromString(lineEdit()->text(), kFormat);
    const bool whole = typed.isValid() && YearDigits_ == 4 && !Refused_;
    if (whole && (typed < Earliest_ || typed > Latest_)) Refuse(RangeRefusal(typed, Earliest_, Latest_));
    else if (!whole && !Refused_) Refuse(QStringLiteral("Дата введена не полностью. Введите день, месяц и год: ДД.ММ.ГГГГ."));
    const QDate kept = Refused_ ? Before_ : typed;
    const QDate before = std::exchange(Before_, QDate());
    {
        const QSignalBlocker quiet(this);
        setDateRange(Earliest_, Latest_);
        setDate(kept);
    }
    if (date() != before) emit dateChanged(date());
}

}  // namespace kvz
