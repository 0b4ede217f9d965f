#include "directory/atomic_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "directory/data_file_error.h"
#include "storage/replace_file.h"

namespace kvz {

namespace {

std::string SystemReason() { return std::strerror(errno); }

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw EDataFileError(what + path + " (" + SystemReason() + ")");
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
    try {
        ReplaceFileContents(path, bytes);
    } catch (const EReplaceFileError& e) {
        const char* what = e.FailedStep == EReplaceFileError::Step::CreateTemporary ? "Не удалось создать файл рядом с "
                           : e.FailedStep == EReplaceFileError::Step::Write         ? "Не удалось записать файл: "
                                                                                      : "Не удалось заменить файл: ";
        throw EDataFileError(what + path + " (" + std::strerror(e.code().value()) + ")");
    }
}

}  // namespace kvz
