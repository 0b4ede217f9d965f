#include "export/guid_source.h"

#include <uuid/uuid.h>

#include <mutex>

namespace kvz {

namespace {

std::mutex& SourceMutex() {
    static std::mutex mutex;
    return mutex;
}

GuidSource& SourceSlot() {
    static GuidSource source;
    return source;
}

std::string PlatformGuidText() {
    uuid_t id;
    uuid_generate(id);
    char text[37];
    uuid_unparse_upper(id, text);
    return text;
}

}  // namespace

void SetGuidSource(GuidSource source) {
    std::lock_guard lock(SourceMutex());
    SourceSlot() = std::move(source);
}

std::string NewGuidText() {
    GuidSource source;
    {
        std::lock_guard lock(SourceMutex());
        source = SourceSlot();
    }
    return source ? source() : PlatformGuidText();
}

}  // namespace kvz
