#include "screens/person_address_page.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/declaration.h"
#include "screens/field_binder.h"
#include "screens/masked_edit.h"
#include "screens/person_checks.h"
#include "screens/pick_lists.h"
#include "screens/screen_widgets.h"

namespace kvz {

namespace {

constexpr int kPostIndexLength = 6;
constexpr int kPlaceLength = 50;
constexpr int kHouseLength = 20;
constexpr int kOktmoLength = 11;
constexpr int kPhoneLength = 20;
constexpr int kForeignAddressLength = 255;
constexpr uint8_t kResidence = 0;
constexpr uint8_t kStay = 1;

}  // namespace

TfrPersonAddress::TfrPersonAddress(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, parent), Resources_(resources), Binder_(new TFieldBinder(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildRussianAddress());
    layout->addWidget(BuildPhone());
    layout->addWidget(BuildForeignAddress());
    layout->addStretch(1);
    Fill();
    connect(Binder_, &TFieldBinder::documentModified, this, &TThinkingFrame::documentModified);
}

QGroupBox* TfrPersonAddress::BuildRussianAddress() {
    auto* box = new QGroupBox(QStringLiteral("Адрес в Российской Федерации"));
    auto* grid = new QGridLayout(box);
    AddressKind_ = new QButtonGroup(this);
    auto* residence = new QRadioButton(QStringLiteral("жительства"));
    residence->setObjectName(QStringLiteral("rbResidence"));
    auto* stay = new QRadioButton(QStringLiteral("пребывания"));
    stay->setObjectName(QStringLiteral("rbStay"));
    AddressKind_->addButton(residence, kResidence);
    AddressKind_->addButton(stay, kStay);
    auto* radios = new QHBoxLayout;
    radios->addWidget(residence);
    radios->addWidget(stay);
    radios->addStretch(1);

    mePostIndex_ = new TMaskedEdit(edtDigital, kPostIndexLength);
    RegionName_ = NewChoicePanel(QStringLiteral("RegionName"));
    fbRegion_ = NewPickButton(QStringLiteral("fbRegion"), QStringLiteral("Справочник регионов"));
    connect(fbRegion_, &QPushButton::clicked, this, &TfrPersonAddress::OnPickRegion);
    meDistrict_ = new TMaskedEdit(edtNone, kPlaceLength);
    meCity_ = new TMaskedEdit(edtNone, kPlaceLength);
    meLocality_ = new TMaskedEdit(edtNone, kPlaceLength);
    meStreet_ = new TMaskedEdit(edtNone, kPlaceLength);
    meHouse_ = new TMaskedEdit(edtNone, kHouseLength);
    meBuilding_ = new TMaskedEdit(edtNone, kHouseLength);
    meFlat_ = new TMaskedEdit(edtNone, kHouseLength);
    meOktmo_ = new TMaskedEdit(edtDigital, kOktmoLength);

    auto* region = new QHBoxLayout;
    region->addWidget(RegionName_, 1);
    region->addWidget(fbRegion_);
    grid->addLayout(radios, 0, 0, 1, 2);
    int row = 1;
    auto add = [&](const QString& label, QWidget* editor) {
        grid->addWidget(new QLabel(label), row, 0);
        grid->addWidget(editor, row++, 1);
    };
    add(QStringLiteral("Почтовый индекс"), mePostIndex_);
    grid->addWidget(new QLabel(QStringLiteral("Регион")), row, 0);
    grid->addLayout(region, row++, 1);
    add(QStringLiteral("Район"), meDistrict_);
    add(QStringLiteral("Город"), meCity_);
    add(QStringLiteral("Населенный пункт"), meLocality_);
    add(QStringLiteral("Улица"), meStreet_);
    add(QStringLiteral("Дом"), meHouse_);
    add(QStringLiteral("Корпус"), meBuilding_);
    add(QStringLiteral("Квартира"), meFlat_);
    add(QStringLiteral("ОКТМО"), meOktmo_);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* TfrPersonAddress::BuildPhone() {
    gbPhone_ = new QGroupBox(QStringLiteral("Контактный телефон"));
    auto* layout = new QHBoxLayout(gbPhone_);
    mePhone_ = new TMaskedEdit(edtDigital, kPhoneLength);
    layout->addWidget(mePhone_);
    return gbPhone_;
}

QGroupBox* TfrPersonAddress::BuildForeignAddress() {
    auto* box = new QGroupBox(QStringLiteral("Адрес за пределами РФ"));
    auto* layout = new QHBoxLayout(box);
    meForeignAddress_ = new TMaskedEdit(edtNone, kForeignAddressLength);
    layout->addWidget(meForeignAddress_);
    return box;
}

void TfrPersonAddress::Fill() {
    mTPersonInformation& p = Declaration().Person;
    Binder_->BindChoice(AddressKind_, "AddressIsStay",
                        {[&p] { return p.AddressIsStay ? kStay : kResidence; },
                         [&p](const uint8_t& v) { p.AddressIsStay = v == kStay; }});
    Binder_->BindText(mePostIndex_, "PostIndex", p.PostIndex);
    Binder_->BindText(meDistrict_, "District", p.District);
    Binder_->BindText(meCity_, "City", p.City);
    Binder_->BindText(meLocality_, "Locality", p.Locality);
    Binder_->BindText(meStreet_, "Street", p.Street);
    Binder_->BindText(meHouse_, "House", p.House);
    Binder_->BindText(meBuilding_, "Building", p.Building);
    Binder_->BindText(meFlat_, "Flat", p.Flat);
    Binder_->BindText(meOktmo_, "ResidenceOktmo", p.ResidenceOktmo);
    Binder_->BindText(mePhone_, "HomePhone", p.HomePhone);
    Binder_->BindText(meForeignAddress_, "ForeignAddress", p.ForeignAddress);
    Binder_->Fill();
    Binder_->WhileLoading([&] {
        RegionCode_ = p.RegionCode;
        RegionName_->setText(QString::fromStdString(p.RegionName));
        gbPhone_->setVisible(Declaration().DeclarationKind != kDecl4Ndfl);
    });
}

void TfrPersonAddress::OnPickRegion() {
    TfmRegionName picker(RegionCode_, this);
    if (picker.exec() != QDialog::Accepted) return;
    const QString name = QString::fromStdString(picker.SelectedName());
    if (name.isEmpty() || name == RegionName_->text()) return;
    RegionCode_ = static_cast<uint16_t>(picker.SelectedCodeValue());
    RegionName_->setText(name);
    emit documentModified();
}

void TfrPersonAddress::Store() {
    mTPersonInformation& p = Declaration().Person;
    bool changed = Binder_->Store();
    const std::string regionName = RegionName_->text().toStdString();
    if (p.RegionCode != RegionCode_ || p.RegionName != regionName) {
        p.RegionCode = RegionCode_;
        p.RegionName = regionName;
        changed = true;
    }
    if (changed) emit documentModified();
}

uint32_t TfrPersonAddress::Validate() { return ValidatePersonAddress(Declaration(), Resources_.checkDialog); }

void TfrPersonAddress::FocusField(int, int field) {
    switch (field) {
        case kRowRegion:
            fbRegion_->setFocus();
            fbRegion_->click();
            break;
        case kRowOktmo:
            meOktmo_->setFocus();
            break;
        case kRowLocality:
            meLocality_->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace kvz
