// The taxpayer screen: its two pages with their checks in order, focus rows and
// series forms by document type, the document-type and region choices, and the
// page buttons that follow the section rule.
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

#include "checks/section.h"
#include "gui_typing.h"
#include "model/declaration.h"
#include "screen_harness.h"
#include "screen_test_support.h"
#include "screens/field_binder.h"
#include "screens/masked_doc_edit.h"
#include "screens/masked_edit.h"
#include "screens/person_address_page.h"
#include "checks/section_checks.h"
#include "screens/person_data_screen.h"
#include "screens/person_naim_page.h"

using namespace kvz;
using kvz::test::OnNextModal;
using kvz::test::ScriptedCheckDialog;
using kvz::test::TypeKeys;

namespace {

constexpr const char* kValidPersonInn = "123456789047";

template <class Page>
struct PageHarness : test::ScreenHarness<Page> {
    explicit PageHarness(std::deque<int> answers = {}) : test::ScreenHarness<Page>(std::move(answers)) {
        countries.Entries = {{"643", "РОССИЯ"}, {"112", "БЕЛАРУСЬ"}, {"398", "КАЗАХСТАН"}};
        this->resources.countries = &countries;
    }
    // The widget that has the focus once the page is shown in an active window.
    QString FocusedAfter(int row) {
        Page* page = this->screen.get();
        page->show();
        QApplication::setActiveWindow(page);
        if (!QTest::qWaitForWindowActive(page)) return QStringLiteral("<window not active>");
        page->FocusField(kNoPage, row);
        // The page's own record: a pick list opened by the row takes the window's.
        QWidget* focused = page->focusWidget();
        return focused ? focused->objectName() : QString();
    }
    uint32_t Validate() { return this->screen->Validate(); }

    InspectionDirectory countries;
};

using NamePage = PageHarness<TfrPersonNaim>;
using AddressPage = PageHarness<TfrPersonAddress>;

void FillValidName(mTPersonInformation& p) {
    p.Surname = "Иванов";
    p.FirstName = "Иван";
    p.PersonInn = kValidPersonInn;
}

void ChooseDocumentType(const QString& code) {
    OnNextModal([code](QDialog* dialog) {
        auto* list = dialog->findChild<QTreeWidget*>();
        const auto found = list->findItems(code, Qt::MatchExactly, 0);
        if (!found.isEmpty()) list->setCurrentItem(found.front());
        QTest::keyClick(list, Qt::Key_Return);
    });
}

}  // namespace

class PersonPagesTest : public QObject {
    Q_OBJECT
private slots:
    void namePageShowsAndStoresOnlyEdits() {
        NamePage h;
        mTPersonInformation& p = h.declaration.Person;
        FillValidName(p);
        p.DocTypeCode = 21;
        p.DocTypeName = "Паспорт гражданина РФ";
        p.DocSeriesNumber = "45 03 123456";
        p.DocIssueDate = EncodeDate(2005, 3, 1);
        p.CitizenshipKind = "";
        h.Open();
        QCOMPARE(h.Find<TMaskedEdit>("Surname")->text(), QString("Иванов"));
        QCOMPARE(h.Find<TMaskedDocEdit>("DocSeriesNumber")->text(), QString("45 03 123456"));
        QCOMPARE(h.Find<TMaskedDocEdit>("DocSeriesNumber")->EditType(), edt99_);
        QCOMPARE(h.Find<QDateEdit>("DocIssueDate")->date(), QDate(2005, 3, 1));
        QVERIFY(h.Find<QRadioButton>("rbCitizen")->isChecked());
        QCOMPARE(h.Find<TMaskedEdit>("CitizenshipCode")->text(), QString("643"));

        const mTPersonInformation before = p;
        h.screen->Store();
        QVERIFY(p == before);
        QCOMPARE(h.modified->count(), 0);

        TypeKeys(h.Find<TMaskedEdit>("Patronymic"), "Иванович");
        h.Find<QRadioButton>("rbStateless")->click();
        h.screen->Store();
        QCOMPARE(p.Patronymic, std::string("Иванович"));
        QCOMPARE(p.CitizenshipKind, std::string("2"));
        QVERIFY(h.modified->count() > 0);
    }

    void expectedIncomeFormAsksForTerritoryAndPhoneInstead() {
        NamePage h;
        h.declaration.DeclarationKind = kDecl4Ndfl;
        h.Open();
        QVERIFY(!h.Find("ResidenceOktmo")->isHidden() && !h.Find("HomePhone")->isHidden());
        QVERIFY(h.Find("DocSeriesNumber")->isHidden() || !h.Find("DocSeriesNumber")->isVisibleTo(h.screen.get()));
        QVERIFY(!h.Find("BirthPlace")->isVisibleTo(h.screen.get()));
        QVERIFY(!h.Find("rbCitizen")->isVisibleTo(h.screen.get()));

        TfrPersonData screen(h.declaration, h.resources, nullptr);
        QVERIFY(screen.findChild<QPushButton*>("fbPersonAddress")->isHidden());
        QVERIFY(!screen.findChild<QPushButton*>("fbPersonName")->isHidden());
    }

    void namePageChecksRunInOrder() {
        NamePage h;
        h.Open();
        QCOMPARE(h.Validate(), 0u);  // every message skipped
        const std::vector<std::string> expected = {"Не введена фамилия", "Не введено имя", "Не указан ИНН",
                                                   "Не указано место рождения",
                                                   "Не указан документ, удостоверяющий личность"};
        QCOMPARE(h.checks.Texts(), expected);
        QCOMPARE(h.checks.Messages.front().caption, std::string("Сведения о декларанте"));

        NamePage fix({kCheckAnswerSkip, kCheckAnswerSkip, kCheckAnswerFix});
        fix.Open();
        QCOMPARE(fix.Validate(), 4u);
        QCOMPARE(fix.checks.Messages.size(), std::size_t{3});

        NamePage skipAll({kCheckAnswerSkipAll});
        skipAll.Open();
        QCOMPARE(skipAll.Validate(), 0u);
        QCOMPARE(skipAll.checks.Messages.size(), std::size_t{1});
    }

    void innMessagesByStatus() {
        NamePage shortInn({kCheckAnswerFix});
        FillValidName(shortInn.declaration.Person);
        shortInn.declaration.Person.PersonInn = "12345678904";
        shortInn.Open();
        QCOMPARE(shortInn.Validate(), 4u);
        QCOMPARE(shortInn.checks.Texts().front(), std::string("Длинна ИНН должна быть равна 12 цифрам"));

        NamePage wrongInn({kCheckAnswerSkip, kCheckAnswerSkip, kCheckAnswerFix});
        FillValidName(wrongInn.declaration.Person);
        wrongInn.declaration.Person.PersonInn = "123456789048";
        wrongInn.Open();
        QCOMPARE(wrongInn.Validate(), 5u);
        const std::vector<std::string> expected = {"Номер ИНН введен неверно", "Не указано место рождения",
                                                   "Не указан документ, удостоверяющий личность"};
        QCOMPARE(wrongInn.checks.Texts(), expected);
    }

    void validInnDemandsNoDocumentButAChosenOneIsComplete() {
        NamePage valid;
        FillValidName(valid.declaration.Person);
        valid.Open();
        QCOMPARE(valid.Validate(), 0u);
        QVERIFY(valid.checks.Messages.empty());

        NamePage document({kCheckAnswerSkip, kCheckAnswerFix});
        mTPersonInformation& p = document.declaration.Person;
        FillValidName(p);
        p.DocTypeCode = 10;
        p.DocTypeName = "Паспорт иностранного гражданина";
        document.Open();
        QCOMPARE(document.Validate(), 8u);
        const std::vector<std::string> expected = {"Не указаны серия и номер документа, удостоверяющего личность",
                                                   "Не указано, кем выдан документ, удостоверяющий личность"};
        QCOMPARE(document.checks.Texts(), expected);
    }

    void issueDateRules() {
        auto run = [](uint16_t type, DateTime birth, DateTime issued) {
            NamePage h({kCheckAnswerFix});
            mTPersonInformation& p = h.declaration.Person;
            FillValidName(p);
            p.DocTypeCode = type;
            p.DocTypeName = "документ";
            p.DocSeriesNumber = "45 03 123456";
            p.DocIssuedBy = "ОВД";
            p.BirthDate = birth;
            p.DocIssueDate = issued;
            h.Open();
            const uint32_t row = h.Validate();
            return std::make_pair(row, h.checks.Texts().empty() ? std::string() : h.checks.Texts().front());
        };
        const DateTime leapBirth = EncodeDate(2000, 2, 29);
        QCOMPARE(run(21, leapBirth, EncodeDate(2014, 2, 28)).first, 0u);
        const auto early = run(21, leapBirth, EncodeDate(2014, 2, 27));
        QCOMPARE(early.first, 7u);
        QCOMPARE(early.second, std::string("Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет"));
        // Only documents issued from fourteen have the rule.
        QCOMPARE(run(3, leapBirth, EncodeDate(2001, 1, 1)).first, 0u);
        const auto before = run(3, EncodeDate(2001, 5, 5), EncodeDate(2001, 5, 4));
        QCOMPARE(before.first, 7u);
        QCOMPARE(before.second, std::string("Дата выдачи документа не может быть меньше даты рождения"));
        QVERIFY(IssuedBeforeFourteenthBirthday(EncodeDate(1990, 6, 15), EncodeDate(2004, 6, 14)));
        QVERIFY(!IssuedBeforeFourteenthBirthday(EncodeDate(1990, 6, 15), EncodeDate(2004, 6, 15)));
    }

    void expectedIncomeFormNeedsTheTerritoryCode() {
        NamePage h({kCheckAnswerFix});
        FillValidName(h.declaration.Person);
        h.declaration.DeclarationKind = kDecl4Ndfl;
        h.declaration.Person.ResidenceOktmo = " 123456789 ";
        h.Open();
        QCOMPARE(h.Validate(), 10u);
        QCOMPARE(h.checks.Texts().front(), std::string("Не введен код ОКТМО(8 или 11 символов)"));

        NamePage eight;
        FillValidName(eight.declaration.Person);
        eight.declaration.DeclarationKind = kDecl4Ndfl;
        eight.declaration.Person.ResidenceOktmo = "45382000";
        eight.Open();
        QCOMPARE(eight.Validate(), 0u);
    }

    void namePageFocusRows() {
        const std::pair<int, const char*> rows[] = {{1, "Surname"},          {2, "FirstName"},    {3, "Patronymic"},
                                                    {4, "PersonInn"},        {6, "DocSeriesNumber"}, {7, "DocIssueDate"},
                                                    {8, "DocIssuedBy"},      {9, "BirthPlace"}};
        for (const auto& [row, name] : rows) {
            NamePage h;
            h.declaration.Person.DocTypeName = "Паспорт гражданина РФ";
            h.declaration.Person.DocTypeCode = 21;
            h.Open();
            QCOMPARE(h.FocusedAfter(row), QString(name));
        }
        NamePage territory;
        territory.declaration.DeclarationKind = kDecl4Ndfl;
        territory.Open();
        QCOMPARE(territory.FocusedAfter(10), QString("ResidenceOktmo"));

        NamePage type;
        type.Open();
        QString title;
        OnNextModal([&](QDialog* dialog) {
            title = dialog->windowTitle();
            dialog->reject();
        });
        QCOMPARE(type.FocusedAfter(5), QString("fbDocType"));
        QCOMPARE(title, QString("Справочник видов документов"));
    }

    void seriesFormOfTheStoredType() {
        const std::pair<int, TDocumentMaskEnum> forms[] = {
            {1, edtR_BB}, {3, edtR_BB},    {2, edt99},     {9, edt99},    {22, edt99},   {21, edt99_},
            {4, edtBB},   {6, edtBB},      {7, edtBB0},    {26, edtBB0},  {27, edtBB0},  {10, edtNone1},
            {5, edtNone2}, {11, edtNone2}, {14, edtNone2}, {91, edtNone2}, {24, edtNone1}, {15, edtNone1}};
        for (const auto& [code, form] : forms) {
            NamePage h;
            h.declaration.Person.DocTypeCode = static_cast<uint16_t>(code);
            h.declaration.Person.DocTypeName = "документ";
            h.Open();
            QVERIFY2(h.Find<TMaskedDocEdit>("DocSeriesNumber")->EditType() == form, qPrintable(QString::number(code)));
            QVERIFY(h.Find("DocSeriesNumber")->isEnabled());
        }
        NamePage none;
        none.declaration.Person.DocSeriesNumber = "старое";
        none.Open();
        QVERIFY(!none.Find("DocSeriesNumber")->isEnabled() && !none.Find("DocIssuedBy")->isEnabled());
        QCOMPARE(none.Find<TMaskedDocEdit>("DocSeriesNumber")->text(), QString());
        none.screen->Store();
        QCOMPARE(none.declaration.Person.DocSeriesNumber, std::string("старое"));
    }

    void choosingAnotherTypeStartsTheDocumentAfresh() {
        NamePage h;
        mTPersonInformation& p = h.declaration.Person;
        p.DocTypeCode = 21;
        p.DocTypeName = "Паспорт гражданина РФ";
        p.DocSeriesNumber = "45 03 123456";
        p.DocIssuedBy = "ОВД";
        p.DocIssueDate = EncodeDate(2005, 3, 1);
        h.Open();
        auto* series = h.Find<TMaskedDocEdit>("DocSeriesNumber");
        const auto pickType = [&](const QString& code) {
            ChooseDocumentType(code);
            h.Find<QPushButton>("fbDocType")->click();
        };
        pickType("21");  // the same type: nothing changes
        QCOMPARE(series->text(), QString("45 03 123456"));
        QCOMPARE(h.modified->count(), 0);

        pickType("24");
        QVERIFY(h.modified->count() > 0);
        QCOMPARE(h.Find<QLineEdit>("DocTypeName")->text(), QString("Удостоверение личности военнослужащего РФ"));
        QCOMPARE(series->text(), QString());
        QCOMPARE(series->EditType(), edtBB0);
        QCOMPARE(h.Find<TMaskedEdit>("DocIssuedBy")->text(), QString());
        QCOMPARE(h.Find<QDateEdit>("DocIssueDate")->date(), QDate(1990, 1, 1));
        TypeKeys(series, "аб1234567");
        QCOMPARE(series->text(), QString("АБ 1234567"));

        pickType("03");  // a newly chosen birth certificate is typed freely
        QCOMPARE(series->EditType(), edtNone1);
        pickType("12");
        QCOMPARE(series->EditType(), edtNone1);

        h.screen->Store();
        QCOMPARE(p.DocTypeCode, uint16_t{12});
        QCOMPARE(p.DocTypeName, std::string("Вид на жительство в РФ"));
        QCOMPARE(p.DocIssueDate, EncodeDate(1990, 1, 1));
        QCOMPARE(p.DocIssuedBy, std::string());
    }

    void countryChoice() {
        NamePage h;
        h.Open();
        OnNextModal([](QDialog* dialog) {
            auto* list = dialog->findChild<QTreeWidget*>();
            QCOMPARE(list->currentItem()->text(0), QString("643"));
            list->setCurrentItem(list->topLevelItem(1));
            QTest::keyClick(list, Qt::Key_Enter);
        });
        h.Find<QPushButton>("fbCountry")->click();
        h.screen->Store();
        QCOMPARE(h.declaration.Person.CitizenshipCode, std::string("112"));
        QCOMPARE(h.declaration.Person.CitizenshipCountry, std::string("БЕЛАРУСЬ"));

        NamePage none;
        none.resources.countries = nullptr;
        none.Open();
        QVERIFY(!none.Find("fbCountry")->isEnabled());
    }

    void addressPageShowsAndStores() {
        AddressPage h;
        mTPersonInformation& p = h.declaration.Person;
        p.AddressIsStay = true;
        p.RegionCode = 77;
        p.RegionName = "г. Москва";
        p.Street = "Тверская";
        h.Open();
        QVERIFY(h.Find<QRadioButton>("rbStay")->isChecked());
        QCOMPARE(h.Find<QLineEdit>("RegionName")->text(), QString("г. Москва"));
        QVERIFY(!h.Find("HomePhone")->isHidden());
        TypeKeys(h.Find<TMaskedEdit>("PostIndex"), "1250091");
        h.Find<QRadioButton>("rbResidence")->click();
        h.screen->Store();
        QCOMPARE(p.PostIndex, std::string("125009"));
        QVERIFY(!p.AddressIsStay);
        QCOMPARE(p.RegionCode, uint16_t{77});

        AddressPage expected;
        expected.declaration.DeclarationKind = kDecl4Ndfl;
        expected.Open();
        QVERIFY(!expected.Find("HomePhone")->isVisibleTo(expected.screen.get()));
    }

    void addressPageChecksRunInOrder() {
        AddressPage h;
        h.declaration.Person.ResidenceOktmo = "123456789";
        h.Open();
        QCOMPARE(h.Validate(), 0u);
        const std::vector<std::string> expected = {
            "Не указан регион постоянного местожительства",
            "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)",
            "Код ОКТМО должен содержать 8 или 11 символов"};
        QCOMPARE(h.checks.Texts(), expected);

        AddressPage fix({kCheckAnswerSkip, kCheckAnswerFix});
        fix.declaration.Person.ResidenceOktmo = "123456789";
        fix.Open();
        QCOMPARE(fix.Validate(), 5u);

        AddressPage oktmo({kCheckAnswerFix});
        oktmo.declaration.Person.RegionCode = 50;
        oktmo.declaration.Person.Locality = "Химки";
        oktmo.declaration.Person.ResidenceOktmo = "123456789";
        oktmo.Open();
        QCOMPARE(oktmo.Validate(), 4u);
        oktmo.declaration.Person.ResidenceOktmo = "";
        QCOMPARE(oktmo.Validate(), 0u);
        oktmo.declaration.Person.ResidenceOktmo = "12345678901";
        QCOMPARE(oktmo.Validate(), 0u);
        oktmo.declaration.DeclarationKind = kDecl4Ndfl;
        oktmo.declaration.Person.ResidenceOktmo = "1";
        QCOMPARE(oktmo.Validate(), 0u);
    }

    void addressFocusRowsAndRegionChoice() {
        // Every field the check can name on this page (the region opens its list below).
        const std::pair<int, const char*> rows[] = {
            {kCheckFieldPostIndex, "PostIndex"}, {kCheckFieldDistrict, "District"},
            {kCheckFieldAddressOktmo, "ResidenceOktmo"}, {kCheckFieldLocality, "Locality"},
            {kCheckFieldCity, "City"}, {kCheckFieldStreet, "Street"}, {kCheckFieldHouse, "House"},
            {kCheckFieldBuilding, "Building"}, {kCheckFieldFlat, "Flat"},
            {kCheckFieldForeignAddress, "ForeignAddress"}, {kCheckFieldPhone, "HomePhone"}};
        for (const auto& [row, name] : rows) {
            AddressPage h;
            h.Open();
            QCOMPARE(h.FocusedAfter(row), QString(name));
        }

        AddressPage region;
        region.Open();
        QString preselected;
        OnNextModal([&](QDialog* dialog) {
            auto* list = dialog->findChild<QTreeWidget*>();
            preselected = list->currentItem()->text(0);
            list->setCurrentItem(list->findItems("78", Qt::MatchExactly, 0).front());
            QTest::keyClick(list, Qt::Key_Return);
        });
        QCOMPARE(region.FocusedAfter(kCheckFieldRegion), QString("fbRegion"));
        QCOMPARE(preselected, QString("01"));  // never chosen: the list opens at its first code
        QCOMPARE(region.modified->count(), 1);
        region.screen->Store();
        QCOMPARE(region.declaration.Person.RegionCode, uint16_t{78});
        QCOMPARE(region.declaration.Person.RegionName, std::string("г. Санкт - Петербург"));

        OnNextModal([](QDialog* dialog) {
            auto* list = dialog->findChild<QTreeWidget*>();
            QCOMPARE(list->currentItem()->text(0), QString("78"));
            list->setCurrentItem(list->topLevelItem(0));
            QTest::keyClick(list, Qt::Key_Escape);
        });
        region.Find<QPushButton>("fbRegion")->click();
        QCOMPARE(region.Find<QLineEdit>("RegionName")->text(), QString("г. Санкт - Петербург"));
    }

    void pageButtonsFollowTheSectionRule() {
        mTDeclaration declaration;
        ScriptedCheckDialog checks({kCheckAnswerFix});
        ScreenResources resources;
        resources.checkDialog = &checks;
        TfrPersonData screen(declaration, resources, nullptr);
        QSignalSpy modified(&screen, &TThinkingFrame::documentModified);
        auto* nameButton = screen.findChild<QPushButton*>("fbPersonName");
        auto* addressButton = screen.findChild<QPushButton*>("fbPersonAddress");
        QVERIFY(nameButton->isChecked());
        QCOMPARE(screen.CurrentPage(), int(TfrPersonData::kPageName));

        addressButton->click();  // no surname: refused, the name page stays
        QCOMPARE(screen.CurrentPage(), int(TfrPersonData::kPageName));
        QVERIFY(nameButton->isChecked() && !addressButton->isChecked());
        QCOMPARE(checks.Messages.size(), std::size_t{1});

        TypeKeys(screen.findChild<TMaskedEdit*>("Surname"), "Иванов");
        TypeKeys(screen.findChild<TMaskedEdit*>("FirstName"), "Иван");
        TypeKeys(screen.findChild<TMaskedEdit*>("PersonInn"), kValidPersonInn);
        QVERIFY(modified.count() > 0);
        addressButton->click();
        QCOMPARE(screen.CurrentPage(), int(TfrPersonData::kPageAddress));
        QCOMPARE(declaration.Person.Surname, std::string("Иванов"));
        QVERIFY(screen.findChild<TMaskedEdit*>("Locality") != nullptr);
        QVERIFY(screen.findChild<TMaskedEdit*>("Surname") == nullptr);

        // The whole-declaration check sends the user to a field of either page.
        screen.FocusField(TfrPersonData::kPageName, kCheckFieldFirstName);
        QCOMPARE(screen.CurrentPage(), int(TfrPersonData::kPageName));
        QVERIFY(nameButton->isChecked());
        screen.FocusField(TfrPersonData::kPageAddress, kCheckFieldLocality);
        QCOMPARE(screen.CurrentPage(), int(TfrPersonData::kPageAddress));
        QVERIFY(addressButton->isChecked());

        // The address page's edits count as the screen's.
        const int before = modified.count();
        TypeKeys(screen.findChild<TMaskedEdit*>("Street"), "Ленина");
        QCOMPARE(modified.count(), before + 6);
        screen.Store();
        QCOMPARE(declaration.Person.Street, std::string("Ленина"));
    }
};

QTEST_MAIN(PersonPagesTest)
#include "person_pages_test.moc"
