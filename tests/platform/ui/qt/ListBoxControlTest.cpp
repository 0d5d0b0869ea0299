// The list box control behind the colour list box: which lines it asks to be drawn, and how,
// and sideways scrolling by the horizontal extent. Its lines, top index and selection are
// tested in ListBoxLinesTest.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <vector>

#include "platform/ui/ListBox.h"
#include "platform/ui/qt/ListBoxControl.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace platform::qt {

namespace {

constexpr int kItemHeight = 20;

// Records the draw requests it is given instead of drawing.
class RecordingListBox : public CListBox {
public:
    std::vector<DRAWITEMSTRUCT> requests;
    void DrawItem(LPDRAWITEMSTRUCT item) override { requests.push_back(*item); }
};

class ListBoxControlTest : public ::testing::Test {
protected:
    // A list box of 200 by 90 pixels (four whole lines of 20) on a shown window, in place of
    // the one made before.
    void Make(DWORD style) {
        list.Detach();
        parent.Detach();
        window = std::make_unique<QWidget>();
        window->resize(300, 200);
        RegisterWindow(window.get());
        ASSERT_TRUE(parent.SubclassWindow(window.get()));
        control = new ListBoxControl(style, window.get());
        RegisterWindow(control);
        control->setProperty(kControlIdProperty, 77);
        control->setGeometry(0, 0, 200, 90);
        ASSERT_TRUE(list.SubclassWindow(control));
        list.SendMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(kItemHeight, 0));
        window->show();
        ASSERT_TRUE(WaitFor([this] { return window->windowHandle()->isExposed(); }));
    }
    void AddLines(int count) {
        for (int i = 0; i < count; ++i) {
            list.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("line"));
        }
    }
    std::vector<DRAWITEMSTRUCT> Paint() {
        list.requests.clear();
        control->repaint();
        return list.requests;
    }

    RecordingListBox list;  // unbound before the window goes
    CWnd parent;
    std::unique_ptr<QWidget> window;
    ListBoxControl* control = nullptr;
};

}  // namespace

TEST_F(ListBoxControlTest, PaintAsksForEachVisibleLineFromTheTop) {
    Make(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_DISABLED);
    control->setEnabled(false);
    AddLines(10);
    list.SendMessage(LB_SETTOPINDEX, 2);
    list.SendMessage(LB_SETCURSEL, 3);
    const std::vector<DRAWITEMSTRUCT> requests = Paint();
    // 90 pixels: four whole lines and part of a fifth.
    ASSERT_EQ(requests.size(), 5u);
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const DRAWITEMSTRUCT& r = requests[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(r.itemID, static_cast<int>(i) + 2);
        EXPECT_EQ(r.itemAction, ODA_DRAWENTIRE);
        EXPECT_EQ(r.itemState, (r.itemID == 3 ? ODS_SELECTED : 0u) | ODS_DISABLED);
        EXPECT_EQ(r.CtlID, 77u);
        EXPECT_EQ(r.rcItem.top, static_cast<LONG>(i) * kItemHeight);
        EXPECT_EQ(r.rcItem.bottom - r.rcItem.top, kItemHeight);
        EXPECT_EQ(r.rcItem.right - r.rcItem.left, 200);
    }
}

TEST_F(ListBoxControlTest, EmptyListDrawsOnlyItsFocus) {
    Make(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_TABSTOP);
    EXPECT_TRUE(Paint().empty());
    control->setFocusPolicy(Qt::StrongFocus);
    window->activateWindow();
    control->setFocus();
    ASSERT_TRUE(WaitFor([this] { return control->hasFocus(); }));
    const std::vector<DRAWITEMSTRUCT> requests = Paint();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].itemID, -1);
    EXPECT_EQ(requests[0].itemAction, ODA_FOCUS);
    EXPECT_EQ(requests[0].rcItem.bottom, kItemHeight);
}

TEST_F(ListBoxControlTest, HorizontalExtentScrollsOnlyWithAScrollBar) {
    struct Case {
        DWORD style;
        int scrollTo;
        LONG left;
    };
    for (const Case& c :
         {Case{WS_HSCROLL, 100, -100}, Case{WS_HSCROLL, 5000, -800}, Case{0, 100, 0}}) {
        SCOPED_TRACE(c.style);
        Make(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | c.style);
        AddLines(1);
        list.SendMessage(LB_SETHORIZONTALEXTENT, 1000);
        EXPECT_EQ(list.SendMessage(LB_GETHORIZONTALEXTENT), 1000);
        if (auto* bar = control->findChild<QScrollBar*>()) {
            EXPECT_TRUE(bar->isVisible());
            bar->setValue(c.scrollTo);
        }
        const std::vector<DRAWITEMSTRUCT> requests = Paint();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].rcItem.left, c.left);
        EXPECT_EQ(requests[0].rcItem.right, c.left + 1000);
    }
}

}  // namespace platform::qt
