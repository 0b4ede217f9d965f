#include "storage/replace_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

// A new file beside the target that nobody else uses: O_EXCL refuses an existing
// name, so another writer's temporary file is never taken over.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void SyncFolder(const std::string& path) {
    int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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

}  // namespace

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

void ReplaceFileContents(const std::string& requestedPath, std::string_view bytes) {
    const std::string path = FollowLinks(requestedPath);
    OldFileLock old(path, requestedPath);
    std::string tempPath;
    int fd = CreateTemporary(path, tempPath);
    if (fd < 0) throw EReplaceFileError(Step::CreateTemporary, errno, requestedPath);
    old.KeepModeOn(fd);
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    bool closed = ::close(fd) == 0;
    if (!closed && written) error = errno;
    if (!written || !closed) {
        ::unlink(tempPath.c_str());
        throw EReplaceFileError(Step::Write, error, requestedPath);
    }
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        error = errno;
        ::unlink(tempPath.c_str());
        throw EReplaceFileError(Step::Rename, error, requestedPath);
    }
    SyncFolder(path);
}

}  // namespace kvz
