#pragma once
// The date field of every screen and dialog: "ДД.ММ.ГГГГ" with a calendar. A click
// into it (or Ctrl+A) selects the whole date; typing then enters a new one, as eight
// digits ("12031980") or with dots ("12.03.1980", "1.3.1980"), taken when its year is
// complete. A day the calendar does not have (31.02.2015), a date outside the field's
// limits or a date left typed in part is refused with a message, and the date it was
// typed over stays: never changed silently.
#include <QDateEdit>

#include <functional>

namespace kvz {

class TDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit TDateEdit(QWidget* parent = nullptr);

    // Shows the refusal; the default is a message box with the program's caption.
    void SetRefusal(std::function<void(const QString& text)> refuse) { Refuse_ = std::move(refuse); }

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartTyping();
    void TypeDigit(QKeyEvent* event);
    void FinishTyping(bool abandon = false);
    void Refuse(const QString& text) const;
    bool Typing() const { return Before_.isValid(); }

    std::function<void(const QString&)> Refuse_;
    mutable QString Pending_;        // a refusal waiting to be shown
    mutable bool Refused_ = false;   // a digit of the new date was refused
    QDate Before_;                   // the date a new one is being typed over
    QDate Earliest_, Latest_;        // the field's limits while a new date is typed
    int SectionDigits_ = 0;          // digits typed into the current day/month/year
    int YearDigits_ = 0;
};

}  // namespace kvz
