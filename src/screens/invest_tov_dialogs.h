#pragma once
// The dialogs of the partnership screen: "Источник выплаты" of a partnership
// (TfmInputSourseInvestTov) and "Участие в инвестиционных товариществах", one
// operation of it (TfmIncomeInvestTov).
#include <QDialog>

#include "model/invest_tov.h"
#include "screens/screen_resources.h"

class QComboBox;
class QLabel;

namespace kvz {

class TMaskedEdit;

class TfmIncomeInvestTov : public QDialog {
    Q_OBJECT
public:
    TfmIncomeInvestTov(const mTInvestTovIncome& line, CheckDialog* checkDialog, QWidget* parent);
    mTInvestTovIncome Line() const;
    QComboBox* Kind() const { return cbKind_; }

private:
    void ShowKind();
    void OnAccept();

    CheckDialog* CheckDialog_;
    QComboBox* cbKind_ = nullptr;
    TMaskedEdit* meAmounts_[4] = {};
    QLabel* lblExpenseShare_ = nullptr;
    QWidget* rows_[4] = {};
};

// Edits the partnership's name and requisites; false when the user cancelled.
bool EditInvestSource(mTInvestTov& partnership, const ScreenResources& resources, QWidget* parent);
// Edits one operation of a partnership; false when the user cancelled.
bool EditInvestLine(mTInvestTovIncome& line, const ScreenResources& resources, QWidget* parent);

}  // namespace kvz
