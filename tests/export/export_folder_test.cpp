// The folder rules of the export command.
#include <gtest/gtest.h>

#include "export/export_folder.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

struct PickerCall {
    std::string Title, Root, Preselected;
};

FolderPicker Picker(std::vector<PickerCall>& calls, std::optional<std::string> answer) {
    return [&calls, answer](const std::string& title, const std::string& root, const std::string& preselected) {
        calls.push_back({title, root, preselected});
        return answer;
    };
}

TEST(ExportFolder, AnExistingPresetIsOfferedAndTheChoiceComesBack) {
    test::TempDir dir;
    std::vector<PickerCall> calls;
    std::string folder = dir.Path();
    EXPECT_TRUE(BrowseForFolder("Кварзен 2015", "", folder, Picker(calls, std::string("/home/user/Документы"))));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Title, "Кварзен 2015");
    EXPECT_EQ(calls[0].Preselected, dir.Path());
    EXPECT_EQ(folder, "/home/user/Документы");
    EXPECT_EQ(ExportTargetFolder(folder), "/home/user/Документы/");
}

TEST(ExportFolder, AMissingPresetIsDroppedAndCancelKeepsItDropped) {
    test::TempDir dir;
    std::vector<PickerCall> calls;
    std::string folder = dir.File("absent");
    EXPECT_FALSE(BrowseForFolder("Кварзен 2015", "", folder, Picker(calls, std::nullopt)));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Preselected, "");
    EXPECT_EQ(folder, "");
    // A file is not a folder either.
    test::WriteFileText(dir.File("plain.txt"), "x");
    folder = dir.File("plain.txt");
    EXPECT_EQ(ExistingFolderOrEmpty(folder), "");
}

}  // namespace
}  // namespace kvz
