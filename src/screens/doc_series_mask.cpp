#include "screens/doc_series_mask.h"

#include "screens/roman_numeral.h"

namespace kvz {

namespace {

constexpr int kMaxNumeralLength = 9;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool IsCyrillicSmall(QChar c) { return (c >= u'а' && c <= u'я') || c == u'ё'; }

template <class Predicate>
bool AllOf(const QString& text, Predicate predicate) {
    for (QChar c : text)
        if (!predicate(c)) return false;
    return true;
}

bool Digits(const QString& text, int maxLength) { return text.length() <= maxLength && AllOf(text, IsDigit); }

bool Capitals(const QString& text, int maxLength) {
    return text.length() <= maxLength && AllOf(text, IsCyrillicCapital);
}

bool IsDigitOrSpace(QChar c) { return IsDigit(c) || c == u' '; }

// "99 9999999": a series of up to two digits and a number of up to seven.
bool Accepts99(const QString& text) {
    if (!AllOf(text, IsDigitOrSpace)) return false;
    const qsizetype space = text.indexOf(u' ');
    if (space < 0) return text.length() <= 2;
    // The number part may be typed or pasted with spaces ("12 34 56").
    return space <= 2 && text.length() - space - 1 <= 7;
}

// "99 99 999999", or "99 999999" without the second space.
bool Accepts99Pair(const QString& text) {
    if (!AllOf(text, IsDigitOrSpace)) return false;
    const qsizetype space = text.indexOf(u' ');
    if (space < 0) return text.length() <= 2;
    if (space > 2) return false;
    const QString rest = text.mid(space + 1);
    const qsizetype second = rest.indexOf(u' ');
    if (second < 0) return Digits(rest, 6);
    return Digits(rest.left(second), 2) && Digits(rest.mid(second + 1), 6);
}

// "ББ 999999": capitals, then digits.
bool AcceptsLetters(const QString& text, int numberLength) {
    const qsizetype space = text.indexOf(u' ');
    if (space < 0) return Capitals(text, 2);
    return Capitals(text.left(space), 2) && Digits(text.mid(space + 1), numberLength);
}

// "XIV-АБ 123456".
bool AcceptsBirthCertificate(const QString& text) {
    const qsizetype dash = text.indexOf(u'-');
    const QString numeral = dash < 0 ? text : text.left(dash);
    if (numeral.length() > kMaxNumeralLength) return false;
    if (!numeral.isEmpty() && !IsCanonicalRoman(numeral)) return false;
    if (dash < 0) return true;
    const QString rest = text.mid(dash + 1);
    const qsizetype space = rest.indexOf(u' ');
    if (space < 0) return Capitals(rest, 2);
    return Capitals(rest.left(space), 2) && Digits(rest.mid(space + 1), 6);
}

QString UpperCyrillic(QString text) {
    for (QChar& c : text)
        if (IsCyrillicSmall(c)) c = c.toUpper();
    return text;
}

}  // namespace

bool IsCyrillicCapital(QChar c) { return c >= u'А' && c <= u'Я'; }

QChar RomanLookAlike(QChar c) {
    switch (c.unicode()) {
        case u'1':
            return u'I';
        case u'Л':
            return u'L';
        case u'С':
            return u'C';
        case u'У':
            return u'V';
        case u'Х':
            return u'X';
        default:
            return c;
    }
}

QString NormalizeDocSeries(TDocumentMaskEnum kind, const QString& text) {
    if (kind == edtBB || kind == edtBB0) return UpperCyrillic(text);
    if (kind != edtR_BB) return text;
    QString result = UpperCyrillic(text);
    for (QChar& c : result)
        if (c == u'c' || c == u'i' || c == u'l' || c == u'v' || c == u'x') c = c.toUpper();
    const qsizetype dash = result.indexOf(u'-');
    const qsizetype numeralEnd = dash < 0 ? result.length() : dash;
    for (qsizetype i = 0; i < numeralEnd; ++i) result[i] = RomanLookAlike(result[i]);
    return result;
}

bool DocSeriesAccepted(TDocumentMaskEnum kind, const QString& text) {
    switch (kind) {
        case edtR_BB:
            return AcceptsBirthCertificate(text);
        case edt99:
            return Accepts99(text);
        case edt99_:
            return Accepts99Pair(text);
        case edtBB:
            return AcceptsLetters(text, 6);
        case edtBB0:
            return AcceptsLetters(text, 7);
        case edtNone1:
            return text.length() <= 20;
        case edtNone2:
            return text.length() <= 14;
    }
    return false;
}

}  // namespace kvz
