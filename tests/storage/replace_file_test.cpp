// Replacing a file whole: the new bytes appear at once, a failure changes nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "storage/replace_file.h"
#include "support/temp_dir.h"

using namespace kvz;
using kvz::test::TempDir;

TEST(ReplaceFile, NewBytesReplaceTheOldAndTheModeIsKept) {
    TempDir dir;
    std::string path = dir.File("directory.xml");
    kvz::test::WriteFileText(path, "old");
    ::chmod(path.c_str(), 0600);
    ReplaceFileContents(path, "new contents");
    EXPECT_EQ(kvz::test::ReadFileText(path), "new contents");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(ReplaceFile, AFailedReplaceNamesTheStepAndLeavesNothing) {
    TempDir dir;
    std::string missingFolder = dir.File("absent/file.xml");
    try {
        ReplaceFileContents(missingFolder, "x");
        FAIL();
    } catch (const EReplaceFileError& e) {
        EXPECT_EQ(e.FailedStep, EReplaceFileError::Step::CreateTemporary);
        EXPECT_EQ(e.code().value(), ENOENT);
    }
    // A folder standing where the file should go: the rename fails, the folder stays.
    std::string folder = dir.File("taken");
    std::filesystem::create_directory(folder);
    kvz::test::WriteFileText(folder + "/inside", "keep");
    try {
        ReplaceFileContents(folder, "x");
        FAIL();
    } catch (const EReplaceFileError& e) {
        EXPECT_EQ(e.FailedStep, EReplaceFileError::Step::Rename);
    }
    EXPECT_EQ(kvz::test::ReadFileText(folder + "/inside"), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}
