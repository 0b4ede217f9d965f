#pragma once
// The dialog of a payment source: its name, ИНН, КПП and ОКТМО with the source
// check on "Да", and below them the rows that the kind of source adds (amounts,
// codes, a check box) with checks of their own. Nothing is written to the source
// while the dialog is open.
#include <QDialog>

#include <functional>
#include <string>

#include "checks/check_dialog.h"
#include "model/sourse_income_info.h"

class QFormLayout;

namespace kvz {

class TMaskedEdit;

enum class SourceCheckKind {
    Lenient,      // the source check, messages that allow it may be skipped
    NoSkipping,   // the source check, no message may be skipped
    Strict,       // an organisation's ИНН and КПП required, no message may be skipped
};

struct SourceDialogSetup {
    QString objectName;
    QString title;
    QString nameLabel;
    std::string checkTitle;
    SourceCheckKind check = SourceCheckKind::Lenient;
};

class TSourceDialog : public QDialog {
    Q_OBJECT
public:
    TSourceDialog(const SourceDialogSetup& setup, const mTSourseIncomeInfo& source, CheckDialog* checks,
                  QWidget* parent);

    // Where the kind of source adds its rows, below the requisites.
    QFormLayout* Form() const { return Form_; }
    // Adds "Да" and "Нет" below the rows; call once every row is in place.
    void AddButtons();
    // The checks of the added rows, run once the requisites pass: they show their
    // messages, focus what is to be corrected and return whether to accept.
    void SetOwnChecks(std::function<bool(CheckDialog&)> checks) { OwnChecks_ = std::move(checks); }

    // Shows the dialog. On acceptance writes the requisites and returns true, except
    // when the name is blank: then nothing is written (false).
    bool ExecInto(mTSourseIncomeInfo& source);

private:
    void OnYes();
    std::string Text(int field) const;

    SourceDialogSetup Setup_;
    CheckDialog* Checks_;
    TMaskedEdit* Fields_[4] = {};  // name, ИНН, КПП, ОКТМО
    QFormLayout* Form_ = nullptr;
    std::function<bool(CheckDialog&)> OwnChecks_;
};

}  // namespace kvz
