#include "screens/person_naim_page.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QVBoxLayout>

#include "checks/field_rules.h"
#include "model/declaration.h"
#include "screens/code_choice.h"
#include "screens/form_builder.h"
#include "screens/masked_doc_edit.h"
#include "screens/pick_button.h"
#include "screens/pick_lists.h"

namespace kvz {

namespace {

constexpr uint8_t kCitizen = 1;
constexpr uint8_t kStateless = 2;

}  // namespace

TfrPersonNaim::TfrPersonNaim(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, resources, parent) {
    mTPersonInformation& p = Declaration().Person;
    const auto expected = [this] { return Declaration().DeclarationKind == kDecl4Ndfl; };
    const auto notExpected = [expected] { return !expected(); };
    TFormBuilder form(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form.Group(QStringLiteral("Ф.И.О.")));
    form.Text(QStringLiteral("Фамилия"), "Surname", p.Surname, {edtChar, 60}, kCheckFieldSurname);
    form.Text(QStringLiteral("Имя"), "FirstName", p.FirstName, {edtChar, 60}, kCheckFieldFirstName);
    form.Text(QStringLiteral("Отчество"), "Patronymic", p.Patronymic, {edtChar, 60}, kCheckFieldPatronymic);
    form.Text(QStringLiteral("ИНН"), "PersonInn", p.PersonInn, {edtDigital, 12}, kCheckFieldPersonInn);
    form.Text(QStringLiteral("ОКТМО"), "ResidenceOktmo", p.ResidenceOktmo, {edtDigital, 11}, kCheckFieldPersonOktmo)
        .VisibleWhen(expected);
    form.Text(QStringLiteral("Телефон"), "HomePhone", p.HomePhone, {edtDigital, 20}, kCheckFieldPhone)
        .VisibleWhen(expected);
    form.Date(QStringLiteral("Дата рождения"), "BirthDate", p.BirthDate, kCheckFieldBirthDate).VisibleWhen(notExpected);
    form.Text(QStringLiteral("Место рождения"), "BirthPlace", p.BirthPlace, {edtNone, 128}, kCheckFieldBirthPlace)
        .VisibleWhen(notExpected);
    QGroupBox* document = form.Group(QStringLiteral("Сведения о документе, удостоверяющем личность"));
    BuildDocument(form);
    QGroupBox* citizenship = form.Group(QStringLiteral("Данные о гражданстве"));
    BuildCitizenship(form);
    for (QGroupBox* group : {document, citizenship}) {
        layout->addWidget(group);
        AddRule([group, notExpected] { group->setVisible(notExpected()); });
    }
    layout->addStretch(1);
    FillForm(
        [this, &p] { meDocSeries_->SetEditType(SeriesFormOfStoredType(p.DocTypeCode, meDocSeries_->EditType())); });
}

void TfrPersonNaim::BuildDocument(TFormBuilder& form) {
    mTPersonInformation& p = Declaration().Person;
    DocType_ = NewDocTypeChoice();
    form.CodeChoice(QStringLiteral("Вид документа"), DocType_, p.DocTypeCode, p.DocTypeName, kCheckFieldDocType);
    connect(DocType_, &TCodeChoice::changed, this, &TfrPersonNaim::OnDocTypeChosen);
    const auto chosen = [this] { return DocType_->Chosen(); };
    // The series is shown only with a document type to read it by.
    meDocSeries_ = form.DocSeries(QStringLiteral("Серия и номер"), "DocSeriesNumber",
                                  {[&p] { return p.DocTypeName.empty() ? std::string() : p.DocSeriesNumber; },
                                   [&p](const std::string& v) { p.DocSeriesNumber = v; }},
                                  kCheckFieldDocSeriesNumber)
                       .EnabledWhen(chosen);
    meDocIssuedBy_ =
        form.Text(QStringLiteral("Кем выдан"), "DocIssuedBy", p.DocIssuedBy, {edtNone, 255}, kCheckFieldDocIssuedBy)
            .EnabledWhen(chosen);
    DocIssueDate_ = form.Date(QStringLiteral("Дата выдачи"), "DocIssueDate", p.DocIssueDate, kCheckFieldDocIssueDate)
                        .EnabledWhen(chosen);
}

void TfrPersonNaim::BuildCitizenship(TFormBuilder& form) {
    mTPersonInformation& p = Declaration().Person;
    form.Choice("CitizenshipKind",
                {[&p] { return p.CitizenshipKind == "2" ? kStateless : kCitizen; },
                 [&p](const uint8_t& v) { p.CitizenshipKind = v == kStateless ? "2" : "1"; }},
                {{kCitizen, QStringLiteral("Гражданин"), QStringLiteral("rbCitizen")},
                 {kStateless, QStringLiteral("Лицо без гражданства"), QStringLiteral("rbStateless")}});
    auto code =
        form.Text(QStringLiteral("Код страны"), "CitizenshipCode", p.CitizenshipCode, {}, kCheckFieldCitizenshipCode);
    auto* name = new TMaskedEdit(edtNone, 0);
    Binder().BindText(name, "CitizenshipCountry", p.CitizenshipCountry);
    const auto take = [code = code.editor, name](const std::string& chosenCode, const std::string& chosenName) {
        if (QString::fromStdString(chosenCode) == code->text()) return;
        code->setText(QString::fromStdString(chosenCode));
        name->setText(QString::fromStdString(chosenName));
    };
    auto* fbCountry = new TPickButton(
        QStringLiteral("fbCountry"), QStringLiteral("Справочник стран"), CountryList(Resources()),
        [code = code.editor] { return code->text().toStdString(); }, take);
    fbCountry->TypedInto(code.editor);
    code.Beside(name, 1).Beside(fbCountry);
    code->setMaximumWidth(60);
    name->setReadOnly(true);
    // The code is typed or picked; the name follows it from the country directory.
    connect(code.editor, &QLineEdit::textEdited, this, [this, name](const QString& typed) {
        if (Resources().countries == nullptr) return;
        // An unknown code leaves no name, and the check says so.
        const DirectoryEntry* country = FindCountry(*Resources().countries, typed.toStdString());
        name->setText(country ? QString::fromStdString(country->Name) : QString());
    });
}

void TfrPersonNaim::OnDocTypeChosen() {
    meDocSeries_->clear();
    meDocSeries_->SetEditType(SeriesFormOfChosenType(DocType_->Code(), meDocSeries_->EditType()));
    meDocIssuedBy_->clear();
    DocIssueDate_->setDate(QDate(1990, 1, 1));
    ApplyRules();
}

}  // namespace kvz
