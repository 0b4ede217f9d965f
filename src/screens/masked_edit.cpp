#include "screens/masked_edit.h"

#include <QFontMetrics>

#include <algorithm>

namespace kvz {

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool AllDigits(const QString& text) {
    for (QChar c : text)
        if (!IsDigit(c)) return false;
    return true;
}

bool HasDigit(const QString& text) {
    for (QChar c : text)
        if (IsDigit(c)) return true;
    return false;
}

}  // namespace

TMaskedEdit::TMaskedEdit(QWidget* parent) : TCheckedLineEdit(parent) {}

TMaskedEdit::TMaskedEdit(TEditTypeControlEnum type, int wholeLength, int fractionalLength, QWidget* parent)
    : TCheckedLineEdit(parent), EditType_(type), WholeLength_(wholeLength), FractionalLength_(fractionalLength) {}

QString TMaskedEdit::TypedInsertion(QChar c) const {
    QString insertion(c);
    if (EditType_ == edtCurrency) {
        if (c == u',' || c == u'.') {
            int position = 0;
            if (TextWithInsertion(QString(), position).contains(kScreenDecimalSeparator)) return {};
            // A leading separator would not be an amount; it starts "0,".
            insertion = position == 0 ? QStringLiteral("0,") : QString(kScreenDecimalSeparator);
        } else if (!IsDigit(c)) {
            return {};
        }
    } else if (EditType_ == edtDigital && !IsDigit(c)) {
        return {};
    } else if (EditType_ == edtChar && IsDigit(c)) {
        return {};
    }
    int position = 0;
    const QString result = TextWithInsertion(insertion, position);
    if (!Storable(result) || !Accepts(result)) return {};
    return insertion;
}

QString TMaskedEdit::Normalized(const QString& text) const {
    if (EditType_ != edtCurrency) return text;
    // Blank amounts become empty; a pasted "." is the decimal separator.
    QString trimmed = text.trimmed();
    if (!trimmed.contains(kScreenDecimalSeparator)) trimmed.replace(u'.', kScreenDecimalSeparator);
    return trimmed;
}

bool TMaskedEdit::Accepts(const QString& text) const {
    switch (EditType_) {
        case edtCurrency:
            return text.isEmpty() || AcceptsAmount(text);
        case edtDigital:
            return AllDigits(text) && WithinLength(text);
        case edtChar:
            return !HasDigit(text) && WithinLength(text);
        case edtNone:
            return WithinLength(text);
    }
    return false;
}

bool TMaskedEdit::WithinLength(const QString& text) const { return WholeLength_ <= 0 || text.length() <= WholeLength_; }

bool TMaskedEdit::AcceptsAmount(const QString& text) const {
    QString body = text;
    if (body.startsWith(u'-')) body.remove(0, 1);
    const qsizetype separator = body.indexOf(kScreenDecimalSeparator);
    const QString whole = separator < 0 ? body : body.left(separator);
    const QString fraction = separator < 0 ? QString() : body.mid(separator + 1);
    if (!AllDigits(whole) || !AllDigits(fraction) || whole.length() + fraction.length() == 0) return false;
    if (WholeLength_ > 0 && whole.length() > WholeLength_) return false;
    return FractionalLength_ <= 0 || fraction.length() <= FractionalLength_;
}

QSize TMaskedEdit::minimumSizeHint() const {
    constexpr int kShortField = 12;  // longer fields may shrink; they scroll their text
    QSize hint = TCheckedLineEdit::minimumSizeHint();
    const int length = WholeLength_ + (FractionalLength_ > 0 ? FractionalLength_ + 1 : 0);
    if (length <= 0 || length > kShortField) return hint;
    const int text = fontMetrics().horizontalAdvance(QString(length, QLatin1Char('0')));
    hint.setWidth(std::max(hint.width(), text + 2 * fontMetrics().averageCharWidth() + 8));
    return hint;
}

}  // namespace kvz
