#pragma once
// The field for the series and number of an identity document. Its form follows
// the kind of document; while typing, the field puts the separating spaces itself.
#include "screens/checked_line_edit.h"
#include "screens/doc_series_mask.h"

class QKeyEvent;

namespace kvz {

class TMaskedDocEdit : public TCheckedLineEdit {
    Q_OBJECT
public:
    explicit TMaskedDocEdit(QWidget* parent = nullptr);

    TDocumentMaskEnum EditType() const { return EditType_; }
    // The current text is kept as it is; the new form applies to the next change.
    void SetEditType(TDocumentMaskEnum type) { EditType_ = type; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QString Normalized(const QString& text) const override;
    bool Accepts(const QString& text) const override;

private:
    // What a typed character inserts at the caret (with an automatic space in
    // front where the form has one); empty when it is refused.
    QString TypedInsertion(QChar c) const;
    QString BirthCertificateInsertion(QChar c, const QString& rest, int position) const;
    QString SeparatedInsertion(QChar c, const QString& rest, int position) const;

    TDocumentMaskEnum EditType_ = edtNone1;
};

}  // namespace kvz
