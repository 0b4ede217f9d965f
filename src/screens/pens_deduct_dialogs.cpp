#include "screens/pens_deduct_dialogs.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "checks/section_checks_deductions.h"
#include "screens/dialog_parts.h"
#include "screens/field_binder.h"
#include "screens/masked_edit.h"
#include "screens/optional_date.h"
#include "screens/screen_widgets.h"

namespace kvz {

namespace {

TMaskedEdit* NewText(const char* name, TEditTypeControlEnum type, int length, const std::string& value) {
    TMaskedEdit* edit = NewNamedEdit(name, type, length);
    edit->LoadText(QString::fromStdString(value));
    return edit;
}

std::string TextOf(const TMaskedEdit* edit) { return edit->text().trimmed().toStdString(); }

constexpr const char* kKindText = "Негосударств. пенс. обеспечение и добровольное пенс. страхование";

}  // namespace

TfmChildEduSum::TfmChildEduSum(Money amount, QWidget* parent)
    : QDialog(parent), meSum_(NewAmountEdit("meSum", amount)) {
    setWindowTitle(QStringLiteral("Сумма за обучение"));
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Сумма, уплаченная за обучение ребенка"), meSum_);
    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addRow(buttons);
}

Money TfmChildEduSum::Amount() const { return TypedAmount(meSum_); }

TfmInputSoursePens::TfmInputSoursePens(const mTPens& contract, CheckDialog* checks, QWidget* parent)
    : QDialog(parent), Contract_(contract), Checks_(checks), Kind_(new QButtonGroup(this)) {
    setWindowTitle(QStringLiteral("Данные договора"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Вид и данные договора")));
    for (int kind = 1; kind <= mTPens::kKindExtraContributions; ++kind) {
        auto* button = new QRadioButton(kind < mTPens::kKindExtraContributions
                                            ? QString::fromUtf8(kKindText)
                                            : QStringLiteral("Доп. страх. взносы на накопительную часть труд. пенс."));
        button->setObjectName(QStringLiteral("rbKind%1").arg(kind));
        Kind_->addButton(button, kind);
        layout->addWidget(button);
    }
    const bool knownKind = contract.ContractKind >= 1 && contract.ContractKind <= mTPens::kKindExtraContributions;
    Kind_->button(knownKind ? contract.ContractKind : 1)->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Наименование организации или фонда"),
                 OrgName_ = NewText("OrgName", edtNone, 160, contract.OrgName));
    form->addRow(QStringLiteral("ИНН"), OrgInn_ = NewText("OrgInn", edtDigital, 10, contract.OrgInn));
    form->addRow(QStringLiteral("КПП"), OrgKpp_ = NewText("OrgKpp", edtDigital, 9, contract.OrgKpp));
    form->addRow(QStringLiteral("Номер договора"),
                 ContractNumber_ = NewText("ContractNumber", edtNone, 30, contract.ContractNumber));
    ContractDate_ = NewPastDateEdit();
    ContractDate_->setObjectName(QStringLiteral("ContractDate"));
    AllowNoDate(ContractDate_);
    SetOptionalDateRange(ContractDate_, ContractDate_->minimumDate(), ContractDate_->maximumDate());
    ShowOptionalDate(ContractDate_, contract.ContractDate);
    form->addRow(QStringLiteral("Дата договора"), ContractDate_);
    form->addRow(QStringLiteral("Сумма взноса"), Contribution_ = NewAmountEdit("Contribution", contract.Contribution));
    form->addRow(QStringLiteral("Сумма взноса к вычету"),
                 ContributionToDeduct_ = NewAmountEdit("ContributionToDeduct", contract.ContributionToDeduct));
    AgentLabel_ = new QLabel;
    AgentLabel_->setObjectName(QStringLiteral("lblAgentDeduction"));
    form->addRow(AgentLabel_, AgentDeduction_ = NewAmountEdit("AgentDeduction", contract.AgentDeduction));
    layout->addLayout(form);
    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmInputSoursePens::TryAccept);
    layout->addWidget(buttons);
    connect(Kind_, &QButtonGroup::idClicked, this, &TfmInputSoursePens::ShowKind);
    ShowKind();
    Focus_.Add(kSourceFieldInn, OrgInn_);
    Focus_.Add(kSourceFieldKpp, OrgKpp_);
    Focus_.Add(kContractFieldNumber, ContractNumber_);
    Focus_.Add(kContractFieldContribution, Contribution_);
    Focus_.Add(kContractFieldDate, ContractDate_);
}

mTPens TfmInputSoursePens::Edited() const {
    mTPens c = Contract_;
    c.ContractKind = Kind_->checkedId();
    c.OrgName = TextOf(OrgName_);
    c.OrgInn = TextOf(OrgInn_);
    c.OrgKpp = TextOf(OrgKpp_);
    c.ContractNumber = TextOf(ContractNumber_);
    c.ContractDate = ShownOptionalDate(ContractDate_, Contract_.ContractDate);
    c.Contribution = TypedAmount(Contribution_);
    c.ContributionToDeduct = TypedAmount(ContributionToDeduct_);
    c.AgentDeduction = TypedAmount(AgentDeduction_);
    return c;
}

void TfmInputSoursePens::ShowKind() {
    const bool organisation = Kind_->checkedId() != mTPens::kKindExtraContributions;
    for (QWidget* w : {static_cast<QWidget*>(OrgName_), static_cast<QWidget*>(OrgInn_),
                       static_cast<QWidget*>(OrgKpp_), static_cast<QWidget*>(ContractNumber_),
                       static_cast<QWidget*>(ContractDate_)})
        w->setEnabled(organisation);
    AgentLabel_->setText(organisation ? QStringLiteral("Сумма вычета у налогового агента (код 327)")
                                      : QStringLiteral("Сумма вычета у налогового агента (код 328)"));
}

void TfmInputSoursePens::TryAccept() {
    const mTPens edited = Edited();
    const int field = CheckPensionContract(ChecksOrFix(Checks_), edited);
    if (field != 0) {
        if (!Focus_.Go(field)) OrgName_->setFocus();
        return;
    }
    AcceptPensionContract(edited, Contract_);
    accept();
}

bool EditChildEducation(Money& amount, QWidget* parent) {
    TfmChildEduSum dialog(amount, parent);
    return TakeIfAccepted(dialog, amount, &TfmChildEduSum::Amount);
}

bool EditPensionContract(mTPens& contract, CheckDialog* checks, QWidget* parent) {
    TfmInputSoursePens dialog(contract, checks, parent);
    return TakeIfAccepted(dialog, contract, &TfmInputSoursePens::Contract);
}

}  // namespace kvz
