#include "export/export_file_writer.h"

#include "export/export_error.h"
#include "storage/replace_file.h"
#include "storage/system_error_text.h"

namespace kvz {

void WriteExportFile(const std::string& path, std::string_view bytes) {
    ReplaceFileContentsOr<EExportWriteFailed>(path, bytes);
}

void ExportFileGroup::Add(const std::string& path, std::string_view bytes) {
    if (auto same = Staged_.find(path); same != Staged_.end() && same->second.second == bytes) {
        StagedOf_.push_back(same->second.first);
        Paths_.push_back(path);
        return;
    }
    try {
        Files_.Add(path, bytes);
    } catch (const EReplaceFileError& e) {
        throw EExportWriteFailed(WriteFailureText(path, e.code().value()));
    }
    StagedOf_.push_back(Files_.Size() - 1);
    Staged_.emplace(path, std::make_pair(Files_.Size() - 1, std::string(bytes)));
    Paths_.push_back(path);
}

std::vector<std::string> ExportFileGroup::Commit() {
    const std::vector<std::optional<EReplaceFileError>> outcomes = Files_.Commit();
    std::vector<std::string> failures(Paths_.size());
    for (std::size_t i = 0; i < Paths_.size(); ++i)
        if (const auto& outcome = outcomes.at(StagedOf_[i]))
            failures[i] = WriteFailureText(Paths_[i], outcome->code().value());
    Paths_.clear();
    StagedOf_.clear();
    Staged_.clear();
    return failures;
}

}  // namespace kvz
