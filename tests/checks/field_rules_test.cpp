// Rules on entered values beyond the schema: names of people, country codes with
// their names, the first year of a property deduction.
#include <gtest/gtest.h>

#include "check_declarations.h"
#include "checks/field_rules.h"
#include "storage/dates.h"

namespace kvz::test {
namespace {

const InspectionDirectory& Countries() {
    static const InspectionDirectory countries{"", "", {{"051", "АРМЕНИЯ"}, {"643", "РОССИЯ"}, {"840", "США"}}};
    return countries;
}

TEST(FieldRules, NamesOfPeopleAreLettersSpacesHyphensApostrophesAndDots) {
    for (const char* good : {"Иванов", "Салтыков-Щедрин", "Д'Артаньян", "Smith Jr.", "Пётр Ёлкин", ""})
        EXPECT_TRUE(IsPersonName(good)) << good;
    for (const char* bad : {"Ivanov Иван ©", "Иванов2", "Петров_", "Сидоров!", "\xD0"})
        EXPECT_FALSE(IsPersonName(bad)) << bad;

    auto d = CompleteDeclaration();
    d->ConfirmedBy = 1;
    d->RepresentativeName = "Ivanov Иван ©";
    d->Person.Patronymic = "Иванович1";
    const CheckFindings f = FieldRuleFindings(*d, nullptr);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0], (CheckFinding{kCheckSectionConditions, kCaptionConditions, kCheckFieldRepresentativeName,
                                  "ФИО представителя может содержать только буквы, пробелы, дефисы, апострофы и точки"}));
    EXPECT_EQ(f[1].section, kCheckSectionPerson);
    EXPECT_EQ(f[1].field, kCheckFieldPatronymic);
    // A representative's name is not asked for when the taxpayer signs.
    d->ConfirmedBy = 0;
    EXPECT_EQ(FieldRuleFindings(*d, nullptr).size(), 1u);
}

TEST(FieldRules, CountryCodesComeFromTheDirectoryWithTheirNames) {
    auto d = CompleteDeclaration();
    mTPersonInformation& p = d->Person;
    p.CitizenshipCode = "643";
    p.CitizenshipCountry = "РОССИЯ";
    EXPECT_TRUE(FieldRuleFindings(*d, &Countries()).empty());
    p.CitizenshipCountry = "АРМЕНИЯ";
    CheckFindings f = FieldRuleFindings(*d, &Countries());
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].field, kCheckFieldCitizenshipCode);
    EXPECT_EQ(f[0].message, "Наименование страны \"АРМЕНИЯ\" не соответствует коду 643 (РОССИЯ)");
    p.CitizenshipCode = "999";
    f = FieldRuleFindings(*d, &Countries());
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].message, "Код страны \"999\" не найден в справочнике стран");
    // Without the directory nothing is looked up.
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());

    p.CitizenshipCode = "51";  // codes count without their leading zeros
    p.CitizenshipCountry = "АРМЕНИЯ";
    d->SetIncomeKinds(kIncomeRussian | kIncomeForeign);
    AddForeignIncome(*d).CountryCode = "840";
    AddForeignIncome(*d).CountryCode = "1000";
    f = FieldRuleFindings(*d, &Countries());
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].section, kCheckSectionForeign);
    EXPECT_EQ(f[0].field, 2);
}

TEST(FieldRules, APropertyDeductionIsNotFirstUsedAfterTheTaxYear) {
    auto d = CompleteDeclaration();
    d->Construction.Granted = true;
    mTConstructionDeductObj object = CompleteFlat();
    object.FirstUseYear = EncodeDate(2015, 1, 1);
    d->Construction.ObjectAdd(object);
    object.FirstUseYear = EncodeDate(2016, 1, 1);
    d->Construction.ObjectAdd(object);
    const CheckFindings f = FieldRuleFindings(*d, nullptr);
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].section, kCheckSectionDeductions);
    EXPECT_EQ(f[0].field, PropertyObjectField(2));
    EXPECT_EQ(f[0].message,
              "Объект № 2. Год начала использования вычета 2016 не может быть позже 2015 года, за который подается "
              "декларация");
    d->Construction.Granted = false;
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());
}

// Codes the file cannot do without are asked for, not made up or passed over: a
// foreign income without its country would carry "000", a pension contract of no
// kind would be left out, an object without its region would carry "00" and one
// without the taxpayer sign the owner's "01".
TEST(FieldRules, CodesTheFileWouldOtherwiseMakeUpAreAskedFor) {
    auto d = CompleteDeclaration();
    d->SetIncomeKinds(kIncomeRussian | kIncomeForeign);
    AddForeignIncome(*d).CountryCode = "840";
    AddForeignIncome(*d).CountryCode = " ";
    for (const InspectionDirectory* countries : {&Countries(), static_cast<const InspectionDirectory*>(nullptr)}) {
        const CheckFindings f = FieldRuleFindings(*d, countries);
        ASSERT_EQ(f.size(), 1u);
        EXPECT_EQ(f[0], (CheckFinding{kCheckSectionForeign, kCaptionForeign, 2,
                                      "Доход в валюте № 2. Не указан код страны"}));
    }
    d->SetIncomeKinds(kIncomeRussian);

    // A pension contract of no known kind would be passed over by the calculation with
    // its contributions.
    d->Social.PensionContracts.resize(3);
    for (mTPens& c : d->Social.PensionContracts) c.Contribution = Money::FromUnits(1000);
    d->Social.PensionContracts[0].ContractKind = mTPens::kKindExtraContributions;
    d->Social.PensionContracts[2].Contribution = Money();  // nothing to lose
    CheckFindings f = FieldRuleFindings(*d, nullptr);
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0], (CheckFinding{kCheckSectionDeductions, kCaptionSocial, kCheckFieldSocialDeductions,
                                  "Договор № 2. Не выбран вид договора"}));
    d->Social.PensionContracts.clear();

    d->Construction.Granted = true;
    d->Construction.ObjectAdd(CompleteFlat());
    mTConstructionDeductObj object = CompleteFlat();
    object.RegionCode = "";
    object.TaxpayerSign = 0;
    d->Construction.ObjectAdd(object);
    f = FieldRuleFindings(*d, nullptr);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].section, kCheckSectionDeductions);
    EXPECT_EQ(f[0].field, PropertyObjectField(2));
    EXPECT_EQ(f[0].message, "Объект № 2. Не введен признак налогоплательщика");
    EXPECT_EQ(f[1].field, PropertyObjectField(2));
    EXPECT_EQ(f[1].message, "Объект № 2. Не заполненно поле \"Код субъекта РФ\"");

    // A declaration that claims no housing deduction carries no object.
    d->Construction.Granted = false;
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());
}

// A 13 % line without a month (or past December) would leave its income out of the
// limit of the standard deductions: refused on its source where the deductions are
// counted from those lines, and nowhere else.
TEST(FieldRules, LinesOfTheStandardDeductionsHaveTheirMonth) {
    auto d = CompleteDeclaration();
    mTThirteenPercent& second = AddEmployer(*d, 1000, 130);
    second.StandardDeductionsHere = true;
    mTSourseIncome line = second.Lines()[0];
    line.Month = 0;
    second.AddLine(line);
    line.Month = 13;
    second.AddLine(line);
    CheckFindings f = FieldRuleFindings(*d, nullptr);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0], (CheckFinding{kCheckSectionThirteen, kCaptionThirteen, 2,
                                  "Источник выплаты 2, строка 2. Не указан месяц получения дохода"}));
    EXPECT_EQ(f[1].message, "Источник выплаты 2, строка 3. Месяц получения дохода 13 должен быть от 1 до 12");

    // Where the months do not count, a line may have none (a non-resident's has none).
    second.StandardDeductionsHere = false;
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());
    second.StandardDeductionsHere = true;
    d->Standard.Granted = false;
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());
    d->Standard.Granted = true;
    d->Standard.MonthlyBusiness = true;
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());
    d->Standard.MonthlyBusiness = false;
    d->DeclarationKind = kDecl3NdflNonResident;
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());
}

// The 4-НДФЛ file is read by no schema before it is written: its inspection number,
// ИНН and ОКТМО must be digits exactly as they stand, not only once trimmed.
TEST(FieldRules, ExpectedIncomeCodesAreDigitsAsTheFileCarriesThem) {
    auto d = CompleteDeclaration();
    d->DeclarationKind = kDecl4Ndfl;
    d->Person.PersonInn = "772412345636";
    d->Person.ResidenceOktmo = "45915000";
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());
    d->Person.ResidenceOktmo = "45915000123";
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());
    // Blank ones are asked for once, by the taxpayer's own check, not twice.
    d->Person.PersonInn = "";
    d->Person.ResidenceOktmo = "  ";
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());

    d->Person.PersonInn = " 772412345636";
    d->Person.ResidenceOktmo = "4591500A";
    CheckFindings f = FieldRuleFindings(*d, nullptr);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0], (CheckFinding{kCheckSectionPerson, kCaptionPerson, kCheckFieldPersonInn,
                                  "ИНН \" 772412345636\" должен состоять из 12 цифр без пробелов"}));
    EXPECT_EQ(f[1].field, kCheckFieldPersonOktmo);
    d->Person.ResidenceOktmo = "45915000 ";
    f = FieldRuleFindings(*d, nullptr);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[1].message, "Код ОКТМО \"45915000 \" должен состоять из 8 или 11 цифр без пробелов");

    d->Person.PersonInn = "772412345636";
    d->Person.ResidenceOktmo = "45915000";
    for (const char* inspection : {"77A4", "7724 ", "772"}) {
        d->InspectionCode = inspection;
        f = FieldRuleFindings(*d, nullptr);
        ASSERT_EQ(f.size(), 1u) << inspection;
        EXPECT_EQ(f[0].section, kCheckSectionConditions);
        EXPECT_EQ(f[0].field, kCheckFieldInspection);
    }

    // The 3-НДФЛ file's codes are read by the schema.
    d->DeclarationKind = kDecl3Ndfl;
    EXPECT_TRUE(FieldRuleFindings(*d, nullptr).empty());
}

}  // namespace
}  // namespace kvz::test
