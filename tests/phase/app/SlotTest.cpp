#include <gtest/gtest.h>

#include <QProcess>
#include <memory>
#include <vector>

namespace {

// One running copy holding its slot.
class Copy {
public:
    // Starts the copy and returns the slot it claimed, -1 when it told none.
    int Start() {
        m_process.start(QStringLiteral(SLOT_CLAIMER), {});
        if (!m_process.waitForStarted() || !m_process.waitForReadyRead()) {
            return -1;
        }
        bool ok = false;
        const int slot = m_process.readLine().trimmed().toInt(&ok);
        return ok ? slot : -1;
    }
    // Ends it the ordinary way.
    void End() {
        m_process.closeWriteChannel();
        m_process.waitForFinished();
    }
    // Ends it with SIGKILL.
    void Kill() {
        m_process.kill();
        m_process.waitForFinished();
    }
    ~Copy() { End(); }

private:
    QProcess m_process;
};

TEST(InstanceSlot, CopiesTakeTheLowestFreeSlotAndFreeItWhenTheyEnd) {
    Copy first;
    EXPECT_EQ(first.Start(), 0);
    Copy second;
    EXPECT_EQ(second.Start(), 1);
    first.End();
    Copy third;
    EXPECT_EQ(third.Start(), 0);
    third.Kill();  // however a copy ends, its slot is free again
    Copy fourth;
    EXPECT_EQ(fourth.Start(), 0);
    // Slots 0 and 1 are held: the others fill up, and the twenty-first copy shares slot 0.
    std::vector<std::unique_ptr<Copy>> more;
    for (int slot = 2; slot < 20; ++slot) {
        more.push_back(std::make_unique<Copy>());
        ASSERT_EQ(more.back()->Start(), slot);
    }
    Copy extra;
    EXPECT_EQ(extra.Start(), 0);
}

}  // namespace
