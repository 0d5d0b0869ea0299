#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <csignal>
#include <cstdlib>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "phase/app/InstanceSlot.h"
#include "phase/app/PhaseDlg.h"
#include "platform/registry/KeyLocation.h"
#include "platform/registry/SettingsFile.h"
#include "tests/phase/TestClock.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace {

QString StoreFile() {
    return platform::LocateKey(QStringLiteral("Software\\Velmora\\Tidewell\\TWP000"))->file;
}

QString Entry(int slot, const char* name) {
    return QStringLiteral("TWP%1/%2").arg(slot, 3, 10, QLatin1Char('0')).arg(name);
}

// Each window of this process claims the next slot (a process holds its claims to the end),
// so a stored position is written under every slot's key, as text in the store's file.
void StoreEverySlot(const char* name, const char* text) {
    QSettings settings(StoreFile(), QSettings::IniFormat);
    for (int slot = 0; slot < kInstanceSlots; ++slot) settings.setValue(Entry(slot, name), text);
}

QString Stored(int slot, const char* name) {
    return QSettings(StoreFile(), QSettings::IniFormat).value(Entry(slot, name)).toString();
}

QPoint FrameTopLeft(CWnd& window) {
    CRect rect;
    window.GetWindowRect(&rect);
    return QPoint(rect.left, rect.top);
}

bool Centred(CWnd& window) {
    // Centred before the window had its frame: off by the frame's width at most.
    const QPoint offset = window.GetSafeHwnd()->frameGeometry().center() -
                          QGuiApplication::primaryScreen()->availableGeometry().center();
    return std::abs(offset.x()) <= 4 && std::abs(offset.y()) <= 4;
}

class StoredPosition : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(StoreFile());
        SetUtc(2024, 2, 10, 12);
    }
};

// Restored when both values are 32-bit numbers and put the window on a screen, else centred;
// neither the restore's own move nor the centring is stored.
TEST_F(StoredPosition, IsRestoredWhenBothValuesAreGoodAndOnAScreen) {
    const struct {
        const char* name;
        const char* x;
        const char* y;             // none: missing
        std::optional<QPoint> at;  // none: centred
    } cases[] = {
        {"zero is one", "0", "250", QPoint(1, 250)},
        {"partly off the left", "-40", "0", QPoint(-40, 1)},
        {"only Xpos", "300", nullptr, std::nullopt},
        {"not a number", "300", "abc", std::nullopt},
        {"longer than 32 bits", "4294967296", "250", std::nullopt},
        {"off every screen", "5000", "5000", std::nullopt},
        {"at the far end of the range", "2147483647", "2147483647", std::nullopt},
        {"at the near end of the range", "-2147483648", "-2147483648", std::nullopt},
    };
    for (const auto& c : cases) {
        SetUp();
        StoreEverySlot("Xpos", c.x);
        if (c.y != nullptr) StoreEverySlot("Ypos", c.y);
        CPhaseDlg dialog;
        RunModal(dialog, [&] {
            if (c.at) {
                EXPECT_EQ(FrameTopLeft(dialog), *c.at) << c.name;
            } else {
                EXPECT_TRUE(Centred(dialog)) << c.name;
            }
        });
        for (int slot = 0; slot < kInstanceSlots; ++slot) {
            EXPECT_EQ(Stored(slot, "Xpos"), c.x) << c.name;
        }
    }
}

TEST_F(StoredPosition, EveryMoveAfterSetUpIsStoredUnderTheSlotsKey) {
    CPhaseDlg dialog;
    std::optional<int> ownSlot;
    RunModal(dialog, [&] {
        CRect rect;
        dialog.GetWindowRect(&rect);
        // The window may end up a little beside the place asked for (the offscreen screen
        // keeps part of its frame in view): what counts is where it is, partly off the left.
        for (const QPoint at : {QPoint(200, 300), QPoint(-60, 45)}) {
            dialog.MoveWindow(at.x(), at.y(), rect.Width(), rect.Height());
            ASSERT_TRUE(WaitFor([&] {
                const QPoint now = FrameTopLeft(dialog);
                if ((now.x() < 0) != (at.x() < 0) || now.y() != at.y()) {
                    return false;
                }
                for (int slot = 0; slot < kInstanceSlots; ++slot) {
                    if (Stored(slot, "Xpos") == QString::number(now.x()) &&
                        Stored(slot, "Ypos") == QString::number(now.y())) {
                        ownSlot = slot;
                        return true;
                    }
                }
                return false;
            })) << at.x();
        }
    });
    ASSERT_TRUE(ownSlot);
    for (int slot = 0; slot < kInstanceSlots; ++slot) {
        EXPECT_EQ(Stored(slot, "Xpos").isEmpty(), slot != *ownSlot) << slot;
    }
}

// However the program ends in order, the last place it took is in the file: closed, or ended
// by SIGTERM (logout), SIGINT or SIGHUP. The test holds the file's lock until the copy's run
// has ended, so that the place can only reach the file as the program ends.
TEST_F(StoredPosition, IsOnDiskHoweverTheProgramEndsInOrder) {
    const struct {
        const char* what;
        int signal;  // 0: the close command
    } cases[] = {{"close", 0}, {"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(StoreFile());
        if (c.signal != 0) {
            std::signal(c.signal, SIG_DFL);  // an ignored signal would stay ignored in the copy
        }
        QDir().mkpath(QFileInfo(StoreFile()).path());
        const std::string lockPath = platform::SettingsLockPath(StoreFile().toStdString());
        const int lock = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_TRUE(lock >= 0 && flock(lock, LOCK_EX) == 0);

        QProcess copy;
        copy.start(QStringLiteral(WINDOW_COPY), {});
        ASSERT_TRUE(copy.waitForStarted());
        copy.write("move 210 320\n");
        ASSERT_TRUE(copy.waitForReadyRead());
        const QList<QByteArray> moved = copy.readLine().trimmed().split(' ');
        ASSERT_EQ(moved.size(), 3);
        if (c.signal != 0) {
            kill(static_cast<pid_t>(copy.processId()), c.signal);
        } else {
            copy.write("close\n");
        }
        ASSERT_TRUE(copy.waitForReadyRead());
        EXPECT_EQ(copy.readLine().trimmed(), "ending");
        EXPECT_TRUE(Stored(0, "Xpos").isEmpty());
        close(lock);
        ASSERT_TRUE(copy.waitForFinished());
        EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(copy.exitCode(), 0);
        EXPECT_EQ(Stored(0, "Xpos"), moved[1]);
        EXPECT_EQ(Stored(0, "Ypos"), moved[2]);
    }
}

}  // namespace
