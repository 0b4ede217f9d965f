#include "screens/checked_line_edit.h"

#include <QKeyEvent>

#include "storage/encoding.h"

namespace kvz {

TCheckedLineEdit::TCheckedLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TCheckedLineEdit::OnTextChanged);
}

void TCheckedLineEdit::LoadText(const QString& text) {
    Restoring_ = true;
    setText(text);
    Restoring_ = false;
    LastText_ = text;
}

QString TCheckedLineEdit::TextWithInsertion(const QString& insertion, int& position) const {
    QString result = text();
    position = cursorPosition();
    if (hasSelectedText()) {
        position = selectionStart();
        result.remove(position, selectedText().length());
    }
    result.insert(position, insertion);
    return result;
}

bool TCheckedLineEdit::Storable(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return CanEncodeCp1251(text.toStdString());
}

void TCheckedLineEdit::keyPressEvent(QKeyEvent* event) {
    QChar c;
    if (!TypedCharacter(event, c)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    const QString insertion = TypedInsertion(c);
    if (!insertion.isEmpty()) TypeText(insertion);
}

bool TCheckedLineEdit::TypedCharacter(const QKeyEvent* event, QChar& c) {
    const QString typed = event->text();
    if (typed.length() != 1) return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    c = typed.front();
    return c.unicode() >= 0x20 && c.unicode() != 0x7F;
}

void TCheckedLineEdit::TypeText(const QString& insertion) { insert(insertion); }

void TCheckedLineEdit::OnTextChanged() {
    if (Restoring_) return;
    const QString current = text();
    const QString normal = Normalized(current);
    if (!Storable(normal) || !Accepts(normal)) {
        // The caret goes back to where the refused insertion began.
        int cursor = cursorPosition() - static_cast<int>(current.length() - LastText_.length());
        PutBack(LastText_, cursor);
        return;
    }
    if (normal != current) PutBack(normal, cursorPosition());
    if (normal != LastText_) {
        LastText_ = normal;
        emit changed();
    }
}

void TCheckedLineEdit::PutBack(const QString& value, int cursor) {
    Restoring_ = true;
    setText(value);
    setCursorPosition(std::clamp(cursor, 0, static_cast<int>(value.length())));
    Restoring_ = false;
}

}  // namespace kvz
