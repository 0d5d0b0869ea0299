// The strip and the About box under a desktop font setting: the test's ENV names a Qt platform
// theme and a configuration folder whose settings give the desktop's general font, and
// TW_DESKTOP_FONT the family and point size that setting gives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "phase/app/PhaseAboutDlg.h"
#include "phase/app/PhaseDlg.h"
#include "platform/ui/qt/FontFit.h"
#include "tests/phase/TestClock.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace {

constexpr int kTextTop = 117;
constexpr int kLinePitch = 16;
constexpr int kClientWidth = 507;
// A glyph may reach a little to the left of where its text begins; the column has room for that
// (the cell starts 25 pixels further left).
constexpr int kLeftBearing = 3;

// The text's own pixels: yellow on black, smoothed at the edges; the pictures are grey.
bool IsInk(QRgb pixel) {
    return qBlue(pixel) == 0 && qRed(pixel) > 0;
}

// Where the text's pixels lie in the image, in a rectangle; empty for none.
QRect InkBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (IsInk(image.pixel(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

std::string Describe(const QRect& rect) {
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height())
        .toStdString();
}

// The text drawn alone as the window draws it, at (margin, margin) of a larger black image.
constexpr int kMargin = 40;
QImage Alone(const QString& text) {
    QImage image(kClientWidth, 2 * kMargin + kLinePitch, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const QFont font = platform::qt::SurfaceFont();
    painter.setFont(font);
    painter.setPen(QColor(204, 204, 0));
    painter.drawText(kMargin, kMargin + QFontMetrics(font).ascent(), text);
    return image;
}

TEST(DesktopFont, TheThemeGivesTheDesktopFont) {
    const std::string wanted = std::getenv("TW_DESKTOP_FONT");
    const QFont font = QApplication::font();
    EXPECT_EQ(QStringLiteral("%1,%2").arg(font.family()).arg(font.pointSize()).toStdString(),
              wanted);
}

// Each text keeps to its line and its column: drawn alone it stays in a 16-pixel line and in
// the room before the next picture (105 pixels) or the window's edge (92), and the window
// shows all of it.
TEST(DesktopFont, EveryTextOfTheStripFitsItsLineAndColumn) {
    // Strips with "Last Quarter" (from Feb 10) and "First Quarter" (from Feb 24) in the last
    // cell, each label once in every other cell, and two-digit days and hours.
    const struct {
        unsigned day;
        const char* texts[4][3];
    } strips[] = {
        {10,
         {{"New Moon", "Feb 10", "0:00"},
          {"First Quarter", "Feb 16", "16:02"},
          {"Full Moon", "Feb 24", "13:31"},
          {"Last Quarter", "Mar 3", "16:25"}}},
        {24,
         {{"Full Moon", "Feb 24", "13:31"},
          {"Last Quarter", "Mar 3", "16:25"},
          {"New Moon", "Mar 10", "10:02"},
          {"First Quarter", "Mar 17", "5:11"}}},
    };
    for (const auto& strip : strips) {
        SetUtc(2024, 2, 10, 12);  // the table is built then
        CPhaseDlg dialog;
        RunModal(dialog, [&] {
            SetUtc(2024, 2, strip.day, 12);
            const QImage shot = Grab(dialog.GetSafeHwnd());
            for (int c = 0; c < 4; ++c) {
                const int x = 25 + 130 * c;
                const int room = c == 3 ? kClientWidth - x : 105;
                for (int l = 0; l < 3; ++l) {
                    const QString text = QString::fromLatin1(strip.texts[c][l]);
                    SCOPED_TRACE(text.toStdString());
                    const QImage alone = Alone(text);
                    const QRect ink = InkBounds(alone, alone.rect());
                    ASSERT_FALSE(ink.isEmpty());
                    EXPECT_TRUE(
                        QRect(kMargin - kLeftBearing, kMargin, room + kLeftBearing, kLinePitch)
                            .contains(ink))
                        << Describe(ink);
                    // In the window: the same pixels at the text's place, none cut or erased.
                    const int top = kTextTop + kLinePitch * l;
                    const QRect line(x - kLeftBearing, top, room + kLeftBearing, kLinePitch);
                    for (int y = 0; y < kLinePitch; ++y) {
                        for (int dx = -kLeftBearing; dx < room; ++dx) {
                            const bool there = IsInk(shot.pixel(x + dx, top + y));
                            const bool drawn = IsInk(alone.pixel(kMargin + dx, kMargin + y));
                            ASSERT_EQ(there, drawn) << "at " << dx << ", " << y;
                        }
                    }
                    EXPECT_EQ(InkBounds(shot, line), ink.translated(x - kMargin, top - kMargin));
                }
            }
        });
    }
}

// The About box keeps its dialog-unit layout, and its texts and its button fit their places.
TEST(DesktopFont, TheAboutBoxShowsItsTextsAndButtonWhole) {
    CPhaseAboutDlg dialog;
    RunModal(dialog, [&] {
        QWidget* window = dialog.GetSafeHwnd();
        EXPECT_EQ(window->size(), QSize(353, 89));  // 235 by 55 dialog units
        int texts = 0;
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) {
                continue;  // the icon
            }
            ++texts;
            const QFontMetrics metrics(label->font());
            SCOPED_TRACE(label->text().toStdString());
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
            EXPECT_LE(metrics.height(), label->height());
            EXPECT_TRUE(window->rect().contains(label->geometry()));
        }
        EXPECT_EQ(texts, 2);
        const auto* ok = window->findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(window->rect().contains(ok->geometry()));
        EXPECT_EQ(ok->geometry(), QRect(267, 11, 75, 23));  // (178, 7) 50 by 14
        const QFontMetrics metrics(ok->font());
        EXPECT_LE(metrics.height(), ok->height() - 4);
        EXPECT_LE(metrics.horizontalAdvance(ok->text()), ok->width() - 8);
    });
}

}  // namespace
