#include "cli/commands.h"

namespace kvz::cli {

bool WantsHelp(const Args& args) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

}  // namespace kvz::cli
