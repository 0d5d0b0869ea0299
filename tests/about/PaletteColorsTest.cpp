#include "about/PaletteColors.h"

#include <gtest/gtest.h>

TEST(PaletteColors, NamedTableFollowsThePaletteWithWhiteSecond) {
    struct Row {
        int index;
        const char* name;
        COLORREF color;
    };
    const Row rows[] = {
        {0, "Black", 0x00000000},   {1, "White", 0x00FFFFFF}, {2, "Maroon", 0x00000080},
        {3, "Green", 0x00008000},   {4, "Olive", 0x00008080}, {5, "Navy", 0x00800000},
        {6, "Purple", 0x00800080},  {7, "Teal", 0x00808000},  {8, "Silver", 0x00C0C0C0},
        {9, "Gray", 0x00808080},    {10, "Red", 0x000000FF},  {11, "Lime", 0x0000FF00},
        {12, "Yellow", 0x0000FFFF}, {13, "Blue", 0x00FF0000}, {14, "Fuchsia", 0x00FF00FF},
        {15, "Aqua", 0x00FFFF00},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PaletteColors[row.index], row.color);
        EXPECT_EQ(NamedColors[row.index].color, row.color);
        EXPECT_STREQ(NamedColors[row.index].name, row.name);
    }
}
