// The lines of a list box: answers for indices outside the list, single selection, and the
// top index. Selecting ranges in lists of many selections is tested with the edit commands.
#include "platform/ui/qt/ListBoxLines.h"

#include <gtest/gtest.h>

namespace platform::qt {

TEST(ListBoxLines, AnswersErrForIndicesOutsideTheList) {
    ListBoxLines lines;
    lines.Add("abc");
    char buffer[8] = "xxxxxxx";
    for (int index : {-1, 1, 5}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(lines.TextLength(index), ListBoxLines::kErr);
        EXPECT_EQ(lines.CopyText(index, buffer), ListBoxLines::kErr);
        EXPECT_EQ(lines.Delete(index), ListBoxLines::kErr);
        EXPECT_EQ(lines.IsSelected(index), ListBoxLines::kErr);
        EXPECT_EQ(lines.SetTopIndex(index, 1), ListBoxLines::kErr);
    }
    EXPECT_STREQ(buffer, "xxxxxxx");
    EXPECT_EQ(lines.CopyText(0, buffer), 3);
    EXPECT_STREQ(buffer, "abc");
}

TEST(ListBoxLines, SingleSelectionKeepsOneLineAndRefusesRanges) {
    ListBoxLines lines;
    for (const char* s : {"a", "b", "c"}) {
        lines.Add(s);
    }
    EXPECT_EQ(lines.SetCurSel(1), 1);
    EXPECT_EQ(lines.SetCurSel(2), 2);
    EXPECT_EQ(lines.IsSelected(1), 0);
    EXPECT_EQ(lines.CurSel(), 2);
    EXPECT_EQ(lines.SelectRange(0, 2), ListBoxLines::kErr);
    EXPECT_EQ(lines.SetCurSel(-1), ListBoxLines::kErr);
    EXPECT_EQ(lines.CurSel(), ListBoxLines::kErr);
}

TEST(ListBoxLines, TopIndexStopsWhereTheLastPageIsFull) {
    ListBoxLines lines;
    for (int i = 0; i < 10; ++i) {
        lines.Add("x");
    }
    const struct {
        int request, rows, top;
    } cases[] = {{0, 4, 0}, {3, 4, 3}, {6, 4, 6}, {9, 4, 6}, {9, 20, 0}, {9, 0, 9}};
    for (const auto& c : cases) {
        EXPECT_EQ(lines.SetTopIndex(c.request, c.rows), 0);
        EXPECT_EQ(lines.TopIndex(), c.top) << c.request << " with " << c.rows << " rows";
    }
}

}  // namespace platform::qt
