#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "PhaseTestSupport.h"
#include "phase/app/PhaseDlg.h"
#include "platform/ui/Resources.h"
#include "support/ModalRun.h"

namespace {

// The table built at 2024-02-10 12:00 UT in Europe/Berlin (winter time, UT + 1):
//   0 New Moon Feb 10 0:00      1 First Quarter Feb 16 16:02   2 Full Moon Feb 24 13:31
//   3 Last Quarter Mar 3 16:25  4 New Moon Mar 10 10:02        5 First Quarter Mar 17 5:11
//   6 Full Moon Mar 25 8:01     7 Last Quarter Apr 2 5:15      8 New Moon Apr 8 20:23 (1.0)
void BuildTableOf20240210() {
    SetUtc(2024, 2, 10, 12);
}

const std::array<Cell, 4> kFromRow0 = {
    {{0, "Feb 10", "0:00"}, {1, "Feb 16", "16:02"}, {2, "Feb 24", "13:31"}, {3, "Mar 3", "16:25"}}};
const std::array<Cell, 4> kFromRow5 = {
    {{1, "Mar 17", "5:11"}, {2, "Mar 25", "8:01"}, {3, "Apr 2", "5:15"}, {0, "Apr 8", "20:23"}}};

// Counts the paints of a window other than those of taking its picture.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool grabbing = false;

    QImage Take(HWND window) {
        grabbing = true;
        QImage shot = Grab(window);
        grabbing = false;
        return shot;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !grabbing) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

QWidget* FindAbout() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle() == "About TidewellPhase") {
            return window;
        }
    }
    return nullptr;
}

TEST(PhaseWindow, StripStartsAtTheFirstRowNotBeforeToday) {
    struct Case {
        const char* name;
        int month, day, hour;  // UT of the paint; the table stays the one built at set-up
        bool black;
        const std::array<Cell, 4>* cells;
    };
    const Case cases[] = {
        // 23:00 local: the new moon at 0:00 the same day still counts.
        {"row 0", 2, 10, 22, false, &kFromRow0}, {"row 5", 3, 17, 12, false, &kFromRow5},
        {"row 6", 3, 18, 12, true, nullptr},     {"row 8", 4, 8, 12, true, nullptr},
        {"none", 4, 9, 12, true, nullptr},
    };
    for (const Case& c : cases) {
        BuildTableOf20240210();
        CPhaseDlg dialog;
        RunModal(dialog, [&] {
            SetUtc(2024, c.month, c.day, c.hour);
            const QImage shot = Grab(dialog.GetSafeHwnd());
            const QImage expected = c.black ? BlackStrip() : ExpectedStrip(*c.cells, false);
            EXPECT_EQ(shot, expected) << c.name;
        });
    }
}

TEST(PhaseWindow, SouthernPicturesWithTheSameTexts) {
    BuildTableOf20240210();
    CPhaseDlg dialog;
    dialog.SetSouth();
    RunModal(dialog, [&] {
        SetUtc(2024, 3, 17, 12);
        EXPECT_EQ(Grab(dialog.GetSafeHwnd()), ExpectedStrip(kFromRow5, true));
    });
}

TEST(PhaseWindow, TextIsYellowOnBlack) {
    BuildTableOf20240210();
    CPhaseDlg dialog;
    RunModal(dialog, [&] {
        const QImage shot = Grab(dialog.GetSafeHwnd());
        int full = 0;
        for (int y = 117; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb pixel = shot.pixel(x, y);
                // Blends of (204, 204, 0) and black only.
                ASSERT_EQ(qRed(pixel), qGreen(pixel)) << x << "," << y;
                ASSERT_EQ(qBlue(pixel), 0) << x << "," << y;
                full += pixel == qRgb(204, 204, 0) ? 1 : 0;
            }
        }
        EXPECT_GT(full, 100);
    });
}

TEST(PhaseWindow, MinimisedItShowsTheIconCentred) {
    BuildTableOf20240210();
    CPhaseDlg dialog;
    RunModal(dialog, [&] {
        HWND window = dialog.GetSafeHwnd();
        dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        ASSERT_TRUE(dialog.IsIconic());
        const QImage shot = Grab(window);
        // (507 - 32 + 1) / 2 and (171 - 32 + 1) / 2.
        const QPoint at(238, 70);
        QImage expected(shot.size(), QImage::Format_RGB32);
        expected.fill(shot.pixel(0, 0));
        {
            QPainter painter(&expected);
            QIcon(":/res/icon/128.ico").paint(&painter, QRect(at, QSize(32, 32)));
        }
        EXPECT_EQ(shot, expected);
        EXPECT_NE(shot.pixel(0, 0), qRgb(0, 0, 0));  // no strip behind it
        // Dragged while minimised, it shows its icon.
        EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_QUERYDRAGICON)), LoadIcon(128));
    });
}

TEST(PhaseWindow, ADateChangeSeenByTheTimerRebuildsAndRepaints) {
    BuildTableOf20240210();
    CPhaseDlg dialog;
    RunModal(dialog, [&] {
        HWND window = dialog.GetSafeHwnd();
        // The window's first paint, for being shown, is out of the way.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        PaintCounter counter;
        window->installEventFilter(&counter);
        // Past the last whole strip of the table built at set-up: black until rebuilt.
        SetUtc(2024, 3, 18, 12);
        ASSERT_EQ(counter.Take(window), BlackStrip());
        // The first repaint shows the table rebuilt on 2024-03-18: the full moon of Mar 25
        // leads the strip.
        ASSERT_TRUE(WaitFor([&] { return counter.paints > 0; }));
        EXPECT_TRUE(ShowsAt(counter.Take(window), PictureTop(132), QPoint(0, 0)));
        window->removeEventFilter(&counter);
    });
}

TEST(PhaseWindow, SystemCommand0x0010OpensTheAboutBox) {
    struct Case {
        UINT command;
        bool about;
    };
    const Case cases[] = {{0x0010, true}, {0x0011, true}, {0x001F, true}, {0x0020, false}};
    for (const Case& c : cases) {
        BuildTableOf20240210();
        CPhaseDlg dialog;
        RunModal(dialog, [&] {
            QStringList texts;
            // The About box runs its own modal loop: close it from inside that loop.
            QTimer closer;
            QObject::connect(&closer, &QTimer::timeout, [&] {
                if (QWidget* about = FindAbout()) {
                    for (QLabel* label : about->findChildren<QLabel*>()) {
                        texts << label->text();
                    }
                    QTest::keyClick(about->focusWidget(), Qt::Key_Escape);
                }
            });
            closer.start(10);
            dialog.SendMessage(WM_SYSCOMMAND, c.command);
            closer.stop();
            if (c.about) {
                EXPECT_TRUE(texts.contains("TidewellPhase Version 1.0")) << c.command;
                EXPECT_TRUE(texts.contains("Copyright (C) 2026 Velmora")) << c.command;
            } else {
                EXPECT_TRUE(texts.isEmpty()) << c.command;
            }
            EXPECT_EQ(FindAbout(), nullptr);
            EXPECT_TRUE(dialog.GetSafeHwnd()->isVisible());
        });
    }
}

TEST(PhaseWindow, FixedSizeWindowWithItsTitleAndIcon) {
    BuildTableOf20240210();
    CPhaseDlg dialog;
    RunModal(dialog, [&] {
        HWND window = dialog.GetSafeHwnd();
        EXPECT_EQ(window->windowTitle(), "Tidewell Upcoming Phases");
        EXPECT_EQ(window->size(), QSize(507, 171));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(window->windowType(), Qt::Window);  // its own task-bar entry
        EXPECT_FALSE(window->windowIcon().isNull());
    });
}

}  // namespace
