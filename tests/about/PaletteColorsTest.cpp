#include "about/PaletteColors.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "about/CColorComboBox.h"
#include "platform/ui/UiTestAccess.h"
#include "platform/ui/qt/ComboBoxControl.h"

namespace {

TEST(PaletteColors, NamedTableFollowsThePaletteWithWhiteSecond) {
    const struct {
        int index;
        const char* name;
        COLORREF color;
    } rows[] = {
        {0, "Black", 0x00000000},   {1, "White", 0x00FFFFFF}, {2, "Maroon", 0x00000080},
        {3, "Green", 0x00008000},   {4, "Olive", 0x00008080}, {5, "Navy", 0x00800000},
        {6, "Purple", 0x00800080},  {7, "Teal", 0x00808000},  {8, "Silver", 0x00C0C0C0},
        {9, "Gray", 0x00808080},    {10, "Red", 0x000000FF},  {11, "Lime", 0x0000FF00},
        {12, "Yellow", 0x0000FFFF}, {13, "Blue", 0x00FF0000}, {14, "Fuchsia", 0x00FF00FF},
        {15, "Aqua", 0x00FFFF00},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PaletteColors[row.index], row.color);
        EXPECT_EQ(NamedColors[row.index].color, row.color);
        EXPECT_STREQ(NamedColors[row.index].name, row.name);
    }
}

class ColorComboBoxTest : public ::testing::Test {
protected:
    ColorComboBoxTest() {
        platform::qt::RegisterWindow(window.get());
        parent.SubclassWindow(window.get());
    }
    // The names listed, each checked to carry its palette colour.
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (LRESULT i = 0; i < combo.SendMessage(CB_GETCOUNT); ++i) {
            char name[16] = {};
            combo.SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
            names.emplace_back(name);
            EXPECT_EQ(static_cast<COLORREF>(combo.SendMessage(CB_GETITEMDATA, i)),
                      PaletteColors[i]);
        }
        return names;
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    CWnd parent;
    CColorComboBox combo;  // unbound before the window goes
};

const RECT kRect{10, 10, 150, 200};

TEST_F(ColorComboBoxTest, ACreatedBoxListsTheNamedColoursWithBlackSelected) {
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, kRect, &parent, 5));
    std::vector<std::string> expected;
    for (const NamedColor& named : NamedColors) expected.emplace_back(named.name);
    EXPECT_EQ(Names(), expected);
    EXPECT_EQ(combo.SendMessage(CB_GETCURSEL), 0);
}

TEST_F(ColorComboBoxTest, AFullBoxKeepsTheNamesAddedSoFar) {
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, kRect, &parent, 5));
    platform::testing::UiTestAccess::SetCapacity(
        dynamic_cast<platform::qt::ComboBoxControl&>(*combo.GetSafeHwnd()), 3);
    combo.FillColors();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Black", "White", "Maroon"}));
}

}  // namespace
