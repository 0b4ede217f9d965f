// kvarzen-cli pdf: refuses as export does, and never leaves a damaged or partial
// file under the name asked for.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/document_controller.h"
#include "model/declaration.h"
#include "support/temp_dir.h"

namespace kvz::test {
namespace {

struct PdfRun {
    int Code = -1;
    std::string Out;
    std::string Err;
};

PdfRun RunPdf(const TempDir& dir, const std::string& arguments) {
    const std::string command = std::string(KVZ_BIN_DIR) + "/kvarzen-cli pdf " + arguments + " >" +
                                dir.File("out.txt") + " 2>" + dir.File("err.txt");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileText(dir.File("out.txt")),
            ReadFileText(dir.File("err.txt"))};
}

TEST(PdfCommand, WritesTheFormOfADeclarationThatPassesTheCheck) {
    TempDir dir;
    WriteFileText(dir.File("form.pdf"), "old");
    const PdfRun run = RunPdf(dir, std::string(KVZ_BIN_DIR) + "/example.qz5 " + dir.File("form.pdf"));
    EXPECT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(ReadFileText(dir.File("form.pdf")).substr(0, 5), "%PDF-");
    EXPECT_NE(run.Out.find("страниц"), std::string::npos);
    EXPECT_EQ(run.Err, "");
}

TEST(PdfCommand, ADeclarationWithFindingsLeavesTheOldFileAsItWas) {
    TempDir dir;
    NewDocumentDeclaration()->SaveToFile(dir.File("empty.qz5"));
    WriteFileText(dir.File("form.pdf"), "old");
    const PdfRun run = RunPdf(dir, dir.File("empty.qz5") + " " + dir.File("form.pdf"));
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("Не введен номер инспекции"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("Печатная форма не создана"), std::string::npos);
    EXPECT_EQ(ReadFileText(dir.File("form.pdf")), "old");
}

TEST(PdfCommand, AFileThatCannotBeWrittenIsReported) {
    TempDir dir;
    const PdfRun missingFolder =
        RunPdf(dir, std::string(KVZ_BIN_DIR) + "/example.qz5 " + dir.File("no/such/folder/form.pdf"));
    EXPECT_EQ(missingFolder.Code, 1);
    EXPECT_NE(missingFolder.Err.find("Не удалось записать файл"), std::string::npos) << missingFolder.Err;
    EXPECT_EQ(RunPdf(dir, std::string(KVZ_BIN_DIR) + "/example.qz5").Code, 2);
}

}  // namespace
}  // namespace kvz::test
