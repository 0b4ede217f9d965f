#include "export/export_file_writer.h"

#include "export/export_error.h"
#include "storage/replace_file.h"
#include "storage/system_error_text.h"

namespace kvz {

void WriteExportFile(const std::string& path, std::string_view bytes) {
    ReplaceFileContentsOr<EExportWriteFailed>(path, bytes);
}

void ExportFileGroup::Add(const std::string& path, std::string_view bytes) {
    try {
        Files_.Add(path, bytes);
    } catch (const EReplaceFileError& e) {
        throw EExportWriteFailed(WriteFailureText(path, e.code().value()));
    }
    Paths_.push_back(path);
}

std::vector<std::string> ExportFileGroup::Commit() {
    const std::vector<std::optional<EReplaceFileError>> outcomes = Files_.Commit();
    std::vector<std::string> failures(outcomes.size());
    for (std::size_t i = 0; i < outcomes.size(); ++i)
        if (outcomes[i]) failures[i] = WriteFailureText(Paths_[i], outcomes[i]->code().value());
    Paths_.clear();
    return failures;
}

}  // namespace kvz
