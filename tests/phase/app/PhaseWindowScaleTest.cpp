// The phase window on a screen of the pixel density QT_SCALE_FACTOR gives this test: the strip
// laid out in logical pixels as at density 1, its pictures drawn from the drawings of that
// density (not enlarged), the lit sides and the text where they belong.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QWidget>
#include <cmath>

#include "phase/app/PhaseDlg.h"
#include "tests/phase/TestClock.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace {

// At 2024-02-10 12:00 UT in Europe/Berlin the strip shows a new moon, a first quarter, a full
// moon and a last quarter, in that order: bitmaps 129, 131, 132 and 133.
constexpr unsigned kPictures[4] = {129, 131, 132, 133};
// Which half of the disc is lit in each cell, left and right.
constexpr bool kLit[4][2] = {{false, false}, {false, true}, {true, true}, {true, false}};

qreal Ratio() {
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

QImage Drawing(unsigned id, int scale) {
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QImage(QStringLiteral(":/res/bitmap/%1%2.bmp").arg(id).arg(suffix))
        .convertToFormat(QImage::Format_RGB32);
}

int Device(qreal logical) {
    return static_cast<int>(std::lround(logical * Ratio()));
}

// Mean grey of the left and right halves of a picture's disc in the shot, away from the rim
// and the terminator; the picture's top-left corner at logical (left, 0).
std::pair<double, double> Halves(const QImage& shot, int left) {
    double sum[2] = {0, 0};
    int count[2] = {0, 0};
    for (int y = 0; y < Device(115); ++y) {
        for (int x = Device(left); x < Device(left + 120); ++x) {
            const double dx = (x + 0.5) / Ratio() - left - 60;
            const double dy = (y + 0.5) / Ratio() - 60;
            if (std::hypot(dx, dy) > 50 || std::abs(dx) < 6) {
                continue;
            }
            sum[dx > 0] += qGray(shot.pixel(x, y));
            ++count[dx > 0];
        }
    }
    return {sum[0] / count[0], sum[1] / count[1]};
}

bool Yellowish(QRgb pixel) {
    return qRed(pixel) > 100 && qGreen(pixel) > 100 && qBlue(pixel) < qRed(pixel) / 2;
}

TEST(DENSITY_SUITE, TheStripIsDrawnAtTheScreensDensityWithEverythingInPlace) {
    SetUtc(2024, 2, 10, 12);
    CPhaseDlg dialog;
    RunModal(dialog, [&] {
        HWND window = dialog.GetSafeHwnd();
        ASSERT_NEAR(window->devicePixelRatioF(), Ratio(), 1e-6);
        EXPECT_EQ(window->size(), QSize(507, 171));  // logical pixels, as at density 1
        const QImage shot = Grab(window);
        ASSERT_EQ(shot.size(), QSize(Device(507), Device(171)));

        const int scale = static_cast<int>(std::ceil(Ratio() - 1e-6));
        const bool whole = std::abs(Ratio() - scale) < 1e-6;
        for (int c = 0; c < 4; ++c) {
            SCOPED_TRACE(c);
            const int left = 130 * c;
            const QImage drawing = Drawing(kPictures[c], scale);
            const QRect place(Device(left), 0, Device(120), Device(114));
            const QImage shown = shot.copy(place);
            if (whole) {
                // Pixel for pixel the drawing of this density.
                EXPECT_EQ(shown, drawing.copy(0, 0, place.width(), place.height()));
            }
            if (scale > 1 && whole) {
                const QImage doubled =
                    Drawing(kPictures[c], 1)
                        .scaled(drawing.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
                EXPECT_NE(shown, doubled.copy(0, 0, place.width(), place.height()))
                    << "the 120-pixel picture enlarged";
            }
            const auto [leftMean, rightMean] = Halves(shot, left);
            for (const auto& [mean, lit] :
                 {std::pair{leftMean, kLit[c][0]}, std::pair{rightMean, kLit[c][1]}}) {
                if (lit) {
                    EXPECT_GT(mean, 110.0);
                } else {
                    EXPECT_LT(mean, 45.0);
                }
            }
            // The three lines of text start 25 logical pixels in, at 117, 133 and 149.
            for (const int top : {117, 133, 149}) {
                int first = -1;
                for (int x = Device(left); x < Device(left + 130) && first < 0; ++x) {
                    for (int y = Device(top); y < Device(top + 16); ++y) {
                        if (Yellowish(shot.pixel(x, y))) {
                            first = x;
                            break;
                        }
                    }
                }
                ASSERT_GE(first, 0) << "no text at " << top;
                EXPECT_NEAR(first / Ratio(), left + 25, 2.5) << "line at " << top;
            }
        }
    });
}

}  // namespace
