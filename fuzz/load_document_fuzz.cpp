// Any bytes given as a document must end in a loaded declaration or in one of the
// program's storage errors: never a crash, a hang or a read outside the buffer.
// The bytes are loaded from memory, as the loader reads a mapped file.
#include <cstdint>
#include <cstdlib>

#include "model/declaration.h"
#include "storage/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX) return 0;
    kvz::mTDeclaration declaration;
    try {
        declaration.LoadFromBuffer(data, static_cast<uint32_t>(size));
    } catch (const kvz::mEPrivBase&) {
    }
    return 0;
}
