// The document series field: each form by key and by paste, the spaces it puts
// itself and the Roman numerals of birth certificates.
#include <QSignalSpy>
#include <QtTest>

#include "gui_typing.h"
#include "screens/masked_doc_edit.h"
#include "screens/roman_numeral.h"

using namespace kvz;
using kvz::test::PasteInto;
using kvz::test::TypeKeys;

namespace {

struct DocField {
    explicit DocField(TDocumentMaskEnum kind) { edit.SetEditType(kind); }
    QString Typed(const QString& keys) {
        TypeKeys(&edit, keys);
        return edit.text();
    }
    TMaskedDocEdit edit;
};

}  // namespace

class MaskedDocEditTest : public QObject {
    Q_OBJECT
private slots:
    void passportDigitsGetBothSpaces() {
        DocField field(edt99_);
        QCOMPARE(field.Typed("4503123456"), QString("45 03 123456"));
        QCOMPARE(field.Typed("7"), QString("45 03 123456"));
        QCOMPARE(field.edit.cursorPosition(), 12);
    }

    void typedSpacesAreDropped() {
        DocField field(edt99_);
        QCOMPARE(field.Typed("45 03 12"), QString("45 03 12"));
        DocField letters(edtBB);
        QCOMPARE(letters.Typed("АБ 1"), QString("АБ 1"));
    }

    void passportPastedWithOneSpaceIsTaken() {
        DocField field(edt99_);
        PasteInto(&field.edit, "45 123456");
        QCOMPARE(field.edit.text(), QString("45 123456"));
        field.edit.clear();
        PasteInto(&field.edit, "4503123456");
        QCOMPARE(field.edit.text(), QString());
        PasteInto(&field.edit, "45 03 1234567");
        QCOMPARE(field.edit.text(), QString());
        PasteInto(&field.edit, "45 031 23456");
        QCOMPARE(field.edit.text(), QString());
    }

    void twoDigitSeriesAndSevenDigitNumber() {
        DocField field(edt99);
        QCOMPARE(field.Typed("1234567890"), QString("12 3456789"));
        // The number part may hold spaces, as a pasted or stored number has them.
        field.edit.setText("12 34 56");
        QCOMPARE(field.edit.text(), QString("12 34 56"));
        field.edit.setText("12 34 56789");
        QCOMPARE(field.edit.text(), QString("12 34 56"));
        field.edit.setText("ab");
        QCOMPARE(field.edit.text(), QString("12 34 56"));
    }

    void lettersSeriesTakesCapitalsThenDigits() {
        DocField field(edtBB);
        QCOMPARE(field.Typed("1"), QString());
        QCOMPARE(field.Typed("аб1234567"), QString("АБ 123456"));
        DocField seven(edtBB0);
        QCOMPARE(seven.Typed("вг12345678"), QString("ВГ 1234567"));
        // Latin look-alikes are not Cyrillic capitals.
        DocField latin(edtBB);
        QCOMPARE(latin.Typed("AB"), QString());
        PasteInto(&latin.edit, "жк 123");
        QCOMPARE(latin.edit.text(), QString("ЖК 123"));
        PasteInto(&latin.edit, "Д");
        QCOMPARE(latin.edit.text(), QString("ЖК 123"));
    }

    void romanLookAlikesBecomeRomanLetters() {
        DocField field(edtR_BB);
        QCOMPARE(field.Typed("1У"), QString("IV"));
        DocField other(edtR_BB);
        QCOMPARE(other.Typed("хлс"), QString("XL"));  // "XLC" is no numeral
        DocField lower(edtR_BB);
        QCOMPARE(lower.Typed("xiv"), QString("XIV"));
    }

    void romanNumeralMustStayCanonical() {
        DocField field(edtR_BB);
        QCOMPARE(field.Typed("IIII"), QString("III"));
        DocField vx(edtR_BB);
        QCOMPARE(vx.Typed("VX"), QString("V"));
        DocField nine(edtR_BB);
        QCOMPARE(nine.Typed("CCLXXXVIII"), QString("CCLXXXVII"));
        nine.edit.setText("IIII-АБ");
        QCOMPARE(nine.edit.text(), QString("CCLXXXVII"));
    }

    void birthCertificateCompletesWithItsSpace() {
        DocField field(edtR_BB);
        QCOMPARE(field.Typed("XIV-аб1234567"), QString("XIV-АБ 123456"));
        QCOMPARE(field.Typed("-"), QString("XIV-АБ 123456"));
        DocField early(edtR_BB);
        // Behind the dash only capitals and digits; the space is the field's.
        QCOMPARE(early.Typed("I-A Б"), QString("I-Б"));
        DocField second(edtR_BB);
        QCOMPARE(second.Typed("I-АБВ"), QString("I-АБ"));
    }

    void birthCertificatePastedIsNormalised() {
        DocField field(edtR_BB);
        PasteInto(&field.edit, "1v-жк 123456");
        QCOMPARE(field.edit.text(), QString("IV-ЖК 123456"));
        PasteInto(&field.edit, "1");
        QCOMPARE(field.edit.text(), QString("IV-ЖК 123456"));
        field.edit.clear();
        PasteInto(&field.edit, "IV ЖК 123456");
        QCOMPARE(field.edit.text(), QString());
    }

    void freeFormsStopAtTheirLength() {
        DocField twenty(edtNone1);
        QCOMPARE(twenty.Typed("abcdefghij0123456789X"), QString("ABCDEFGHIJ0123456789"));
        DocField fourteen(edtNone2);
        QCOMPARE(fourteen.Typed("123456789012345"), QString("12345678901234"));
        PasteInto(&fourteen.edit, "1");
        QCOMPARE(fourteen.edit.text(), QString("12345678901234"));
    }

    void changingTheFormKeepsTheText() {
        DocField field(edtNone1);
        field.Typed("AB 1234567890");
        field.edit.SetEditType(edt99_);
        QCOMPARE(field.edit.text(), QString("AB 1234567890"));
        QSignalSpy spy(&field.edit, &TCheckedLineEdit::changed);
        field.edit.selectAll();
        QCOMPARE(field.Typed("4"), QString("4"));
        QCOMPARE(spy.count(), 1);
    }

    void canonicalRomanForms() {
        QCOMPARE(CanonicalRoman(4), QString("IV"));
        QCOMPARE(CanonicalRoman(49), QString("XLIX"));
        QCOMPARE(CanonicalRoman(99), QString("XCIX"));
        QCOMPARE(RomanValue("XCIX"), 99);
        QVERIFY(IsCanonicalRoman("XLIV"));
        QVERIFY(!IsCanonicalRoman("IL"));
        QVERIFY(!IsCanonicalRoman("IIX"));
        QVERIFY(!IsCanonicalRoman("XXXX"));
        QVERIFY(!IsCanonicalRoman(""));
        QCOMPARE(RomanValue("IVa"), -1);
    }
};

QTEST_MAIN(MaskedDocEditTest)
#include "masked_doc_edit_test.moc"
