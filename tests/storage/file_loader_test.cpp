// The file as a buffer: exclusive access, exact size, and the loader's refusals.
#include <gtest/gtest.h>

#include <cstring>

#include "storage/errors.h"
#include "storage/file_loader.h"
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

TEST(FileLoader, SecondOpenerIsRefusedWithCode21) {
    TempDir dir;
    std::string path = dir.File("busy.qz5");
    kvz::test::WriteFileText(path, "QZSG data");
    mTFileLoader first(path, true, 0);
    try {
        mTFileLoader second(path, true, 0);
        FAIL() << "second opener accepted";
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.Code, 21);
        EXPECT_EQ(std::string(e.what()),
                  "Ошибка чтения файла: " + path + "\rВозможно он занят, или с признаком 'read only'");
    }
    EXPECT_THROW(mTFileLoader(path, false, 10), mEBadStorage);
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
        EXPECT_STREQ(e.what(), "Создаваемый фаил отображения не может быть нулевой длины.");
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
    EXPECT_THROW(mTFileLoader(dir.Path(), true, 0), mEBadStorage);
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
        EXPECT_EQ(e.Code, 21);
    }
}
