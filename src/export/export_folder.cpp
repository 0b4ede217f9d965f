#include "export/export_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "export/schema_validation.h"

namespace kvz {

std::string WithTrailingSlash(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') return folder;
    return folder + "/";
}

bool IsExistingDirectory(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ExistingFolderOrEmpty(const std::string& folder) {
    return IsExistingDirectory(folder) ? folder : std::string();
}

std::string ProgramFolder() {
    // The running program's file does not move during the run; every export and
    // check asks for its folder.
    static const std::string folder = [] {
        std::vector<char> buffer(4096);
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
        if (length <= 0) return std::string();
        const std::string path(buffer.data(), static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    }();
    return folder;
}

std::string ProgramFileFolder(const std::string& file, const std::string& installed) {
    const std::string own = ProgramFolder();
    struct stat info {};
    if (own.empty() || ::stat((own + file).c_str(), &info) == 0) return own;
    const std::string there = (std::filesystem::path(own) / installed).lexically_normal().string();
    return IsExistingDirectory(there) ? WithTrailingSlash(there) : own;
}

std::string ProgramDataFolder() { return ProgramFileFolder(kNdfl3SchemaFileName, "../share/kvarzen"); }

bool BrowseForFolder(const std::string& title, const std::string& root, std::string& folder,
                     const FolderPicker& pick) {
    folder = ExistingFolderOrEmpty(folder);
    if (!pick) return false;
    const std::optional<std::string> chosen = pick(title, root, folder);
    if (!chosen) return false;
    folder = *chosen;
    return true;
}

std::string ExportTargetFolder(const std::string& chosen) { return WithTrailingSlash(chosen); }

}  // namespace kvz
