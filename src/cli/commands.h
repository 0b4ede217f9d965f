#pragma once
// The commands of kvarzen-cli. Each takes the arguments after its name and returns
// the process exit code; errors go to stderr with the program's own message.
#include <functional>
#include <iosfwd>
#include <optional>
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
int RunImport2Ndfl(const Args& args);

// True when args hold "--help" or "-h".
bool WantsHelp(const Args& args);

using Usage = std::function<void(std::ostream& out)>;
// A usage text that stands as it is.
Usage UsageText(const char* text);

// What a command does before its work: with "--help" the usage goes to stdout and
// the exit code is 0; arguments that `valid` refuses print it to stderr and give
// `refused`. Nothing when the command goes on.
std::optional<int> HelpOrUsageError(const Args& args, const std::function<bool()>& valid, const Usage& usage,
                                    int refused = 2);

}  // namespace kvz::cli
