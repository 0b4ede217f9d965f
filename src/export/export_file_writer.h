#pragma once
// Writing an export file so that a failure never leaves a partial file under the
// final name: the caller tells success by the file's existence.
#include <string>
#include <string_view>

namespace kvz {

// Writes the bytes beside path under a temporary name, flushes them to disk and
// renames them to path. Throws EExportWriteFailed naming the file and the reason
// in Russian; nothing is left behind then.
void WriteExportFile(const std::string& path, std::string_view bytes);

}  // namespace kvz
