// The phase window as assistive technology sees it, in process: a frame with its title, and the
// strip's cells as list items named as the strip home says, in strip order; no cells for a
// black strip; renamed when the strip changes. (Offscreen, Qt's accessibility is never active,
// so the announcements are heard end to end, in tests/e2e.)
#include <gtest/gtest.h>

#include <QAccessible>
#include <QStringList>
#include <QWidget>

#include "phase/app/PhaseDlg.h"
#include "tests/phase/TestClock.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace {

// The one list below the window, the strip.
QAccessibleInterface* StripOf(QAccessibleInterface* window) {
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        if (child != nullptr && child->role() == QAccessible::List) {
            return child;
        }
    }
    return nullptr;
}

QStringList Names(QAccessibleInterface* strip) {
    QStringList names;
    for (int i = 0; i < strip->childCount(); ++i) {
        QAccessibleInterface* cell = strip->child(i);
        EXPECT_EQ(cell->role(), QAccessible::ListItem);
        EXPECT_EQ(cell->parent(), strip);
        EXPECT_EQ(strip->indexOfChild(cell), i);
        names << cell->text(QAccessible::Name);
    }
    return names;
}

// At 2024-02-10 12:00 UT in Europe/Berlin the table is, row by row: New Moon Feb 10 0:00,
// First Quarter Feb 16 16:02, Full Moon Feb 24 13:31, Last Quarter Mar 3 16:25, New Moon Mar 10
// 10:02, First Quarter Mar 17 5:11, Full Moon Mar 25 8:01, Last Quarter Apr 2 5:15, New Moon
// Apr 8 20:23.
const QStringList kFromRow0 = {"New Moon, Feb 10, 0:00", "First Quarter, Feb 16, 16:02",
                               "Full Moon, Feb 24, 13:31", "Last Quarter, Mar 3, 16:25"};
const QStringList kFromRow5 = {"First Quarter, Mar 17, 5:11", "Full Moon, Mar 25, 8:01",
                               "Last Quarter, Apr 2, 5:15", "New Moon, Apr 8, 20:23"};

TEST(StripAccessible, TheCellsFollowTheStrip) {
    for (const bool south : {false, true}) {
        SCOPED_TRACE(south);
        SetUtc(2024, 2, 10, 12);
        CPhaseDlg dialog;
        if (south) {
            dialog.SetSouth();
        }
        RunModal(dialog, [&] {
            HWND window = dialog.GetSafeHwnd();
            QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
            ASSERT_NE(frame, nullptr);
            EXPECT_EQ(frame->role(), QAccessible::Window);
            EXPECT_EQ(frame->text(QAccessible::Name), "Tidewell Upcoming Phases");
            QAccessibleInterface* strip = StripOf(frame);
            ASSERT_NE(strip, nullptr);
            ASSERT_TRUE(WaitFor([&] { return strip->childCount() == 4; }));
            EXPECT_EQ(Names(strip), kFromRow0);
            const QString hemisphere =
                south ? "Seen from the southern hemisphere" : "Seen from the northern hemisphere";
            EXPECT_EQ(strip->child(0)->text(QAccessible::Description), hemisphere);
            EXPECT_TRUE(window->rect().contains(
                strip->child(3)->rect().translated(-window->mapToGlobal(QPoint(0, 0)))));

            // Days pass with the same table: the strip moves on to row 5, then runs out.
            SetUtc(2024, 3, 17, 12);
            window->repaint();
            EXPECT_EQ(Names(strip), kFromRow5);
            SetUtc(2024, 3, 18, 12);
            window->repaint();
            EXPECT_EQ(strip->childCount(), 0) << "a black strip has no cells";
            SetUtc(2024, 2, 10, 12);
            window->repaint();
            EXPECT_EQ(Names(strip), kFromRow0);
        });
    }
}

}  // namespace
