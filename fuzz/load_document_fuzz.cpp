// Any bytes given as a document must end in a loaded declaration or in one of the
// program's storage errors: never a crash, a hang or a read outside the buffer.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/declaration.h"
#include "storage/errors.h"

namespace {

std::string ScratchFile() {
    static std::string path = [] {
        char name[] = "/tmp/kvz-fuzz-XXXXXX";
        int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        return std::string(name);
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = ScratchFile();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
    kvz::mTDeclaration declaration;
    try {
        declaration.LoadFromFile(path);
    } catch (const kvz::mEPrivBase&) {
    }
    return 0;
}
