#include "directory/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "directory/data_file_error.h"

namespace kvz {

namespace {

std::string SystemReason() { return std::strerror(errno); }

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw EDataFileError(what + path + " (" + SystemReason() + ")");
}

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

// A replaced file keeps the permissions the user gave it.
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

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("Не удалось открыть файл: ", path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) Fail("Ошибка чтения файла: ", path);
    return bytes.str();
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    std::string tempPath;
    int fd = CreateTemporary(path, tempPath);
    if (fd < 0) Fail("Не удалось создать файл рядом с ", path);
    KeepMode(fd, path);
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int savedErrno = errno;
    bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(tempPath.c_str());
        errno = written ? errno : savedErrno;
        Fail("Не удалось записать файл: ", path);
    }
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        savedErrno = errno;
        ::unlink(tempPath.c_str());
        errno = savedErrno;
        Fail("Не удалось заменить файл: ", path);
    }
    SyncFolder(path);
}

}  // namespace kvz
