#include "screens/activity_dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "checks/section_checks.h"
#include "model/business_new.h"
#include "screens/dialog_parts.h"
#include "screens/masked_edit.h"

namespace kvz {

namespace {

constexpr int kBusinessKind = 1;

// The kinds of activity: the dialog's choice and the list's caption.
const struct {
    QString choice;
    QString caption;
} kKinds[] = {
    {QStringLiteral("Предпринимательская"), QString()},
    {QStringLiteral("Нотариальная"), QStringLiteral("Нотариальная деятельность")},
    {QStringLiteral("Адвокатская"), QStringLiteral("Адвокатская деятельность")},
    {QStringLiteral("Арбитражного управляющего"), QStringLiteral("Деятельность арбитражного управляющего")},
    {QStringLiteral("Главы КФХ"), QStringLiteral("Деятельность главы КФХ")},
    {QStringLiteral("Иная"), QStringLiteral("Иная деятельность")},
};
constexpr int kKindCount = 6;

}  // namespace

QString ActivityCaption(const mTBusinessNew& activity) {
    const int kind = QString::fromStdString(activity.ActivityKind).toInt();
    if (kind == kBusinessKind || kind < 1 || kind > kKindCount) return QString::fromStdString(activity.ActivityCode);
    return kKinds[kind - 1].caption;
}

TFormOKVED::TFormOKVED(const ActivityClassifier& classifier, const std::string& code, CheckDialog* checkDialog,
                       QWidget* parent)
    : QDialog(parent), Picker_(classifier), CheckDialog_(checkDialog) {
    setObjectName(QStringLiteral("TFormOKVED"));
    setWindowTitle(QStringLiteral("Код по ОКВЭД"));
    auto* layout = new QVBoxLayout(this);
    for (int level = 1; level <= kActivityLevels; ++level) {
        QComboBox* box = cbLevels_[level - 1] = new QComboBox;
        box->setObjectName(QStringLiteral("cbLevel%1").arg(level));
        box->setMinimumContentsLength(60);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        layout->addWidget(box);
        connect(box, &QComboBox::activated, this, [this, level](int row) {
            Picker_.Choose(level, row);
            ShowLevels();
        });
    }
    lblCode_ = new QLabel;
    lblCode_->setObjectName(QStringLiteral("lblCode"));
    layout->addWidget(lblCode_);
    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormOKVED::OnAccept);
    layout->addWidget(buttons);
    Picker_.Preselect(code);
    ShowLevels();
}

void TFormOKVED::ShowLevels() {
    for (int level = 1; level <= kActivityLevels; ++level) {
        QComboBox* box = cbLevels_[level - 1];
        const QSignalBlocker quiet(box);
        box->clear();
        for (const std::string& name : Picker_.Names(level)) box->addItem(QString::fromStdString(name));
        box->setCurrentIndex(Picker_.ChosenRow(level));
    }
    lblCode_->setText(QStringLiteral("Код по ОКВЭД: ") + QString::fromStdString(Picker_.ChosenCode()));
}

void TFormOKVED::OnAccept() {
    // "Пропустить" takes a short code all the same; "Исправить" stays in the list.
    for (const CheckFinding& finding : ActivityCodeFindings(Picker_.ChosenCode())) {
        const int answer = CheckDialog_ ? CheckDialog_->Ask(finding.sectionTitle, finding.message, CheckButtons{true, false})
                                        : kCheckAnswerFix;
        if (answer != kCheckAnswerSkip) return;
    }
    accept();
}

TfmInputBusinessIncome::TfmInputBusinessIncome(const mTBusinessNew& activity, const ScreenResources& resources,
                                               QWidget* parent)
    : QDialog(parent), Resources_(resources) {
    setObjectName(QStringLiteral("TfmInputBusinessIncome"));
    setWindowTitle(QStringLiteral("Вид деятельности"));
    auto* kinds = new QGroupBox(QStringLiteral("Вид деятельности"));
    auto* column = new QVBoxLayout(kinds);
    Kinds_ = new QButtonGroup(this);
    for (int kind = 1; kind <= kKindCount; ++kind) {
        auto* button = new QRadioButton(kKinds[kind - 1].choice);
        button->setObjectName(QStringLiteral("rbKind%1").arg(kind));
        Kinds_->addButton(button, kind);
        column->addWidget(button);
    }
    const int kind = QString::fromStdString(activity.ActivityKind).toInt();
    if (QAbstractButton* button = Kinds_->button(kind >= 1 && kind <= kKindCount ? kind : kBusinessKind))
        button->setChecked(true);

    meCode_ = new TMaskedEdit(edtNone, 8);
    meCode_->setObjectName(QStringLiteral("ActivityCode"));
    if (activity.ActivityCode != mTBusinessNew::kEmptyActivityCode)
        meCode_->setText(QString::fromStdString(activity.ActivityCode));
    auto* fbCode = new QPushButton(QStringLiteral("..."));
    fbCode->setObjectName(QStringLiteral("fbActivityCode"));
    fbCode->setToolTip(QStringLiteral("Код по ОКВЭД"));
    fbCode->setAutoDefault(false);
    fbCode->setEnabled(resources.activities != nullptr);
    connect(fbCode, &QPushButton::clicked, this, &TfmInputBusinessIncome::PickCode);
    auto* code = new QHBoxLayout;
    code->addWidget(meCode_);
    code->addWidget(fbCode);

    auto* layout = new QFormLayout(this);
    layout->addRow(kinds);
    layout->addRow(QStringLiteral("Код вида деятельности"), code);
    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmInputBusinessIncome::OnAccept);
    layout->addRow(buttons);
}

void TfmInputBusinessIncome::PickCode() {
    if (!Resources_.activities) return;
    TFormOKVED picker(*Resources_.activities, meCode_->text().trimmed().toStdString(), Resources_.checkDialog, this);
    if (picker.exec() == QDialog::Accepted) meCode_->setText(QString::fromStdString(picker.ChosenCode()));
}

void TfmInputBusinessIncome::OnAccept() {
    // A business activity is known by its code.
    if (Kinds_->checkedId() == kBusinessKind && meCode_->text().trimmed().isEmpty()) {
        meCode_->setFocus();
        return;
    }
    accept();
}

void TfmInputBusinessIncome::Take(mTBusinessNew& activity) const {
    activity.ActivityKind = std::to_string(Kinds_->checkedId());
    const std::string code = meCode_->text().trimmed().toStdString();
    activity.ActivityCode = code.empty() ? mTBusinessNew::kEmptyActivityCode : code;
}

bool EditActivity(mTBusinessNew& activity, const ScreenResources& resources, QWidget* parent) {
    TfmInputBusinessIncome dialog(activity, resources, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.Take(activity);
    return true;
}

}  // namespace kvz
