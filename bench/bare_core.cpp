// The yardstick of phases_timing.sh: a program that starts Qt's core (an application object and
// the system time zone) and prints one offset, as tidewell-phases would if it used Qt.
#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QTimeZone zone = QTimeZone::systemTimeZone();
    std::printf("%d\n", zone.offsetFromUtc(QDateTime::currentDateTimeUtc()));
    return 0;
}
