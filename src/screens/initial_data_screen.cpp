#include "screens/initial_data_screen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/declaration.h"
#include "model/income_kind_loss.h"
#include "screens/form_builder.h"
#include "screens/pick_button.h"
#include "screens/pick_lists.h"

namespace kvz {

namespace {

enum TaxpayerKind : int { kTaxpayerEntrepreneur = 0, kTaxpayerOther = 5, kTaxpayerArbitration = 6 };
enum Signer : int { kSignerPersonally = 0, kSignerPerson = 1, kSignerOrganization = 2 };

const QString kKindTitles[] = {QStringLiteral("3-НДФЛ"), QStringLiteral("3-НДФЛ нерезидента"),
                               QStringLiteral("4-НДФЛ")};

// The income kind boxes: the bit, the text and the objectName.
constexpr int kBusinessBox = 2;
const struct {
    uint8_t bit;
    QString text;
    QString name;
} kIncomeBoxes[] = {
    {kIncomeRussian, QStringLiteral("Отраженные в справках о доходах и полученные по договорам"),
     QStringLiteral("chbIncomeRussian")},
    {kIncomeForeign, QStringLiteral("В иностранной валюте"), QStringLiteral("chbIncomeForeign")},
    {kIncomeBusiness, QStringLiteral("От предпринимательской деятельности"), QStringLiteral("chbIncomeBusiness")},
    {kIncomeInvestTov, QStringLiteral("От участия в инвестиционных товариществах"),
     QStringLiteral("chbIncomeInvestTov")},
};

void SetChecked(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

}  // namespace

TfrInitialData::TfrInitialData(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, resources, parent) {
    mTDeclaration& d = Declaration();
    const auto expected = [this] { return Declaration().DeclarationKind == kDecl4Ndfl; };
    TFormBuilder form(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form.Grid());
    auto* pick = new TPickButton(
        QStringLiteral("fbInspection"), QStringLiteral("Справочник инспекций"), InspectionList(resources),
        [this] { return meInspectionCode_->text().toStdString(); },
        [this](const std::string& code, const std::string&) {
            meInspectionCode_->setText(QString::fromStdString(code));
        });
    meInspectionCode_ =
        form.Text(QStringLiteral("Номер инспекции"), "InspectionCode", d.InspectionCode, {edtDigital, 4})
            .Beside(pick)
            .Beside(lblInspectionName_ = new QLabel, 1);
    meInspectionCode_->setMaximumWidth(80);
    pick->TypedInto(meInspectionCode_);
    lblInspectionName_->setObjectName(QStringLiteral("lblInspectionName"));
    connect(meInspectionCode_, &TCheckedLineEdit::changed, this, &TfrInitialData::ShowInspectionName);
    RegisterFocus(kCheckFieldInspection, meInspectionCode_, pick);
    form.Spin(QStringLiteral("Номер корректировки"), "CorrectionNumber", d.CorrectionNumber, 999,
              kCheckFieldCorrectionNumber);

    auto* columns = new QGridLayout;
    layout->addLayout(columns);
    layout->addStretch(1);
    columns->addWidget(form.Group(QStringLiteral("Тип декларации")), 0, 0);
    DeclarationKind_ =
        form.Radios("DeclarationKind", {{0, kKindTitles[0]}, {1, kKindTitles[1]}, {2, kKindTitles[2]}}, Qt::Vertical);
    connect(DeclarationKind_, &QButtonGroup::idClicked, this, &TfrInitialData::OnDeclarationKindClicked);
    columns->addWidget(form.Group(QStringLiteral("Признак налогоплательщика")), 1, 0);
    TaxpayerKind_ = form.Choice("TaxpayerKind", d.TaxpayerKind,
                                {{0, QStringLiteral("Индивидуальный предприниматель")},
                                 {1, QStringLiteral("Глава фермерского хозяйства")},
                                 {2, QStringLiteral("Частный нотариус")},
                                 {3, QStringLiteral("Адвокат")},
                                 {kTaxpayerOther, QStringLiteral("Иное физическое лицо ")},
                                 {kTaxpayerArbitration, QStringLiteral("Арбитражный управляющий")}},
                                Qt::Vertical);
    AddRule([this, expected] {
        for (int id : {kTaxpayerOther, kTaxpayerArbitration}) TaxpayerKind_->button(id)->setEnabled(!expected());
    });

    columns->addWidget(form.Group(QStringLiteral("Имеются доходы")), 0, 1);
    for (int i = 0; i < 4; ++i) {
        const uint8_t bit = kIncomeBoxes[i].bit;
        IncomeBoxes_[i] = form.Check(kIncomeBoxes[i].text, kIncomeBoxes[i].name);
        connect(IncomeBoxes_[i], &QCheckBox::clicked, this, [this, i](bool on) { OnIncomeKindClicked(i, on); });
        AddRule(
            [this, i, bit] { IncomeBoxes_[i]->setEnabled(IncomeKindsAllowedBy(Declaration().DeclarationKind) & bit); });
    }
    meExpectedIncome_ =
        form.Amount(QStringLiteral("Предполагаемый доход"), "ExpectedIncome", d.ExpectedIncome,
                    kCheckFieldExpectedIncome)
            .VisibleWhen(expected)
            .EnabledWhen([this, expected] { return expected() || IncomeBoxes_[kBusinessBox]->isChecked(); });

    columns->addWidget(form.Group(QStringLiteral("Достоверность подтверждается")), 1, 1);
    ConfirmedBy_ = form.Choice("ConfirmedBy", d.ConfirmedBy,
                               {{kSignerPersonally, QStringLiteral("Лично")},
                                {kSignerPerson, QStringLiteral("Представителем - ФЛ")},
                                {kSignerOrganization, QStringLiteral("Представителем - ЮЛ")}});
    connect(ConfirmedBy_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) ApplyRules();
    });
    AddRule([this, expected] { ConfirmedBy_->button(kSignerOrganization)->setVisible(expected()); });
    const auto representative = [this] { return ConfirmedBy_->checkedId() > kSignerPersonally; };
    form.Text(QStringLiteral("ФИО"), "RepresentativeName", d.RepresentativeName, {edtNone, 182, true},
              kCheckFieldRepresentativeName)
        .EnabledWhen(representative);
    form.Text(QStringLiteral("Документ"), "RepresentativeDocument", d.RepresentativeDocument, {edtNone, 120, true},
              kCheckFieldRepresentativeDocument)
        .EnabledWhen(representative);
    form.Text(QStringLiteral("Организация - представитель"), "RepresentativeOrganization", d.RepresentativeOrganization,
              {edtNone, 1000, true}, kCheckFieldRepresentativeOrganization)
        .VisibleWhen(expected)
        .EnabledWhen([this] { return ConfirmedBy_->checkedId() == kSignerOrganization; });

    FillForm([this] {
        SetChecked(DeclarationKind_, Declaration().DeclarationKind);
        ShowIncomeKinds();
        ShowInspectionName();
    });
}

void TfrInitialData::ShowInspectionName() {
    const InspectionDirectory* inspections = Resources().inspections;
    const std::string code = meInspectionCode_->text().toStdString();
    lblInspectionName_->setText(inspections ? QString::fromStdString(NameOfCode(*inspections, code)) : QString());
}

void TfrInitialData::ShowIncomeKinds() {
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker quiet(IncomeBoxes_[i]);
        IncomeBoxes_[i]->setChecked((Declaration().IncomeKinds & kIncomeBoxes[i].bit) != 0);
    }
}

bool TfrInitialData::SwitchKinds(int kind, uint8_t newKinds, const std::string& lead) {
    mTDeclaration& d = Declaration();
    const std::vector<std::string> lost = EnteredDataLostBy(d, newKinds);
    // Without a way to ask, nothing entered is thrown away.
    if (!lost.empty() && !(Resources().askYesNo && Resources().askYesNo(DataLossQuestion(lead, lost)))) return false;
    if ((d.IncomeKinds & kIncomeBusiness) && !(newKinds & kIncomeBusiness)) meExpectedIncome_->clear();
    d.DeclarationKind = static_cast<uint8_t>(kind);
    d.SetIncomeKinds(newKinds);
    ShowIncomeKinds();
    ApplyRules();
    emit documentModified();
    emit sectionsChanged();
    return true;
}

void TfrInitialData::OnDeclarationKindClicked(int kind) {
    const mTDeclaration& d = Declaration();
    const std::string lead =
        "В декларации \"" + kKindTitles[kind].toStdString() + "\" этих доходов нет. Будут удалены введенные данные:";
    if (kind == d.DeclarationKind) return;
    if (!SwitchKinds(kind, d.IncomeKinds & IncomeKindsAllowedBy(kind), lead)) {
        SetChecked(DeclarationKind_, d.DeclarationKind);
        return;
    }
    const int taxpayer = TaxpayerKind_->checkedId();
    if (kind == kDecl4Ndfl && (taxpayer == kTaxpayerOther || taxpayer == kTaxpayerArbitration))
        SetChecked(TaxpayerKind_, kTaxpayerEntrepreneur);
    if (kind != kDecl4Ndfl && ConfirmedBy_->checkedId() == kSignerOrganization) SetChecked(ConfirmedBy_, kSignerPerson);
}

void TfrInitialData::OnIncomeKindClicked(int box, bool checked) {
    const mTDeclaration& d = Declaration();
    const uint8_t bit = kIncomeBoxes[box].bit;
    const uint8_t newKinds = checked ? (d.IncomeKinds | bit) : (d.IncomeKinds & ~bit);
    if (!SwitchKinds(d.DeclarationKind, newKinds, "Снятие отметки удалит введенные данные:")) {
        const QSignalBlocker quiet(IncomeBoxes_[box]);
        IncomeBoxes_[box]->setChecked(true);
    }
}

}  // namespace kvz
