#pragma once
// Certificate files imported into a document file: the document is read, or made
// when there is none yet, the certificates are carried in, and the file is written
// only when something changed, and then atomically. Any refusal leaves the file
// exactly as it was.
#include <optional>
#include <string>
#include <vector>

#include "import/ndfl2_report.h"

namespace kvz {

struct Ndfl2DocumentImport {
    std::string DocumentPath;
    std::vector<std::string> Files;
    std::optional<std::string> PersonKey;  // an ИНН or "Фамилия Имя Отчество ДД.ММ.ГГГГ"
    std::string SchemaPath;                // empty: the program's own
};

// Throws ENdfl2Refused, or the document's own load and save errors.
Ndfl2ImportReport ImportNdfl2IntoDocument(const Ndfl2DocumentImport& request);

}  // namespace kvz
