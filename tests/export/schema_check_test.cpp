// The authority's schema as the last word before a file is written: what it asks of
// a value, said in the user's words, and declarations it refuses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calc/svod_sum.h"
#include "export/declaration_export.h"
#include "export/export_fixtures.h"
#include "export/schema_rules.h"
#include "export/schema_validation.h"
#include "export/xml_dom.h"
#include "export/xml_engine.h"
#include "support/calc_fixtures.h"
#include "support/temp_dir.h"

namespace kvz::test {
namespace {

const SchemaRules& Rules() {
    static const SchemaRules rules = SchemaRules::FromFile(Ndfl3SchemaPath());
    return rules;
}

std::string Explain(const std::string& element, const std::string& attribute, const std::string& value) {
    const ValueRule* rule = Rules().Find(element.empty() ? "Файл/Документ" : "Файл/Документ/" + element, attribute);
    return rule ? ExplainRequirement(*rule, value) : "no rule for " + element + "/" + attribute;
}

TEST(SchemaRules, AmountsCodesDatesAndTextsAreExplainedFromTheSchema) {
    EXPECT_EQ(Explain("НДФЛ3/СумНалПу", "ПодлУпл", "115360.14"), "нужно целое число рублей");
    EXPECT_EQ(Explain("НДФЛ3/НалБаза/РасчНалПУ", "Исчисл", "12345678901234"), "нужно не больше 13 цифр");
    EXPECT_EQ(Explain("НДФЛ3/НалБаза/РасчНалБаза", "СумНалВыч", "0.123"), "нужно не больше 2 знаков после точки");
    EXPECT_EQ(Explain("НДФЛ3/НалБаза/РасчНалБаза", "СумНалВыч", "1,5"), "нужно число с точкой в качестве разделителя");
    EXPECT_EQ(Explain("НДФЛ3/СумНалПу", "ОКТМО", ""), "нужен код ОКТМО из 8 или 11 цифр");
    EXPECT_EQ(Explain("НДФЛ3/ИмущНалВычНов/РасчИмущВыч/СвОбъектРасх", "ДатаРегЗем", "30.12.1899"),
              "нужна дата в виде ДД.ММ.ГГГГ с 1900 по 2099 год");
    EXPECT_EQ(Explain("НДФЛ3/ДоходИстРФ/ИстЮЛ", "Наим", ""), "значение не может быть пустым");
    EXPECT_EQ(Explain("НДФЛ3/ДоходИстРФ", "ВидДоход", "10"),
              "нужно одно из значений: 01, 02, 03, 04, 05, 06, 07, 08, 09");
    EXPECT_EQ(Explain("СвНП/НПФЛ3/ФИОФЛ", "Фамилия", std::string(61, 'x')),
              "нужно не больше 60 символов, а здесь 61");
    EXPECT_EQ(Explain("СвНП/НПФЛ3/СвАдрРФ/АдрРФ", "КодРегион", "7А"), "нужно 2 цифры");
    EXPECT_EQ(Explain("СвНП/НПФЛ3/СвАдрРФ/АдрРФ", "КодРегион", "007"), "нужно 2 цифры");
    EXPECT_EQ(Explain("", "НомКорр", "1.5"), "нужно целое число");
    EXPECT_EQ(Explain("НДФЛ3/ИмущНалВычНов/РасчИмущВыч/СвОбъектРасх", "ГодНачИспВыч", "15"),
              "нужен год из четырех цифр");
    // A value the rule accepts has nothing to explain.
    EXPECT_EQ(Explain("НДФЛ3/СумНалПу", "ПодлУпл", "115360"), "");
    EXPECT_EQ(Rules().Find("Файл/Документ/НДФЛ3/СумНалПу", "Нет"), nullptr);
}

std::unique_ptr<mTDeclaration> Resident() {
    auto d = NewDeclaration(kDecl3Ndfl, kIncomeRussian);
    d->InspectionCode = "7724";
    d->Standard.Granted = false;
    FillPerson(d->Person);
    return d;
}

struct Refusal {
    std::string Result;
    std::vector<std::string> Messages;
    std::vector<std::string> Files;
};

Refusal Export(mTDeclaration& d) {
    FixedClockAndGuid fixed;
    TempDir dir;
    Refusal r;
    ExportDeclaration(dir.Path() + "/", d, kExportFileMode, r.Result, CollectingSettings(r.Messages));
    r.Files = FilesIn(dir.Path());
    return r;
}

TEST(SchemaRefusal, TaxWithKopecksIsRefusedWithEveryPlaceAndNoFile) {
    auto d = Resident();
    mTThirteenPercent& s =
        AddThirteen(*d, {Line(2000, Rub(1000000))}, {Rub(1000000), Rub(130000), Rub("14639.86"), "45915000"});
    s.SourceName = "ООО Южный ветер";
    s.Inn = "7724261610";
    s.Kpp = "772401001";
    const Refusal r = Export(*d);
    EXPECT_EQ(r.Result, "ERROR");
    EXPECT_TRUE(r.Files.empty());
    ASSERT_EQ(r.Messages.size(), 1u);
    EXPECT_EQ(r.Messages[0], std::string(kSchemaRefusedHeading) +
                                 "\nСумНалПу/ПодлУпл = \"115360.14\": нужно целое число рублей"
                                 "\nНалБаза/РасчНалПУ/УдержОбщ = \"14639.86\": нужно целое число рублей"
                                 "\nНалБаза/РасчНалПУ/ИсчислУпл = \"115360.14\": нужно целое число рублей"
                                 "\nНалБаза/РасчНалПУ/ПодлУпл = \"115360.14\": нужно целое число рублей"
                                 "\nДоходИстРФ/НалУдерж = \"14639.86\": нужно целое число рублей");
}

TEST(SchemaRefusal, ARefundToASourceWithoutOktmoAndMissingRequiredTexts) {
    auto d = Resident();
    for (int i = 0; i < 2; ++i) {
        mTThirteenPercent& s =
            AddThirteen(*d, {Line(2000, Rub(100000))}, {Rub(100000), Rub(13000), Rub(14000), i ? "45915000" : ""});
        s.SourceName = i ? "" : "ООО Южный ветер";
        s.Inn = "7724261610";
        s.Kpp = "772401001";
    }
    d->Person.Surname = "";
    const Refusal r = Export(*d);
    EXPECT_EQ(r.Result, "ERROR");
    EXPECT_TRUE(r.Files.empty());
    ASSERT_EQ(r.Messages.size(), 1u);
    EXPECT_EQ(r.Messages[0], std::string(kSchemaRefusedHeading) +
                                 "\nСвНП/НПФЛ3/ФИОФЛ/Фамилия = \"\": значение не может быть пустым"
                                 "\nСумНалПу/ОКТМО = \"\": нужен код ОКТМО из 8 или 11 цифр"
                                 "\nДоходИстРФ[2]/ИстЮЛ/Наим = \"\": значение не может быть пустым");
}

// Elements missing or out of place are told with the names the schema expects there.
TEST(SchemaRefusal, MissingAndMisplacedElementsNameWhatBelongsThere) {
    auto violations = [](const std::string& body) {
        XmlDomDocument document = CreateDomDocument();
        LoadDocumentText(document.get(), "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                         "<Файл ИдФайл=\"NO_NDFL3\" ВерсПрог=\"1\" ВерсФорм=\"5.10\">" +
                                             body + "</Файл>");
        std::string lines;
        for (const std::string& line : SchemaViolations(document.get(), Ndfl3SchemaPath())) lines += line + "\n";
        return lines;
    };
    EXPECT_THAT(violations(""), testing::HasSubstr(": не хватает элемента Документ\n"));
    EXPECT_THAT(violations("<Лишний/>"), testing::HasSubstr(": элемент не на своем месте, здесь нужен Документ\n"));
}

TEST(SchemaRefusal, AMissingSchemaStopsTheExportInsteadOfWritingUnchecked) {
    auto d = Resident();
    FixedClockAndGuid fixed;
    TempDir dir;
    std::vector<std::string> messages;
    ExportSettings settings = CollectingSettings(messages);
    settings.SchemaPath = dir.File("absent.xsd");
    std::string result;
    testing::internal::CaptureStderr();
    ExportDeclaration(dir.Path() + "/", *d, kExportFileMode, result, settings);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // nothing of the XML library's own
    EXPECT_EQ(result, "ERROR");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Не удалось прочитать схему формата файла " + dir.File("absent.xsd") +
                               ": переустановите программу");
    EXPECT_TRUE(FilesIn(dir.Path()).empty());
}

// A refusal of many errors lists the first of them with their places and then says
// that there are more; it is still a refusal and no file is written. The validation
// stops there, and the context it leaves half-way serves the next document whole.
TEST(SchemaRefusal, ALongRefusalListsTheFirstErrorsAndSaysThatMoreFollow) {
    auto d = Resident();
    for (int i = 0; i < 60; ++i) d->Thirteen.Add();  // empty sources: two errors each
    kTSvodSum sum;
    sum.Calculate(*d);
    XmlDomDocument document = CreateDomDocument();
    BuildDeclarationDocument(document.get(), *d, sum);
    const std::vector<std::string> every = SchemaViolations(document.get(), Ndfl3SchemaPath());
    ASSERT_EQ(every.size(), 120u);

    const Refusal r = Export(*d);
    EXPECT_EQ(r.Result, "ERROR");
    EXPECT_TRUE(r.Files.empty());
    ASSERT_EQ(r.Messages.size(), 1u);
    std::string expected = kSchemaRefusedHeading;
    for (std::size_t i = 0; i < kSchemaReportLimit; ++i) expected += "\n" + every[i];
    expected += "\n… и другие ошибки: показаны первые 100";
    EXPECT_EQ(r.Messages[0], expected);

    // Exactly as many errors as the limit: nothing more to say.
    const SchemaReport whole = SchemaViolationReport(document.get(), Ndfl3SchemaPath(), every.size());
    EXPECT_EQ(whole.Lines, every);
    EXPECT_FALSE(whole.MoreErrors);
    const SchemaReport first = SchemaViolationReport(document.get(), Ndfl3SchemaPath(), 3);
    EXPECT_EQ(first.Lines, std::vector<std::string>(every.begin(), every.begin() + 3));
    EXPECT_TRUE(first.MoreErrors);

    // After the stopped validation, on the same thread: a valid document is valid,
    // and an invalid one is reported from its own start.
    auto valid = Resident();
    const Refusal written = Export(*valid);
    EXPECT_NE(written.Result, "ERROR");
    EXPECT_EQ(written.Files.size(), 1u);
    EXPECT_EQ(SchemaViolations(document.get(), Ndfl3SchemaPath()), every);
}

// What the explanation of the schema's rules does not know is still said in Russian,
// never in the XML library's English.
TEST(SchemaRefusal, RefusalsWithoutAnExplanationAreToldInRussian) {
    TempDir dir;
    const std::string schema = dir.File("bounds.xsd");
    WriteFileText(schema, R"(<?xml version="1.0" encoding="UTF-8"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="Файл">
    <xs:complexType>
      <xs:attribute name="Сумма" use="required">
        <xs:simpleType>
          <xs:restriction base="xs:integer"><xs:minInclusive value="10"/></xs:restriction>
        </xs:simpleType>
      </xs:attribute>
    </xs:complexType>
  </xs:element>
</xs:schema>
)");
    XmlDomDocument document = CreateDomDocument();
    LoadDocumentText(document.get(), "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                     "<Файл Сумма=\"5\">текст</Файл>");
    EXPECT_THAT(SchemaViolations(document.get(), schema),
                testing::ElementsAre("Файл/Сумма = \"5\": значение вне допустимых пределов",
                                     "Файл: текст внутри элемента не допускается"));
}

}  // namespace
}  // namespace kvz::test
