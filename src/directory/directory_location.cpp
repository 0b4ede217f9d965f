#include "directory/directory_location.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace kvz {

namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool CanWriteFolder(const std::string& folder) {
    return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// A file that cannot be examined counts as absent.
bool ModifiedTime(const std::string& path, fs::file_time_type& time) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return false;
    time = fs::last_write_time(path, error);
    return !error;
}

}  // namespace

std::string UserDataFolder() {
    // XDG says a relative XDG_DATA_HOME is to be ignored.
    const std::string xdg = Environment("XDG_DATA_HOME");
    if (!xdg.empty() && xdg.front() == '/') return xdg + "/kvarzen/";
    const std::string home = Environment("HOME");
    if (home.empty()) return std::string();
    return home + "/.local/share/kvarzen/";
}

std::string InspectionDirectoryToRead(const std::string& programFolder) {
    const std::string shipped = programFolder + kInspectionsFileName;
    const std::string userFolder = UserDataFolder();
    if (userFolder.empty()) return shipped;
    const std::string own = userFolder + kInspectionsFileName;
    fs::file_time_type ownTime;
    if (!ModifiedTime(own, ownTime)) return shipped;
    fs::file_time_type shippedTime;
    if (!ModifiedTime(shipped, shippedTime)) return own;
    return ownTime >= shippedTime ? own : shipped;
}

std::string InspectionDirectoryToWrite(const std::string& programFolder) {
    if (CanWriteFolder(programFolder)) return programFolder + kInspectionsFileName;
    const std::string userFolder = UserDataFolder();
    if (userFolder.empty()) return std::string();
    std::error_code error;
    fs::create_directories(userFolder, error);
    if (!CanWriteFolder(userFolder)) return std::string();
    return userFolder + kInspectionsFileName;
}

}  // namespace kvz
