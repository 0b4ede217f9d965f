#include "storage/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kvz {

namespace {

using Step = EReplaceFileError::Step;

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

void KeepMode(int fd, const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
}

void SyncFolder(const std::string& path) {
    int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;  // the rename is done; a folder that cannot be opened only loses durability
    ::fsync(dir);
    ::close(dir);
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    std::string tempPath;
    int fd = CreateTemporary(path, tempPath);
    if (fd < 0) throw EReplaceFileError(Step::CreateTemporary, errno, path);
    KeepMode(fd, path);
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    bool closed = ::close(fd) == 0;
    if (!closed && written) error = errno;
    if (!written || !closed) {
        ::unlink(tempPath.c_str());
        throw EReplaceFileError(Step::Write, error, path);
    }
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        error = errno;
        ::unlink(tempPath.c_str());
        throw EReplaceFileError(Step::Rename, error, path);
    }
    SyncFolder(path);
}

}  // namespace kvz
