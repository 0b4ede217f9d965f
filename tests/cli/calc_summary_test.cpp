// calc --summary: one block a document in Russian words, the figures those of the
// JSON that plain calc prints.
#include <gtest/gtest.h>

#include <string>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

using test::CliResult;
using test::RunCli;
using test::TempDir;

TEST(CalcSummary, OneBlockADocumentWithTheFiguresOfTheCalculation) {
    TempDir dir;
    const std::string example = std::string(KVZ_BIN_DIR) + "/example.qz5";
    test::WriteFileText(dir.File("bad.qz5"), "not a document");
    const CliResult r = RunCli(dir, "calc --summary " + example + " " + dir.File("bad.qz5"));
    EXPECT_EQ(r.code, 1);
    const std::string block = "== " + example + "\n" + "К возврату из бюджета: 84 708 руб.\nРаздел 1:\n";
    EXPECT_EQ(r.out.rfind(block, 0), 0u) << r.out;
    for (const char* part : {"Налог по ставке 13 %:\n", "  К возврату: 84 708 руб.\n", "Вычеты этого года:\n",
                             "Остаток имущественного вычета, переходящий на следующий год: стоимость жилья "
                             "1 430 500 руб., проценты 96 240,55 руб.\n",
                             "== "})
        EXPECT_NE(r.out.find(part), std::string::npos) << part;
    EXPECT_NE(r.out.find("== " + dir.File("bad.qz5") + "\nОшибка: "), std::string::npos) << r.out;

    const nlohmann::json calc = test::CliJson(dir, "calc", example);
    EXPECT_EQ(calc["kTSvodSumList1"]["RefundDue"], "84708");
    EXPECT_EQ(calc["kTSvodSumPrilZ"]["RemainingNew"], "1430500");
    EXPECT_EQ(calc["kTSvodSumPrilZ"]["RemainingInterest"], "96240.55");
}

}  // namespace
}  // namespace kvz
