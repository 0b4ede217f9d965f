#include "storage/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "storage/system_error_text.h"

namespace kvz {

namespace {

[[noreturn]] void Fail(const std::string& path, int error) { throw EInputFileError(ReadFailureText(path, error)); }

class FileHandle {
public:
    explicit FileHandle(int fd) : Fd_(fd) {}
    ~FileHandle() {
        if (Fd_ >= 0) ::close(Fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Get() const { return Fd_; }

private:
    int Fd_;
};

}  // namespace

std::string ReadInputFile(const std::string& path, std::size_t limit) {
    // O_NONBLOCK: opening a pipe must not wait for a writer; it is refused below.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0) Fail(path, errno);
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0) Fail(path, errno);
    if (S_ISDIR(st.st_mode)) Fail(path, EISDIR);
    if (!S_ISREG(st.st_mode))
        throw EInputFileError("Ошибка чтения файла: " + path + " (это не обычный файл, а устройство или канал)");
    if (static_cast<unsigned long long>(st.st_size) > limit)
        throw EInputFileError("Файл " + path + " слишком велик: " + std::to_string(st.st_size) +
                              " байт, допускается не более " + std::to_string(limit) + " байт");
    std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(path, errno);
        }
        if (n == 0) break;  // the file shrank while it was read
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace kvz
