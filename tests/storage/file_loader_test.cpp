// The file as a buffer: shared reading, exclusive writing, exact size, and the
// loader's refusals.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "storage/errors.h"
#include "storage/file_loader.h"
#include "storage/replace_file.h"
#include "support/temp_dir.h"

using namespace kvz;
using kvz::test::TempDir;

TEST(FileLoader, WritableLoaderLeavesAFileOfExactlySizeBytes) {
    TempDir dir;
    std::string path = dir.File("a.qz5");
    kvz::test::WriteFileText(path, std::string(500, 'x'));  // longer than the new size
    {
        mTFileLoader loader(path, false, 100);
        ASSERT_TRUE(loader.Mapped());
        std::memcpy(loader.Data(), "QZSG", 4);
        loader.Release();
    }
    auto bytes = kvz::test::ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 100u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "QZSG");

    std::string fresh = dir.File("new.qz5");
    { mTFileLoader loader(fresh, false, 64); }
    auto freshBytes = kvz::test::ReadFileBytes(fresh);
    ASSERT_EQ(freshBytes.size(), 64u);
    EXPECT_EQ(freshBytes[63], 0);
}

namespace {

// Another process holding the file through a loader, as a second instance of the
// program or a parallel kvarzen-cli does, until the test lets it go.
class OtherProcess {
public:
    OtherProcess(const std::string& path, bool readOnly) {
        if (::pipe(ToChild_) != 0 || ::pipe(FromChild_) != 0) throw std::runtime_error("pipe");
        Pid_ = ::fork();
        if (Pid_ == 0) {
            char answer = 'n';
            try {
                mTFileLoader holder(path, readOnly, 0);
                answer = 'y';
                Send(FromChild_[1], answer);
                Receive(ToChild_[0]);
            } catch (...) {
                Send(FromChild_[1], answer);
            }
            ::_exit(0);
        }
        Holding = Receive(FromChild_[0]) == 'y';
    }
    ~OtherProcess() {
        Send(ToChild_[1], 'x');
        ::waitpid(Pid_, nullptr, 0);
        for (int fd : {ToChild_[0], ToChild_[1], FromChild_[0], FromChild_[1]}) ::close(fd);
    }
    bool Holding = false;

private:
    static void Send(int fd, char c) { (void)!::write(fd, &c, 1); }
    static char Receive(int fd) {
        char c = 0;
        return ::read(fd, &c, 1) == 1 ? c : 0;
    }
    int ToChild_[2]{};
    int FromChild_[2]{};
    pid_t Pid_ = -1;
};

uint16_t BusyCode(const std::function<void()>& open) {
    try {
        open();
    } catch (const mEBadStorage& e) {
        EXPECT_NE(std::string(e.what()).find("Возможно он занят"), std::string::npos) << e.what();
        return e.Code;
    }
    return 0;
}

}  // namespace

TEST(FileLoader, ReadersShareTheFileAndAWriterIsRefusedWhileAnyoneHasIt) {
    TempDir dir;
    std::string path = dir.File("shared.qz5");
    kvz::test::WriteFileText(path, "QZSG data");
    {
        OtherProcess reader(path, true);
        ASSERT_TRUE(reader.Holding);
        mTFileLoader second(path, true, 0);  // another reader at the same time
        EXPECT_TRUE(second.Mapped());
        EXPECT_EQ(BusyCode([&] { mTFileLoader writer(path, false, 0); }), 21);
    }
    EXPECT_EQ(kvz::test::ReadFileText(path), "QZSG data");
    {
        OtherProcess writer(path, false);
        ASSERT_TRUE(writer.Holding);
        EXPECT_EQ(BusyCode([&] { mTFileLoader reader(path, true, 0); }), 21);
    }
    mTFileLoader afterwards(path, false, 0);  // everyone has let go
    EXPECT_TRUE(afterwards.Mapped());
}

TEST(FileLoader, AReplaceMeetingAReaderIsRefusedAndChangesNothing) {
    TempDir dir;
    std::string path = dir.File("shared.qz5");
    kvz::test::WriteFileText(path, "QZSG data");
    OtherProcess reader(path, true);
    ASSERT_TRUE(reader.Holding);
    try {
        ReplaceFileContents(path, "new");
        FAIL() << "a file open for reading was replaced";
    } catch (const EReplaceFileError& e) {
        EXPECT_EQ(e.FailedStep, EReplaceFileError::Step::Lock);
    }
    EXPECT_EQ(kvz::test::ReadFileText(path), "QZSG data");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(FileLoader, EmptyMissingAndNonRegularFilesAreRefused) {
    TempDir dir;
    std::string empty = dir.File("empty.qz5");
    kvz::test::WriteFileText(empty, "");
    try {
        mTFileLoader l(empty, true, 0);
        FAIL();
    } catch (const mEMemoryAllocate& e) {
        EXPECT_EQ(e.Code, 25);
        EXPECT_STREQ(e.what(), "Создаваемый файл отображения не может быть нулевой длины.");
    }
    std::string missing = dir.File("missing.qz5");
    try {
        mTFileLoader l(missing, true, 0);
        FAIL();
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.Code, 20);
        EXPECT_EQ(std::string(e.what()), "Ошибка чтения файла: " + missing);
    }
    EXPECT_FALSE(kvz::test::FileExists(missing)) << "reading must not create a file";
    try {
        mTFileLoader folder(dir.Path(), true, 0);
        FAIL();
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(std::string(e.what()), "Ошибка чтения файла: " + dir.Path() + " (указан каталог, а не файл)");
    }
    EXPECT_THROW(mTFileLoader("/dev/zero", true, 0), mEBadStorage);
    EXPECT_THROW(mTFileLoader("", true, 0), mEBadStorage);
}

// Places no file can be written to, whoever runs the program (root included).
TEST(FileLoader, WritingWhereNoFileCanBeIsRefused) {
    TempDir dir;
    const std::string noFolder = dir.File("missing/d.qz5");
    try {
        mTFileLoader l(noFolder, false, 10);
        FAIL() << "a file was opened in a folder that does not exist";
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.Code, 20);
        EXPECT_EQ(std::string(e.what()), "Ошибка чтения файла: " + noFolder);
    }
    try {
        mTFileLoader l(dir.Path(), false, 10);
        FAIL() << "a folder was opened as a document";
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.Code, 20);  // a folder is no file to write, as a missing one
    }
}
