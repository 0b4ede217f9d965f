#pragma once
// "Данные объекта": one property object of the housing deduction. The dates and
// the year of first use keep inside the limits of the object's place in the list
// and of "Являюсь пенсионером"; "Да" closes only when the object's check accepts.
#include <QDate>
#include <QDialog>
#include <utility>
#include <vector>

#include "checks/section_checks_deductions.h"
#include "model/construction_deduct.h"
#include "screens/field_focus.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QLineEdit;
class QSpinBox;

namespace kvz {

class CheckDialog;
class TMaskedEdit;
class TPickButton;

class TfmInputConstruction : public QDialog {
    Q_OBJECT
public:
    // `laterObject`: see IsLaterObject. Without a check dialog every finding counts
    // as to be corrected.
    TfmInputConstruction(const mTConstructionDeductObj& object, bool laterObject, CheckDialog* checks,
                         QWidget* parent);
    const mTConstructionDeductObj& Object() const { return Object_; }

private:
    using Text = std::string mTConstructionDeductObj::*;
    using Date = DateTime mTConstructionDeductObj::*;
    struct DateField {
        QDateEdit* edit;
        Date field;
    };
    QComboBox* NewList(const char* name, const QStringList& items, int32_t code);
    void AddText(QFormLayout* form, const QString& label, const char* name, Text field, int length);
    void AddDate(QFormLayout* form, const QString& label, const char* name, Date field);
    void ApplyLimits();
    mTConstructionDeductObj Edited();
    void TryAccept();

    mTConstructionDeductObj Object_;
    bool Later_;
    CheckDialog* Checks_;
    QComboBox* ObjectName_;
    QComboBox* Ownership_;
    QComboBox* TaxpayerSign_;
    QButtonGroup* Acquisition_;
    QLineEdit* RegionCode_;
    TPickButton* fbRegion_;
    std::vector<std::pair<TMaskedEdit*, Text>> Texts_;
    std::vector<DateField> Dates_;
    TMaskedEdit* ShareNumerator_;
    TMaskedEdit* ShareDenominator_;
    QSpinBox* FirstUseYear_;
    QCheckBox* Pensioner_;
    TMaskedEdit* ObjectCost_;
    TMaskedEdit* CreditInterest_;
    FieldFocus Focus_;  // the fields the object's check names
};

// The item dialog of the object list: false when the user cancelled.
bool EditConstructionObject(mTConstructionDeductObj& object, bool laterObject, CheckDialog* checks, QWidget* parent);

// The caption of an object in the list: its short name, city, locality and street.
QString ObjectCaption(const mTConstructionDeductObj& object);

}  // namespace kvz
