#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "about/ArgumentSlots.h"
#include "about/CCreditsApp.h"
#include "about/CCreditsCommandLineInfo.h"
#include "about/CCreditsDlg.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/UiTestAccess.h"
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
    return shown;
}

std::string Times(int count, const std::string& text) {
    std::string repeated;
    for (int i = 0; i < count; ++i) repeated += text;
    return repeated;
}

// Runs the program's start-up with these arguments and reports what its dialog showed.
Shown RunProgram(std::vector<std::string> args) {
    args.insert(args.begin(), "TidewellAbout");
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    CCreditsApp app;
    platform::testing::UiTestAccess::SetCommandLine(app, static_cast<int>(argv.size()),
                                                    argv.data());
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
        // With the indent a line holds 199 bytes; a character that would be split is left out.
        {{std::string(250, 'a'), Times(150, "\xC3\xA9")},
         {kIndent + std::string(188, 'a'), kIndent + Times(94, "\xC3\xA9"), kIndent, kIndent}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.size());
        const Shown shown = RunProgram(c.args);
        EXPECT_EQ(shown.lines, c.lines);
        EXPECT_EQ(shown.topIndex, 0);
    }
}

TEST(Credits, TwelvePointFontSetsTheLineHeight) {
    const Shown shown = RunProgram({});
    EXPECT_DOUBLE_EQ(shown.pointSize, 12.0);
    EXPECT_EQ(shown.lineHeight, shown.fontHeight);
    EXPECT_TRUE(shown.okHasFocus);
    if (QFontDatabase::families().contains(QStringLiteral("Frutiger Linotype"))) {
        GTEST_SKIP() << "the first choice is installed here";
    }
    EXPECT_EQ(shown.family, QStringLiteral("Arial"));
}

TEST(Credits, TheCollectorKeepsTwentyArgumentsWithinTheirSlots) {
    CCreditsCommandLineInfo info;
    const std::string euros = Times(67, "\xE2\x82\xAC");  // three-byte characters, 201 bytes
    for (int i = 0; i < 25; ++i) {
        const std::string arg = i == 3 ? euros : "arg" + std::to_string(i);
        info.ParseParam(arg.c_str(), FALSE, i == 24);
    }
    EXPECT_EQ(info.m_nArgs, 20);
    EXPECT_STREQ(info.m_args[19], "arg19");
    EXPECT_EQ(std::string(info.m_args[3]), euros.substr(0, 198));
}

TEST(CopyBounded, CutsOnlyAtCharacterBoundaries) {
    const std::string e = "\xC3\xA9";             // é, two bytes
    const std::string moon = "\xF0\x9F\x8C\x95";  // four bytes
    const struct {
        const char* label;
        std::string text;
        std::size_t size;
        std::string expected;
    } cases[] = {
        {"exactly fills", "1234567", 8, "1234567"},
        {"one byte over", "12345678", 8, "1234567"},
        {"two-byte character kept whole", "123456" + e, 9, "123456" + e},
        {"two-byte character would be split", "123456" + e, 8, "123456"},
        {"four-byte character would be split", "12" + moon + "x", 6, "12"},
        {"four-byte character just fits", "12" + moon + "x", 7, "12" + moon},
        {"only continuation bytes fit", moon, 3, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::string buffer(c.size + 4, '#');  // the guard bytes must stay untouched
        CopyBounded(buffer.data(), c.size, c.text.c_str());
        EXPECT_EQ(std::string(buffer.c_str()), c.expected);
        EXPECT_EQ(buffer.substr(c.size), "####");
    }
}
