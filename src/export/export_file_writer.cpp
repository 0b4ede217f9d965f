#include "export/export_file_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "storage/replace_file.h"

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

}  // namespace

void WriteExportFile(const std::string& path, std::string_view bytes) {
    try {
        ReplaceFileContents(path, bytes);
    } catch (const EReplaceFileError& e) {
        Fail(path, e.code().value());
    }
}

}  // namespace kvz
