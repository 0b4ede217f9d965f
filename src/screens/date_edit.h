#pragma once
// The date field of the screens: "ДД.ММ.ГГГГ" with a calendar. Selecting the whole
// date and typing a new one replaces it, day, month and year in turn. A date the
// calendar does not have (31.02.2015) is refused with a message, and a date typed
// only in part gives way to the one it was typed over: never changed silently.
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

private:
    void KeepOnlyWholeDate();

    std::function<void(const QString&)> Refuse_;
    mutable QString Pending_;        // a refusal waiting to be shown
    mutable bool Refused_ = false;   // a digit of the new date was refused
    QDate Before_;                   // the date a new one is being typed over
    int Digits_ = 0;                 // digits typed of the new date
};

}  // namespace kvz
