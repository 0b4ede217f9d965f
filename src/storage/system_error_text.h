#pragma once
// The system's reasons for a failed file operation, said in Russian. Every message
// that names a file and why it could not be read or written takes its reason here,
// so the user never sees the system's English texts.
#include <string>

namespace kvz {

// "на диске нет места", "нет прав доступа", …; an unusual error gives its number.
std::string SystemErrorText(int error);

// "Ошибка записи файла: PATH (reason)".
std::string WriteFailureText(const std::string& path, int error);
// "Ошибка чтения файла: PATH (reason)".
std::string ReadFailureText(const std::string& path, int error);

}  // namespace kvz
