#include "platform/ui/qt/WindowPlumbing.h"

#include <QWidget>
#include <unordered_set>

namespace platform::qt {

namespace {

std::unordered_set<HWND>& LiveWindows() {
    static std::unordered_set<HWND> live;
    return live;
}

}  // namespace

void RegisterWindow(HWND hWnd) {
    if (hWnd == nullptr || !LiveWindows().insert(hWnd).second) {
        return;
    }
    QObject::connect(hWnd, &QObject::destroyed, [hWnd] { LiveWindows().erase(hWnd); });
}

bool IsRegisteredWindow(HWND hWnd) {
    return hWnd != nullptr && LiveWindows().count(hWnd) != 0;
}

}  // namespace platform::qt
