#pragma once
// A temporary folder that disappears with the test.
#include <string>
#include <vector>

namespace kvz::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return Path_; }
    std::string File(const std::string& name) const { return Path_ + "/" + name; }

private:
    std::string Path_;
};

std::vector<unsigned char> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
void WriteFileText(const std::string& path, const std::string& text);
std::string ReadFileText(const std::string& path);
bool FileExists(const std::string& path);

// The id of a process that has ended, as a writer killed mid-way leaves in the names
// of its temporary files.
int EndedProcessId();

}  // namespace kvz::test
