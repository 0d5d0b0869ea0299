#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <limits>

#include "about/ClipboardText.h"
#include "platform/ui/Clipboard.h"
#include "tests/about/ListBoxFixture.h"

namespace {

constexpr DWORD kMultiple = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_EXTENDEDSEL;

QString Clipboard() {
    return QGuiApplication::clipboard()->text();
}

void Command(ColorListBoxFixture& f, UINT id) {
    f.Send(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

}  // namespace

TEST(EditCommands, CopyPutsTheSelectedVisibleTextsOnePerLine) {
    ColorListBoxFixture f(kMultiple);
    f.list.AddLine(12, 0, "x\ty");
    f.list.AddLine(12, 0, "not selected");
    f.list.AddLine(12, 0, "");  // nothing but its codes: skipped
    f.list.AddLine(3, 5, "z");
    f.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("plain"));  // without codes: whole
    for (int i : {0, 2, 3, 4}) f.Send(LB_SETSEL, TRUE, i);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    Command(f, ID_EDIT_COPY);
    EXPECT_EQ(Clipboard(), QStringLiteral("x y\nz\nplain\n"));
}

TEST(EditCommands, CopyWithNothingSelectedLeavesTheClipboardAlone) {
    for (DWORD style : {kMultiple, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS}) {
        ColorListBoxFixture f(style);
        f.list.AddLine(12, 0, "x");
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        Command(f, ID_EDIT_COPY);
        EXPECT_EQ(Clipboard(), QStringLiteral("before"));
    }
}

TEST(EditCommands, SelectAllWorksInMultipleSelectionListsOnly) {
    struct Case {
        DWORD style;
        int selected;
    };
    for (const Case& c : {Case{kMultiple, 1}, Case{LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0}}) {
        ColorListBoxFixture f(c.style);
        for (const char* line : {"a", "b", "c"}) f.list.AddLine(1, 0, line);
        Command(f, ID_EDIT_SELECT_ALL);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(f.Send(LB_GETSEL, i), c.selected) << i;
    }
}

TEST(EditCommands, ClearRemovesEveryLine) {
    ColorListBoxFixture f;
    f.list.AddLine(1, 0, "a");
    f.Send(LB_SETHORIZONTALEXTENT, 500);
    Command(f, ID_EDIT_CLEAR);
    EXPECT_EQ(f.Send(LB_GETCOUNT), 0);
    EXPECT_EQ(f.Send(LB_GETHORIZONTALEXTENT), 0);
}

TEST(CopyTextToClipboard, AFailedHandOverKeepsWhatTheClipboardHeld) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    SetGlobalAllocLimit(3);  // no room for "new" and its terminator
    EXPECT_FALSE(CopyTextToClipboard("new"));
    SetGlobalAllocLimit(std::numeric_limits<std::size_t>::max());
    EXPECT_EQ(Clipboard(), QStringLiteral("before"));

    ASSERT_TRUE(OpenClipboard(nullptr));  // someone else has it open
    EXPECT_FALSE(CopyTextToClipboard("new"));
    CloseClipboard();
    EXPECT_EQ(Clipboard(), QStringLiteral("before"));

    EXPECT_TRUE(CopyTextToClipboard("new \xC3\xA9"));
    EXPECT_EQ(Clipboard(), QString::fromUtf8("new \xC3\xA9"));
}
