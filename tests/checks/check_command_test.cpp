#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "check_declarations.h"
#include "checks/findings_report.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

using test::CliResult;
using test::CompleteDeclaration;
using test::RunCli;
using test::TempDir;

const CheckFindings kTwo = {
    {kCheckSectionConditions, kCaptionConditions, kCheckFieldInspection, "Не введен номер инспекции"},
    {kCheckSectionConditions, kCaptionConditions, kCheckFieldRepresentativeName,
     "Не указаны ФИО подписанта-представителя"},
};

TEST(FindingsReport, TextHasOneLineAFinding) {
    EXPECT_EQ(FindingsText(kTwo),
              "раздел 1, поле 1 (Задание условий): Не введен номер инспекции\n"
              "раздел 1, поле 3 (Задание условий): Не указаны ФИО подписанта-представителя\n");
    EXPECT_EQ(FindingsText({}), "Проверка декларации завершена успешно\n");
}

TEST(FindingsReport, Json) {
    const nlohmann::ordered_json j = FindingsJson(kTwo);
    EXPECT_EQ(j.dump(),
              R"({"passed":false,"findings":[{"section":1,"sectionTitle":"Задание условий","field":1,)"
              R"("message":"Не введен номер инспекции"},{"section":1,"sectionTitle":"Задание условий",)"
              R"("field":3,"message":"Не указаны ФИО подписанта-представителя"}]})");
    EXPECT_EQ(FindingsJson({}).dump(), R"({"passed":true,"findings":[]})");
}

// A command whose registration was lost must fail here rather than pass unnoticed.
TEST(CheckCommand, IsRegistered) {
    TempDir dir;
    const CliResult help = RunCli(dir, "check --help");
    EXPECT_EQ(help.err.find("Неизвестная команда"), std::string::npos) << help.err;
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out, "");
}

TEST(CheckCommand, PrintsFindingsAndExitsByThem) {
    TempDir dir;
    auto good = CompleteDeclaration();
    good->SaveToFile(dir.File("good.qz5"));
    CliResult passed = RunCli(dir, "check " + dir.File("good.qz5"));
    EXPECT_EQ(passed.code, 0);
    // A passing check goes on to say what the declaration comes to.
    EXPECT_EQ(passed.out, "Проверка декларации завершена успешно\nНалог к уплате и возврату отсутствует\n");

    auto bad = CompleteDeclaration();
    bad->Person.Surname = "";
    bad->SaveToFile(dir.File("bad.qz5"));
    CliResult failed = RunCli(dir, "check " + dir.File("bad.qz5"));
    EXPECT_EQ(failed.code, 1);
    EXPECT_EQ(failed.out, "раздел 2, поле 1 (Сведения о декларанте): Не введена фамилия\n");

    CliResult json = RunCli(dir, "check --json " + dir.File("bad.qz5"));
    EXPECT_EQ(json.code, 1);
    const auto j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["passed"], false);
    ASSERT_EQ(j["findings"].size(), 1u);
    EXPECT_EQ(j["findings"][0]["section"], 2);
    EXPECT_EQ(j["findings"][0]["field"], 1);
    EXPECT_EQ(j["findings"][0]["message"], "Не введена фамилия");
}

TEST(CheckCommand, UnreadableDocumentsAndWrongArguments) {
    TempDir dir;
    CliResult missing = RunCli(dir, "check " + dir.File("none.qz5"));
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_FALSE(missing.err.empty());

    test::WriteFileText(dir.File("damaged.qz5"), std::string(200, '\x7f'));
    CliResult damaged = RunCli(dir, "check --json " + dir.File("damaged.qz5"));
    EXPECT_EQ(damaged.code, 1);
    EXPECT_TRUE(damaged.out.empty());
    EXPECT_FALSE(damaged.err.empty());

    EXPECT_EQ(RunCli(dir, "check").code, 2);
    EXPECT_EQ(RunCli(dir, "check --xml a.qz5").code, 2);
}

}  // namespace
}  // namespace kvz
