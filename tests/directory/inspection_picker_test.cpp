#include <gtest/gtest.h>

#include "directory/inspection_picker.h"

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

}  // namespace
}  // namespace kvz
