#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "about/CColorComboBox.h"
#include "about/PaletteColors.h"
#include "platform/ui/ComboBoxControl.h"

namespace {

class ColorComboBoxTest : public ::testing::Test {
protected:
    ColorComboBoxTest() {
        RegisterWindow(window.get());
        parent.SubclassWindow(window.get());
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        const LRESULT count = combo.SendMessage(CB_GETCOUNT);
        for (LRESULT i = 0; i < count; ++i) {
            char name[16] = {};
            combo.SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
            names.emplace_back(name);
        }
        return names;
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    CWnd parent;
    CColorComboBox combo;  // unbound before the window goes
};

const RECT kRect{10, 10, 150, 200};

}  // namespace

TEST_F(ColorComboBoxTest, ACreatedBoxListsTheNamedColoursWithBlackSelected) {
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, kRect, &parent, 5));
    const std::vector<std::string> expected = {
        "Black",  "White", "Maroon", "Green", "Olive",  "Navy", "Purple",  "Teal",
        "Silver", "Gray",  "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua"};
    EXPECT_EQ(Names(), expected);
    EXPECT_EQ(combo.SendMessage(CB_GETCURSEL), 0);
    for (int i = 0; i < kPaletteSize; ++i) {
        EXPECT_EQ(static_cast<COLORREF>(combo.SendMessage(CB_GETITEMDATA, i)), PaletteColors[i]);
    }
    EXPECT_EQ(combo.SendMessage(CB_GETITEMDATA, 12), 0x0000FFFF);
}

TEST_F(ColorComboBoxTest, AFullBoxKeepsTheNamesAddedSoFar) {
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, kRect, &parent, 5));
    auto* control = dynamic_cast<ComboBoxControl*>(combo.GetSafeHwnd());
    ASSERT_NE(control, nullptr);
    control->SetCapacity(3);
    combo.FillColors();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Black", "White", "Maroon"}));
    EXPECT_EQ(static_cast<COLORREF>(combo.SendMessage(CB_GETITEMDATA, 2)), PaletteColors[2]);
}

TEST_F(ColorComboBoxTest, ARefusedCreationLeavesNoWindow) {
    EXPECT_FALSE(combo.Create(WS_CHILD, kRect, &parent, 5));  // a style of no kind of box
    EXPECT_EQ(combo.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(window->findChildren<QWidget*>().isEmpty());
    CWnd noWindow;
    EXPECT_FALSE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, kRect, &noWindow, 5));
}
