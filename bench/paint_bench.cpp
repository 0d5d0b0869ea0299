// One paint of the phase strip (four pictures and twelve lines of text) by the phase window,
// offscreen. Run by hand: build/bench/paint_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <chrono>

#include "phase/app/PhaseDlg.h"
#include "platform/clock/Clock.h"

namespace {

QWidget* g_window = nullptr;

void BM_PaintStrip(benchmark::State& state) {
    QImage surface(g_window->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        g_window->render(&surface);
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_PaintStrip)->Unit(benchmark::kMicrosecond);

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
        g_window = dialog.GetSafeHwnd();
        benchmark::RunSpecifiedBenchmarks();
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    benchmark::Shutdown();
    return 0;
}
