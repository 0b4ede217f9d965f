#pragma once
// Replacing a whole file so that a failure at any point leaves the old file exactly
// as it was: the new bytes go beside it under a temporary name, are flushed to disk
// and only then renamed over it. Nothing is left behind on failure.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "storage/system_error_text.h"

namespace kvz {

// The step that failed, and the system's reason in code().
class EReplaceFileError : public std::system_error {
public:
    // Target: the name is taken by something that is not a plain file (a folder, a
    // device). Lock: another program has the old file open (code() is EWOULDBLOCK).
    enum class Step { Target, Lock, CreateTemporary, Write, Rename };
    EReplaceFileError(Step step, int error, const std::string& path)
        : std::system_error(error, std::generic_category(), path), FailedStep(step) {}
    Step FailedStep;
};

// A replaced file keeps its permissions; a new one gets 0666 less the umask. A path
// that is a symbolic link replaces the file the link points to and keeps the link.
// While the new file is written the old one is held under an exclusive lock, so a
// document that another program is reading is not replaced behind its back.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

// The same, for callers whose failure is an Error built from the text shown to the
// user, which names the file and the reason.
template <class Error>
void ReplaceFileContentsOr(const std::string& path, std::string_view bytes) {
    try {
        ReplaceFileContents(path, bytes);
    } catch (const EReplaceFileError& e) {
        throw Error(WriteFailureText(path, e.code().value()));
    }
}

// Many files replaced with the same promise, but flushed to disk together: a flush
// per file costs a batch far more than its work. Every new file is written under its
// temporary name first, then all of them are flushed (one flush of their file system),
// then each is renamed over its target and every folder is flushed once. A crash at any point leaves each target
// either as it was or whole new, never partial. Until Commit each added file holds
// two descriptors and its old file's lock, so a group should stay small (a hundred).
class ReplaceFileGroup {
public:
    ReplaceFileGroup();
    // Removes the temporary files of whatever was added and not committed.
    ~ReplaceFileGroup();
    ReplaceFileGroup(const ReplaceFileGroup&) = delete;
    ReplaceFileGroup& operator=(const ReplaceFileGroup&) = delete;

    // Writes the bytes beside path under a temporary name; the target is untouched
    // until Commit. Throws EReplaceFileError as ReplaceFileContents does, leaving
    // nothing behind.
    void Add(const std::string& path, std::string_view bytes);
    std::size_t Size() const;

    // One entry per added file, in the order added: empty when the file replaced its
    // target, else why it did not (its temporary file is removed; the others still
    // go ahead). The group is empty afterwards.
    std::vector<std::optional<EReplaceFileError>> Commit();

private:
    struct Staged;
    std::vector<std::unique_ptr<Staged>> Staged_;
};

// Removes from the folder the temporary files that writers killed before their
// rename left behind: plain files of this user named "<name>.tmp<pid>_<n>" (n below
// 100) whose process no longer runs. Nothing else is touched. Returns how many were
// removed. Adding a file to a group does this once a run for the target's folder.
std::size_t RemoveStaleTemporaryFiles(const std::string& folder);

// The file a path finally names once its symbolic links are followed (the path
// itself when it is no link; a dangling link gives the name it points to).
std::string FollowLinks(const std::string& path);

}  // namespace kvz
