#include "screens/person_naim_page.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "checks/check_text.h"
#include "checks/inn_check.h"
#include "model/declaration.h"
#include "screens/document_types.h"
#include "screens/field_binder.h"
#include "screens/masked_doc_edit.h"
#include "screens/masked_edit.h"
#include "screens/person_checks.h"
#include "screens/pick_lists.h"
#include "screens/screen_widgets.h"

namespace kvz {

namespace {

constexpr int kNameLength = 60;
constexpr int kInnLength = 12;
constexpr int kOktmoLength = 11;
constexpr int kPhoneLength = 20;
constexpr int kBirthPlaceLength = 128;
constexpr int kIssuedByLength = 255;
constexpr uint8_t kCitizen = 1;
constexpr uint8_t kStateless = 2;

}  // namespace

TfrPersonNaim::TfrPersonNaim(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, parent), Resources_(resources), Binder_(new TFieldBinder(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildNames());
    layout->addWidget(BuildDocument());
    layout->addWidget(BuildCitizenship());
    layout->addStretch(1);
    Fill();
    connect(Binder_, &TFieldBinder::documentModified, this, &TThinkingFrame::documentModified);
}

QGroupBox* TfrPersonNaim::BuildNames() {
    auto* box = new QGroupBox(QStringLiteral("Ф.И.О."));
    auto* grid = new QGridLayout(box);
    meSurname_ = new TMaskedEdit(edtChar, kNameLength);
    meFirstName_ = new TMaskedEdit(edtChar, kNameLength);
    mePatronymic_ = new TMaskedEdit(edtChar, kNameLength);
    meInn_ = new TMaskedEdit(edtDigital, kInnLength);
    meOktmo_ = new TMaskedEdit(edtDigital, kOktmoLength);
    mePhone_ = new TMaskedEdit(edtDigital, kPhoneLength);
    BirthDate_ = NewPastDateEdit();
    meBirthPlace_ = new TMaskedEdit(edtNone, kBirthPlaceLength);
    lblOktmo_ = new QLabel(QStringLiteral("ОКТМО"));
    lblPhone_ = new QLabel(QStringLiteral("Телефон"));
    lblBirthDate_ = new QLabel(QStringLiteral("Дата рождения"));
    lblBirthPlace_ = new QLabel(QStringLiteral("Место рождения"));
    int row = 0;
    auto add = [&](QWidget* label, QWidget* editor, Qt::Alignment alignment = {}) {
        grid->addWidget(label, row, 0);
        grid->addWidget(editor, row++, 1, alignment);
    };
    add(new QLabel(QStringLiteral("Фамилия")), meSurname_);
    add(new QLabel(QStringLiteral("Имя")), meFirstName_);
    add(new QLabel(QStringLiteral("Отчество")), mePatronymic_);
    add(new QLabel(QStringLiteral("ИНН")), meInn_);
    add(lblOktmo_, meOktmo_);
    add(lblPhone_, mePhone_);
    add(lblBirthDate_, BirthDate_, Qt::AlignLeft);
    add(lblBirthPlace_, meBirthPlace_);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* TfrPersonNaim::BuildDocument() {
    gbDocument_ = new QGroupBox(QStringLiteral("Сведения о документе, удостоверяющем личность"));
    auto* grid = new QGridLayout(gbDocument_);
    DocTypeName_ = NewChoicePanel(QStringLiteral("DocTypeName"));
    fbDocType_ = NewPickButton(QStringLiteral("fbDocType"), QStringLiteral("Справочник видов документов"));
    connect(fbDocType_, &QPushButton::clicked, this, &TfrPersonNaim::OnPickDocType);
    meDocSeries_ = new TMaskedDocEdit;
    meDocIssuedBy_ = new TMaskedEdit(edtNone, kIssuedByLength);
    DocIssueDate_ = NewPastDateEdit();
    auto* type = new QHBoxLayout;
    type->addWidget(DocTypeName_, 1);
    type->addWidget(fbDocType_);
    grid->addWidget(new QLabel(QStringLiteral("Вид документа")), 0, 0);
    grid->addLayout(type, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Серия и номер")), 1, 0);
    grid->addWidget(meDocSeries_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Кем выдан")), 2, 0);
    grid->addWidget(meDocIssuedBy_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Дата выдачи")), 3, 0);
    grid->addWidget(DocIssueDate_, 3, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    return gbDocument_;
}

QGroupBox* TfrPersonNaim::BuildCitizenship() {
    gbCitizenship_ = new QGroupBox(QStringLiteral("Данные о гражданстве"));
    auto* grid = new QGridLayout(gbCitizenship_);
    CitizenshipKind_ = new QButtonGroup(this);
    auto* citizen = new QRadioButton(QStringLiteral("Гражданин"));
    citizen->setObjectName(QStringLiteral("rbCitizen"));
    auto* stateless = new QRadioButton(QStringLiteral("Лицо без гражданства"));
    stateless->setObjectName(QStringLiteral("rbStateless"));
    CitizenshipKind_->addButton(citizen, kCitizen);
    CitizenshipKind_->addButton(stateless, kStateless);
    // The code is typed or picked; the name follows it from the country directory.
    meCountryCode_ = new TMaskedEdit(edtNone, 0);
    meCountryCode_->setMaximumWidth(60);
    connect(meCountryCode_, &QLineEdit::textEdited, this, &TfrPersonNaim::OnCountryCodeTyped);
    meCountryName_ = new TMaskedEdit(edtNone, 0);
    meCountryName_->setReadOnly(true);
    fbCountry_ = NewPickButton(QStringLiteral("fbCountry"), QStringLiteral("Справочник стран"));
    fbCountry_->setEnabled(Resources_.countries != nullptr);
    connect(fbCountry_, &QPushButton::clicked, this, &TfrPersonNaim::OnPickCountry);
    auto* radios = new QHBoxLayout;
    radios->addWidget(citizen);
    radios->addWidget(stateless);
    radios->addStretch(1);
    auto* country = new QHBoxLayout;
    country->addWidget(meCountryCode_);
    country->addWidget(meCountryName_, 1);
    country->addWidget(fbCountry_);
    grid->addLayout(radios, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Код страны")), 1, 0);
    grid->addLayout(country, 1, 1);
    grid->setColumnStretch(1, 1);
    return gbCitizenship_;
}

void TfrPersonNaim::Fill() {
    mTPersonInformation& p = Declaration().Person;
    Binder_->BindText(meSurname_, "Surname", p.Surname);
    Binder_->BindText(meFirstName_, "FirstName", p.FirstName);
    Binder_->BindText(mePatronymic_, "Patronymic", p.Patronymic);
    Binder_->BindText(meInn_, "PersonInn", p.PersonInn);
    Binder_->BindText(meOktmo_, "ResidenceOktmo", p.ResidenceOktmo);
    Binder_->BindText(mePhone_, "HomePhone", p.HomePhone);
    Binder_->BindText(meBirthPlace_, "BirthPlace", p.BirthPlace);
    Binder_->BindDate(BirthDate_, "BirthDate", p.BirthDate);
    Binder_->BindText(meDocIssuedBy_, "DocIssuedBy", p.DocIssuedBy);
    Binder_->BindDate(DocIssueDate_, "DocIssueDate", p.DocIssueDate);
    // The series is shown only with a document type to read it by.
    Binder_->BindText(meDocSeries_, "DocSeriesNumber",
                      {[&p] { return p.DocTypeName.empty() ? std::string() : p.DocSeriesNumber; },
                       [&p](const std::string& v) { p.DocSeriesNumber = v; }});
    Binder_->BindText(meCountryCode_, "CitizenshipCode", p.CitizenshipCode);
    Binder_->BindText(meCountryName_, "CitizenshipCountry", p.CitizenshipCountry);
    Binder_->BindChoice(CitizenshipKind_, "CitizenshipKind",
                        {[&p] { return p.CitizenshipKind == "2" ? kStateless : kCitizen; },
                         [&p](const uint8_t& v) { p.CitizenshipKind = v == kStateless ? "2" : "1"; }});
    Binder_->Fill();

    Binder_->WhileLoading([&] {
        DocTypeCode_ = p.DocTypeCode;
        DocTypeName_->setText(QString::fromStdString(p.DocTypeName));
        meDocSeries_->SetEditType(SeriesFormOfStoredType(p.DocTypeCode, meDocSeries_->EditType()));
        ShowDocumentEnabled(!p.DocTypeName.empty());
        const bool expected = Declaration().DeclarationKind == kDecl4Ndfl;
        for (QWidget* w : std::initializer_list<QWidget*>{gbCitizenship_, gbDocument_, lblBirthPlace_, meBirthPlace_,
                                                           lblBirthDate_, BirthDate_})
            w->setVisible(!expected);
        for (QWidget* w : std::initializer_list<QWidget*>{lblOktmo_, meOktmo_, lblPhone_, mePhone_})
            w->setVisible(expected);
    });
}

void TfrPersonNaim::ShowDocumentEnabled(bool enabled) {
    meDocSeries_->setEnabled(enabled);
    DocIssueDate_->setEnabled(enabled);
    meDocIssuedBy_->setEnabled(enabled);
}

void TfrPersonNaim::OnPickDocType() {
    TfmDocType picker(DocTypeCode_, this);
    if (picker.exec() != QDialog::Accepted) return;
    const QString name = QString::fromStdString(picker.SelectedName());
    if (name.isEmpty() || name == DocTypeName_->text()) return;
    emit documentModified();
    DocTypeCode_ = static_cast<uint16_t>(picker.SelectedCodeValue());
    DocTypeName_->setText(name);
    meDocSeries_->clear();
    meDocSeries_->SetEditType(SeriesFormOfChosenType(DocTypeCode_, meDocSeries_->EditType()));
    meDocIssuedBy_->clear();
    DocIssueDate_->setDate(QDate(1990, 1, 1));
    ShowDocumentEnabled(true);
}

void TfrPersonNaim::OnCountryCodeTyped(const QString& code) {
    if (Resources_.countries == nullptr) return;
    QString name;  // an unknown code leaves no name, and the check says so
    for (const DirectoryEntry& e : Resources_.countries->Entries)
        if (!code.isEmpty() && QString::fromStdString(e.Code).rightJustified(3, u'0') == code.rightJustified(3, u'0'))
            name = QString::fromStdString(e.Name);
    meCountryName_->setText(name);
}

void TfrPersonNaim::OnPickCountry() {
    if (Resources_.countries == nullptr) return;
    TfmGrazhd picker(*Resources_.countries, this);
    picker.Preselect(meCountryCode_->text().toStdString());
    if (picker.exec() != QDialog::Accepted) return;
    const QString code = QString::fromStdString(picker.SelectedCode());
    if (code == meCountryCode_->text()) return;
    meCountryCode_->setText(code);
    meCountryName_->setText(QString::fromStdString(picker.SelectedName()));
}

void TfrPersonNaim::Store() {
    mTPersonInformation& p = Declaration().Person;
    bool changed = Binder_->Store();
    const std::string typeName = DocTypeName_->text().toStdString();
    if (p.DocTypeCode != DocTypeCode_ || p.DocTypeName != typeName) {
        p.DocTypeCode = DocTypeCode_;
        p.DocTypeName = typeName;
        changed = true;
    }
    if (changed) emit documentModified();
}

uint32_t TfrPersonNaim::Validate() {
    return ValidatePersonNaim(Declaration(), DocTypeCode_, Resources_.checkDialog);
}

void TfrPersonNaim::FocusField(int, int field) {
    switch (field) {
        case kRowSurname:
            meSurname_->setFocus();
            break;
        case kRowFirstName:
            meFirstName_->setFocus();
            break;
        case kRowPatronymic:
            mePatronymic_->setFocus();
            break;
        case kRowInn:
            meInn_->setFocus();
            break;
        case kRowDocType:
            fbDocType_->setFocus();
            fbDocType_->click();
            break;
        case kRowDocSeries:
            meDocSeries_->setFocus();
            break;
        case kRowDocIssueDate:
            DocIssueDate_->setFocus();
            break;
        case kRowDocIssuedBy:
            meDocIssuedBy_->setFocus();
            break;
        case kRowBirthPlace:
            meBirthPlace_->setFocus();
            break;
        case kRowOktmo:
            meOktmo_->setFocus();
            break;
        case kRowBirthDate:
            BirthDate_->setFocus();
            break;
        case kRowCountryCode:
            meCountryCode_->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace kvz
