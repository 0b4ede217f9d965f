#include "storage/system_error_text.h"

#include <cerrno>

namespace kvz {

std::string SystemErrorText(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT: return "на диске нет места";
    case EACCES:
    case EPERM: return "нет прав доступа";
    case EROFS: return "диск доступен только для чтения";
    case ENOENT: return "файл или каталог не найден";
    case ENOTDIR: return "в пути к файлу указан не каталог";
    case EISDIR: return "указан каталог, а не файл";
    case EEXIST: return "файл уже существует";
    case EWOULDBLOCK:
    case EBUSY:
    case ETXTBSY: return "файл занят другой программой";
    case EIO: return "ошибка ввода-вывода на диске";
    case ENAMETOOLONG: return "слишком длинное имя файла";
    case ELOOP: return "слишком много символических ссылок в пути";
    case EFBIG: return "файл слишком велик";
    case ENOMEM: return "недостаточно памяти";
    case EMFILE:
    case ENFILE: return "открыто слишком много файлов";
    case EXDEV: return "файл на другом диске";
    case EINVAL: return "недопустимое имя или вид файла";
    default: return "системная ошибка " + std::to_string(error);
    }
}

std::string WriteFailureText(const std::string& path, int error) {
    return "Ошибка записи файла: " + path + " (" + SystemErrorText(error) + ")";
}

std::string ReadFailureText(const std::string& path, int error) {
    return "Ошибка чтения файла: " + path + " (" + SystemErrorText(error) + ")";
}

}  // namespace kvz
