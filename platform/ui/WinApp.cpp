#include "platform/ui/WinApp.h"

#include <QApplication>
#include <QString>
#include <memory>
#include <optional>

#include "platform/ui/CommandLineInfo.h"
#include "platform/ui/UiTestAccess.h"
#include "platform/ui/qt/ApplicationStart.h"
#include "tidewell/Version.h"

namespace {

CWinApp* g_pApp = nullptr;

// An argument that begins with "-" or "/" arrives without it, flagged.
template <typename Char>
void HandOn(CCommandLineInfo& rInfo, const Char* pszParam, bool bLast) {
    const bool bFlag = *pszParam == Char('-') || *pszParam == Char('/');
    rInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag ? TRUE : FALSE, bLast ? TRUE : FALSE);
}

}  // namespace

CWinApp::CWinApp(platform::CommandLineChars chars) : m_chars(chars) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

void CWinApp::SetCommandLine(int argc, char** argv) {
    m_args.clear();
    for (int i = 1; i < argc; ++i) {
        m_args.emplace_back(argv[i]);
    }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rInfo) {
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        const bool bLast = i + 1 == m_args.size();
        if (m_chars == platform::CommandLineChars::Narrow) {
            HandOn(rInfo, m_args[i].c_str(), bLast);
        } else {
            const std::wstring wide = QString::fromLocal8Bit(m_args[i]).toStdWString();
            HandOn(rInfo, wide.c_str(), bLast);
        }
    }
}

int CWinApp::Run(int argc, char** argv, const char* applicationId) {
    // Asked for its usage or version, the program answers without a window or a display.
    if (const std::optional<int> status = platform::qt::AnswerQuery(argc, argv)) {
        return *status;
    }
    platform::qt::ChooseWindowSystem(argc, argv);
    // Qt takes its own options (-platform, -display, ...) out of argc and argv.
    const std::unique_ptr<QApplication> application = platform::qt::OpenApplication(argc, argv);
    // The desktop matches windows with their launcher by the application id: it names the
    // desktop entry, and Qt makes it the class of every X11 window (WM_CLASS) and the Wayland
    // app id.
    QCoreApplication::setApplicationName(QString::fromLatin1(applicationId));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(applicationId));
    // The program ends when InitInstance returns, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(tidewell::kVersion));
    SetCommandLine(argc, argv);
    InitInstance();
    return 0;
}

void platform::testing::UiTestAccess::SetCommandLine(CWinApp& app, int argc, char** argv) {
    app.SetCommandLine(argc, argv);
}
