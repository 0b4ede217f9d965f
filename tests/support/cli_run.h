#pragma once
// Runs the built kvarzen-cli as a user would, capturing its output and exit code.
#include <string>

#include "support/temp_dir.h"

namespace kvz::test {

struct CliResult {
    int code = -1;
    std::string out;
    std::string err;
};

// arguments is shell text; stderr is kept in a file of dir.
CliResult RunCli(const TempDir& dir, const std::string& arguments);

}  // namespace kvz::test
