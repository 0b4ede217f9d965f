#pragma once
// The forms of the series and number of an identity document, one per kind of
// document: which texts a document field accepts and how it normalises them.
#include <QString>

#include "directory/document_types.h"

namespace kvz {

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
