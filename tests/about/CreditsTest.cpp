#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "about/CCreditsApp.h"
#include "about/CCreditsCommandLineInfo.h"
#include "about/CCreditsDlg.h"
#include "platform/ui/ListBox.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace {

const std::string kIndent(11, ' ');

// What the credits dialog shows: its lines (visible text) and the font and line height of
// its list box.
struct Shown {
    std::vector<std::string> lines;
    QString family;
    double pointSize = 0;
    int lineHeight = 0;
    int fontHeight = 0;
    int topIndex = -1;
    bool okHasFocus = false;
    QImage picture;
};

Shown Inspect(CDialog& dlg) {
    Shown shown;
    auto* list = dynamic_cast<CColorListBox*>(dlg.GetDlgItem(CCreditsDlg::IDC_CREDITS));
    if (list == nullptr) {
        ADD_FAILURE() << "the list box is not bound";
        return shown;
    }
    for (LRESULT i = 0; i < list->SendMessage(LB_GETCOUNT); ++i) {
        std::string text;
        list->GetLineText(static_cast<int>(i), text);
        shown.lines.push_back(text);
    }
    if (auto font = reinterpret_cast<HFONT>(list->SendMessage(WM_GETFONT))) {
        shown.family = font->family();
        shown.pointSize = font->pointSizeF();
        shown.fontHeight = QFontMetrics(*font).height();
    }
    shown.lineHeight = static_cast<int>(list->SendMessage(LB_GETITEMHEIGHT));
    shown.topIndex = static_cast<int>(list->SendMessage(LB_GETTOPINDEX));
    shown.okHasFocus = dlg.GetSafeHwnd()->focusWidget() == dlg.GetDlgItem(IDOK)->GetSafeHwnd();
    shown.picture = Grab(dlg.GetSafeHwnd());
    return shown;
}

Shown RunDialog(const std::vector<std::string>& args) {
    CCreditsDlg dlg;
    for (const std::string& arg : args) dlg.AddArgument(arg.c_str());
    Shown shown;
    RunModal(dlg, [&] { shown = Inspect(dlg); });
    return shown;
}

// Runs the program's start-up with these arguments and reports what its dialog showed.
Shown RunProgram(std::vector<std::string> args) {
    args.insert(args.begin(), "TidewellAbout");
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    CCreditsApp app;
    app.SetCommandLine(static_cast<int>(argv.size()), argv.data());
    Shown shown;
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        if (auto* dlg = dynamic_cast<CDialog*>(app.m_pMainWnd)) {
            shown = Inspect(*dlg);
            dlg->EndDialog(IDOK);
        }
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    return shown;
}

bool IsValidUtf8(const std::string& text) {
    return QString::fromUtf8(text.c_str()).toUtf8().toStdString() == text;
}

}  // namespace

TEST(Credits, TheFirstFourArgumentsBecomeIndentedLines) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {{}, {kIndent, kIndent, kIndent, kIndent}},
        {{"Ada"}, {kIndent + "Ada", kIndent, kIndent, kIndent}},
        {{"-one", "/two", "three", "four", "five", "six"},
         {kIndent + "one", kIndent + "two", kIndent + "three", kIndent + "four"}},
        {{"a-b", "--c", "//d", "\xC3\xA9t\xC3\xA9"},
         {kIndent + "a-b", kIndent + "-c", kIndent + "/d", kIndent + "\xC3\xA9t\xC3\xA9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.size());
        const Shown shown = RunProgram(c.args);
        EXPECT_EQ(shown.lines, c.lines);
        EXPECT_EQ(shown.topIndex, 0);
    }
}

TEST(Credits, LinesAreYellowOnBlackBelowThePicture) {
    const Shown shown = RunDialog({"WWWWWW"});
    const QImage& image = shown.picture;
    ASSERT_EQ(image.size(), QSize(398, 535));
    // The list box starts 418 pixels down (257 dialog units), below the picture.
    const int top = 418;
    EXPECT_EQ(image.pixel(2, top + 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(image.width() - 2, top + 4 * shown.lineHeight - 1), qRgb(0, 0, 0));
    int yellow = 0;
    for (int y = top; y < top + shown.lineHeight; ++y) {
        for (int x = 0; x < image.width(); ++x) yellow += image.pixel(x, y) == qRgb(255, 255, 0);
    }
    EXPECT_GT(yellow, 20);
    EXPECT_NE(image.pixel(200, 100), image.pixel(200, 520));  // the night picture is there
    EXPECT_TRUE(shown.okHasFocus);
}

TEST(Credits, TwelvePointFontSetsTheLineHeight) {
    const Shown shown = RunDialog({});
    EXPECT_DOUBLE_EQ(shown.pointSize, 12.0);
    EXPECT_EQ(shown.lineHeight, shown.fontHeight);
    if (QFontDatabase::families().contains(QStringLiteral("Frutiger Linotype"))) {
        GTEST_SKIP() << "the first choice is installed here";
    }
    EXPECT_EQ(shown.family, QStringLiteral("Arial"));
}

TEST(Credits, PointFontsExistOnlyForFacesTheSystemAnswersTo) {
    struct Case {
        const char* face;
        bool created;
    };
    for (const Case& c : {Case{"DejaVu Sans", true}, Case{"dejavu sans", true}, Case{"Arial", true},
                          Case{"No Such Face 42", false}, Case{"", false}}) {
        SCOPED_TRACE(c.face);
        CFont font;
        EXPECT_EQ(font.CreatePointFont(95, c.face) != FALSE, c.created);
        EXPECT_EQ(font.GetSafeHandle() != nullptr, c.created);
        if (c.created) {
            EXPECT_DOUBLE_EQ(font.GetSafeHandle()->pointSizeF(), 9.5);
        }
    }
}

TEST(Credits, OverlongArgumentsAreCutOnCharacterBoundaries) {
    const std::string e = "\xC3\xA9";
    std::string longE;
    for (int i = 0; i < 150; ++i) longE += e;
    const Shown shown = RunDialog({std::string(250, 'a'), longE});
    ASSERT_EQ(shown.lines.size(), 4u);
    EXPECT_EQ(shown.lines[0], kIndent + std::string(188, 'a'));
    EXPECT_EQ(shown.lines[1].size(), 11u + 188u);
    EXPECT_TRUE(IsValidUtf8(shown.lines[1]));
}

TEST(Credits, TheCollectorKeepsTwentyArgumentsWithinTheirSlots) {
    CCreditsCommandLineInfo info;
    std::string e199;
    while (e199.size() < 199) e199 += "\xE2\x82\xAC";  // three-byte characters
    for (int i = 0; i < 25; ++i) {
        const std::string arg = i == 3 ? e199 : "arg" + std::to_string(i);
        info.ParseParam(arg.c_str(), FALSE, i == 24);
    }
    EXPECT_EQ(info.m_nArgs, 20);
    EXPECT_STREQ(info.m_args[19], "arg19");
    EXPECT_EQ(std::string(info.m_args[3]), e199.substr(0, 198));
}
