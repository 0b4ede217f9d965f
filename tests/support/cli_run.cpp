#include "support/cli_run.h"

#include <sys/wait.h>

#include <cstdio>

namespace kvz::test {

CliResult RunCli(const TempDir& dir, const std::string& arguments) {
    const std::string errFile = dir.File("stderr.txt");
    const std::string command = std::string(KVZ_BIN_DIR) + "/kvarzen-cli " + arguments + " 2>" + errFile;
    CliResult r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = FileExists(errFile) ? ReadFileText(errFile) : "";
    return r;
}

nlohmann::json CliJson(const TempDir& dir, const std::string& command, const std::string& file) {
    const CliResult r = RunCli(dir, command + " " + file);
    if (r.code != 0) std::fprintf(stderr, "%s %s: %s\n", command.c_str(), file.c_str(), r.err.c_str());
    return nlohmann::json::parse(r.out);
}

}  // namespace kvz::test
