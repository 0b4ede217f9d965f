#include "export/export_file_writer.h"

#include "export/export_error.h"
#include "storage/replace_file.h"
#include "storage/system_error_text.h"

namespace kvz {

void WriteExportFile(const std::string& path, std::string_view bytes) {
    try {
        ReplaceFileContents(path, bytes);
    } catch (const EReplaceFileError& e) {
        throw EExportWriteFailed(WriteFailureText(path, e.code().value()));
    }
}

}  // namespace kvz
