#include <gtest/gtest.h>

#include <algorithm>

#include "directory/inspection_directory.h"
#include "directory/inspection_picker.h"
#include "model/pick_list_filter.h"

namespace kvz {
namespace {

InspectionPicker Picker() {
    return InspectionPicker({{"0101", "Первая"}, {"0102", "Вторая"}, {"0102", "Вторая, дубль"}, {"7701", "Москва"}});
}

TEST(InspectionPickerTest, PreselectMarksTheFirstRowWithTheCode) {
    InspectionPicker picker = Picker();
    picker.Preselect("0102");
    EXPECT_EQ(picker.FocusedRow(), 1u);
    EXPECT_EQ(picker.SelectedCode(), "0102");
    EXPECT_EQ(picker.SelectedName(), "Вторая");
}

TEST(InspectionPickerTest, UnknownCodeMarksNothingAndComesBackUnchanged) {
    InspectionPicker picker = Picker();
    picker.SelectRow(3);
    picker.Preselect("9999");
    EXPECT_FALSE(picker.FocusedRow().has_value());
    EXPECT_EQ(picker.SelectedCode(), "9999");
    EXPECT_EQ(picker.SelectedName(), "");  // not the name of the row chosen before
    picker.Preselect("");
    EXPECT_FALSE(picker.FocusedRow().has_value());
    EXPECT_EQ(picker.SelectedCode(), "");
}

TEST(InspectionPickerTest, SelectingARowTakesItsCodeAndName) {
    InspectionPicker picker = Picker();
    picker.SelectRow(2);
    EXPECT_EQ(picker.FocusedRow(), 2u);
    EXPECT_EQ(picker.SelectedCode(), "0102");
    EXPECT_EQ(picker.SelectedName(), "Вторая, дубль");
    picker.SelectRow(4);  // past the end: nothing changes
    EXPECT_EQ(picker.FocusedRow(), 2u);
    EXPECT_EQ(picker.SelectedCode(), "0102");
}

using Rows = std::vector<std::size_t>;

TEST(PickListFilterTest, CodeFromItsStartOrEveryWordOfTheNameAnywhereInAnyCase) {
    const InspectionPicker picker({{"7701", "Инспекция ФНС России № 1 по г. Москве"},
                                   {"7710", "Инспекция ФНС России № 10 по г. Москве"},
                                   {"5001", "ИФНС по г. Балашиха Московской области"},
                                   {"0177", "Межрайонная инспекция по Республике Адыгея"},
                                   {"2901", "Инспекция по г. Архангельску ЁЛКИНО"}});
    const PickListFilter filter(picker);
    EXPECT_EQ(filter.Matching(""), (Rows{0, 1, 2, 3, 4}));
    EXPECT_EQ(filter.Matching("   "), (Rows{0, 1, 2, 3, 4}));
    EXPECT_EQ(filter.Matching("77"), (Rows{0, 1}));  // a code from its start only: not 0177
    EXPECT_EQ(filter.Matching(" 7710 "), (Rows{1}));
    EXPECT_EQ(filter.Matching("770100"), Rows{});
    EXPECT_EQ(filter.Matching("МОСК"), (Rows{0, 1, 2}));
    EXPECT_EQ(filter.Matching("москв"), (Rows{0, 1}));
    EXPECT_EQ(filter.Matching("балашиха"), (Rows{2}));
    EXPECT_EQ(filter.Matching("москв № 10"), (Rows{1}));  // every word, in any order
    EXPECT_EQ(filter.Matching("10  москве"), (Rows{1}));
    EXPECT_EQ(filter.Matching("адыгея межрайонная"), (Rows{3}));
    EXPECT_EQ(filter.Matching("елкино"), (Rows{4}));  // "ё" is found as "е"
    EXPECT_EQ(filter.Matching("Ёлкино"), (Rows{4}));
    EXPECT_EQ(filter.Matching("ифнс россии"), Rows{});
    EXPECT_EQ(filter.Matching("ЯЯЯ"), Rows{});
    EXPECT_EQ(SearchFolded("  АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ  QWERTY\t1 "),
              "абвгдеежзийклмнопрстуфхцчшщъыьэюя qwerty 1");
}

TEST(PickListFilterTest, TheWholeInspectionDirectoryIsSearchedByName) {
    const InspectionDirectory directory = ReadInspectionDirectory(KVZ_SOURCE_DIR "/data/InspectionNumbers.xml");
    ASSERT_GT(directory.Entries.size(), 3000u);
    const InspectionPicker picker(directory);
    const PickListFilter filter(picker);
    const Rows rows = filter.Matching("инспекция № 24 по г. москве");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(picker.RowCode(rows[0]), "7724");
    // Digits find the codes that begin with them and the names that hold them.
    const Rows found = filter.Matching("77");
    std::size_t moscow = 0;
    for (std::size_t row = 0; row < picker.RowCount(); ++row) {
        const bool listed = std::find(found.begin(), found.end(), row) != found.end();
        const bool expected = picker.RowCode(row).rfind("77", 0) == 0 || picker.RowName(row).find("77") != std::string::npos;
        EXPECT_EQ(listed, expected) << picker.RowCode(row);
        moscow += picker.RowCode(row).rfind("77", 0) == 0;
    }
    EXPECT_GT(moscow, 30u);
}

}  // namespace
}  // namespace kvz
