// The six-level activity classifier picker over the classifier shipped with the program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "directory/activity_picker.h"
#include "directory/data_file_error.h"
#include "storage/encoding.h"

namespace kvz {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const ActivityClassifier& Shipped() {
    static const ActivityClassifier classifier =
        ReadActivityClassifier(std::string(KVZ_SOURCE_DIR) + "/data/Sp_OKVED2.xml");
    return classifier;
}

int RowOf(const ActivityPicker& picker, int level, const std::string& name) {
    std::vector<std::string> names = picker.Names(level);
    auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

void ChooseName(ActivityPicker& picker, int level, const std::string& name) {
    const int row = RowOf(picker, level, name);
    ASSERT_GE(row, 0) << name;
    picker.Choose(level, row);
}

const char* const kAgriculture = "СЕЛЬСКОЕ, ЛЕСНОЕ ХОЗЯЙСТВО, ОХОТА, РЫБОЛОВСТВО И РЫБОВОДСТВО";
const char* const kCrops = "Растениеводство и животноводство, охота и предоставление соответствующих услуг в этих областях";

TEST(ActivityPickerTest, EachChoiceOffersWhatLiesBelowIt) {
    ActivityPicker picker(Shipped());
    EXPECT_EQ(picker.Names(1).size(), 21u);  // sections A … U
    EXPECT_EQ(picker.ChosenRow(1), -1);
    for (int level = 2; level <= kActivityLevels; ++level) EXPECT_THAT(picker.Names(level), ElementsAre("нет"));
    EXPECT_EQ(picker.ChosenCode(), "");

    ChooseName(picker, 1, kAgriculture);
    EXPECT_EQ(picker.ChosenCode(), "A");
    EXPECT_EQ(picker.Names(2).size(), 4u);  // "нет" and classes 01, 02, 03
    EXPECT_EQ(picker.Names(2)[0], "нет");
    EXPECT_GE(RowOf(picker, 6, "Выращивание пшеницы"), 1);  // a deeper level may be picked at once
    EXPECT_EQ(RowOf(picker, 6, "Добыча каменного угля"), -1);

    ChooseName(picker, 2, kCrops);
    ChooseName(picker, 4, "Выращивание зерновых (кроме риса), зернобобовых культур и семян масличных культур");
    EXPECT_EQ(picker.ChosenCode(), "01.11");
    EXPECT_EQ(picker.ChosenKod(), "A01.11");
    EXPECT_EQ(picker.ChosenRow(3), 0);
    EXPECT_EQ(RowOf(picker, 6, "Выращивание пшеницы"), 1);
    EXPECT_EQ(RowOf(picker, 6, "Выращивание картофеля"), -1);  // 01.13.31, not under 01.11

    // "нет" at a level takes back that level and everything below: the lists below
    // it hold "нет" alone, whatever was chosen or offered there.
    ChooseName(picker, 6, "Выращивание пшеницы");
    for (int level : {4, 3, 2}) {
        picker.Choose(level, 0);
        for (int below = level; below <= kActivityLevels; ++below) EXPECT_EQ(picker.ChosenRow(below), 0) << below;
        for (int below = level + 1; below <= kActivityLevels; ++below)
            EXPECT_THAT(picker.Names(below), ElementsAre("нет")) << level << " " << below;
    }
    EXPECT_EQ(picker.ChosenCode(), "A");
    ChooseName(picker, 2, kCrops);
    EXPECT_EQ(picker.ChosenCode(), "01");
    picker.Choose(1, 99);  // no such row: nothing changes
    EXPECT_EQ(picker.ChosenCode(), "01");
}

TEST(ActivityPickerTest, PreselectsThePathToAGivenCode) {
    ActivityPicker picker(Shipped());
    picker.Preselect("01.11.11");
    EXPECT_EQ(picker.ChosenCode(), "01.11.11");
    for (int level = 1; level <= kActivityLevels; ++level) EXPECT_GT(picker.ChosenRow(level), level == 1 ? -1 : 0);
    EXPECT_EQ(picker.Names(6)[picker.ChosenRow(6)], "Выращивание пшеницы");

    ActivityPicker unknown(Shipped());
    unknown.Preselect("99.99.99");
    EXPECT_EQ(unknown.ChosenCode(), "");
}

TEST(ActivityPickerTest, DamagedClassifierNamesTheEntry) {
    auto failure = [](const std::string& item) {
        try {
            ParseActivityClassifier(Utf8ToCp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?><OKVED2>\n" + item +
                                                 "</OKVED2>"),
                                    "Sp_OKVED2.xml");
        } catch (const EDataFileError& e) {
            return std::string(e.what());
        }
        return std::string("parsed");
    };
    EXPECT_THAT(failure("<Item GRUP=\"7\" Kod=\"A\" OKVED=\"A\" Name=\"x\"/>"), HasSubstr("строка 2: неверный уровень"));
    EXPECT_THAT(failure("<Item GRUP=\"1\" OKVED=\"A\" Name=\"x\"/>"), HasSubstr("нет атрибута Kod"));
    EXPECT_THAT(failure("<Item GRUP=\"1\" Kod=\"A\" OKVED=\"A\" Name=\"x\">"), HasSubstr("Sp_OKVED2.xml"));
    EXPECT_EQ(failure("<Item GRUP=\"1\" Kod=\"A\" OKVED=\"A\" Name=\"x\"/>"), "parsed");
}

}  // namespace
}  // namespace kvz
