#include "export/export_file_name.h"

#include "export/export_error.h"
#include "export/export_texts.h"

namespace kvz {

std::string Ndfl3FileIdentifier(const std::string& inspectionCode, const std::string& inn, DateTime date,
                                const std::string& guid) {
    // Blanks count as no ИНН, as they do for the taxpayer block (СведФЛ2).
    const std::string innPart = IsBlankText(inn) ? std::string(kNoInn) : inn;
    return kNdfl3Prefix + inspectionCode + "_" + inspectionCode + "_" + innPart + "_" + IdentifierDateText(date) +
           "_" + guid;
}

std::string Ndfl4FileIdentifier(const std::string& inspectionCode, const std::string& inn, DateTime date,
                                const std::string& guid) {
    return kNdfl4Prefix + inspectionCode + "_" + inspectionCode + "_" + inn + "_" + IdentifierDateText(date) + "_" +
           guid;
}

void CheckFileIdentifier(const std::string& identifier) {
    for (char c : identifier) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < ' ' || byte == 0x7F)
            throw EExportRefused("Имя файла \"" + identifier +
                                 "\" содержит недопустимый символ: проверьте номер инспекции и ИНН");
    }
    if (identifier.find_first_not_of('.') == std::string::npos)
        throw EExportRefused("Недопустимое имя файла \"" + identifier + "\"");
}

}  // namespace kvz
