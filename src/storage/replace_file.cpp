#include "storage/replace_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <dirent.h>
#include <signal.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <set>

namespace kvz {

namespace {

using Step = EReplaceFileError::Step;

// The kernel's own limit on links followed in one path.
constexpr int kMaxLinks = 40;

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

constexpr const char* kTemporaryMark = ".tmp";
constexpr int kTemporaryAttempts = 100;

// A new file beside the target that nobody else uses: O_EXCL refuses an existing
// name, so another writer's temporary file is never taken over.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        tempPath = path + kTemporaryMark + std::to_string(::getpid()) + "_" + std::to_string(attempt);
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// A decimal number without a leading zero, of at most maxDigits digits.
std::optional<long> DecimalNumber(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits || (text.size() > 1 && text[0] == '0')) return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The writer's process of a name CreateTemporary gives ("<name>.tmp<pid>_<n>"), or
// nothing for any other name.
std::optional<pid_t> TemporaryWriter(std::string_view name) {
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string_view::npos || mark == 0) return std::nullopt;
    const std::string_view rest = name.substr(mark + std::char_traits<char>::length(kTemporaryMark));
    const std::size_t underscore = rest.find('_');
    if (underscore == std::string_view::npos) return std::nullopt;
    const std::optional<long> pid = DecimalNumber(rest.substr(0, underscore), 9);
    const std::optional<long> attempt = DecimalNumber(rest.substr(underscore + 1), 2);
    if (!pid || *pid <= 0 || !attempt || *attempt >= kTemporaryAttempts) return std::nullopt;
    return static_cast<pid_t>(*pid);
}

// A process of another user counts as running: it cannot be signalled, but it exists.
bool ProcessRuns(pid_t pid) { return ::kill(pid, 0) == 0 || errno != ESRCH; }

// Each folder is cleaned once a run: the files a run leaves behind are only those of
// writers that died before it, and a batch adds many files to one folder.
bool FirstTimeIn(const std::string& folder) {
    static std::mutex mutex;
    static std::set<std::string> cleaned;
    std::lock_guard<std::mutex> lock(mutex);
    return cleaned.insert(folder).second;
}

void SyncFolder(const std::string& folder) {
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;  // the rename is done; a folder that cannot be opened only loses durability
    ::fsync(dir);
    ::close(dir);
}

// The old file, held under an exclusive lock from before the new one is written
// until after it has replaced it. A file that cannot be opened has no reader to
// protect, and a missing one nothing to keep.
class OldFileLock {
public:
    // `shown` is the name the caller gave, used in the errors.
    OldFileLock(const std::string& path, const std::string& shown) {
        Fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (Fd_ < 0) {
            struct stat st {};
            if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
                throw EReplaceFileError(Step::Target, S_ISDIR(st.st_mode) ? EISDIR : EINVAL, shown);
            return;
        }
        struct stat st {};
        if (::fstat(Fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
            int error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
            Close();
            throw EReplaceFileError(Step::Target, error, shown);
        }
        if (::flock(Fd_, LOCK_EX | LOCK_NB) != 0) {
            Close();
            throw EReplaceFileError(Step::Lock, EWOULDBLOCK, shown);
        }
        Mode_ = st.st_mode & 07777;
    }
    ~OldFileLock() { Close(); }
    OldFileLock(const OldFileLock&) = delete;
    OldFileLock& operator=(const OldFileLock&) = delete;

    // The old file's permissions for its successor.
    void KeepModeOn(int fd) const {
        if (Fd_ >= 0) ::fchmod(fd, Mode_);
    }

private:
    void Close() {
        if (Fd_ >= 0) ::close(Fd_);
        Fd_ = -1;
    }
    int Fd_ = -1;
    mode_t Mode_ = 0;
};

// Flushes the files of a group to disk; per file 0 or the error that stops it. One
// file gets its own flush. Several get one flush of each file system they lie on:
// every single flush also empties the disk's cache, so a flush a file cost a batch
// as much as it did without the group. A failed flush of a file system fails every
// file on it, as none of them can be vouched for.
std::vector<int> FlushFiles(const std::vector<int>& fds) {
    std::vector<int> errors(fds.size(), 0);
    if (fds.size() == 1) {
        if (::fsync(fds[0]) != 0) errors[0] = errno;
        return errors;
    }
    std::map<dev_t, int> systems;  // file system, its flush's error
    std::vector<dev_t> devices(fds.size());
    for (std::size_t i = 0; i < fds.size(); ++i) {
        struct stat st {};
        if (::fstat(fds[i], &st) != 0) {
            errors[i] = errno;
            continue;
        }
        devices[i] = st.st_dev;
        if (!systems.count(st.st_dev)) systems[st.st_dev] = ::syncfs(fds[i]) == 0 ? 0 : errno;
    }
    for (std::size_t i = 0; i < fds.size(); ++i)
        if (errors[i] == 0) errors[i] = systems[devices[i]];
    return errors;
}

}  // namespace

std::size_t RemoveStaleTemporaryFiles(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return 0;  // the write that follows reports the folder's own trouble
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const std::optional<pid_t> writer = TemporaryWriter(entry->d_name);
        if (!writer || ProcessRuns(*writer)) continue;
        // Only a plain file of this user: never a folder, a link or another's file.
        const std::string path = folder + "/" + entry->d_name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) stale.push_back(path);
    }
    ::closedir(dir);
    std::size_t removed = 0;
    for (const std::string& path : stale)
        if (::unlink(path.c_str()) == 0) ++removed;
    return removed;
}

std::string FollowLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        char target[PATH_MAX];
        ssize_t n = ::readlink(current.c_str(), target, sizeof target - 1);
        if (n <= 0) return current;
        std::string next(target, static_cast<std::size_t>(n));
        current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
    }
    return current;
}

// A new file beside its target, written but not yet flushed or renamed.
struct ReplaceFileGroup::Staged {
    Staged(const std::string& requested, const std::string& target) : Requested(requested), Path(target), Old(target, requested) {}
    ~Staged() {
        // Only a file that never reached its target is left to remove.
        if (Fd >= 0) ::close(Fd);
        if (!TempPath.empty()) ::unlink(TempPath.c_str());
    }
    // Removes the temporary file and gives the error of the failed step.
    EReplaceFileError Fail(Step step, int error) {
        if (Fd >= 0) ::close(Fd);
        Fd = -1;
        ::unlink(TempPath.c_str());
        TempPath.clear();
        return EReplaceFileError(step, error, Requested);
    }

    std::string Requested;  // the name the caller gave, for the errors
    std::string Path;       // the file finally replaced
    OldFileLock Old;
    std::string TempPath;
    int Fd = -1;
};

ReplaceFileGroup::ReplaceFileGroup() = default;
ReplaceFileGroup::~ReplaceFileGroup() = default;

std::size_t ReplaceFileGroup::Size() const { return Staged_.size(); }

void ReplaceFileGroup::Add(const std::string& requestedPath, std::string_view bytes) {
    auto staged = std::make_unique<Staged>(requestedPath, FollowLinks(requestedPath));
    if (const std::string folder = FolderOf(staged->Path); FirstTimeIn(folder)) RemoveStaleTemporaryFiles(folder);
    staged->Fd = CreateTemporary(staged->Path, staged->TempPath);
    if (staged->Fd < 0) {
        const int error = errno;
        staged->TempPath.clear();
        throw EReplaceFileError(Step::CreateTemporary, error, requestedPath);
    }
    staged->Old.KeepModeOn(staged->Fd);
    if (!WriteAll(staged->Fd, bytes)) throw staged->Fail(Step::Write, errno);
    // Starts the way to disk without waiting, so that the flushes of a group overlap.
    ::sync_file_range(staged->Fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    Staged_.push_back(std::move(staged));
}

std::vector<std::optional<EReplaceFileError>> ReplaceFileGroup::Commit() {
    std::vector<std::optional<EReplaceFileError>> outcomes(Staged_.size());
    // Every file on disk before any is renamed: a target never names a partial file.
    std::vector<int> fds;
    for (const auto& s : Staged_) fds.push_back(s->Fd);
    const std::vector<int> flushErrors = FlushFiles(fds);
    for (std::size_t i = 0; i < Staged_.size(); ++i) {
        Staged& s = *Staged_[i];
        int error = flushErrors[i];
        const bool closed = ::close(s.Fd) == 0;
        if (!closed && error == 0) error = errno;
        s.Fd = -1;
        if (error != 0) outcomes[i] = s.Fail(Step::Write, error);
    }
    std::set<std::string> folders;
    for (std::size_t i = 0; i < Staged_.size(); ++i) {
        Staged& s = *Staged_[i];
        if (outcomes[i]) continue;
        if (::rename(s.TempPath.c_str(), s.Path.c_str()) != 0) {
            outcomes[i] = s.Fail(Step::Rename, errno);
            continue;
        }
        s.TempPath.clear();
        folders.insert(FolderOf(s.Path));
    }
    for (const std::string& folder : folders) SyncFolder(folder);
    Staged_.clear();
    return outcomes;
}

void ReplaceFileContents(const std::string& requestedPath, std::string_view bytes) {
    ReplaceFileGroup group;
    group.Add(requestedPath, bytes);
    std::optional<EReplaceFileError> failure = std::move(group.Commit().front());
    if (failure) throw *failure;
}

}  // namespace kvz
