// Many documents in one run of kvarzen-cli: one line a document, a damaged one never
// stops the others, and the exit code tells whether all went through.
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "model/declaration.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

using test::CliResult;
using test::RunCli;
using test::TempDir;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

// a.qz5 is the bundled example, c.qz5 its correction 1 (another declaration, so
// another file); b.qz5 is the example cut short.
struct ThreeDocuments {
    TempDir dir;
    std::string a = dir.File("a.qz5"), b = dir.File("b.qz5"), c = dir.File("c.qz5");
    std::string out = dir.File("out");

    ThreeDocuments() {
        const std::string example = std::string(KVZ_BIN_DIR) + "/example.qz5";
        std::filesystem::copy_file(example, a);
        nlohmann::json correction =
            nlohmann::json::parse(test::ReadFileText(std::string(KVZ_SOURCE_DIR) + "/data/example.json"));
        correction["CorrectionNumber"] = 1;
        test::WriteFileText(dir.File("c.json"), correction.dump());
        EXPECT_EQ(RunCli(dir, "create " + dir.File("c.json") + " " + c).code, 0);
        std::vector<unsigned char> bytes = test::ReadFileBytes(example);
        bytes.resize(bytes.size() / 2);
        test::WriteFileBytes(b, bytes);
        std::filesystem::create_directory(out);
    }
    std::string All() const { return a + " " + b + " " + c; }
};

TEST(BatchCommand, ExportWritesEveryGoodDocumentAndNamesTheDamagedOne) {
    ThreeDocuments docs;
    // What an earlier batch killed before its renames left behind goes.
    test::WriteFileText(docs.out + "/NO_NDFL3_1.xml.tmp" + std::to_string(test::EndedProcessId()) + "_3", "partial");
    const CliResult r = RunCli(docs.dir, "export --to " + docs.out + " " + docs.All());
    EXPECT_NE(r.code, 0);
    const std::set<std::string> written = FilesIn(docs.out);
    ASSERT_EQ(written.size(), 2u);

    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    EXPECT_EQ(lines[1].rfind(docs.b + ": ошибка: Неправильный формат файла декларации", 0), 0u) << lines[1];
    for (const std::string& line : {lines[0], lines[2]}) {
        const std::string name = line.substr(line.find(": ") + 2);
        EXPECT_EQ(written.count(name), 1u) << line;
    }
    EXPECT_EQ(lines[0].rfind(docs.a + ": NO_NDFL3_", 0), 0u);
    EXPECT_EQ(lines[2].rfind(docs.c + ": NO_NDFL3_", 0), 0u);

    // Without the damaged one every document goes through, the same day into the same files.
    EXPECT_EQ(RunCli(docs.dir, "export --to " + docs.out + " " + docs.a + " " + docs.c).code, 0);
    EXPECT_EQ(FilesIn(docs.out), written);
    // The document text goes out for one document only.
    EXPECT_EQ(RunCli(docs.dir, "export --stdout " + docs.a + " " + docs.c).code, 2);
}

// Files are flushed to disk a hundred at a time: every line still belongs to its
// document, in order, across the groups, and nothing but the files stays behind.
// Copies of one declaration are one file, written once however often it comes.
TEST(BatchCommand, ExportLinesFollowTheirDocumentsAcrossFlushGroups) {
    ThreeDocuments docs;
    std::vector<std::string> paths;
    for (int i = 0; i < 103; ++i) {
        paths.push_back(docs.dir.File("doc" + std::to_string(i) + ".qz5"));
        std::filesystem::copy_file(i == 101 ? docs.b : docs.a, paths.back());
    }
    std::string arguments = "export --to " + docs.out;
    for (const std::string& path : paths) arguments += " " + path;
    const CliResult r = RunCli(docs.dir, arguments);
    EXPECT_EQ(r.code, 1);

    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), paths.size()) << r.out;
    const std::set<std::string> written = FilesIn(docs.out);
    EXPECT_EQ(written.size(), 1u);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i == 101) {
            EXPECT_EQ(lines[i].rfind(paths[i] + ": ошибка: ", 0), 0u) << lines[i];
            continue;
        }
        ASSERT_EQ(lines[i].rfind(paths[i] + ": NO_NDFL3_", 0), 0u) << lines[i];
        EXPECT_EQ(written.count(lines[i].substr(paths[i].size() + 2)), 1u) << lines[i];
    }
    EXPECT_NE(r.err.find("выгружено: 102, не выгружено: 1"), std::string::npos) << r.err;
}

TEST(BatchCommand, CheckGivesEachDocumentItsVerdict) {
    ThreeDocuments docs;
    mTDeclaration unsigned_;
    unsigned_.LoadFromFile(docs.c);
    unsigned_.Person.Surname = "";
    unsigned_.SaveToFile(docs.c);

    const CliResult text = RunCli(docs.dir, "check " + docs.All());
    EXPECT_EQ(text.code, 1);
    EXPECT_EQ(Lines(text.out),
              (std::vector<std::string>{
                  docs.a + ": Проверка декларации завершена успешно; К возврату: 84 708 руб.",
                  docs.b + ": ошибка: Неправильный формат файла декларации, возможно он поврежден.",
                  docs.c + ": замечания: раздел 2, поле 1 (Сведения о декларанте): Не введена фамилия",
              }));

    const CliResult json = RunCli(docs.dir, "check --json " + docs.All());
    EXPECT_EQ(json.code, 1);
    const std::vector<std::string> lines = Lines(json.out);
    ASSERT_EQ(lines.size(), 3u);
    const auto first = nlohmann::json::parse(lines[0]), second = nlohmann::json::parse(lines[1]),
               third = nlohmann::json::parse(lines[2]);
    EXPECT_EQ(first["file"], docs.a);
    EXPECT_EQ(first["passed"], true);
    EXPECT_EQ(second["passed"], false);
    EXPECT_TRUE(second.contains("error"));
    EXPECT_EQ(third["findings"][0]["message"], "Не введена фамилия");

    EXPECT_EQ(RunCli(docs.dir, "check " + docs.a + " " + docs.a).code, 0);
}

}  // namespace
}  // namespace kvz
