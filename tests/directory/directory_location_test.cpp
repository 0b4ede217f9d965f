// Where a rebuilt inspection directory goes and which copy the next start reads:
// an installed program's folder is read-only, and a later package may ship a newer
// directory than the one the user rebuilt.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "directory/directory_location.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

namespace fs = std::filesystem;

// Points XDG_DATA_HOME at a temporary folder for one test and restores it after.
class UserDataHome {
public:
    explicit UserDataHome(const std::string& path) {
        if (const char* old = std::getenv("XDG_DATA_HOME")) Old_ = old;
        ::setenv("XDG_DATA_HOME", path.c_str(), 1);
    }
    ~UserDataHome() {
        if (Old_) {
            ::setenv("XDG_DATA_HOME", Old_->c_str(), 1);
        } else {
            ::unsetenv("XDG_DATA_HOME");
        }
    }
    UserDataHome(const UserDataHome&) = delete;
    UserDataHome& operator=(const UserDataHome&) = delete;

private:
    std::optional<std::string> Old_;
};

void SetAge(const std::string& path, int secondsAgo) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::seconds(secondsAgo));
}

TEST(DirectoryLocationTest, UserFolderFollowsXdgAndIgnoresARelativeOne) {
    test::TempDir home;
    {
        UserDataHome xdg(home.Path());
        EXPECT_EQ(UserDataFolder(), home.Path() + "/kvarzen/");
    }
    UserDataHome relative("relative/path");
    const char* userHome = std::getenv("HOME");
    if (userHome != nullptr) {
        EXPECT_EQ(UserDataFolder(), std::string(userHome) + "/.local/share/kvarzen/");
    }
}

TEST(DirectoryLocationTest, WritesBesideTheProgramWhenItCanElseInTheUsersFolder) {
    test::TempDir program;
    test::TempDir home;
    UserDataHome xdg(home.Path());
    const std::string programFolder = program.Path() + "/";
    EXPECT_EQ(InspectionDirectoryToWrite(programFolder), programFolder + "InspectionNumbers.xml");

    // A "folder" that is a plain file cannot be written into, whoever runs the test.
    test::WriteFileText(program.File("not-a-folder"), "");
    const std::string written = InspectionDirectoryToWrite(program.File("not-a-folder") + "/");
    EXPECT_EQ(written, home.Path() + "/kvarzen/InspectionNumbers.xml");
    EXPECT_TRUE(fs::is_directory(home.Path() + "/kvarzen"));
}

TEST(DirectoryLocationTest, ReadsTheNewerCopy) {
    test::TempDir program;
    test::TempDir home;
    UserDataHome xdg(home.Path());
    const std::string programFolder = program.Path() + "/";
    const std::string shipped = program.File("InspectionNumbers.xml");
    const std::string own = home.Path() + "/kvarzen/InspectionNumbers.xml";

    // No rebuilt copy: the shipped one, whether or not it exists.
    EXPECT_EQ(InspectionDirectoryToRead(programFolder), shipped);

    fs::create_directories(home.Path() + "/kvarzen");
    test::WriteFileText(own, "rebuilt");
    EXPECT_EQ(InspectionDirectoryToRead(programFolder), own) << "only the user's copy exists";

    test::WriteFileText(shipped, "shipped");
    SetAge(shipped, 3600);
    SetAge(own, 60);
    EXPECT_EQ(InspectionDirectoryToRead(programFolder), own) << "rebuilt after the package";

    SetAge(own, 7200);
    EXPECT_EQ(InspectionDirectoryToRead(programFolder), shipped) << "a later package wins";
}

}  // namespace
}  // namespace kvz
