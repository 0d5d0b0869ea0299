// A copy of the phase window for the tests of how the program ends: runs CPhaseDlg modally as
// TidewellPhase does, and takes commands on its standard input, one per line:
//   move X Y  moves the window there and, once this process has stored the place it took,
//             answers "moved X Y" with that place;
//   close     sends the window the system command SC_CLOSE.
// When the window's run has ended, by the close or a signal, it says "ending" and ends.
#include <cstdio>
#include <string>

#include <unistd.h>
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include "phase/app/PhaseDlg.h"
#include "platform/registry/Registry.h"

namespace {

// The place stored under slot 0 (the tests run one copy at a time), as this process sees it.
bool StoredPlace(QPoint* place) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Velmora\\Tidewell\\TWP000", 0, KEY_READ,
                      &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD values[2] = {};
    bool read = true;
    for (int i = 0; i < 2; ++i) {
        DWORD size = sizeof values[i];
        read =
            read && RegQueryValueExW(key, i == 0 ? L"Xpos" : L"Ypos", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(&values[i]), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    *place = QPoint(static_cast<int32_t>(values[0]), static_cast<int32_t>(values[1]));
    return read;
}

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void Move(CWnd& window, int x, int y) {
    CRect rect;
    window.GetWindowRect(&rect);
    const QPoint start(rect.left, rect.top);
    window.MoveWindow(x, y, rect.Width(), rect.Height());
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [&window, start, poll] {
        CRect now;
        window.GetWindowRect(&now);
        QPoint stored;
        if (QPoint(now.left, now.top) != start && StoredPlace(&stored) &&
            stored == QPoint(now.left, now.top)) {
            Say("moved " + std::to_string(stored.x()) + " " + std::to_string(stored.y()));
            poll->deleteLater();
        }
    });
    poll->start(10);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    CPhaseDlg dialog;
    std::string input;
    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        char bytes[256];
        const ssize_t got = read(STDIN_FILENO, bytes, sizeof bytes);
        if (got <= 0) {
            commands.setEnabled(false);
            return;
        }
        input.append(bytes, static_cast<std::size_t>(got));
        for (std::size_t end = input.find('\n'); end != std::string::npos; end = input.find('\n')) {
            const std::string line = input.substr(0, end);
            input.erase(0, end + 1);
            int x = 0;
            int y = 0;
            if (std::sscanf(line.c_str(), "move %d %d", &x, &y) == 2) {
                Move(dialog, x, y);
            } else if (line == "close") {
                dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
            }
        }
    });
    dialog.DoModal();
    Say("ending");
    return 0;
}
