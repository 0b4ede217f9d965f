#include "storage/container_file.h"

#include <cerrno>
#include <string_view>
#include <vector>

#include "storage/document_storage.h"
#include "storage/errors.h"
#include "storage/replace_file.h"
#include "storage/system_error_text.h"

namespace kvz {

namespace {

constexpr uint16_t kCodeCannotCreate = 20;
constexpr uint16_t kCodeBusy = 21;
constexpr uint16_t kCodeCannotWrite = 28;

[[noreturn]] void ThrowStorageError(const EReplaceFileError& e, const std::string& path) {
    using Step = EReplaceFileError::Step;
    switch (e.FailedStep) {
    case Step::Lock: throw mEBadStorage(std::string(msg::kWriteFile) + path + msg::kFileBusy, kCodeBusy);
    case Step::Target:
    case Step::CreateTemporary: throw mEBadStorage(WriteFailureText(path, e.code().value()), kCodeCannotCreate);
    case Step::Write:
    case Step::Rename: break;
    }
    throw mEWriteStorage(WriteFailureText(path, e.code().value()), kCodeCannotWrite);
}

}  // namespace

void SaveContainerFile(const std::string& path, uint32_t size, const std::function<void(mTDocumentStorage&)>& write) {
    if (path.empty()) throw mEBadStorage(WriteFailureText(path, ENOENT), kCodeCannotCreate);
    std::vector<uint8_t> bytes(size, 0);
    mTDocumentStorage storage(bytes.data(), size, false);
    write(storage);
    try {
        ReplaceFileContents(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const EReplaceFileError& e) {
        ThrowStorageError(e, path);
    }
}

}  // namespace kvz
