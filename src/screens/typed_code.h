#pragma once
// A code typed instead of picked, into the field beside a "..." button. A read-only
// panel (it shows the chosen code or name) becomes a typing field with the first
// character typed; Enter or leaving it takes the code as if its row were chosen in
// the list, Escape gives it up. A field that is typed into anyway (inspection,
// country) keeps what was typed and is checked the same way when it is left. A code
// the list has not gets a message, and a panel shows again what it held.
#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

namespace kvz {

class TPickButton;

class TTypedCode : public QObject {
    Q_OBJECT
public:
    // Lives as long as the field.
    TTypedCode(QLineEdit* field, TPickButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Begin();
    void Finish(bool abandon);
    void Refuse(const QString& text);

    QLineEdit* Field_;
    TPickButton* Button_;
    const bool Panel_;     // read-only but while a code is typed
    bool Typing_ = false;
    QString Shown_;        // what the field showed before the typing
};

}  // namespace kvz
