#pragma once
// The two dialogs of the social deduction screen: one amount paid for a child's
// education, and one pension or insurance contract.
#include <QDialog>

#include "model/pens.h"
#include "screens/field_focus.h"
#include "storage/money.h"

class QButtonGroup;
class QDateEdit;
class QLabel;

namespace kvz {

class CheckDialog;
class TMaskedEdit;

class TfmChildEduSum : public QDialog {
    Q_OBJECT
public:
    TfmChildEduSum(Money amount, QWidget* parent);
    Money Amount() const;

private:
    TMaskedEdit* meSum_;
};

// "Да" runs the contract's check and closes only when it accepts; otherwise the
// field to correct gets the focus and the dialog stays open.
class TfmInputSoursePens : public QDialog {
    Q_OBJECT
public:
    // Without a check dialog every finding counts as to be corrected.
    TfmInputSoursePens(const mTPens& contract, CheckDialog* checks, QWidget* parent);
    // The contract as the dialog was accepted.
    const mTPens& Contract() const { return Contract_; }

private:
    mTPens Edited() const;
    void ShowKind();
    void TryAccept();

    mTPens Contract_;
    CheckDialog* Checks_;
    QButtonGroup* Kind_;
    TMaskedEdit* OrgName_;
    TMaskedEdit* OrgInn_;
    TMaskedEdit* OrgKpp_;
    TMaskedEdit* ContractNumber_;
    QDateEdit* ContractDate_;
    TMaskedEdit* Contribution_;
    TMaskedEdit* ContributionToDeduct_;
    TMaskedEdit* AgentDeduction_;
    QLabel* AgentLabel_;
    FieldFocus Focus_;  // the fields the contract's check names; the others go to the name
};

// The item dialogs the lists open: false when the user cancelled.
bool EditChildEducation(Money& amount, QWidget* parent);
bool EditPensionContract(mTPens& contract, CheckDialog* checks, QWidget* parent);

}  // namespace kvz
