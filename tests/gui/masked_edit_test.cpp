// The amount, digit, letter and free-text fields: what typing, pasting and setting
// the text by code may and may not put into them.
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>

#include "gui_typing.h"
#include "screens/masked_edit.h"

using namespace kvz;
using kvz::test::TypeKeys;

namespace {

void Paste(TMaskedEdit& edit, const QString& text) { kvz::test::PasteInto(&edit, text); }

}  // namespace

class MaskedEditTest : public QObject {
    Q_OBJECT
private slots:
    void amountTakesTwelveWholeDigitsAndTwoDecimalsByKey() {
        TMaskedEdit edit(edtCurrency, 12, 2);
        TypeKeys(&edit, "1234567890123");
        QCOMPARE(edit.text(), QString("123456789012"));
        TypeKeys(&edit, ",456");
        QCOMPARE(edit.text(), QString("123456789012,45"));
        // A thirteenth whole digit in front of the separator is refused as well.
        edit.setCursorPosition(0);
        TypeKeys(&edit, "9");
        QCOMPARE(edit.text(), QString("123456789012,45"));
    }

    void amountRefusesTooLongTextByPaste() {
        TMaskedEdit edit(edtCurrency, 12, 2);
        Paste(edit, "1234567890123");
        QCOMPARE(edit.text(), QString());
        Paste(edit, "12,345");
        QCOMPARE(edit.text(), QString());
        Paste(edit, "123456789012,34");
        QCOMPARE(edit.text(), QString("123456789012,34"));
        edit.setCursorPosition(edit.text().length());
        Paste(edit, "5");
        QCOMPARE(edit.text(), QString("123456789012,34"));
        QCOMPARE(edit.cursorPosition(), edit.text().length());
    }

    void amountSeparatorRules() {
        TMaskedEdit edit(edtCurrency, 12, 2);
        TypeKeys(&edit, "10.5");
        QCOMPARE(edit.text(), QString("10,5"));
        TypeKeys(&edit, ",.");
        QCOMPARE(edit.text(), QString("10,5"));
        // A separator typed first starts the amount with a zero.
        TMaskedEdit other(edtCurrency, 12, 2);
        TypeKeys(&other, ",75");
        QCOMPARE(other.text(), QString("0,75"));
        // A pasted point is the separator too.
        TMaskedEdit pasted(edtCurrency, 12, 2);
        Paste(pasted, "100.25");
        QCOMPARE(pasted.text(), QString("100,25"));
    }

    void amountRefusesLettersAndSigns() {
        TMaskedEdit edit(edtCurrency, 12, 2);
        TypeKeys(&edit, "1a-+ 2e3");
        QCOMPARE(edit.text(), QString("123"));
        Paste(edit, "x");
        QCOMPARE(edit.text(), QString("123"));
        edit.setText("1e5");
        QCOMPARE(edit.text(), QString("123"));
    }

    void amountClearedToBlanksIsEmpty() {
        TMaskedEdit edit(edtCurrency, 12, 2);
        edit.setText("15");
        edit.setText("   ");
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.LastText(), QString());
    }

    void amountReplacingTheSelectionCountsTheResult() {
        TMaskedEdit edit(edtCurrency, 3, 2);
        edit.setText("999");
        edit.selectAll();
        TypeKeys(&edit, "1");
        QCOMPARE(edit.text(), QString("1"));
        edit.setText("12,5");
        // Replacing the whole part keeps the one separator.
        edit.setSelection(0, 2);
        TypeKeys(&edit, ",");
        QCOMPARE(edit.text(), QString("12,5"));
    }

    void digitsOnlyFieldKeepsPreviousTextOnBadChange() {
        TMaskedEdit edit(edtDigital, 12);
        edit.setText("77");
        edit.setText("12a");
        QCOMPARE(edit.text(), QString("77"));
        TypeKeys(&edit, "x1-2");
        QCOMPARE(edit.text(), QString("7712"));
        Paste(edit, "3 4");
        QCOMPARE(edit.text(), QString("7712"));
    }

    void digitsOnlyFieldStopsAtItsLength() {
        TMaskedEdit edit(edtDigital, 4);
        TypeKeys(&edit, "123456");
        QCOMPARE(edit.text(), QString("1234"));
        edit.selectAll();
        TypeKeys(&edit, "9");
        QCOMPARE(edit.text(), QString("9"));
        Paste(edit, "12345");
        QCOMPARE(edit.text(), QString("9"));
        Paste(edit, "123");
        QCOMPARE(edit.text(), QString("9123"));
    }

    void letterFieldRefusesDigits() {
        TMaskedEdit edit(edtChar, 6);
        TypeKeys(&edit, "Ан1на-Мария");
        QCOMPARE(edit.text(), QString("Анна-М"));
        edit.setText("Ольга2");
        QCOMPARE(edit.text(), QString("Анна-М"));
    }

    void freeTextStopsAtItsLength() {
        TMaskedEdit edit(edtNone, 5);
        TypeKeys(&edit, "ул. Мира");
        QCOMPARE(edit.text(), QString("ул. М"));
        TMaskedEdit unlimited(edtNone, 0);
        TypeKeys(&unlimited, QString(300, u'ж'));
        QCOMPARE(unlimited.text().length(), 300);
    }

    void textOutsideTheDocumentCodePageIsRefused() {
        TMaskedEdit edit(edtNone, 0);
        TypeKeys(&edit, QString::fromUtf8("№ 5 中"));
        QCOMPARE(edit.text(), QString::fromUtf8("№ 5 "));
        Paste(edit, QString::fromUtf8("Straße ł"));
        QCOMPARE(edit.text(), QString::fromUtf8("№ 5 "));
        edit.setText(QString::fromUtf8("a\tb"));
        QCOMPARE(edit.text(), QString::fromUtf8("№ 5 "));
        edit.setText(QString::fromUtf8("€ и «ё»"));
        QCOMPARE(edit.text(), QString::fromUtf8("€ и «ё»"));
    }

    void changedIsSentOncePerAcceptedChange() {
        TMaskedEdit edit(edtDigital, 3);
        QSignalSpy spy(&edit, &TCheckedLineEdit::changed);
        TypeKeys(&edit, "1a2");
        QCOMPARE(spy.count(), 2);
        edit.setText("12x");  // refused
        edit.setText("12");   // the same text
        QCOMPARE(spy.count(), 2);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QString("1"));
        QCOMPARE(spy.count(), 3);
    }

    void loadedTextIsShownAsStoredWithoutChange() {
        TMaskedEdit edit(edtCurrency, 12, 2);
        QSignalSpy spy(&edit, &TCheckedLineEdit::changed);
        edit.LoadText("0,1234");
        QCOMPARE(edit.text(), QString("0,1234"));
        QCOMPARE(spy.count(), 0);
        edit.selectAll();
        TypeKeys(&edit, "5");
        QCOMPARE(edit.text(), QString("5"));
        QCOMPARE(spy.count(), 1);
    }

    void enterDoesNotReachTheText() {
        TMaskedEdit edit(edtNone, 0);
        QSignalSpy returned(&edit, &QLineEdit::returnPressed);
        TypeKeys(&edit, "ab");
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(edit.text(), QString("ab"));
        QCOMPARE(returned.count(), 1);
    }
};

QTEST_MAIN(MaskedEditTest)
#include "masked_edit_test.moc"
