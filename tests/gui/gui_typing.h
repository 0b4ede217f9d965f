#pragma once
// Typing any text, Cyrillic included, into a widget key by key as a user does
// (QTest::keyClicks takes Latin-1 only).
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QString>
#include <QtTest>

namespace kvz::test {

inline void TypeKeys(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        const ushort u = c.unicode();
        Qt::Key key = Qt::Key_unknown;
        if (u >= 0x20 && u < 0x7F) key = static_cast<Qt::Key>(QChar(u).toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(c), Qt::NoModifier);
    }
}

inline void PasteInto(QLineEdit* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    edit->paste();
}

}  // namespace kvz::test
