#include "screens/dialog_parts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "screens/field_binder.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr int kAmountWhole = 12;
constexpr int kAmountFraction = 2;
constexpr int kMonthsInYear = 12;

class FixEverything : public CheckDialog {
public:
    int Ask(const std::string&, const std::string&, CheckButtons) override { return kCheckAnswerFix; }
};

}  // namespace

QDialogButtonBox* YesNoButtons(QDialog* dialog) {
    // Made inside the dialog so that "Да" is the dialog's main default button: Enter
    // accepts again once the focus has left a "..." button that took Enter for itself.
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* yes = box->addButton(QStringLiteral("Да"), QDialogButtonBox::AcceptRole);
    yes->setObjectName(QStringLiteral("fbYes"));
    yes->setDefault(true);
    box->addButton(QStringLiteral("Нет"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("fbNo"));
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

TMaskedEdit* NewNamedEdit(const char* name, TEditTypeControlEnum type, int length, int fraction) {
    auto* edit = new TMaskedEdit(type, length, fraction);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

TMaskedEdit* NewAmountEdit(const char* name, Money value) {
    TMaskedEdit* edit = NewNamedEdit(name, edtCurrency, kAmountWhole, kAmountFraction);
    edit->LoadText(MoneyScreenText(value));
    return edit;
}

Money TypedAmount(const TMaskedEdit* edit) {
    try {
        return MoneyFromScreenText(edit->text());
    } catch (const EConvertError&) {
        return Money();
    }
}

void KeepMonthNumber(TMaskedEdit* edit) {
    QObject::connect(edit, &TCheckedLineEdit::changed, edit, [edit] {
        if (edit->text().toInt() > kMonthsInYear) edit->setText(QString::number(kMonthsInYear));
    });
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit] {
        if (!edit->text().isEmpty() && edit->text().toInt() <= 0) edit->setText(QStringLiteral("1"));
    });
}

int TypedMonth(const TMaskedEdit* edit) {
    const int month = edit->text().toInt();
    return month < 1 ? 1 : month > kMonthsInYear ? kMonthsInYear : month;
}

CheckDialog& ChecksOrFix(CheckDialog* checks) {
    static FixEverything fix;
    return checks ? *checks : fix;
}

}  // namespace kvz
