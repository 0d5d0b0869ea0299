#include "platform/TerminationSignals.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>

namespace platform {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler only tells the application's thread through a pipe; that thread ends the loops.
int signalPipe[2] = {-1, -1};

void OnSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t ignored = write(signalPipe[1], &byte, 1);
    errno = saved;
}

void EndTheLoops() {
    char bytes[16];
    while (read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::exit(0);
}

}  // namespace

void EndInOrderOnTerminationSignals() {
    static QPointer<QSocketNotifier> notifier;
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || QThread::currentThread() != application->thread() ||
        notifier != nullptr) {
        return;
    }
    if (signalPipe[0] < 0 && pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, application);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, &EndTheLoops);
    for (const int number : kSignals) {
        struct sigaction current {};
        if (sigaction(number, nullptr, &current) != 0 || current.sa_handler != SIG_DFL ||
            (current.sa_flags & SA_SIGINFO) != 0) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART | SA_RESETHAND;
        sigaction(number, &action, nullptr);
    }
}

}  // namespace platform
