#pragma once
// Runs the built kvarzen-cli as a user would, capturing its output and exit code.
#include <string>

#include <nlohmann/json.hpp>

#include "support/temp_dir.h"

namespace kvz::test {

struct CliResult {
    int code = -1;
    std::string out;
    std::string err;
};

// arguments is shell text; stderr is kept in a file of dir.
CliResult RunCli(const TempDir& dir, const std::string& arguments);

// The JSON that `command FILE` prints (info, calc); a failed run says why on stderr
// and gives what it printed, which then fails to parse.
nlohmann::json CliJson(const TempDir& dir, const std::string& command, const std::string& file);

}  // namespace kvz::test
