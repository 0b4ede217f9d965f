#include "directory/atomic_file.h"

#include <sys/stat.h>

#include "directory/data_file_error.h"
#include "storage/input_file.h"
#include "storage/replace_file.h"
#include "storage/system_error_text.h"

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
    try {
        ReplaceFileContents(path, bytes);
    } catch (const EReplaceFileError& e) {
        throw EDataFileError(WriteFailureText(path, e.code().value()));
    }
}

}  // namespace kvz
