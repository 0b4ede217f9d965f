// Every command answers --help with its usage on stdout and exit code 0, and
// arguments it cannot take with the same usage on stderr and a failing exit code,
// doing nothing else.
#include <string>

#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

using test::CliResult;
using test::RunCli;
using test::TempDir;

TEST(CommandUsage, HelpOnStdoutAndRefusedArgumentsOnStderr) {
    const struct {
        const char* command;
        const char* refused;  // arguments the command cannot take
        int code;
    } commands[] = {
        {"info", "", 2},
        {"create", "only-one.json", 2},
        {"calc", "a.qz5 b.qz5", 2},
        {"export", "", 2},
        {"pdf", "", 2},
        {"import-soun", "soun1.dbf", 1},
        {"import-rates", "", 1},
        {"import-2ndfl", "doc.qz5 --person", 2},
    };
    TempDir dir;
    for (const auto& c : commands) {
        SCOPED_TRACE(c.command);
        const CliResult help = RunCli(dir, std::string(c.command) + " --help");
        EXPECT_EQ(help.code, 0);
        EXPECT_EQ(help.out.rfind("Использование: kvarzen-cli " + std::string(c.command), 0), 0u) << help.out;
        EXPECT_EQ(help.err, "");

        const CliResult refused = RunCli(dir, std::string(c.command) + " " + c.refused);
        EXPECT_EQ(refused.code, c.code);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err.rfind("Использование: kvarzen-cli " + std::string(c.command), 0), 0u) << refused.err;
    }
}

}  // namespace
}  // namespace kvz
