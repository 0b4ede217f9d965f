#include "export/export_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace kvz {

namespace {

std::string Reason(int error) {
    switch (error) {
    case EACCES:
    case EPERM: return "нет прав на запись в каталог";
    case ENOSPC:
    case EDQUOT: return "на диске нет места";
    case EROFS: return "диск доступен только для чтения";
    case ENOENT:
    case ENOTDIR: return "каталог не найден";
    default: return std::strerror(error);
    }
}

[[noreturn]] void Fail(const std::string& path, int error) {
    throw std::runtime_error("Не удалось записать файл " + path + ": " + Reason(error));
}

void WriteAll(int fd, std::string_view bytes, const std::string& path, const std::string& temporary) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(temporary.c_str());
            Fail(path, error);
        }
        written += static_cast<std::size_t>(n);
    }
}

}  // namespace

void WriteExportFile(const std::string& path, std::string_view bytes) {
    std::string pattern = path + ".part-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) Fail(path, errno);
    const std::string temporary(name.data());
    ::fchmod(fd, 0644);
    WriteAll(fd, bytes, path, temporary);
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    const int closed = ::close(fd) == 0 ? 0 : errno;
    if (synced != 0 || closed != 0) {
        ::unlink(temporary.c_str());
        Fail(path, synced != 0 ? synced : closed);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        Fail(path, error);
    }
}

}  // namespace kvz
