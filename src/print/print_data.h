#pragma once
// What the print module receives: the declaration's XML text as the export gives it
// in text mode. The form is drawn from this text alone, so that the paper says
// exactly what the file says, and the barcodes carry the file itself.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/message_error.h"

namespace kvz {

// The text cannot be printed: the export failed or the text is not a declaration.
using EPrintDataError = MessageError<struct PrintDataErrorTag>;

// One element of the declaration file, attributes in file order.
struct FormElement {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Attributes;
    std::vector<FormElement> Children;

    // The attribute's value, or "" when the element has no such attribute.
    const std::string& Value(std::string_view attribute) const;
    // The first child of that name, or null.
    const FormElement* Child(std::string_view name) const;
};

struct PrintData {
    FormElement Root;
    // The declaration file's bytes exactly as the export writes them: windows-1251,
    // the same declaration and indentation.
    std::string FileBytes;
};

inline constexpr const char* kExportFailedText = "ERROR";
inline constexpr const char* kNoDeclarationToPrint =
    "Печатная форма не построена: декларацию не удалось выгрузить в XML. Исправьте ошибку, о которой "
    "сообщила выгрузка, и повторите команду.";

// Reads the export's text. Throws EPrintDataError with kNoDeclarationToPrint for
// "ERROR", or with the reason when the text is not a declaration file.
PrintData ReadPrintData(std::string_view xmlText);

}  // namespace kvz
