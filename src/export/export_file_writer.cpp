#include "export/export_file_writer.h"

#include "export/export_error.h"
#include "storage/replace_file.h"

namespace kvz {

void WriteExportFile(const std::string& path, std::string_view bytes) {
    ReplaceFileContentsOr<EExportWriteFailed>(path, bytes);
}

}  // namespace kvz
