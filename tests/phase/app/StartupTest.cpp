#include <gtest/gtest.h>

#include <QTimer>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "PhaseTestSupport.h"
#include "phase/app/PhaseApp.h"
#include "phase/app/PhaseCommandLineInfo.h"
#include "platform/ui/Wnd.h"
#include "support/ModalRun.h"

namespace {

// Runs start-up with the arguments and tells whether the window showed the southern picture
// of its first cell (at 2009-10-20 12:00 UT the strip starts with a first quarter: 131 in
// the north, 136 in the south). Empty when the window did not show either.
std::optional<bool> StartsSouthern(std::vector<std::string> args) {
    SetUtc(2009, 10, 20, 12);
    CPhaseApp app;
    std::vector<char*> argv{const_cast<char*>("TidewellPhase")};
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    app.SetCommandLine(static_cast<int>(argv.size()), argv.data());
    std::optional<bool> south;
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        HWND window = app.m_pMainWnd->GetSafeHwnd();
        const QImage shot = Grab(window);
        if (ShowsAt(shot, PictureTop(136), QPoint(0, 0))) {
            south = true;
        } else if (ShowsAt(shot, PictureTop(131), QPoint(0, 0))) {
            south = false;
        }
        SendMessage(window, WM_COMMAND, IDCANCEL);
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    return south;
}

TEST(StartUp, OnlyAFirstArgumentOfExactlySouthSelectsTheSouthernPictures) {
    const std::string longArg(300, 's');
    struct Case {
        std::vector<std::string> args;
        bool south;
    };
    const std::vector<Case> cases = {
        {{}, false},
        {{"south"}, true},
        {{"-south"}, true},
        {{"/south"}, true},
        {{"south", "x"}, true},
        {{"South"}, false},
        {{"SOUTH"}, false},
        {{"southern"}, false},
        {{"south x"}, false},
        {{"x", "south"}, false},
        {{"--south"}, false},
        {{"south" + longArg}, false},
        {{longArg, "south"}, false},
        {std::vector<std::string>(25, "south"), true},
    };
    for (const Case& c : cases) {
        const std::string shown = c.args.empty() ? "(none)" : c.args.front().substr(0, 12);
        EXPECT_EQ(StartsSouthern(c.args), c.south) << shown << " of " << c.args.size();
    }
}

TEST(StartUp, TheCollectorKeepsTwentyArgumentsOf199Characters) {
    CPhaseCommandLineInfo info;
    const std::wstring longArg(300, L'x');
    for (int i = 0; i < 25; ++i) {
        const std::wstring arg = i == 3 ? longArg : L"arg" + std::to_wstring(i);
        info.ParseParam(arg.c_str(), FALSE, i == 24);
    }
    EXPECT_EQ(info.m_nArgs, CPhaseCommandLineInfo::kArgSlots);
    EXPECT_STREQ(info.m_args[0], L"arg0");
    EXPECT_EQ(std::wstring(info.m_args[3]), longArg.substr(0, 199));
    EXPECT_STREQ(info.m_args[19], L"arg19");
}

}  // namespace
