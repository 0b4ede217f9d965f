#pragma once
// The commands of kvarzen-cli. Each takes the arguments after its name and returns
// the process exit code; errors go to stderr with the program's own message.
#include <string>
#include <vector>

namespace kvz::cli {

using Args = std::vector<std::string>;

int RunInfo(const Args& args);
int RunCreate(const Args& args);
int RunCalc(const Args& args);
int RunCheck(const Args& args);
int RunExport(const Args& args);
int RunPdf(const Args& args);
int RunImportSoun(const Args& args);
int RunImportRates(const Args& args);

// True when args hold "--help" or "-h".
bool WantsHelp(const Args& args);

}  // namespace kvz::cli
