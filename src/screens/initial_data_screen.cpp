#include "screens/initial_data_screen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "checks/check_text.h"
#include "model/declaration.h"
#include "screens/field_binder.h"
#include "screens/income_kind_loss.h"
#include "screens/masked_edit.h"
#include "screens/pick_lists.h"
#include "screens/screen_check_run.h"

namespace kvz {

namespace {

constexpr const char* kSectionCaption = "Задание условий";
constexpr int kInspectionCodeLength = 4;
constexpr int kAmountWholeLength = 12;
constexpr int kAmountFractionLength = 2;
constexpr int kRepresentativeNameLength = 182;  // three names of up to 60 and two blanks
constexpr int kRepresentativeDocumentLength = 120;
constexpr int kOrganizationLength = 1000;
constexpr int kTaxpayerOther = 5;
constexpr int kTaxpayerArbitration = 6;
constexpr int kTaxpayerEntrepreneur = 0;
constexpr int kSignerPersonally = 0;
constexpr int kSignerPerson = 1;
constexpr int kSignerOrganization = 2;

// The kinds of income a declaration type can hold.
uint8_t KindsAllowedBy(int declarationKind) {
    const uint8_t all = 0xFF;
    if (declarationKind == kDecl3NdflNonResident) return all & ~(kIncomeForeign | kIncomeBusiness);
    if (declarationKind == kDecl4Ndfl)
        return all & ~(kIncomeForeign | kIncomeBusiness | kIncomeRussian | kIncomeInvestTov);
    return all;
}

QString DeclarationKindTitle(int kind) {
    switch (kind) {
        case kDecl3NdflNonResident:
            return QStringLiteral("3-НДФЛ нерезидента");
        case kDecl4Ndfl:
            return QStringLiteral("4-НДФЛ");
        default:
            return QStringLiteral("3-НДФЛ");
    }
}

QRadioButton* AddRadio(QButtonGroup* group, QLayout* layout, const QString& text, int id, const QString& name) {
    auto* button = new QRadioButton(text);
    button->setObjectName(name);
    group->addButton(button, id);
    layout->addWidget(button);
    return button;
}

}  // namespace

TfrInitialData::TfrInitialData(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, parent), Resources_(resources), Binder_(new TFieldBinder(this)) {
    auto* top = new QGridLayout;
    BuildInspectionAndCorrection(top);
    auto* columns = new QGridLayout;
    columns->addWidget(BuildDeclarationKind(), 0, 0);
    columns->addWidget(BuildTaxpayerKind(), 1, 0);
    columns->addWidget(BuildIncomeKinds(), 0, 1);
    columns->addWidget(BuildSigner(), 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(columns);
    layout->addStretch(1);

    mTDeclaration& d = Declaration();
    Binder_->BindText(meInspectionCode_, "InspectionCode", d.InspectionCode);
    Binder_->BindSpin(CorrectionNumber_, "CorrectionNumber", d.CorrectionNumber);
    Binder_->BindChoice(TaxpayerKind_, "TaxpayerKind", d.TaxpayerKind);
    Binder_->BindMoney(meExpectedIncome_, "ExpectedIncome", d.ExpectedIncome);
    Binder_->BindChoice(ConfirmedBy_, "ConfirmedBy", d.ConfirmedBy);
    Binder_->BindText(meRepresentativeName_, "RepresentativeName", d.RepresentativeName, true);
    Binder_->BindText(meRepresentativeDocument_, "RepresentativeDocument", d.RepresentativeDocument, true);
    Binder_->BindText(meRepresentativeOrganization_, "RepresentativeOrganization", d.RepresentativeOrganization,
                      true);
    Binder_->Fill();
    Binder_->WhileLoading([this] {
        SetChecked(DeclarationKind_, Declaration().DeclarationKind);
        ShowIncomeKinds();
        ApplyDeclarationKindState();
        ApplySignerState();
        ShowInspectionName();
    });
    connect(Binder_, &TFieldBinder::documentModified, this, &TThinkingFrame::documentModified);
}

void TfrInitialData::BuildInspectionAndCorrection(QGridLayout* grid) {
    meInspectionCode_ = new TMaskedEdit(edtDigital, kInspectionCodeLength);
    meInspectionCode_->setMaximumWidth(80);
    fbInspection_ = new QPushButton(QStringLiteral("..."));
    fbInspection_->setObjectName(QStringLiteral("fbInspection"));
    fbInspection_->setMaximumWidth(32);
    fbInspection_->setToolTip(QStringLiteral("Справочник инспекций"));
    fbInspection_->setEnabled(Resources_.inspections != nullptr);
    connect(fbInspection_, &QPushButton::clicked, this, &TfrInitialData::OnPickInspection);
    lblInspectionName_ = new QLabel;
    lblInspectionName_->setObjectName(QStringLiteral("lblInspectionName"));
    connect(meInspectionCode_, &TCheckedLineEdit::changed, this, &TfrInitialData::ShowInspectionName);
    CorrectionNumber_ = new QSpinBox;
    CorrectionNumber_->setRange(0, 999);
    CorrectionNumber_->setMaximumWidth(80);

    grid->addWidget(new QLabel(QStringLiteral("Номер инспекции")), 0, 0);
    auto* inspection = new QHBoxLayout;
    inspection->addWidget(meInspectionCode_);
    inspection->addWidget(fbInspection_);
    inspection->addWidget(lblInspectionName_, 1);
    grid->addLayout(inspection, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Номер корректировки")), 1, 0);
    grid->addWidget(CorrectionNumber_, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
}

QWidget* TfrInitialData::BuildDeclarationKind() {
    auto* box = new QGroupBox(QStringLiteral("Тип декларации"));
    auto* layout = new QVBoxLayout(box);
    DeclarationKind_ = new QButtonGroup(this);
    DeclarationKind_->setObjectName(QStringLiteral("DeclarationKind"));
    for (int kind : {kDecl3Ndfl, kDecl3NdflNonResident, kDecl4Ndfl})
        AddRadio(DeclarationKind_, layout, DeclarationKindTitle(kind), kind,
                 QStringLiteral("rbDeclarationKind%1").arg(kind));
    connect(DeclarationKind_, &QButtonGroup::idClicked, this, &TfrInitialData::OnDeclarationKindClicked);
    return box;
}

QWidget* TfrInitialData::BuildTaxpayerKind() {
    auto* box = new QGroupBox(QStringLiteral("Признак налогоплательщика"));
    auto* layout = new QVBoxLayout(box);
    TaxpayerKind_ = new QButtonGroup(this);
    const struct {
        int id;
        const char* text;
    } kKinds[] = {{0, "Индивидуальный предприниматель"}, {1, "Глава фермерского хозяйства"},
                  {2, "Частный нотариус"},                 {3, "Адвокат"},
                  {kTaxpayerOther, "Иное физическое лицо "}, {kTaxpayerArbitration, "Арбитражный управляющий"}};
    for (const auto& kind : kKinds)
        AddRadio(TaxpayerKind_, layout, QString::fromUtf8(kind.text), kind.id,
                 QStringLiteral("rbTaxpayerKind%1").arg(kind.id));
    return box;
}

QWidget* TfrInitialData::BuildIncomeKinds() {
    auto* box = new QGroupBox(QStringLiteral("Имеются доходы"));
    auto* layout = new QVBoxLayout(box);
    auto add = [&](uint8_t bit, const QString& text, const QString& name) {
        auto* check = new QCheckBox(text);
        check->setObjectName(name);
        layout->addWidget(check);
        connect(check, &QCheckBox::clicked, this, [this, bit](bool checked) { OnIncomeKindClicked(bit, checked); });
        return check;
    };
    chbIncomeRussian_ = add(kIncomeRussian, QStringLiteral("Отраженные в справках о доходах и полученные по договорам"),
                            QStringLiteral("chbIncomeRussian"));
    chbIncomeForeign_ = add(kIncomeForeign, QStringLiteral("В иностранной валюте"), QStringLiteral("chbIncomeForeign"));
    chbIncomeBusiness_ = add(kIncomeBusiness, QStringLiteral("От предпринимательской деятельности"),
                             QStringLiteral("chbIncomeBusiness"));
    chbIncomeInvestTov_ = add(kIncomeInvestTov, QStringLiteral("От участия в инвестиционных товариществах"),
                              QStringLiteral("chbIncomeInvestTov"));
    auto* expected = new QHBoxLayout;
    lblExpectedIncome_ = new QLabel(QStringLiteral("Предполагаемый доход"));
    meExpectedIncome_ = new TMaskedEdit(edtCurrency, kAmountWholeLength, kAmountFractionLength);
    expected->addWidget(lblExpectedIncome_);
    expected->addWidget(meExpectedIncome_);
    layout->addLayout(expected);
    return box;
}

QWidget* TfrInitialData::BuildSigner() {
    auto* box = new QGroupBox(QStringLiteral("Достоверность подтверждается"));
    auto* layout = new QGridLayout(box);
    ConfirmedBy_ = new QButtonGroup(this);
    auto* radios = new QHBoxLayout;
    AddRadio(ConfirmedBy_, radios, QStringLiteral("Лично"), kSignerPersonally, QStringLiteral("rbConfirmedBy0"));
    AddRadio(ConfirmedBy_, radios, QStringLiteral("Представителем - ФЛ"), kSignerPerson,
             QStringLiteral("rbConfirmedBy1"));
    AddRadio(ConfirmedBy_, radios, QStringLiteral("Представителем - ЮЛ"), kSignerOrganization,
             QStringLiteral("rbConfirmedBy2"));
    radios->addStretch(1);
    connect(ConfirmedBy_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) ApplySignerState();
    });
    meRepresentativeName_ = new TMaskedEdit(edtNone, kRepresentativeNameLength);
    meRepresentativeDocument_ = new TMaskedEdit(edtNone, kRepresentativeDocumentLength);
    meRepresentativeOrganization_ = new TMaskedEdit(edtNone, kOrganizationLength);
    lblRepresentativeOrganization_ = new QLabel(QStringLiteral("Организация - представитель"));
    layout->addLayout(radios, 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("ФИО")), 1, 0);
    layout->addWidget(meRepresentativeName_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Документ")), 2, 0);
    layout->addWidget(meRepresentativeDocument_, 2, 1);
    layout->addWidget(lblRepresentativeOrganization_, 3, 0);
    layout->addWidget(meRepresentativeOrganization_, 3, 1);
    return box;
}

void TfrInitialData::ShowInspectionName() {
    QString name;
    if (Resources_.inspections != nullptr) {
        const std::string code = meInspectionCode_->text().toStdString();
        for (const DirectoryEntry& entry : Resources_.inspections->Entries) {
            if (entry.Code == code) {
                name = QString::fromStdString(entry.Name);
                break;
            }
        }
    }
    lblInspectionName_->setText(name);
}

void TfrInitialData::SetChecked(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

QCheckBox* TfrInitialData::IncomeBox(uint8_t bit) const {
    switch (bit) {
        case kIncomeRussian:
            return chbIncomeRussian_;
        case kIncomeForeign:
            return chbIncomeForeign_;
        case kIncomeBusiness:
            return chbIncomeBusiness_;
        default:
            return chbIncomeInvestTov_;
    }
}

void TfrInitialData::ShowIncomeKinds() {
    for (uint8_t bit : {kIncomeRussian, kIncomeForeign, kIncomeBusiness, kIncomeInvestTov}) {
        QCheckBox* box = IncomeBox(bit);
        const QSignalBlocker quiet(box);
        box->setChecked((Declaration().IncomeKinds & bit) != 0);
    }
}

void TfrInitialData::ApplyDeclarationKindState() {
    const int kind = Declaration().DeclarationKind;
    const uint8_t allowed = KindsAllowedBy(kind);
    for (uint8_t bit : {kIncomeRussian, kIncomeForeign, kIncomeBusiness, kIncomeInvestTov})
        IncomeBox(bit)->setEnabled((allowed & bit) != 0);
    const bool expected = kind == kDecl4Ndfl;
    for (int id : {kTaxpayerOther, kTaxpayerArbitration}) TaxpayerKind_->button(id)->setEnabled(!expected);
    lblExpectedIncome_->setVisible(expected);
    meExpectedIncome_->setVisible(expected);
    lblRepresentativeOrganization_->setVisible(expected);
    meRepresentativeOrganization_->setVisible(expected);
    ConfirmedBy_->button(kSignerOrganization)->setVisible(expected);
    ApplyExpectedIncomeState();
}

void TfrInitialData::ApplyExpectedIncomeState() {
    meExpectedIncome_->setEnabled(Declaration().DeclarationKind == kDecl4Ndfl || chbIncomeBusiness_->isChecked());
}

void TfrInitialData::ApplySignerState() {
    const int signer = ConfirmedBy_->checkedId();
    meRepresentativeName_->setEnabled(signer == kSignerPerson || signer == kSignerOrganization);
    meRepresentativeDocument_->setEnabled(signer == kSignerPerson || signer == kSignerOrganization);
    meRepresentativeOrganization_->setEnabled(signer == kSignerOrganization);
}

bool TfrInitialData::ConfirmIncomeKinds(uint8_t newKinds, const std::string& lead) {
    const std::vector<std::string> lost = EnteredDataLostBy(Declaration(), newKinds);
    if (lost.empty()) return true;
    // Without a way to ask, nothing entered is thrown away.
    return Resources_.askYesNo && Resources_.askYesNo(DataLossQuestion(lead, lost));
}

void TfrInitialData::OnDeclarationKindClicked(int kind) {
    mTDeclaration& d = Declaration();
    if (kind == d.DeclarationKind) return;
    const uint8_t newKinds = d.IncomeKinds & KindsAllowedBy(kind);
    const std::string lead = "В декларации \"" + DeclarationKindTitle(kind).toStdString() +
                             "\" этих доходов нет. Будут удалены введенные данные:";
    if (!ConfirmIncomeKinds(newKinds, lead)) {
        SetChecked(DeclarationKind_, d.DeclarationKind);
        return;
    }
    const bool businessDropped = chbIncomeBusiness_->isChecked() && (newKinds & kIncomeBusiness) == 0;
    d.DeclarationKind = static_cast<uint8_t>(kind);
    d.SetIncomeKinds(newKinds);
    ShowIncomeKinds();
    if (businessDropped) meExpectedIncome_->clear();
    const int taxpayer = TaxpayerKind_->checkedId();
    if (kind == kDecl4Ndfl && (taxpayer == kTaxpayerOther || taxpayer == kTaxpayerArbitration))
        SetChecked(TaxpayerKind_, kTaxpayerEntrepreneur);
    if (kind != kDecl4Ndfl && ConfirmedBy_->checkedId() == kSignerOrganization) SetChecked(ConfirmedBy_, kSignerPerson);
    ApplyDeclarationKindState();
    emit documentModified();
    emit sectionsChanged();
}

void TfrInitialData::OnIncomeKindClicked(uint8_t bit, bool checked) {
    mTDeclaration& d = Declaration();
    const uint8_t newKinds = checked ? (d.IncomeKinds | bit) : (d.IncomeKinds & ~bit);
    if (!checked && !ConfirmIncomeKinds(newKinds, "Снятие отметки удалит введенные данные:")) {
        const QSignalBlocker quiet(IncomeBox(bit));
        IncomeBox(bit)->setChecked(true);
        return;
    }
    d.SetIncomeKinds(newKinds);
    if (bit == kIncomeBusiness) {
        if (!checked) meExpectedIncome_->clear();
        ApplyExpectedIncomeState();
    }
    emit documentModified();
    emit sectionsChanged();
}

void TfrInitialData::OnPickInspection() {
    if (Resources_.inspections == nullptr) return;
    TfmInputInspectionNumber picker(*Resources_.inspections, Resources_.showInspectionImport, this);
    picker.Preselect(meInspectionCode_->text().toStdString());
    if (picker.exec() != QDialog::Accepted) return;
    const QString code = QString::fromStdString(picker.SelectedCode());
    if (code != meInspectionCode_->text()) meInspectionCode_->setText(code);
}

void TfrInitialData::Store() {
    if (Binder_->Store()) emit documentModified();
}

uint32_t TfrInitialData::Validate() {
    const mTDeclaration& d = Declaration();
    const bool representative = d.ConfirmedBy == kSignerPerson || d.ConfirmedBy == kSignerOrganization;
    ScreenCheckRun run(Resources_.checkDialog, kSectionCaption);
    run.Check(IsBlank(d.InspectionCode), "Не введен номер инспекции", kFieldInspection);
    run.Check(representative && IsBlank(d.RepresentativeName), "Не указаны ФИО подписанта-представителя",
              kFieldRepresentativeName);
    run.Check(representative && IsBlank(d.RepresentativeDocument),
              "Не указан документ, подтверждающий полномочия представителя", kFieldRepresentativeDocument);
    run.Check(d.ConfirmedBy == kSignerOrganization && IsBlank(d.RepresentativeOrganization),
              "Не указано наименование Юр.лица-представителя", kFieldRepresentativeOrganization);
    return run.Result();
}

void TfrInitialData::FocusField(int, int field) {
    switch (field) {
        case kFieldInspection:
            meInspectionCode_->setFocus();
            if (fbInspection_->isEnabled()) OnPickInspection();
            break;
        case kFieldExpectedIncome:
            meExpectedIncome_->setFocus();
            break;
        case kFieldRepresentativeName:
            meRepresentativeName_->setFocus();
            break;
        case kFieldRepresentativeDocument:
            meRepresentativeDocument_->setFocus();
            break;
        case kFieldRepresentativeOrganization:
            meRepresentativeOrganization_->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace kvz
