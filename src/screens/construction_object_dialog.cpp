#include "screens/construction_object_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "screens/date_edit.h"
#include "screens/dialog_parts.h"
#include "screens/field_binder.h"
#include "screens/masked_edit.h"
#include "screens/optional_date.h"
#include "screens/pick_lists.h"

namespace kvz {

namespace {

const QStringList kObjectNames = {
    QStringLiteral("Жилой дом"), QStringLiteral("Квартира"), QStringLiteral("Комната"),
    QStringLiteral("Доля (доли) в доме, квартире, комнате"),
    QStringLiteral("Земельный участок для индивидуального жилищного строительства"),
    QStringLiteral("Земельный участок, на котором расположен приобретённый жилой дом"),
    QStringLiteral("Жилой дом с земельным участком"), QStringLiteral("Доля (доли) в доме, земле")};
const QStringList kShortNames = {
    QStringLiteral("Жилой дом"), QStringLiteral("Квартира"), QStringLiteral("Комната"),
    QStringLiteral("Доля в доме, квартире, комнате"), QStringLiteral("Земельный участок под строительство"),
    QStringLiteral("Земельный участок с приобретенным домом"), QStringLiteral("Дом с земельным участком"),
    QStringLiteral("Доля в земле")};
const QStringList kOwnershipKinds = {
    QStringLiteral("Индивидуальная собственность"), QStringLiteral("Общая долевая собственность"),
    QStringLiteral("Общая совместная собственность"), QStringLiteral("Собственность несовершеннолетнего ребёнка")};
const QStringList kTaxpayerSigns = {
    QStringLiteral("Собственник объекта"), QStringLiteral("Супруг(а) собственника объекта"),
    QStringLiteral("Родитель несовершеннолетнего собственника объекта"),
    QStringLiteral("Объект в общей долевой собственности заявителя и несовершеннолетнего ребенка"),
    QStringLiteral("Объект в общей долевой собственности супруга(и) заявителя и несовершеннолетнего ребенка")};

constexpr int kPlaceLength = 50;
constexpr int kHouseLength = 20;
constexpr int kShareLength = 9;
constexpr int kByInvestment = 1;
constexpr int kByContract = 0;

int32_t NumberOf(const TMaskedEdit* edit) { return edit->text().toInt(); }

}  // namespace

QString ObjectCaption(const mTConstructionDeductObj& o) {
    const bool known = o.ObjectNameCode >= 1 && o.ObjectNameCode <= kShortNames.size();
    const QString name = known ? kShortNames[o.ObjectNameCode - 1] : QStringLiteral("Объект не выбран");
    return name + ' ' + QString::fromStdString(o.City) + ' ' + QString::fromStdString(o.Locality) + ' ' +
           QString::fromStdString(o.Street);
}

TfmInputConstruction::TfmInputConstruction(const mTConstructionDeductObj& object, bool laterObject,
                                           CheckDialog* checks, QWidget* parent)
    : QDialog(parent), Object_(object), Later_(laterObject), Checks_(checks), Acquisition_(new QButtonGroup(this)) {
    setWindowTitle(QStringLiteral("Данные объекта"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Наименование объекта"),
                 ObjectName_ = NewList("ObjectNameCode", kObjectNames, object.ObjectNameCode));
    form->addRow(QStringLiteral("Вид собственности"),
                 Ownership_ = NewList("OwnershipKind", kOwnershipKinds, object.OwnershipKind));
    form->addRow(QStringLiteral("Признак налогоплательщика"),
                 TaxpayerSign_ = NewList("TaxpayerSign", kTaxpayerSigns, object.TaxpayerSign));
    auto* acquisition = new QHBoxLayout;
    for (auto [id, text, name] : {std::tuple{kByInvestment, "инвестирование", "rbByInvestment"},
                                  std::tuple{kByContract, "договор купли-продажи", "rbByContract"}}) {
        auto* button = new QRadioButton(QString::fromUtf8(text));
        button->setObjectName(QString::fromLatin1(name));
        Acquisition_->addButton(button, id);
        acquisition->addWidget(button);
    }
    Acquisition_->button(object.ByInvestment ? kByInvestment : kByContract)->setChecked(true);
    form->addRow(QStringLiteral("Способ приобретения"), acquisition);

    AddText(form, QStringLiteral("Почтовый индекс"), "PostIndex", &mTConstructionDeductObj::PostIndex, 6);
    RegionCode_ = new QLineEdit(QString::fromStdString(object.RegionCode));
    RegionCode_->setObjectName(QStringLiteral("RegionCode"));
    RegionCode_->setReadOnly(true);
    fbRegion_ = new TPickButton(
        QStringLiteral("fbRegion"), QStringLiteral("Справочник регионов"),
        RegionList(),
        [this] { return RegionCode_->text().toStdString(); },
        [this](const std::string& code, const std::string&) { RegionCode_->setText(QString::fromStdString(code)); });
    fbRegion_->TypedInto(RegionCode_);
    auto* region = new QHBoxLayout;
    region->addWidget(RegionCode_);
    region->addWidget(fbRegion_);
    form->addRow(QStringLiteral("Код субъекта РФ"), region);
    AddText(form, QStringLiteral("Район"), "District", &mTConstructionDeductObj::District, kPlaceLength);
    AddText(form, QStringLiteral("Город"), "City", &mTConstructionDeductObj::City, kPlaceLength);
    AddText(form, QStringLiteral("Населенный пункт"), "Locality", &mTConstructionDeductObj::Locality, kPlaceLength);
    AddText(form, QStringLiteral("Улица"), "Street", &mTConstructionDeductObj::Street, kPlaceLength);
    AddText(form, QStringLiteral("Дом"), "House", &mTConstructionDeductObj::House, kHouseLength);
    AddText(form, QStringLiteral("Корпус"), "Building", &mTConstructionDeductObj::Building, kHouseLength);
    AddText(form, QStringLiteral("Квартира"), "Flat", &mTConstructionDeductObj::Flat, kHouseLength);

    AddDate(form, QStringLiteral("Дата регистрации права собственности на жилой дом, квартиру, комнату"),
            "RightRegDate", &mTConstructionDeductObj::RightRegDate);
    AddDate(form, QStringLiteral("Дата акта о передаче квартиры, комнаты или доли в них"), "TransferActDate",
            &mTConstructionDeductObj::TransferActDate);
    AddDate(form, QStringLiteral("Дата регистрации права собственности на земельный участок"), "LandRegDate",
            &mTConstructionDeductObj::LandRegDate);
    AddDate(form, QStringLiteral("Дата заявления о распределении имущественного вычета"), "ApplicationDate",
            &mTConstructionDeductObj::ApplicationDate);
    auto* share = new QHBoxLayout;
    share->addWidget(ShareNumerator_ = NewNamedEdit("ShareNumerator", edtDigital, kShareLength));
    share->addWidget(new QLabel(QStringLiteral("/")));
    share->addWidget(ShareDenominator_ = NewNamedEdit("ShareDenominator", edtDigital, kShareLength));
    ShareNumerator_->LoadText(object.ShareNumerator ? QString::number(object.ShareNumerator) : QString());
    ShareDenominator_->LoadText(object.ShareDenominator ? QString::number(object.ShareDenominator) : QString());
    form->addRow(QStringLiteral("Доля"), share);
    FirstUseYear_ = new QSpinBox;
    FirstUseYear_->setObjectName(QStringLiteral("FirstUseYear"));
    FirstUseYear_->setRange(1, 9999);
    FirstUseYear_->setValue(YearOf(object.FirstUseYear));
    form->addRow(QStringLiteral("Год начала использования вычета"), FirstUseYear_);
    Pensioner_ = new QCheckBox(QStringLiteral("Являюсь пенсионером"));
    Pensioner_->setObjectName(QStringLiteral("Pensioner"));
    Pensioner_->setChecked(object.Pensioner);
    form->addRow(Pensioner_);
    form->addRow(QStringLiteral("Стоимость объекта (доли)"),
                 ObjectCost_ = NewAmountEdit("ObjectCost", object.ObjectCost));
    form->addRow(QStringLiteral("Проценты по кредитам за все годы"),
                 CreditInterest_ = NewAmountEdit("CreditInterest", object.CreditInterest));
    form->addRow(new QLabel(QStringLiteral("Заполняются только по одному объекту")));

    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmInputConstruction::TryAccept);
    form->addRow(buttons);
    connect(Pensioner_, &QCheckBox::toggled, this, &TfmInputConstruction::ApplyLimits);
    ApplyLimits();
    for (const DateField& d : Dates_) ShowOptionalDate(d.edit, Object_.*(d.field));
    Focus_.Add(kObjectFieldName, ObjectName_);
    Focus_.Add(kObjectFieldOwnership, Ownership_);
    Focus_.Add(kObjectFieldTaxpayerSign, TaxpayerSign_);
    Focus_.Add(kObjectFieldRegion, fbRegion_, fbRegion_);
    Focus_.Add(kObjectFieldFirstUseYear, FirstUseYear_);
    // The dates in the order of their field numbers.
    for (std::size_t i = 0; i < Dates_.size(); ++i)
        Focus_.Add(kObjectFieldRightRegDate + static_cast<int>(i), Dates_[i].edit);
}

QComboBox* TfmInputConstruction::NewList(const char* name, const QStringList& items, int32_t code) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setCurrentIndex(code >= 1 && code <= items.size() ? code - 1 : -1);
    return box;
}

void TfmInputConstruction::AddText(QFormLayout* form, const QString& label, const char* name, Text field,
                                   int length) {
    TMaskedEdit* edit = NewNamedEdit(name, field == &mTConstructionDeductObj::PostIndex ? edtDigital : edtNone, length);
    edit->LoadText(QString::fromStdString(Object_.*field));
    Texts_.emplace_back(edit, field);
    form->addRow(label, edit);
}

void TfmInputConstruction::AddDate(QFormLayout* form, const QString& label, const char* name, Date field) {
    auto* edit = new TDateEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setCalendarPopup(true);
    AllowNoDate(edit);
    Dates_.push_back({edit, field});
    form->addRow(label, edit);
}

// A date outside the limits is shown at the nearest limit, and "Да" writes what is
// shown: the object keeps the dates the user saw.
void TfmInputConstruction::ApplyLimits() {
    const ConstructionDateLimits limits = ObjectDateLimits(Later_, Pensioner_->isChecked());
    for (const DateField& d : Dates_)
        SetOptionalDateRange(d.edit, DateOfDayCount(limits.earliest), DateOfDayCount(limits.latest));
    const int year = BoundFirstUseYear(FirstUseYear_->value(), limits);
    FirstUseYear_->setRange(limits.firstUseYearMin, limits.firstUseYearMax);
    FirstUseYear_->setValue(year);
}

mTConstructionDeductObj TfmInputConstruction::Edited() {
    mTConstructionDeductObj o = Object_;
    o.ObjectNameCode = ObjectName_->currentIndex() + 1;
    o.OwnershipKind = Ownership_->currentIndex() + 1;
    o.TaxpayerSign = TaxpayerSign_->currentIndex() + 1;
    o.ByInvestment = Acquisition_->checkedId() == kByInvestment;
    o.RegionCode = RegionCode_->text().toStdString();
    for (const auto& [edit, field] : Texts_) o.*field = edit->text().trimmed().toStdString();
    for (const DateField& d : Dates_) o.*(d.field) = ShownOptionalDate(d.edit, Object_.*(d.field));
    o.ShareNumerator = NumberOf(ShareNumerator_);
    o.ShareDenominator = NumberOf(ShareDenominator_);
    if (FirstUseYear_->value() != YearOf(Object_.FirstUseYear)) o.FirstUseYear = EncodeDate(FirstUseYear_->value(), 1, 1);
    o.Pensioner = Pensioner_->isChecked();
    o.ObjectCost = TypedAmount(ObjectCost_);
    o.CreditInterest = TypedAmount(CreditInterest_);
    return o;
}

void TfmInputConstruction::TryAccept() {
    const mTConstructionDeductObj edited = Edited();
    if (const int field = CheckConstructionObject(ChecksOrFix(Checks_), edited); field != 0) {
        Focus_.Go(field);
        return;
    }
    Object_ = edited;
    accept();
}

bool EditConstructionObject(mTConstructionDeductObj& object, bool laterObject, CheckDialog* checks, QWidget* parent) {
    TfmInputConstruction dialog(object, laterObject, checks, parent);
    return TakeIfAccepted(dialog, object, &TfmInputConstruction::Object);
}

}  // namespace kvz
