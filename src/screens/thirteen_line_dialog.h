#pragma once
// "Сведения о доходе": one income line of a 13 % source with its month, for a
// resident (the 13 % incomes, a month), a non-resident (every income, no month) or
// a non-resident specialist (no percentage deductions, checks of their own).
#include <QDialog>

#include "checks/check_dialog.h"
#include "checks/income_line_checks.h"
#include "model/thirteen_percent.h"

namespace kvz {

class TIncomeDeductionFields;
class TMaskedEdit;

struct ThirteenLineSetup {
    QString objectName;
    bool resident = true;
    ThirteenLineDialog kind = ThirteenLineDialog::Common;
};

class TThirteenLineDialog : public QDialog {
    Q_OBJECT
public:
    TThirteenLineDialog(const ThirteenLineSetup& setup, const mTSourseIncome& line, CheckDialog* checks,
                        QWidget* parent);

    // The line as the dialog shows it.
    mTSourseIncome Line() const;
    TIncomeDeductionFields* Fields() const { return Fields_; }

private:
    void OnYes();

    ThirteenLineSetup Setup_;
    mTSourseIncome Shown_;
    CheckDialog* Checks_;
    TIncomeDeductionFields* Fields_ = nullptr;
    TMaskedEdit* Month_ = nullptr;
};

}  // namespace kvz
