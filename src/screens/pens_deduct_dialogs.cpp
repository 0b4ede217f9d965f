#include "screens/pens_deduct_dialogs.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "checks/section_checks_deductions.h"
#include "screens/field_binder.h"
#include "screens/masked_edit.h"
#include "screens/screen_widgets.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr int kAmountWhole = 12;
constexpr int kAmountFraction = 2;

// "Да" and "Нет" under a dialog's fields; "Да" is the default button.
QDialogButtonBox* YesNoButtons(QDialog* dialog) {
    auto* box = new QDialogButtonBox;
    QPushButton* yes = box->addButton(QStringLiteral("Да"), QDialogButtonBox::AcceptRole);
    yes->setObjectName(QStringLiteral("fbYes"));
    yes->setDefault(true);
    box->addButton(QStringLiteral("Нет"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("fbNo"));
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

TMaskedEdit* NewEdit(const char* name, TEditTypeControlEnum type, int length, int fraction = 0) {
    auto* edit = new TMaskedEdit(type, length, fraction);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

TMaskedEdit* NewAmount(const char* name, Money value) {
    TMaskedEdit* edit = NewEdit(name, edtCurrency, kAmountWhole, kAmountFraction);
    edit->LoadText(MoneyScreenText(value));
    return edit;
}

TMaskedEdit* NewText(const char* name, TEditTypeControlEnum type, int length, const std::string& value) {
    TMaskedEdit* edit = NewEdit(name, type, length);
    edit->LoadText(QString::fromStdString(value));
    return edit;
}

// The amount a field holds; the mask lets through nothing else but an empty text.
Money AmountOf(const TMaskedEdit* edit) {
    try {
        return MoneyFromScreenText(edit->text());
    } catch (const EConvertError&) {
        return Money();
    }
}

std::string TextOf(const TMaskedEdit* edit) { return edit->text().trimmed().toStdString(); }

// Without the window's check dialog nothing wrong is accepted unseen.
class FixEverything : public CheckDialog {
public:
    int Ask(const std::string&, const std::string&, CheckButtons) override { return kCheckAnswerFix; }
};

constexpr const char* kKindText = "Негосударств. пенс. обеспечение и добровольное пенс. страхование";

}  // namespace

TfmChildEduSum::TfmChildEduSum(Money amount, QWidget* parent)
    : QDialog(parent), meSum_(NewAmount("meSum", amount)) {
    setWindowTitle(QStringLiteral("Сумма за обучение"));
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Сумма, уплаченная за обучение ребенка"), meSum_);
    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addRow(buttons);
}

Money TfmChildEduSum::Amount() const { return AmountOf(meSum_); }

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
    ContractDate_->setDate(DateOfDayCount(contract.ContractDate));
    form->addRow(QStringLiteral("Дата договора"), ContractDate_);
    form->addRow(QStringLiteral("Сумма взноса"), Contribution_ = NewAmount("Contribution", contract.Contribution));
    form->addRow(QStringLiteral("Сумма взноса к вычету"),
                 ContributionToDeduct_ = NewAmount("ContributionToDeduct", contract.ContributionToDeduct));
    AgentLabel_ = new QLabel;
    AgentLabel_->setObjectName(QStringLiteral("lblAgentDeduction"));
    form->addRow(AgentLabel_, AgentDeduction_ = NewAmount("AgentDeduction", contract.AgentDeduction));
    layout->addLayout(form);
    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmInputSoursePens::TryAccept);
    layout->addWidget(buttons);
    connect(Kind_, &QButtonGroup::idClicked, this, &TfmInputSoursePens::ShowKind);
    ShowKind();
}

mTPens TfmInputSoursePens::Edited() const {
    mTPens c = Contract_;
    c.ContractKind = Kind_->checkedId();
    c.OrgName = TextOf(OrgName_);
    c.OrgInn = TextOf(OrgInn_);
    c.OrgKpp = TextOf(OrgKpp_);
    c.ContractNumber = TextOf(ContractNumber_);
    // The day the user sees; an untouched date keeps the stored value.
    if (ContractDate_->date() != DateOfDayCount(Contract_.ContractDate))
        c.ContractDate = DayCountOfDate(ContractDate_->date());
    c.Contribution = AmountOf(Contribution_);
    c.ContributionToDeduct = AmountOf(ContributionToDeduct_);
    c.AgentDeduction = AmountOf(AgentDeduction_);
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
    FixEverything fallback;
    const int field = CheckPensionContract(Checks_ ? *Checks_ : fallback, edited);
    if (field != 0) {
        FocusField(field);
        return;
    }
    AcceptPensionContract(edited, Contract_);
    accept();
}

void TfmInputSoursePens::FocusField(int field) {
    switch (field) {
        case kSourceFieldInn: OrgInn_->setFocus(); break;
        case kSourceFieldKpp: OrgKpp_->setFocus(); break;
        case kContractFieldNumber: ContractNumber_->setFocus(); break;
        case kContractFieldContribution: Contribution_->setFocus(); break;
        default: OrgName_->setFocus(); break;
    }
}

bool EditChildEducation(Money& amount, QWidget* parent) {
    TfmChildEduSum dialog(amount, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    amount = dialog.Amount();
    return true;
}

bool EditPensionContract(mTPens& contract, CheckDialog* checks, QWidget* parent) {
    TfmInputSoursePens dialog(contract, checks, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    contract = dialog.Contract();
    return true;
}

}  // namespace kvz
