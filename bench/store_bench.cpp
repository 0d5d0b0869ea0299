// What a move of the phase window costs its user-interface thread: one WM_MOVE through the
// window's handler, which stores both coordinates under the slot's key. Offscreen, with the
// settings file in a folder of the benchmark's own; once with the file free, once with its
// lock held by someone else all along (the cost must not change: nothing waits for it).
// Run by hand: build/bench/store_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "phase/app/PhaseDlg.h"
#include "platform/registry/KeyLocation.h"
#include "platform/registry/SettingsFile.h"

namespace {

CPhaseDlg* g_dialog = nullptr;

void BM_MoveMessage(benchmark::State& state) {
    int lock = -1;
    if (state.range(0) != 0) {
        const QString file =
            platform::LocateKey(QStringLiteral("Software\\Velmora\\Tidewell\\TWP000"))->file;
        lock = open(platform::SettingsLockPath(file.toStdString()).c_str(), O_RDWR | O_CREAT, 0600);
        if (lock < 0 || flock(lock, LOCK_EX) != 0) {
            state.SkipWithError("cannot hold the lock");
            return;
        }
    }
    int x = 0;
    for (auto _ : state) {
        x = (x + 1) % 500;
        g_dialog->SendMessage(WM_MOVE, 0, MAKELPARAM(x, 100));
    }
    if (lock >= 0) {
        close(lock);
    }
    platform::FlushSettings(std::chrono::seconds(5));
}
BENCHMARK(BM_MoveMessage)->ArgName("lock_held")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    CPhaseDlg dialog;
    QTimer::singleShot(0, [&dialog] {
        g_dialog = &dialog;
        benchmark::RunSpecifiedBenchmarks();
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    benchmark::Shutdown();
    return 0;
}
