#pragma once
// Roman numerals written with I, V, X, L and C, as in the series of a birth
// certificate.
#include <QString>

namespace kvz {

bool IsRomanLetter(QChar c);
// Sum of the letters, a smaller letter before a larger one counting negative.
// 0 for an empty text; -1 when a character is not a Roman letter.
int RomanValue(const QString& numeral);
// The shortest subtractive writing of a positive value ("IV", "XL", "XC", "CCC").
QString CanonicalRoman(int value);
// A numeral written exactly in its canonical form ("IIII" and "VX" are not).
bool IsCanonicalRoman(const QString& numeral);

}  // namespace kvz
