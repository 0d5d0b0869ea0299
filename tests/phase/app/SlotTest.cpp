#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>

namespace {

// Starts a copy that claims a slot as the window does and holds it until its input ends;
// returns the slot it claimed, -1 when it told none.
int Start(QProcess& copy) {
    copy.start(QStringLiteral(SLOT_CLAIMER), {});
    if (!copy.waitForStarted() || !copy.waitForReadyRead()) {
        return -1;
    }
    bool ok = false;
    const int slot = copy.readLine().trimmed().toInt(&ok);
    return ok ? slot : -1;
}

TEST(InstanceSlot, CopiesTakeTheLowestFreeSlotAndFreeItWhenTheyEnd) {
    QProcess copies[21];
    EXPECT_EQ(Start(copies[0]), 0);
    EXPECT_EQ(Start(copies[1]), 1);
    copies[0].closeWriteChannel();  // ends the ordinary way
    copies[0].waitForFinished();
    EXPECT_EQ(Start(copies[0]), 0);
    copies[0].kill();  // however a copy ends, its slot is free again
    copies[0].waitForFinished();
    EXPECT_EQ(Start(copies[0]), 0);
    // Slots 0 and 1 are held: the others fill up, and the twenty-first copy shares slot 0.
    for (int slot = 2; slot < 20; ++slot) ASSERT_EQ(Start(copies[slot]), slot);
    EXPECT_EQ(Start(copies[20]), 0);
    for (QProcess& copy : copies) {
        copy.closeWriteChannel();
        copy.waitForFinished();
    }
}

// A copy stopped (SIGSTOP, a debugger) in the middle of its scan keeps the slot mutex; the next
// copy waits for it a few seconds only and then scans without it.
TEST(InstanceSlot, ACopyStoppedWhileHoldingTheMutexDoesNotBlockTheNext) {
    QProcess holder;
    holder.start(QStringLiteral(SLOT_CLAIMER), {QStringLiteral("hold")});
    ASSERT_TRUE(holder.waitForStarted() && holder.waitForReadyRead());
    ASSERT_EQ(holder.readLine().trimmed(), "held");
    ASSERT_EQ(kill(static_cast<pid_t>(holder.processId()), SIGSTOP), 0);
    QProcess copy;
    EXPECT_EQ(Start(copy), 0);
    kill(static_cast<pid_t>(holder.processId()), SIGCONT);
    for (QProcess* process : {&holder, &copy}) {
        process->closeWriteChannel();
        process->waitForFinished();
    }
}

}  // namespace
