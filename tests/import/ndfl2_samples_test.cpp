// The two sample certificate files through kvarzen-cli as a user runs it; what
// `info` then shows is compared with the certificate read straight from its XML.
#include <gtest/gtest.h>

#include "app/ndfl2_document_import.h"
#include "directory/xml_document.h"
#include "model/declaration.h"
#include "storage/xml_node.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace kvz::test {
namespace {

std::string Sample(const char* name) { return std::string(KVZ_TEST_DATA_DIR) + "/ndfl2/" + name; }

const xmlNode* Child(const xmlNode* node, const char* name) { return FirstChildNamed(node, name); }

// Amounts compare as numbers: the certificate writes "30000.00", the document "30000".
double Number(const std::string& text) { return std::stod(text); }

TEST(Ndfl2Samples, InfoShowsTheCertificate) {
    TempDir dir;
    const CliResult run = RunCli(dir, "import-2ndfl " + dir.File("doc.qz5") + " " + Sample("sample_employer_one.xml"));
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json info = CliJson(dir, "info", dir.File("doc.qz5"));

    const XmlDocument xml = ParseXml(ReadFileText(Sample("sample_employer_one.xml")), "");
    const xmlNode* doc = Child(RootElement(xml), "Документ");
    const xmlNode* agent = Child(Child(doc, "СвНА"), "СвНАЮЛ");
    const xmlNode* person = Child(doc, "ПолучДох");
    const xmlNode* block = Child(doc, "СведДох");
    const xmlNode* totals = Child(block, "СумИтНалПер");

    const nlohmann::json& p = info["Person"];
    EXPECT_EQ(p["PersonInn"], AttributeText(person, "ИННФЛ"));
    EXPECT_EQ(p["BirthDate"], AttributeText(person, "ДатаРожд"));
    EXPECT_EQ(p["Surname"], AttributeText(Child(person, "ФИО"), "Фамилия"));
    EXPECT_EQ(p["DocSeriesNumber"], AttributeText(Child(person, "УдЛичнФЛ"), "СерНомДок"));
    EXPECT_EQ(p["PostIndex"], AttributeText(Child(person, "АдрМЖРФ"), "Индекс"));
    EXPECT_EQ(p["RegionCode"], 66);
    EXPECT_EQ(info["DeclarationKind"], 0);

    ASSERT_EQ(info["Thirteen"].size(), 1u);
    const nlohmann::json& s = info["Thirteen"][0];
    EXPECT_EQ(s["SourceName"], AttributeText(agent, "НаимОрг"));
    EXPECT_EQ(s["Inn"], AttributeText(agent, "ИННЮЛ"));
    EXPECT_EQ(s["Kpp"], AttributeText(agent, "КПП"));
    EXPECT_EQ(s["Oktmo"], AttributeText(Child(doc, "СвНА"), "ОКТМО"));
    EXPECT_EQ(Number(s["TaxWithheld"]), Number(AttributeText(totals, "НалУдерж")));
    EXPECT_EQ(Number(s["TaxComputed"]), Number(AttributeText(totals, "НалИсчисл")));

    const std::vector<xmlNode*> lines = ChildElements(Child(block, "ДохВыч"));
    ASSERT_EQ(s["Lines"].size(), lines.size());
    double sum = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const nlohmann::json& l = s["Lines"][i];
        EXPECT_EQ(l["Month"], std::stoi(AttributeText(lines[i], "Месяц")));
        EXPECT_EQ(l["IncomeCode"], std::stoi(AttributeText(lines[i], "КодДоход")));
        EXPECT_EQ(Number(l["IncomeAmount"]), Number(AttributeText(lines[i], "СумДоход")));
        const xmlNode* deduction = Child(lines[i], "СвСумВыч");
        EXPECT_EQ(l["DeductionCode"], deduction ? std::stoi(AttributeText(deduction, "КодВычет")) : 0);
        EXPECT_EQ(Number(l["DeductionAmount"]), deduction ? Number(AttributeText(deduction, "СумВычет")) : 0.0);
        sum += Number(l["IncomeAmount"]);
    }
    EXPECT_DOUBLE_EQ(sum, Number(AttributeText(totals, "СумДохОбщ")));
    // 114 and 115: two children, as the agent gave them.
    EXPECT_EQ(info["Standard"]["ChildrenCount"], 2);
    EXPECT_EQ(info["Standard"]["ChildStatus"], 101);
}

TEST(Ndfl2Samples, ManyPeopleNeedAPersonAndKeepTheTwoErshovsApart) {
    TempDir dir;
    const std::string file = Sample("sample_many_people.xml");
    const CliResult refused = RunCli(dir, "import-2ndfl " + dir.File("doc.qz5") + " " + file);
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("Ершов Дмитрий Олегович 30.05.1988"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("Ершов Денис Олегович 07.09.1996"), std::string::npos) << refused.err;
    EXPECT_FALSE(FileExists(dir.File("doc.qz5")));

    const CliResult run =
        RunCli(dir, "import-2ndfl " + dir.File("doc.qz5") + " " + file + " --person 760235184681 --json");
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["Added"].size(), 1u);
    // The property deduction the agent gave is named, not dropped silently.
    EXPECT_NE(report["Warnings"].dump().find("311"), std::string::npos);
    const nlohmann::json info = CliJson(dir, "info", dir.File("doc.qz5"));
    EXPECT_EQ(info["Person"]["Surname"], "Лаптева");
    const nlohmann::json& s = info["Thirteen"][0];
    EXPECT_EQ(s["SourceName"], "ИП Веселова Наталья Константиновна");
    EXPECT_EQ(s["Kpp"], "");
    EXPECT_EQ(s["TaxWithheld"], "32958");

    // The Ершов without an ИНН is told from the other by name and birth date.
    const CliResult denis = RunCli(dir, "import-2ndfl " + dir.File("denis.qz5") + " " + file +
                                            " --person 'Ершов Денис Олегович 07.09.1996'");
    ASSERT_EQ(denis.code, 0) << denis.err;
    EXPECT_EQ(CliJson(dir, "info", dir.File("denis.qz5"))["Thirteen"][0]["TaxWithheld"], "9360");
}

TEST(Ndfl2Samples, StandardSectionAlreadyFilledStaysAsItIs) {
    TempDir dir;
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRussian);
    d.Person.PersonInn = "665821740344";
    d.Standard.SelfCode = mTStandartDeduct::kSelf105;
    d.SaveToFile(dir.File("doc.qz5"));
    const Ndfl2ImportReport report =
        ImportNdfl2IntoDocument({dir.File("doc.qz5"), {Sample("sample_employer_one.xml")}, {}, {}});
    EXPECT_NE(report.StandardNote.find("не изменен"), std::string::npos);
    EXPECT_EQ(report.StandardGiven.size(), 2u);
    mTDeclaration after;
    after.LoadFromFile(dir.File("doc.qz5"));
    EXPECT_EQ(after.Standard.SelfCode, mTStandartDeduct::kSelf105);
    EXPECT_EQ(after.Standard.ChildrenCount, 0);
    EXPECT_EQ(after.Thirteen.Count(), 1);
}

}  // namespace
}  // namespace kvz::test
