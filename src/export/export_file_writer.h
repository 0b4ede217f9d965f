#pragma once
// Writing an export file so that a failure never leaves a partial file under the
// final name: the caller tells success by the file's existence.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "storage/replace_file.h"

namespace kvz {

// Writes the bytes beside path under a temporary name, flushes them to disk and
// renames them to path. Throws EExportWriteFailed naming the file and the reason
// in Russian; nothing is left behind then.
void WriteExportFile(const std::string& path, std::string_view bytes);

// Export files of a batch, flushed to disk together (see ReplaceFileGroup): a file
// is under its name only once the group is committed.
class ExportFileGroup {
public:
    // Throws EExportWriteFailed as WriteExportFile does. The same file again (one
    // declaration twice: its name comes from its content) is written once.
    void Add(const std::string& path, std::string_view bytes);
    std::size_t Size() const { return Paths_.size(); }
    // One entry per added file, in the order added: empty when the file was
    // written, else WriteExportFile's message. The group is empty afterwards.
    std::vector<std::string> Commit();

private:
    ReplaceFileGroup Files_;
    std::vector<std::string> Paths_;
    std::vector<std::size_t> StagedOf_;  // for each added file, its place in Files_
    std::map<std::string, std::pair<std::size_t, std::string>> Staged_;  // path → place and bytes
};

}  // namespace kvz
