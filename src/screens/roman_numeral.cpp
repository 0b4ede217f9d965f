#include "screens/roman_numeral.h"

namespace kvz {

namespace {

int LetterValue(QChar c) {
    switch (c.unicode()) {
        case u'I':
            return 1;
        case u'V':
            return 5;
        case u'X':
            return 10;
        case u'L':
            return 50;
        case u'C':
            return 100;
        default:
            return 0;
    }
}

}  // namespace

bool IsRomanLetter(QChar c) { return LetterValue(c) != 0; }

int RomanValue(const QString& numeral) {
    int total = 0;
    for (qsizetype i = 0; i < numeral.length(); ++i) {
        const int value = LetterValue(numeral[i]);
        if (value == 0) return -1;
        const int next = i + 1 < numeral.length() ? LetterValue(numeral[i + 1]) : 0;
        total += value < next ? -value : value;
    }
    return total;
}

QString CanonicalRoman(int value) {
    static const struct {
        int value;
        const char* text;
    } kSteps[] = {{100, "C"}, {90, "XC"}, {50, "L"}, {40, "XL"}, {10, "X"},
                  {9, "IX"},  {5, "V"},   {4, "IV"},  {1, "I"}};
    QString result;
    for (const auto& step : kSteps) {
        while (value >= step.value) {
            result += QLatin1String(step.text);
            value -= step.value;
        }
    }
    return result;
}

bool IsCanonicalRoman(const QString& numeral) {
    const int value = RomanValue(numeral);
    return value > 0 && CanonicalRoman(value) == numeral;
}

}  // namespace kvz
