// The application object: one static CWinApp subclass per program. main() makes the Qt
// application (which takes its own options off the command line), runs InitInstance once
// and ends the process when it returns; the program's whole user interface runs inside it.
#pragma once

#include <string>
#include <vector>

#include "platform/Win32Types.h"

class CCommandLineInfo;
class CWnd;

namespace platform::testing {
class UiTestAccess;
}  // namespace platform::testing

namespace platform {

// The characters a program is built for, and so the ParseParam its arguments go to.
enum class CommandLineChars { Narrow, Wide };

}  // namespace platform

class CWinApp {
public:
    explicit CWinApp(platform::CommandLineChars chars);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // The program's start-up; its result is not used: the program ends when it returns.
    virtual BOOL InitInstance() = 0;

    // Hands each argument after the program name, in order, to rInfo.ParseParam.
    void ParseCommandLine(CCommandLineInfo& rInfo);

    // Runs the program: what main() does. applicationId is the program's reverse-DNS id, the
    // name of its desktop entry (org.velmora.TidewellPhase.desktop).
    int Run(int argc, char** argv, const char* applicationId);

    // The window the program runs, while it runs.
    CWnd* m_pMainWnd = nullptr;

private:
    friend class platform::testing::UiTestAccess;

    // The arguments that ParseCommandLine hands on (without the program name).
    void SetCommandLine(int argc, char** argv);

    platform::CommandLineChars m_chars;
    std::vector<std::string> m_args;
};

// The program's application object.
CWinApp* AfxGetApp();
