#include "storage/file_loader.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "storage/errors.h"
#include "storage/system_error_text.h"

namespace kvz {

namespace {

[[noreturn]] void ThrowBusy(const std::string& fileName, bool readOnly) {
    throw mEBadStorage(std::string(readOnly ? msg::kReadFile : msg::kWriteFile) + fileName + msg::kFileBusy, 21);
}

}  // namespace

mTFileLoader::mTFileLoader(const std::string& fileName, bool readOnly, uint32_t size)
    : FileName_(fileName), ReadOnly_(readOnly), Size_(size) {
    // A read-only open never creates a file: a mistyped path must not leave an
    // empty document behind.
    struct stat st{};
    bool exists = !fileName.empty() && ::stat(fileName.c_str(), &st) == 0;
    if (!exists && (readOnly || fileName.empty()))
        throw mEBadStorage(std::string(msg::kReadFile) + fileName, 20);

    // Only plain files hold documents; a folder or a device is refused before it is
    // opened (opening a pipe would wait for a writer).
    if (exists && !S_ISREG(st.st_mode))
        throw mEBadStorage(ReadFailureText(fileName, S_ISDIR(st.st_mode) ? EISDIR : EINVAL), 20);
    int flags = readOnly ? O_RDONLY : (O_RDWR | O_CREAT);
    FileHandle_ = ::open(fileName.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0644);
    if (FileHandle_ < 0) {
        if (!exists) throw mEBadStorage(std::string(msg::kReadFile) + fileName, 20);
        ThrowBusy(fileName, readOnly);
    }
    // Readers share the file; a writer has it alone. A reader meeting a writer, or a
    // writer meeting anyone, is refused at once with the busy message.
    if (::flock(FileHandle_, (readOnly ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0 || ::fstat(FileHandle_, &st) != 0 ||
        !S_ISREG(st.st_mode)) {
        CloseQuietly();
        ThrowBusy(fileName, readOnly);
    }
    if (Size_ == 0) {
        if (static_cast<uint64_t>(st.st_size) > std::numeric_limits<uint32_t>::max()) {
            CloseQuietly();
            throw mEMemoryAllocate(msg::kNoMapping, 26);
        }
        Size_ = static_cast<uint32_t>(st.st_size);
    }
    if (Size_ == 0) {
        CloseQuietly();
        throw mEMemoryAllocate(msg::kZeroSize, 25);
    }
    if (!readOnly) {
        // The file gets exactly Size bytes. The blocks are reserved now so that a
        // full disk is reported here instead of faulting while writing the mapping.
        int error = ::ftruncate(FileHandle_, Size_) != 0 ? errno : ::posix_fallocate(FileHandle_, 0, Size_);
        if (error != 0) {
            CloseQuietly();
            throw mEWriteStorage(WriteFailureText(fileName, error), 26);
        }
    } else if (static_cast<uint64_t>(st.st_size) < Size_) {
        // A read-only mapping past the end of the file would fault on access.
        CloseQuietly();
        throw mEMemoryAllocate(msg::kNoMapping, 26);
    }
    int protection = readOnly ? PROT_READ : (PROT_READ | PROT_WRITE);
    void* view = ::mmap(nullptr, Size_, protection, MAP_SHARED, FileHandle_, 0);
    if (view == MAP_FAILED) {
        CloseQuietly();
        throw mEMemoryAllocate(msg::kNoMapping, 27);
    }
    Data_ = static_cast<uint8_t*>(view);
    Mapped_ = true;
}

mTFileLoader::~mTFileLoader() {
    if (Mapped_) {
        if (!ReadOnly_) ::msync(Data_, Size_, MS_SYNC);
        ::munmap(Data_, Size_);
    }
    CloseQuietly();
}

void mTFileLoader::Release() {
    if (!Mapped_) {
        CloseQuietly();
        return;
    }
    int error = 0;
    if (!ReadOnly_ && ::msync(Data_, Size_, MS_SYNC) != 0) error = errno;
    ::munmap(Data_, Size_);
    Data_ = nullptr;
    Mapped_ = false;
    if (!ReadOnly_ && error == 0 && ::fsync(FileHandle_) != 0) error = errno;
    if (FileHandle_ >= 0 && ::close(FileHandle_) != 0 && error == 0) error = errno;
    FileHandle_ = -1;
    if (error != 0) throw mEWriteStorage(WriteFailureText(FileName_, error), 28);
}

void mTFileLoader::CloseQuietly() {
    if (FileHandle_ >= 0) ::close(FileHandle_);
    FileHandle_ = -1;
    Data_ = nullptr;
    Mapped_ = false;
}

}  // namespace kvz
