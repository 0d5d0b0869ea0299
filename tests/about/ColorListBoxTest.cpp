#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>

#include "about/CColorListBox.h"
#include "about/ClipboardText.h"
#include "about/PaletteColors.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dc.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/UiTestAccess.h"
#include "platform/ui/qt/FontFit.h"
#include "platform/ui/qt/ListBoxControl.h"

namespace {

using platform::qt::ListBoxControl;

// Draws into image; the picture is complete once the surface is gone.
class ImageDC : public CDC {
public:
    explicit ImageDC(QImage& image) { SetPainter(std::make_unique<QPainter>(&image)); }
};

// A colour list box on a window of its own, so that lines can be added, drawn and read back.
class ColorListBoxFixture {
public:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 100;

    explicit ColorListBoxFixture(DWORD style = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS) {
        window->resize(kWidth, kHeight);
        platform::qt::RegisterWindow(window.get());
        control = new ListBoxControl(style, window.get());
        platform::qt::RegisterWindow(control);
        control->setGeometry(0, 0, kWidth, kHeight);
        list.SubclassWindow(control);
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return list.SendMessage(message, wParam, lParam);
    }
    void Command(UINT id) { Send(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    std::string Raw(int index) {
        std::string text;
        list.GetText(index, text);
        return text;
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    ListBoxControl* control = nullptr;
    CColorListBox list;  // declared last: unbound before the window goes
};

constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr int kLineHeight = 20;

QRgb ToRgb(COLORREF c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

QImage Blank() {
    QImage image(ColorListBoxFixture::kWidth, kLineHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Draws line index (or -1) the way the list box asks for it, by default into a white picture.
QImage Draw(CColorListBox& list, int index, UINT action, UINT state, QImage image = Blank()) {
    {
        ImageDC dc(image);
        DRAWITEMSTRUCT item{};
        item.itemID = index;
        item.itemAction = action;
        item.itemState = state;
        item.hDC = &dc;
        item.rcItem = RECT{0, 0, ColorListBoxFixture::kWidth, kLineHeight};
        list.DrawItem(&item);
    }
    return image;
}

// Whether a pixel between columns fromX and toX is of the colour, or nearly so: glyph edges
// are smoothed, so thin strokes may never reach the exact text colour.
bool Contains(const QImage& image, QRgb color, int fromX = 0, int toX = -1) {
    constexpr int kTolerance = 64;
    toX = toX < 0 ? image.width() - 1 : toX;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromX; x <= toX; ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(color)) < kTolerance &&
                std::abs(qGreen(p) - qGreen(color)) < kTolerance &&
                std::abs(qBlue(p) - qBlue(color)) < kTolerance) {
                return true;
            }
        }
    }
    return false;
}

// The extent a line of this text sets: its width in the surface's default font plus a scroll bar,
// and a thirty-second more.
int ExtentFor(const char* text) {
    const int w =
        QFontMetrics(platform::qt::SurfaceFont()).horizontalAdvance(QString::fromUtf8(text)) +
        GetSystemMetrics(SM_CXVSCROLL);
    return w + w / 32;
}

constexpr DWORD kMultiple = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_EXTENDEDSEL;

QString Clipboard() {
    return QGuiApplication::clipboard()->text();
}

}  // namespace

TEST(ColorListBox, AddLineStoresCodesAndBlanksOutLineBreaks) {
    const struct {
        UINT text;
        int back;
        const char* input;
        std::string stored;
    } cases[] = {{12, 0, "Hello", "\x0D\x01Hello"},
                 {16, 0, "x", "\x01\x01x"},
                 {0xFFFFFFFF, 15, "x", "\x01\x10x"},
                 {1, 16, "x", "\x02\x01x"},
                 {1, -1, "x", "\x02\x01x"},
                 {3, 4, "x\r\ny", "\x04\x05x  y"},
                 {3, 4, "", "\x04\x05"}};
    ColorListBoxFixture f;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        f.list.AddLine(cases[i].text, cases[i].back, cases[i].input);
        EXPECT_EQ(f.Raw(static_cast<int>(i)), cases[i].stored) << i;
    }
    std::string visible = "unchanged";
    f.list.GetLineText(0, visible);
    EXPECT_EQ(visible, "Hello");
    f.list.GetLineText(6, visible);
    EXPECT_EQ(visible, "");
}

TEST(ColorListBox, WithoutAWindowNothingHappens) {
    CColorListBox list;
    list.AddLine(12, 0, "Hello");
    std::string text = "unchanged";
    list.GetLineText(0, text);
    char buffer[4] = "abc";
    EXPECT_EQ(list.GetRawText(0, buffer), -1);
    EXPECT_EQ(text + buffer, "unchangedabc");
}

// The survivors are the newest of the old lines, in order; a list that cannot make room gives
// up before the selection is touched.
TEST(ColorListBox, AFullListDropsItsOldestLinesToMakeRoom) {
    const struct {
        int full;
        LRESULT count;
        const char* first;
        const char* last;
        LRESULT selected;
    } cases[] = {
        {1, 1, "0", "0", 0},           {2, 2, "1", "new", LB_ERR},   {19, 2, "18", "new", LB_ERR},
        {20, 1, "new", "new", LB_ERR}, {25, 6, "20", "new", LB_ERR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.full);
        ColorListBoxFixture f;
        platform::testing::UiTestAccess::SetCapacity(*f.control, c.full);
        for (int i = 0; i < c.full; ++i) f.list.AddLine(1, 0, std::to_string(i).c_str());
        f.Send(LB_SETCURSEL, 0);
        f.list.AddLine(1, 0, "new");
        ASSERT_EQ(f.Send(LB_GETCOUNT), c.count);
        EXPECT_EQ(f.Raw(0), std::string("\x02\x01") + c.first);
        EXPECT_EQ(f.Raw(static_cast<int>(c.count) - 1), std::string("\x02\x01") + c.last);
        EXPECT_EQ(f.Send(LB_GETCURSEL), c.selected);
        EXPECT_TRUE(f.control->updatesEnabled());
    }
}

TEST(ColorListBox, EachNewLineIsScrolledToTheTopAsFarAsTheListAllows) {
    ColorListBoxFixture f;  // 100 pixels: five lines of 20
    f.Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(kLineHeight, 0));
    const int expectedTop[] = {0, 0, 0, 0, 0, 1, 2, 3};
    for (int top : expectedTop) {
        f.list.AddLine(12, 0, "x");
        EXPECT_EQ(f.Send(LB_GETTOPINDEX), top) << f.Send(LB_GETCOUNT) << " lines";
    }
}

TEST(ColorListBox, LinesAreDrawnInTheirColoursOrInTheSelectionColours) {
    ColorListBoxFixture f;
    f.list.AddLine(12, 0, "Hello");
    f.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("plain"));  // without colour codes
    const struct {
        int index;
        UINT state;
        QRgb text;
        QRgb back;
    } cases[] = {
        {0, 0, kYellow, kBlack},
        {0, ODS_SELECTED, ToRgb(GetSysColor(COLOR_HIGHLIGHTTEXT)),
         ToRgb(GetSysColor(COLOR_HIGHLIGHT))},
        {1, 0, ToRgb(GetSysColor(COLOR_WINDOWTEXT)), ToRgb(GetSysColor(COLOR_WINDOW))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index * 10 + static_cast<int>(c.state));
        const QImage image = Draw(f.list, c.index, ODA_DRAWENTIRE, c.state);
        EXPECT_EQ(image.pixel(image.width() - 1, 0), c.back);  // the whole line is filled
        EXPECT_EQ(image.pixel(image.width() - 1, kLineHeight - 1), c.back);
        EXPECT_TRUE(Contains(image, c.text));
    }
}

TEST(ColorListBox, TabsMoveTextToStopsEveryEightWidthsOfC) {
    ColorListBoxFixture f;
    f.list.AddLine(12, 0, "i\ti\ti");
    const int stop =
        8 * QFontMetrics(platform::qt::SurfaceFont()).horizontalAdvance(QLatin1Char('c'));
    const int glyph = QFontMetrics(platform::qt::SurfaceFont()).horizontalAdvance(QLatin1Char('i'));
    const QImage image = Draw(f.list, 0, ODA_DRAWENTIRE, 0);
    EXPECT_TRUE(Contains(image, kYellow, 0, glyph));
    EXPECT_FALSE(Contains(image, kYellow, glyph + 1, stop - 1));
    EXPECT_TRUE(Contains(image, kYellow, stop, stop + glyph));
    EXPECT_FALSE(Contains(image, kYellow, stop + glyph + 1, 2 * stop - 1));
    EXPECT_TRUE(Contains(image, kYellow, 2 * stop, 2 * stop + glyph));
}

// Reset by the clear command and by a new font.
TEST(ColorListBox, ExtentFollowsTheWidestLineUntilClearedOrGivenAFont) {
    ColorListBoxFixture f;
    const char* narrow = "narrow";
    const char* wide = "a much wider line of text";
    f.list.AddLine(12, 0, narrow);
    f.list.AddLine(12, 0, wide);
    auto extent = [&f] { return static_cast<int>(f.Send(LB_GETHORIZONTALEXTENT)); };

    Draw(f.list, 0, ODA_DRAWENTIRE, 0);
    EXPECT_EQ(extent(), ExtentFor(narrow));
    Draw(f.list, 1, ODA_DRAWENTIRE, 0);
    EXPECT_EQ(extent(), ExtentFor(wide));
    Draw(f.list, 0, ODA_DRAWENTIRE, 0);
    EXPECT_EQ(extent(), ExtentFor(wide));  // a narrower line changes nothing

    f.list.SetFont(nullptr, TRUE);
    EXPECT_EQ(extent(), ExtentFor(wide));  // no extent is sent with the font
    Draw(f.list, 0, ODA_DRAWENTIRE, 0);
    EXPECT_EQ(extent(), ExtentFor(narrow));

    Draw(f.list, 1, ODA_DRAWENTIRE, 0);
    f.Command(ID_EDIT_CLEAR);
    EXPECT_EQ(f.Send(LB_GETCOUNT), 0);
    EXPECT_EQ(extent(), 0);
    f.list.AddLine(12, 0, narrow);
    Draw(f.list, 0, ODA_DRAWENTIRE, 0);
    EXPECT_EQ(extent(), ExtentFor(narrow));
}

TEST(ColorListBox, FocusFrameInvertsSoASecondDrawingRemovesIt) {
    ColorListBoxFixture f;
    const QImage blank = Blank();
    // An empty list with the focus: only the frame, along the edge of the line.
    const QImage framed = Draw(f.list, -1, ODA_FOCUS, ODS_FOCUS, blank);
    EXPECT_NE(framed, blank);
    EXPECT_EQ(framed.copy(1, 1, framed.width() - 2, kLineHeight - 2),
              blank.copy(1, 1, blank.width() - 2, kLineHeight - 2));
    EXPECT_EQ(Draw(f.list, -1, ODA_FOCUS, ODS_FOCUS, framed), blank);
    // Without the focus action an empty list draws nothing.
    EXPECT_EQ(Draw(f.list, -1, ODA_DRAWENTIRE, 0, blank), blank);

    // A line drawn entire with the focus state gets the frame on top of its colours.
    f.list.AddLine(12, 0, "x");
    const QImage plain = Draw(f.list, 0, ODA_DRAWENTIRE, 0);
    const QImage focused = Draw(f.list, 0, ODA_DRAWENTIRE, ODS_FOCUS);
    EXPECT_NE(plain, focused);
    EXPECT_EQ(Draw(f.list, 0, ODA_FOCUS, ODS_FOCUS, focused), plain);
}

// The selected lines without their codes, tabs to blanks, each ending in a line feed.
TEST(EditCommands, CopyPutsTheSelectedVisibleTextsOnePerLine) {
    ColorListBoxFixture single;
    single.list.AddLine(12, 0, "x");
    ColorListBoxFixture f(kMultiple);
    f.list.AddLine(12, 0, "x\ty");
    f.list.AddLine(12, 0, "not selected");
    f.list.AddLine(12, 0, "");  // nothing but its codes: skipped
    f.list.AddLine(3, 5, "z");
    f.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("plain"));  // without codes: whole
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    // With nothing selected, in a list of either kind, the clipboard keeps what it held.
    single.Command(ID_EDIT_COPY);
    f.Command(ID_EDIT_COPY);
    EXPECT_EQ(Clipboard(), QStringLiteral("before"));
    f.Send(LB_SELITEMRANGEEX, 0, 0);
    f.Send(LB_SELITEMRANGEEX, 2, 4);
    f.Command(ID_EDIT_COPY);
    EXPECT_EQ(Clipboard(), QStringLiteral("x y\nz\nplain\n"));
}

TEST(EditCommands, SelectAllWorksInMultipleSelectionListsOnly) {
    struct Case {
        DWORD style;
        int selected;
    };
    for (const Case& c : {Case{kMultiple, 1}, Case{LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0}}) {
        ColorListBoxFixture f(c.style);
        for (const char* line : {"a", "b", "c"}) f.list.AddLine(1, 0, line);
        f.Command(ID_EDIT_SELECT_ALL);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(f.Send(LB_GETSEL, i), c.selected) << i;
    }
}

TEST(CopyTextToClipboard, AFailedHandOverKeepsWhatTheClipboardHeld) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    platform::testing::UiTestAccess::SetGlobalAllocLimit(3);  // no room for "new" and its end
    EXPECT_FALSE(CopyTextToClipboard("new"));
    platform::testing::UiTestAccess::SetGlobalAllocLimit(std::numeric_limits<std::size_t>::max());
    EXPECT_EQ(Clipboard(), QStringLiteral("before"));

    ASSERT_TRUE(OpenClipboard(nullptr));  // someone else has it open
    EXPECT_FALSE(CopyTextToClipboard("new"));
    CloseClipboard();
    EXPECT_EQ(Clipboard(), QStringLiteral("before"));

    EXPECT_TRUE(CopyTextToClipboard("new \xC3\xA9"));
    EXPECT_EQ(Clipboard(), QString::fromUtf8("new \xC3\xA9"));
}
