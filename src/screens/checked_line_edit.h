#pragma once
// The common behaviour of the program's single-line fields: every change of the
// text, typed, pasted, dropped or set by code, is checked against the field's
// rules and undone when it breaks them, and every accepted change is announced
// once through changed(). Text that windows-1251 cannot hold is never accepted,
// because the document and the XML files could not store it.
#include <QLineEdit>
#include <QString>

class QKeyEvent;

namespace kvz {

class TCheckedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCheckedLineEdit(QWidget* parent = nullptr);

    // Shows a value taken from the document as it is, without the field's rules,
    // so that a stored text that the rules would refuse is still seen and kept.
    // Sends no changed().
    void LoadText(const QString& text);

    // The last accepted text.
    const QString& LastText() const { return LastText_; }

signals:
    // The text differs from the last accepted one.
    void changed();

protected:
    // A typed character goes in as TypedInsertion gives it; keys that edit or move
    // are the line edit's own.
    void keyPressEvent(QKeyEvent* event) override;
    // What a typed character inserts at the caret; empty when it is refused.
    virtual QString TypedInsertion(QChar c) const = 0;
    // The form in which the field keeps a text (case, separators), before checking.
    virtual QString Normalized(const QString& text) const { return text; }
    virtual bool Accepts(const QString& text) const = 0;

    // The text that typing `insertion` at the caret would give: the selection, if
    // any, is replaced. `position` receives where the insertion starts.
    QString TextWithInsertion(const QString& insertion, int& position) const;
    // Whether a text is storable at all (windows-1251, no control characters).
    static bool Storable(const QString& text);

private:
    // The printable character of a key press; false for keys that edit or move
    // (backspace, delete, arrows, Enter, shortcuts), which the line edit handles.
    static bool TypedCharacter(const QKeyEvent* event, QChar& c);
    // Inserts at the caret as if typed, replacing the selection.
    void TypeText(const QString& insertion);
    void OnTextChanged();
    void PutBack(const QString& text, int cursor);

    QString LastText_;
    bool Restoring_ = false;
};

}  // namespace kvz
