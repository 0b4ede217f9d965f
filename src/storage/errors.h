#pragma once
// Storage errors. Each carries the number of the place where it was raised (Code)
// and the number of the outer layer that passed it on (Place), so that a message
// shown to the user can be traced to the exact read or write that failed.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "storage/message_error.h"

namespace kvz {

class mEPrivBase : public std::runtime_error {
public:
    mEPrivBase(const std::string& message, uint16_t code) : std::runtime_error(message), Code(code) {}
    uint16_t Code = 0;
    uint16_t Place = 0;
};

#define KVZ_STORAGE_ERROR(Name)                                                        \
    class Name : public mEPrivBase {                                                   \
    public:                                                                            \
        Name(const std::string& message, uint16_t code) : mEPrivBase(message, code) {} \
    }

KVZ_STORAGE_ERROR(mEMemoryAllocate);
KVZ_STORAGE_ERROR(mEWriteStorage);
KVZ_STORAGE_ERROR(mEBadStorage);
KVZ_STORAGE_ERROR(mEAlreadyCreated);
KVZ_STORAGE_ERROR(mEObjectAccess);
KVZ_STORAGE_ERROR(mEOpenStream);

#undef KVZ_STORAGE_ERROR

// A text that should hold a number or a date but does not.
using EConvertError = MessageError<struct ConvertErrorTag>;

// A text that cannot be written in the windows-1251 code page.
using EEncodingError = MessageError<struct EncodingErrorTag>;

// The program's messages for storage failures.
namespace msg {
inline constexpr const char* kBadFormat = "Неправильный формат файла декларации, возможно он поврежден.";
inline constexpr const char* kReadFile = "Ошибка чтения файла: ";
inline constexpr const char* kWriteFile = "Ошибка записи файла: ";
inline constexpr const char* kFileBusy = "\rВозможно он занят, или с признаком 'read only'";
inline constexpr const char* kZeroSize = "Создаваемый файл отображения не может быть нулевой длины.";
inline constexpr const char* kNoMapping = "Не удается создать отображение файла.";
inline constexpr const char* kNoMemory = "Не выделена память.";
inline constexpr const char* kReadOnly = "Попытка записи в память только для чтения";
inline constexpr const char* kAlreadyCreated = "Объект уже был создан.";
inline constexpr const char* kNotInitialised = "Попытка доступа к неинициализированным данным.";
inline constexpr const char* kNoStream = "Попытка открытия несуществующего потока";
inline constexpr const char* kOutOfMemory = "Недостаточно свободной памяти.";
inline constexpr const char* kPastEnd = "Попытка записи за пределы файла декларации.";
inline constexpr const char* kTextTooLong = "Текст длиннее 9999 байт не может быть сохранен в файле декларации: ";
}  // namespace msg

}  // namespace kvz
