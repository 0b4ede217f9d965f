// Replacing a file whole: the new bytes appear at once, a failure changes nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <set>
#include <vector>

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
    // A folder standing where the file should go is refused before anything is
    // written; so is a device, which a rename would replace by a plain file.
    std::string folder = dir.File("taken");
    std::filesystem::create_directory(folder);
    kvz::test::WriteFileText(folder + "/inside", "keep");
    try {
        ReplaceFileContents(folder, "x");
        FAIL();
    } catch (const EReplaceFileError& e) {
        EXPECT_EQ(e.FailedStep, EReplaceFileError::Step::Target);
        EXPECT_EQ(e.code().value(), EISDIR);
    }
    std::string device = dir.File("null");
    std::filesystem::create_symlink("/dev/null", device);
    try {
        ReplaceFileContents(device, "x");
        FAIL();
    } catch (const EReplaceFileError& e) {
        EXPECT_EQ(e.FailedStep, EReplaceFileError::Step::Target);
    }
    std::filesystem::remove(device);
    EXPECT_EQ(kvz::test::ReadFileText(folder + "/inside"), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(ReplaceFile, ALinkKeepsPointingAtTheReplacedFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("real"));
    std::string target = dir.File("real/doc.qz5");
    kvz::test::WriteFileText(target, "old");
    // A relative link to a relative link, as a user's shortcuts are made.
    std::filesystem::create_symlink("real/doc.qz5", dir.File("first"));
    std::filesystem::create_symlink("first", dir.File("link.qz5"));
    ReplaceFileContents(dir.File("link.qz5"), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.qz5")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("first")));
    EXPECT_EQ(kvz::test::ReadFileText(target), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("real")), {}), 1);
    // A dangling link creates the file it names.
    std::filesystem::create_symlink("real/new.qz5", dir.File("dangling"));
    ReplaceFileContents(dir.File("dangling"), "created");
    EXPECT_EQ(kvz::test::ReadFileText(dir.File("real/new.qz5")), "created");
}

namespace {

std::set<std::string> NamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

}  // namespace

// Files flushed together: no target changes before the commit, one that cannot be
// replaced does not hold back the others, and no temporary file outlives the group.
TEST(ReplaceFileGroup, TargetsChangeOnlyAtCommitAndAFailureStaysWithItsFile) {
    TempDir dir;
    const std::string a = dir.File("a.xml"), b = dir.File("b.xml"), c = dir.File("c.xml");
    kvz::test::WriteFileText(a, "old a");
    ::chmod(a.c_str(), 0600);
    {
        ReplaceFileGroup group;
        group.Add(a, "new a");
        group.Add(b, "new b");
        group.Add(c, "new c");
        EXPECT_EQ(group.Size(), 3u);
        EXPECT_EQ(kvz::test::ReadFileText(a), "old a");
        EXPECT_FALSE(kvz::test::FileExists(b));
        // Something takes c's name before the commit: only c fails.
        std::filesystem::create_directory(c);
        const std::vector<std::optional<EReplaceFileError>> outcomes = group.Commit();
        ASSERT_EQ(outcomes.size(), 3u);
        EXPECT_FALSE(outcomes[0]);
        EXPECT_FALSE(outcomes[1]);
        ASSERT_TRUE(outcomes[2]);
        EXPECT_EQ(outcomes[2]->FailedStep, EReplaceFileError::Step::Rename);
        EXPECT_EQ(outcomes[2]->code().value(), EISDIR);
        EXPECT_EQ(group.Size(), 0u);
    }
    EXPECT_EQ(kvz::test::ReadFileText(a), "new a");
    EXPECT_EQ(kvz::test::ReadFileText(b), "new b");
    struct stat st {};
    ASSERT_EQ(::stat(a.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(NamesIn(dir.Path()), (std::set<std::string>{"a.xml", "b.xml", "c.xml"}));

    // A refused file is not added; a group given up before its commit leaves nothing.
    {
        ReplaceFileGroup group;
        group.Add(dir.File("d.xml"), "d");
        EXPECT_THROW(group.Add(c, "x"), EReplaceFileError);
        EXPECT_EQ(group.Size(), 1u);
    }
    EXPECT_EQ(NamesIn(dir.Path()), (std::set<std::string>{"a.xml", "b.xml", "c.xml"}));
    EXPECT_EQ(kvz::test::ReadFileText(a), "new a");
}

// A writer killed before its rename leaves its temporary files; the next write into
// that folder removes those of ended processes and nothing else.
TEST(ReplaceFileGroup, TemporaryFilesOfEndedWritersAreRemovedAndNothingElse) {
    TempDir dir;
    const std::string ended = std::to_string(kvz::test::EndedProcessId());
    const std::string running = std::to_string(::getpid());
    const std::set<std::string> stale = {"NO_NDFL3_1.xml.tmp" + ended + "_0", "NO_NDFL3_2.xml.tmp" + ended + "_99",
                                         "doc.qz5.tmp" + ended + "_7"};
    const std::set<std::string> kept = {
        "a.xml.tmp" + running + "_0",     // its writer still runs
        "a.xml.tmp" + ended + "_100",     // never a name of ours
        "a.xml.tmp0" + ended + "_1",      // nor with a leading zero
        "a.xml.tmp" + ended + "_1.bak",   // a name that only contains the pattern
        ".tmp" + ended + "_1",            // no target's name before it
        "a.xml.tmp" + ended + "-1",
        "a.xml.tmp" + ended + "_",
        "a.xml.TMP" + ended + "_1",
        "notes.txt",
    };
    for (const std::string& name : stale) kvz::test::WriteFileText(dir.File(name), "partial");
    for (const std::string& name : kept) kvz::test::WriteFileText(dir.File(name), "keep");
    std::filesystem::create_directory(dir.File("folder.tmp" + ended + "_0"));
    std::filesystem::create_symlink("notes.txt", dir.File("link.tmp" + ended + "_0"));

    EXPECT_EQ(RemoveStaleTemporaryFiles(dir.Path()), stale.size());
    for (const std::string& name : stale) kvz::test::WriteFileText(dir.File(name), "partial");
    ReplaceFileContents(dir.File("new.xml"), "new");

    std::set<std::string> expected = kept;
    expected.insert({"new.xml", "folder.tmp" + ended + "_0", "link.tmp" + ended + "_0"});
    EXPECT_EQ(NamesIn(dir.Path()), expected);
    for (const std::string& name : kept) EXPECT_EQ(kvz::test::ReadFileText(dir.File(name)), "keep") << name;
}
