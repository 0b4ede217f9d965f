#include "screens/invest_tov_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "checks/section_checks.h"
#include "checks/source_check.h"
#include "screens/field_binder.h"
#include "screens/masked_edit.h"

namespace kvz {

namespace {

constexpr int kExitKind = 6;  // exit from a partnership or allotment of a share
enum AmountRow { kIncome, kExpenseShare, kManager, kPriorLosses };

// Without the window's check dialog every message counts as answered "Исправить":
// nothing wrong is accepted unseen.
class FixingDialog : public CheckDialog {
public:
    int Ask(const std::string&, const std::string&, CheckButtons) override { return kCheckAnswerFix; }
};

QDialogButtonBox* YesNo(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Да"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("fbYes"));
    buttons->addButton(QStringLiteral("Нет"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("fbNo"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

TMaskedEdit* NewEdit(const char* name, TEditTypeControlEnum type, int length, const std::string& text) {
    auto* edit = new TMaskedEdit(type, length);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setText(QString::fromStdString(text));
    return edit;
}

Money Typed(const TMaskedEdit* edit) {
    try {
        return MoneyFromScreenText(edit->text());
    } catch (const std::exception&) {
        return Money();
    }
}

}  // namespace

bool EditInvestSource(mTInvestTov& partnership, const ScreenResources& resources, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TfmInputSourseInvestTov"));
    dialog.setWindowTitle(QStringLiteral("Источник выплаты"));
    TMaskedEdit* fields[] = {NewEdit("SourceName", edtNone, 160, partnership.SourceName),
                             NewEdit("Inn", edtDigital, 12, partnership.Inn),
                             NewEdit("Kpp", edtDigital, 9, partnership.Kpp),
                             NewEdit("Oktmo", edtDigital, 11, partnership.Oktmo)};
    fields[0]->setMinimumWidth(360);
    auto* layout = new QFormLayout(&dialog);
    layout->addRow(QStringLiteral("Наименование инвестиционного товарищества"), fields[0]);
    layout->addRow(QStringLiteral("ИНН"), fields[1]);
    layout->addRow(QStringLiteral("КПП"), fields[2]);
    layout->addRow(QStringLiteral("ОКТМО"), fields[3]);
    QDialogButtonBox* buttons = YesNo(&dialog);
    layout->addRow(buttons);
    const auto text = [&](int i) { return fields[i]->text().toStdString(); };
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        FixingDialog fixing;
        CheckDialog& checks = resources.checkDialog ? *resources.checkDialog : fixing;
        const int field = SourceCheck(checks, kTitleInvestTov, text(0), false, text(3), text(2), text(1));
        if (field == kSourceAccepted) return dialog.accept();
        fields[field - kSourceFieldName]->setFocus();
    });
    if (dialog.exec() != QDialog::Accepted) return false;
    partnership.SourceName = text(0);
    partnership.Inn = text(1);
    partnership.Kpp = text(2);
    partnership.Oktmo = text(3);
    return true;
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
        meAmounts_[row] = new TMaskedEdit(edtCurrency, 12, 2);
        meAmounts_[row]->setObjectName(QString::fromLatin1(names[row]));
        meAmounts_[row]->setText(MoneyScreenText(values[row]));
        auto* label = new QLabel(labels[row]);
        if (row == kExpenseShare) lblExpenseShare_ = label;
        rows_[row] = label;
        layout->addRow(label, meAmounts_[row]);
    }
    QDialogButtonBox* buttons = YesNo(this);
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
    return {cbKind_->currentIndex(), Typed(meAmounts_[kIncome]), Typed(meAmounts_[kExpenseShare]),
            Typed(meAmounts_[kManager]), Typed(meAmounts_[kPriorLosses])};
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
    if (dialog.exec() != QDialog::Accepted) return false;
    line = dialog.Line();
    return true;
}

}  // namespace kvz
