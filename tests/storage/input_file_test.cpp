// Input files handed to the program are read only when they are plain files of a
// sane size: a device, a pipe or a folder is refused at once, never read until the
// memory runs out or waited on forever.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "storage/input_file.h"
#include "support/temp_dir.h"

using namespace kvz;
using kvz::test::TempDir;

namespace {

std::string Refusal(const std::string& path, std::size_t limit = kMaxInputFileBytes) {
    try {
        ReadInputFile(path, limit);
    } catch (const EInputFileError& e) {
        return e.what();
    }
    return "read";
}

}  // namespace

TEST(InputFile, OnlyPlainFilesUpToTheLimitAreRead) {
    TempDir dir;
    const std::string path = dir.File("in.json");
    kvz::test::WriteFileText(path, std::string("{}\0x", 4));
    EXPECT_EQ(ReadInputFile(path), std::string("{}\0x", 4));
    EXPECT_EQ(ReadInputFile(path, 4), std::string("{}\0x", 4));
    EXPECT_EQ(Refusal(path, 3), "Файл " + path + " слишком велик: 4 байт, допускается не более 3 байт");

    EXPECT_EQ(Refusal("/dev/zero"), "Ошибка чтения файла: /dev/zero (это не обычный файл, а устройство или канал)");
    EXPECT_EQ(Refusal(dir.Path()), "Ошибка чтения файла: " + dir.Path() + " (указан каталог, а не файл)");
    EXPECT_EQ(Refusal(dir.File("missing")), "Ошибка чтения файла: " + dir.File("missing") + " (файл или каталог не найден)");
    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(Refusal(pipe), "Ошибка чтения файла: " + pipe + " (это не обычный файл, а устройство или канал)");
}
