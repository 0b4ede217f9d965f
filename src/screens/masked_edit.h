#pragma once
// The field for every typed value of the screens: amounts, digit codes, letters
// only or free text, with a length for the whole part and, for amounts, for the
// fraction. Amounts are shown with the decimal comma.
#include "screens/checked_line_edit.h"

namespace kvz {

enum TEditTypeControlEnum { edtCurrency = 0, edtDigital = 1, edtChar = 2, edtNone = 3 };

inline constexpr QChar kScreenDecimalSeparator = u',';

class TMaskedEdit : public TCheckedLineEdit {
    Q_OBJECT
public:
    explicit TMaskedEdit(QWidget* parent = nullptr);
    TMaskedEdit(TEditTypeControlEnum type, int wholeLength, int fractionalLength = 0, QWidget* parent = nullptr);

    TEditTypeControlEnum EditType() const { return EditType_; }
    void SetEditType(TEditTypeControlEnum type) { EditType_ = type; }
    // For amounts the digits before the separator, otherwise the text length; 0 = no limit.
    int WholeLength() const { return WholeLength_; }
    void SetWholeLength(int length) { WholeLength_ = length; }
    // For amounts the digits after the separator; 0 = no limit.
    int FractionalLength() const { return FractionalLength_; }
    void SetFractionalLength(int length) { FractionalLength_ = length; }

protected:
    // A short field (a code, a number) is never squeezed narrower than what it holds
    // by a long text beside it.
    QSize minimumSizeHint() const override;
    QString TypedInsertion(QChar c) const override;
    QString Normalized(const QString& text) const override;
    bool Accepts(const QString& text) const override;

private:
    bool AcceptsAmount(const QString& text) const;
    bool WithinLength(const QString& text) const;

    TEditTypeControlEnum EditType_ = edtCurrency;
    int WholeLength_ = 0;
    int FractionalLength_ = 0;
};

}  // namespace kvz
