#include "screens/person_address_page.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "model/declaration.h"
#include "screens/code_choice.h"
#include "screens/form_builder.h"
#include "screens/pick_lists.h"

namespace kvz {

TfrPersonAddress::TfrPersonAddress(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, resources, parent) {
    mTPersonInformation& p = Declaration().Person;
    TFormBuilder form(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form.Group(QStringLiteral("Адрес в Российской Федерации")));
    form.Choice("AddressIsStay",
                {[&p] { return static_cast<uint8_t>(p.AddressIsStay); },
                 [&p](const uint8_t& v) { p.AddressIsStay = v != 0; }},
                {{0, QStringLiteral("жительства"), QStringLiteral("rbResidence")},
                 {1, QStringLiteral("пребывания"), QStringLiteral("rbStay")}});
    form.Text(QStringLiteral("Почтовый индекс"), "PostIndex", p.PostIndex, {edtDigital, 6}, kCheckFieldPostIndex);
    form.CodeChoice(QStringLiteral("Регион"), NewRegionChoice(), p.RegionCode, p.RegionName, kCheckFieldRegion);
    form.Text(QStringLiteral("Район"), "District", p.District, {edtNone, 50}, kCheckFieldDistrict);
    form.Text(QStringLiteral("Город"), "City", p.City, {edtNone, 50}, kCheckFieldCity);
    form.Text(QStringLiteral("Населенный пункт"), "Locality", p.Locality, {edtNone, 50}, kCheckFieldLocality);
    form.Text(QStringLiteral("Улица"), "Street", p.Street, {edtNone, 50}, kCheckFieldStreet);
    form.Text(QStringLiteral("Дом"), "House", p.House, {edtNone, 20}, kCheckFieldHouse);
    form.Text(QStringLiteral("Корпус"), "Building", p.Building, {edtNone, 20}, kCheckFieldBuilding);
    form.Text(QStringLiteral("Квартира"), "Flat", p.Flat, {edtNone, 20}, kCheckFieldFlat);
    form.Text(QStringLiteral("ОКТМО"), "ResidenceOktmo", p.ResidenceOktmo, {edtDigital, 11}, kCheckFieldAddressOktmo);

    QGroupBox* phone = form.Group(QStringLiteral("Контактный телефон"));
    form.Text(QString(), "HomePhone", p.HomePhone, {edtDigital, 20}, kCheckFieldPhone);
    AddRule([this, phone] { phone->setVisible(Declaration().DeclarationKind != kDecl4Ndfl); });
    layout->addWidget(phone);
    layout->addWidget(form.Group(QStringLiteral("Адрес за пределами РФ")));
    form.Text(QString(), "ForeignAddress", p.ForeignAddress, {edtNone, 255}, kCheckFieldForeignAddress);
    layout->addStretch(1);
    FillForm();
}

}  // namespace kvz
