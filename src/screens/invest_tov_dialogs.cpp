#include "screens/invest_tov_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "checks/section_checks.h"
#include "checks/source_check.h"
#include "screens/dialog_parts.h"
#include "screens/field_binder.h"
#include "screens/masked_edit.h"
#include "screens/source_dialog.h"

namespace kvz {

namespace {

constexpr int kExitKind = 6;  // exit from a partnership or allotment of a share
enum AmountRow { kIncome, kExpenseShare, kManager, kPriorLosses };

}  // namespace

bool EditInvestSource(mTInvestTov& partnership, const ScreenResources& resources, QWidget* parent) {
    TSourceDialog dialog({QStringLiteral("TfmInputSourseInvestTov"), QStringLiteral("Источник выплаты"),
                          QStringLiteral("Наименование инвестиционного товарищества"), kTitleInvestTov,
                          SourceCheckKind::NoSkipping},
                         partnership, resources.checkDialog, parent);
    dialog.AddButtons();
    return dialog.ExecInto(partnership);
}

TfmIncomeInvestTov::TfmIncomeInvestTov(const mTInvestTovIncome& line, CheckDialog* checkDialog, QWidget* parent)
    : QDialog(parent), CheckDialog_(checkDialog) {
    setObjectName(QStringLiteral("TfmIncomeInvestTov"));
    setWindowTitle(QStringLiteral("Участие в инвестиционных товариществах"));
    cbKind_ = new QComboBox;
    cbKind_->setObjectName(QStringLiteral("OperationKind"));
    cbKind_->addItem(QString());  // none chosen yet
    for (int kind = 1; kind <= kInvestOperationKinds; ++kind)
        cbKind_->addItem(QString::fromUtf8(InvestOperationKindText(kind)));
    cbKind_->setCurrentIndex(line.OperationKind >= 1 && line.OperationKind <= kInvestOperationKinds ? line.OperationKind
                                                                                                      : 0);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Вид операций"), cbKind_);
    const Money values[] = {line.IncomeAmount, line.ExpenseShare, line.ManagerExpenses, line.PriorLosses};
    const char* names[] = {"IncomeAmount", "ExpenseShare", "ManagerExpenses", "PriorLosses"};
    const QString labels[] = {QStringLiteral("Сумма доходов"), QStringLiteral("Доля расходов "),
                              QStringLiteral("Расходы на управляющих товарищей"), QStringLiteral("Убыток прошлых лет")};
    for (int row = kIncome; row <= kPriorLosses; ++row) {
        meAmounts_[row] = NewAmountEdit(names[row], values[row]);
        auto* label = new QLabel(labels[row]);
        if (row == kExpenseShare) lblExpenseShare_ = label;
        rows_[row] = label;
        layout->addRow(label, meAmounts_[row]);
    }
    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmIncomeInvestTov::OnAccept);
    layout->addRow(buttons);
    connect(cbKind_, &QComboBox::currentIndexChanged, this, &TfmIncomeInvestTov::ShowKind);
    ShowKind();
}

void TfmIncomeInvestTov::ShowKind() {
    const bool exit = cbKind_->currentIndex() == kExitKind;
    lblExpenseShare_->setText(exit ? QStringLiteral("Сумма вкладов") : QStringLiteral("Доля расходов "));
    for (int row : {kManager, kPriorLosses}) {
        rows_[row]->setVisible(!exit);
        meAmounts_[row]->setVisible(!exit);
        if (exit) meAmounts_[row]->setText(QStringLiteral("0"));
    }
}

mTInvestTovIncome TfmIncomeInvestTov::Line() const {
    return {cbKind_->currentIndex(), TypedAmount(meAmounts_[kIncome]), TypedAmount(meAmounts_[kExpenseShare]),
            TypedAmount(meAmounts_[kManager]), TypedAmount(meAmounts_[kPriorLosses])};
}

void TfmIncomeInvestTov::OnAccept() {
    for (const CheckFinding& finding : InvestLineFindings(Line())) {
        if (CheckDialog_) CheckDialog_->Ask(finding.sectionTitle, finding.message, CheckButtons{false, false});
        cbKind_->setFocus();
        return;
    }
    accept();
}

bool EditInvestLine(mTInvestTovIncome& line, const ScreenResources& resources, QWidget* parent) {
    TfmIncomeInvestTov dialog(line, resources.checkDialog, parent);
    return TakeIfAccepted(dialog, line, &TfmIncomeInvestTov::Line);
}

}  // namespace kvz
