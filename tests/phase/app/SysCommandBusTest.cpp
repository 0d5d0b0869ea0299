#include <gtest/gtest.h>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDeadlineTimer>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <memory>

#include "phase/app/PhaseDlg.h"
#include "tests/phase/TestClock.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace {

QString Service(int slot) {
    return QStringLiteral("org.velmora.TidewellPhase.TWP%1").arg(slot, 3, 10, QLatin1Char('0'));
}

// A session bus of the test's own, which the program finds through the environment.
class PrivateBus : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
            return;
        }
        daemon = std::make_unique<QProcess>();
        daemon->start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
        if (daemon->waitForReadyRead(10000)) {
            address = QString::fromUtf8(daemon->readLine().trimmed());
            qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        }
    }
    static void TearDownTestSuite() { daemon.reset(); }  // killed with its process object
    void SetUp() override {
        if (address.isEmpty()) {
            GTEST_SKIP() << "no dbus-daemon";
        }
        SetUtc(2024, 2, 10, 12);
    }

    // A second connection, as another program would have.
    static QDBusConnection Caller() {
        return QDBusConnection::connectToBus(address, QStringLiteral("caller"));
    }
    static QDBusPendingCall Send(int slot, uint command) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            Service(slot), QStringLiteral("/TidewellPhase"),
            QStringLiteral("org.velmora.TidewellPhase"), QStringLiteral("SysCommand"));
        call << command;
        return Caller().asyncCall(call);
    }

    // Whether the window of the slot has offered its port (it does once it has painted).
    static bool Offered(int slot) {
        return WaitFor(
            [slot] { return Caller().interface()->isServiceRegistered(Service(slot)).value(); });
    }

    static inline std::unique_ptr<QProcess> daemon;
    static inline QString address;
};

TEST_F(PrivateBus, SystemCommandsFromOutsideReachTheWindow) {
    auto dialog = std::make_unique<CPhaseDlg>();  // the first window of this process: slot 0
    const INT_PTR result = RunModal(*dialog, [&] {
        int abouts = 0;
        QStringList texts;
        // The About box runs its own modal loop: close it from inside that loop. The command's
        // handling returns once the box is closed.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            for (QWidget* about : QApplication::topLevelWidgets()) {
                if (about->isVisible() && about->windowTitle() == "About TidewellPhase") {
                    ++abouts;
                    for (QLabel* label : about->findChildren<QLabel*>()) texts << label->text();
                    QTest::keyClick(about->focusWidget(), Qt::Key_Escape);
                }
            }
        });
        closer.start(10);
        ASSERT_TRUE(Offered(0));
        // The caller has its answer before the command is carried out.
        QDBusPendingCall ignored = Send(0, 0x0020);
        ASSERT_TRUE(WaitFor([&] { return ignored.isFinished(); }));
        EXPECT_FALSE(ignored.isError()) << ignored.error().message().toStdString();
        QDBusPendingCall about = Send(0, 0x0011);
        ASSERT_TRUE(WaitFor([&] { return about.isFinished() && abouts > 0; }));
        EXPECT_EQ(abouts, 1);  // 0x0020 opened nothing
        EXPECT_TRUE(texts.contains("TidewellPhase Version 1.0"));
        EXPECT_TRUE(texts.contains("Copyright (C) 2026 Velmora"));

        Send(0, 0xF020);
        EXPECT_TRUE(WaitFor([&] { return dialog->IsIconic() != FALSE; }));
        Send(0, 0xF120);
        EXPECT_TRUE(WaitFor([&] { return dialog->IsIconic() == FALSE; }));
        Send(0, 0xF060);
        EXPECT_TRUE(WaitFor([&] { return !dialog->GetSafeHwnd()->isVisible(); }));
    });
    EXPECT_EQ(result, IDCANCEL);
    // Gone with the window object.
    dialog.reset();
    EXPECT_FALSE(Caller().interface()->isServiceRegistered(Service(0)).value());
}

int VisibleAboutBoxes() {
    int boxes = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle() == "About TidewellPhase") {
            ++boxes;
        }
    }
    return boxes;
}

TEST_F(PrivateBus, OneAboutBoxAtATimeAndTheCloseEndsItWithTheWindow) {
    auto dialog = std::make_unique<CPhaseDlg>();
    int mostBoxes = 0;
    int step = 0;
    const INT_PTR result = RunModal(*dialog, [&] {
        // The About box runs its own modal loop, and what follows happens inside it.
        QTimer watcher;
        const QDeadlineTimer deadline(5000);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            mostBoxes = std::max(mostBoxes, VisibleAboutBoxes());
            // Should boxes pile up or stay, they are closed, so the test ends either way.
            if (VisibleAboutBoxes() > 1 || deadline.hasExpired()) {
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    if (window->isVisible() && window->windowTitle() == "About TidewellPhase") {
                        QTest::keyClick(window, Qt::Key_Escape);
                    }
                }
                return;
            }
            if (step == 0 && VisibleAboutBoxes() == 1) {
                step = 1;
                for (uint again : {0x0010u, 0x001Fu, 0x0010u}) Send(0, again);
                Send(0, 0xF020);  // once the window is minimised, the commands before it are done
            } else if (step == 1 && dialog->IsIconic() != FALSE) {
                step = 2;
                Send(0, 0xF060);
            }
        });
        watcher.start(10);
        ASSERT_TRUE(Offered(0));
        Send(0, 0x0010);
        EXPECT_TRUE(WaitFor([&] {
            return step == 2 && VisibleAboutBoxes() == 0 && !dialog->GetSafeHwnd()->isVisible();
        }));
    });
    EXPECT_EQ(step, 2);
    EXPECT_EQ(mostBoxes, 1);
    EXPECT_EQ(result, IDCANCEL);  // closed by the command, not by the test
}

TEST_F(PrivateBus, ACopyWhoseNameIsTakenRunsWithoutIt) {
    QDBusConnection other = Caller();
    for (int slot = 0; slot < 20; ++slot) ASSERT_TRUE(other.registerService(Service(slot)));
    CPhaseDlg dialog;
    const INT_PTR result = RunModal(dialog, [&] {
        QDBusPendingCall close = Send(0, 0xF060);
        ASSERT_TRUE(WaitFor([&] { return close.isFinished(); }));
        EXPECT_TRUE(close.isError());  // the name's owner has no such object
        EXPECT_TRUE(dialog.GetSafeHwnd()->isVisible());
    });
    EXPECT_EQ(result, IDABORT);
    for (int slot = 0; slot < 20; ++slot) other.unregisterService(Service(slot));
}

}  // namespace
