#pragma once
// Saving a container file: the container is written whole in memory and then put in
// place of the old file by one replacing write, so a failure at any point leaves the
// old document as it was, and a document that another program has open for reading
// (under the loader's shared lock) is refused with the busy message.
#include <cstdint>
#include <functional>
#include <string>

namespace kvz {

class mTDocumentStorage;

// `write` fills a writable storage of exactly `size` bytes (the bytes it leaves
// unwritten are zero). Errors: mEBadStorage Code 21 when the file is in use, Code 20
// when the file cannot be created beside the old one (or the name is a folder);
// mEWriteStorage Code 28 when writing or replacing fails; each message names the
// file and the system's reason in Russian.
void SaveContainerFile(const std::string& path, uint32_t size, const std::function<void(mTDocumentStorage&)>& write);

}  // namespace kvz
