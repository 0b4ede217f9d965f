#pragma once
// One file as a contiguous byte buffer of a fixed size: a shared memory mapping of
// the whole file, held under a lock: shared for reading, so that any number of
// readers work together, exclusive for writing, so that a writer is refused while
// anyone else has the file open.
#include <cstdint>
#include <string>

namespace kvz {

class mTFileLoader {
public:
    // Size 0 takes the file's current size. A writable loader creates a missing file
    // and gives it exactly Size bytes (new bytes are zero); a read-only loader never
    // creates anything. Throws mEBadStorage / mEMemoryAllocate with the program's codes.
    mTFileLoader(const std::string& fileName, bool readOnly, uint32_t size);
    ~mTFileLoader();
    mTFileLoader(const mTFileLoader&) = delete;
    mTFileLoader& operator=(const mTFileLoader&) = delete;

    // Releases the buffer and closes the file. For a writable loader the written
    // bytes are flushed to disk first; a failure to do so raises mEWriteStorage.
    // The destructor releases quietly when this was not called.
    void Release();

    const std::string& FileName() const { return FileName_; }
    bool ReadOnly() const { return ReadOnly_; }
    uint8_t* Data() const { return Data_; }
    bool Mapped() const { return Mapped_; }
    uint32_t Size() const { return Size_; }

private:
    void CloseQuietly();

    std::string FileName_;
    bool ReadOnly_ = true;
    uint8_t* Data_ = nullptr;
    bool Mapped_ = false;
    int FileHandle_ = -1;
    uint32_t Size_ = 0;
};

}  // namespace kvz
