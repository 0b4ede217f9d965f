#pragma once
// The field for the series and number of an identity document. Its form follows
// the kind of document; while typing, the field puts the separating spaces itself.
#include "screens/checked_line_edit.h"
#include "screens/doc_series_mask.h"

namespace kvz {

class TMaskedDocEdit : public TCheckedLineEdit {
    Q_OBJECT
public:
    explicit TMaskedDocEdit(QWidget* parent = nullptr);

    TDocumentMaskEnum EditType() const { return EditType_; }
    // The current text is kept as it is; the new form applies to the next change.
    void SetEditType(TDocumentMaskEnum type) { EditType_ = type; }

protected:
    QString TypedInsertion(QChar c) const override;
    QString Normalized(const QString& text) const override;
    bool Accepts(const QString& text) const override;

private:
    QString BirthCertificateInsertion(QChar c, const QString& rest, int position) const;
    QString SeparatedInsertion(QChar c, const QString& rest, int position) const;

    TDocumentMaskEnum EditType_ = edtNone1;
};

}  // namespace kvz
