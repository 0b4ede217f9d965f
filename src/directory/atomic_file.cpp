#include "directory/atomic_file.h"

#include <sys/stat.h>

#include "directory/data_file_error.h"
#include "storage/input_file.h"
#include "storage/replace_file.h"

namespace kvz {

std::string ReadWholeFile(const std::string& path) {
    try {
        return ReadInputFile(path);
    } catch (const EInputFileError& e) {
        throw EDataFileError(e.what());
    }
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    ReplaceFileContentsOr<EDataFileError>(path, bytes);
}

}  // namespace kvz
