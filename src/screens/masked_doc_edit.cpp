#include "screens/masked_doc_edit.h"


#include "screens/roman_numeral.h"

namespace kvz {

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

TMaskedDocEdit::TMaskedDocEdit(QWidget* parent) : TCheckedLineEdit(parent) {}

QString TMaskedDocEdit::TypedInsertion(QChar typed) const {
    const QChar c = typed.toUpper();
    // The text around the caret once a selection is gone.
    int position = 0;
    const QString rest = TextWithInsertion(QString(), position);
    QString insertion;
    switch (EditType_) {
        case edtR_BB:
            insertion = BirthCertificateInsertion(c, rest, position);
            break;
        case edt99:
        case edt99_:
        case edtBB:
        case edtBB0:
            insertion = SeparatedInsertion(c, rest, position);
            break;
        case edtNone1:
        case edtNone2:
            insertion = QString(c);
            break;
    }
    if (insertion.isEmpty()) return {};
    QString result = rest;
    result.insert(position, insertion);
    if (!Storable(result) || !DocSeriesAccepted(EditType_, NormalizeDocSeries(EditType_, result))) return {};
    return insertion;
}

QString TMaskedDocEdit::BirthCertificateInsertion(QChar c, const QString& rest, int position) const {
    const qsizetype dash = rest.indexOf(u'-');
    if (dash < 0 || position <= dash) {
        if (c == u'-') return dash < 0 ? QStringLiteral("-") : QString();
        const QChar letter = RomanLookAlike(c);
        return IsRomanLetter(letter) ? QString(letter) : QString();
    }
    if (!IsDigit(c) && !IsCyrillicCapital(c)) return {};
    if (position == dash + 3 && !rest.contains(u' ')) return QStringLiteral(" ") + c;
    return QString(c);
}

QString TMaskedDocEdit::SeparatedInsertion(QChar c, const QString& rest, int position) const {
    // The spaces are the field's own.
    if (c == u' ') return {};
    const qsizetype space = rest.indexOf(u' ');
    if (position == 2 && space < 0) return QStringLiteral(" ") + c;
    if (EditType_ == edt99_ && position == 5 && space >= 0 && !rest.mid(space + 1).contains(u' '))
        return QStringLiteral(" ") + c;
    return QString(c);
}

QString TMaskedDocEdit::Normalized(const QString& text) const { return NormalizeDocSeries(EditType_, text); }

bool TMaskedDocEdit::Accepts(const QString& text) const { return DocSeriesAccepted(EditType_, text); }

}  // namespace kvz
