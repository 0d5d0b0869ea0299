// The credits dialog under a desktop font setting (tests/support/desktop): it keeps its
// dialog-unit layout, and its credit lines and its button show whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "about/CCreditsDlg.h"
#include "platform/ui/ListBox.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace {

TEST(DesktopFont, TheThemeGivesTheDesktopFont) {
    const QFont font = QApplication::font();
    EXPECT_EQ(QStringLiteral("%1,%2").arg(font.family()).arg(font.pointSize()).toStdString(),
              std::string(std::getenv("TW_DESKTOP_FONT")));
}

TEST(DesktopFont, TheCreditsDialogShowsItsLinesAndButtonWhole) {
    CCreditsDlg dialog;
    for (const char* name : {"Ada", "Grace", "Edsger", "Barbara"}) {
        dialog.AddArgument(name);
    }
    RunModal(dialog, [&] {
        QWidget* window = dialog.GetSafeHwnd();
        EXPECT_EQ(window->size(), QSize(398, 535));  // 265 by 329 dialog units
        CWnd* list = dialog.GetDlgItem(CCreditsDlg::IDC_CREDITS);
        ASSERT_NE(list, nullptr);
        const QRect lines = list->GetSafeHwnd()->geometry();
        EXPECT_EQ(lines, QRect(0, 418, 398, 78));  // (0, 257) 265 by 48
        const auto lineHeight = static_cast<int>(list->SendMessage(LB_GETITEMHEIGHT));
        EXPECT_GT(lineHeight, 0);
        EXPECT_LE(4 * lineHeight, lines.height());  // all four lines at once
        const auto* ok = qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK)->GetSafeHwnd());
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->geometry(), QRect(158, 505, 75, 23));  // (105, 311) 50 by 14
        EXPECT_TRUE(window->rect().contains(ok->geometry()));
        EXPECT_FALSE(ok->geometry().intersects(lines));
        const QFontMetrics metrics(ok->font());
        EXPECT_LE(metrics.height(), ok->height() - 4);
        EXPECT_LE(metrics.horizontalAdvance(ok->text()), ok->width() - 8);
    });
}

}  // namespace
