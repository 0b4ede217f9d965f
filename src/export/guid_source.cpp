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

// The namespace of this program's file identifiers; fixed forever, since changing it
// changes every identifier.
constexpr const char* kFileIdNamespace = "6B0C5E1A-93D4-4F27-B8A1-2E7D40C9F315";

std::string NameBasedGuidText(std::string_view content) {
    uuid_t space;
    uuid_parse(kFileIdNamespace, space);
    uuid_t id;
    uuid_generate_sha1(id, space, content.data(), content.size());
    char text[37];
    uuid_unparse_upper(id, text);
    return text;
}

}  // namespace

void SetGuidSource(GuidSource source) {
    std::lock_guard lock(SourceMutex());
    SourceSlot() = std::move(source);
}

std::string ContentGuidText(std::string_view content) {
    GuidSource source;
    {
        std::lock_guard lock(SourceMutex());
        source = SourceSlot();
    }
    return source ? source() : NameBasedGuidText(content);
}

}  // namespace kvz
