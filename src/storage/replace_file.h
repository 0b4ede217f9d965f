#pragma once
// Replacing a whole file so that a failure at any point leaves the old file exactly
// as it was: the new bytes go beside it under a temporary name, are flushed to disk
// and only then renamed over it. Nothing is left behind on failure.
#include <string>
#include <string_view>
#include <system_error>

namespace kvz {

// The step that failed, and the system's reason in code().
class EReplaceFileError : public std::system_error {
public:
    enum class Step { CreateTemporary, Write, Rename };
    EReplaceFileError(Step step, int error, const std::string& path)
        : std::system_error(error, std::generic_category(), path), FailedStep(step) {}
    Step FailedStep;
};

// A replaced file keeps its permissions; a new one gets 0666 less the umask.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace kvz
