// What the phase window's own thread spends, offscreen:
// - one paint of the phase strip (four pictures and twelve lines of text);
// - the first draw of one of its pictures: reading it from the program's packed resources;
// - one move: a WM_MOVE through the window's handler, which stores both coordinates under the
//   slot's key; once with the settings file free, once with its lock held by someone else all
//   along (the cost must not change: nothing waits for it).
// Run by hand: build/bench/window_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "phase/app/PhaseDlg.h"
#include "platform/clock/Clock.h"
#include "platform/registry/KeyLocation.h"
#include "platform/registry/SettingsFile.h"
#include "platform/ui/Picture.h"
#include "platform/ui/Resources.h"

namespace {

constexpr UINT kNewMoonPicture = 129;
constexpr QSize kPicture(120, 120);

CPhaseDlg* g_dialog = nullptr;
QWidget* g_window = nullptr;

void BM_PaintStrip(benchmark::State& state) {
    QImage surface(g_window->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        g_window->render(&surface);
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_PaintStrip)->Unit(benchmark::kMicrosecond);

void BM_FirstDrawOfAPicture(benchmark::State& state) {
    QImage surface(kPicture, QImage::Format_RGB32);
    QPainter painter(&surface);
    for (auto _ : state) {
        const std::unique_ptr<platform::Picture> picture(LoadBitmap(kNewMoonPicture));
        picture->Draw(painter, QPoint(0, 0), QRect(QPoint(0, 0), kPicture));
    }
}
BENCHMARK(BM_FirstDrawOfAPicture)->Unit(benchmark::kMicrosecond);

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
    // The window's slot claim and position store go to folders of the benchmark's own, and
    // it offers no system commands on the user's session bus.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Berlin");
    // A moment whose strip is full: four pictures with their texts.
    const auto instant =
        std::chrono::sys_days(std::chrono::year(2024) / 2 / 10) + std::chrono::hours(12);
    platform::SetClock([instant] { return instant; });

    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    CPhaseDlg dialog;
    QTimer::singleShot(0, [&dialog] {
        g_dialog = &dialog;
        g_window = dialog.GetSafeHwnd();
        benchmark::RunSpecifiedBenchmarks();
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    benchmark::Shutdown();
    return 0;
}
