#include "cli/commands.h"

#include <iostream>

namespace kvz::cli {

bool WantsHelp(const Args& args) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

Usage UsageText(const char* text) {
    return [text](std::ostream& out) { out << text; };
}

std::optional<int> HelpOrUsageError(const Args& args, const std::function<bool()>& valid, const Usage& usage,
                                    int refused) {
    if (WantsHelp(args)) {
        usage(std::cout);
        return 0;
    }
    if (valid()) return std::nullopt;
    usage(std::cerr);
    return refused;
}

}  // namespace kvz::cli
