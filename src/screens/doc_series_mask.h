#pragma once
// The forms of the series and number of an identity document, one per kind of
// document: which texts a document field accepts and how it normalises them.
#include <QString>

namespace kvz {

enum TDocumentMaskEnum {
    edtR_BB = 0,   // birth certificate: Roman numeral, "-", two capitals, space, six digits
    edt99 = 1,     // two digits, space, up to seven digits
    edt99_ = 2,    // passport: two digits, space, two digits, space, six digits
    edtBB = 3,     // two capitals, space, up to six digits
    edtBB0 = 4,    // two capitals, space, up to seven digits
    edtNone1 = 5,  // free text of up to 20 characters
    edtNone2 = 6,  // free text of up to 14 characters
};

// Cyrillic "А" … "Я".
bool IsCyrillicCapital(QChar c);
// Upper case for the letters the kind knows, Roman look-alikes in a numeral.
QString NormalizeDocSeries(TDocumentMaskEnum kind, const QString& text);
// Whether the (normalised) text has the form of the kind; the empty text always has.
bool DocSeriesAccepted(TDocumentMaskEnum kind, const QString& text);
// A character typed into the numeral of a birth certificate, as the Roman letter
// it stands for ("1" → "I", "У" → "V"); itself when it stands for none.
QChar RomanLookAlike(QChar c);

}  // namespace kvz
