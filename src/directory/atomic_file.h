#pragma once
// Whole-file reads and replacing writes for the directory files. A replacing write
// puts the new contents beside the old file under a temporary name, flushes them to
// disk and only then renames them over the old file, so a failure at any point
// leaves the old file exactly as it was.
#include <string>
#include <string_view>

namespace kvz {

// Throws EDataFileError naming the file and the reason; a file that is not a plain
// file or is larger than kMaxInputFileBytes is refused without reading it.
std::string ReadWholeFile(const std::string& path);
bool PathExists(const std::string& path);

// Throws EDataFileError naming the file; the old file is then untouched.
void ReplaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace kvz
