// bus_latency SECONDS SERVICE...: for SECONDS, or until SIGTERM or SIGINT, calls SysCommand(0) (a
// command the phase window passes on and nothing comes of) on the window of each service in turn,
// one call at a time per window with 10 ms between an answer and the next call, and measures how
// long each answer takes: a window whose user-interface thread is held up answers late. Prints one
// line per service (calls, failures, median and longest answer in ms) and then the longest
// answer of all.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/TerminationSignals.h"

namespace {

struct Window {
    QString service;
    std::vector<double> answers;  // milliseconds
    int failures = 0;
};

QElapsedTimer g_run;
qint64 g_endMs = 0;
int g_outstanding = 0;

void Call(Window& window) {
    if (g_run.elapsed() >= g_endMs) {
        if (g_outstanding == 0) {
            QCoreApplication::quit();
        }
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        window.service, QStringLiteral("/TidewellPhase"),
        QStringLiteral("org.velmora.TidewellPhase"), QStringLiteral("SysCommand"));
    call << 0u;
    const qint64 sentNs = g_run.nsecsElapsed();
    ++g_outstanding;
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 60000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [&window, sentNs, watcher] {
        --g_outstanding;
        if (watcher->isError()) {
            ++window.failures;
        } else {
            window.answers.push_back((g_run.nsecsElapsed() - sentNs) / 1e6);
        }
        watcher->deleteLater();
        QTimer::singleShot(10, [&window] { Call(window); });
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bus_latency SECONDS SERVICE...\n");
        return 2;
    }
    g_endMs = static_cast<qint64>(std::atof(argv[1]) * 1000);
    std::vector<Window> windows(static_cast<std::size_t>(argc - 2));
    for (int i = 2; i < argc; ++i) {
        windows[static_cast<std::size_t>(i - 2)].service = QString::fromLocal8Bit(argv[i]);
    }
    platform::EndInOrderOnTerminationSignals();
    g_run.start();
    for (Window& window : windows) {
        Call(window);
    }
    application.exec();

    double longest = 0;
    for (Window& window : windows) {
        std::sort(window.answers.begin(), window.answers.end());
        const double median =
            window.answers.empty() ? 0 : window.answers[window.answers.size() / 2];
        const double most = window.answers.empty() ? 0 : window.answers.back();
        longest = std::max(longest, most);
        std::printf("%s  calls %zu  failed %d  median %.2f ms  longest %.2f ms\n",
                    qPrintable(window.service), window.answers.size(), window.failures, median,
                    most);
    }
    std::printf("longest answer of all: %.2f ms\n", longest);
    return 0;
}
