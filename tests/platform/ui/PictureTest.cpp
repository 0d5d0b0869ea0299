// Pictures and BitBlt at the pixel density of the device: the drawing of that density where
// there is one, the nearest larger one reduced smoothly between them, chosen anew at every
// paint; coordinates stay logical pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>

#include "platform/ui/Dc.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Picture.h"
#include "platform/ui/Resources.h"

namespace {

constexpr UINT kMoon = 950;  // a first quarter, with drawings at 2 and 3 times its size

class ImageDC : public CDC {
public:
    explicit ImageDC(QImage& image) { SetPainter(std::make_unique<QPainter>(&image)); }
};

QImage Drawing(const char* suffix) {
    return QImage(QStringLiteral(":/res/bitmap/950%1.bmp").arg(QLatin1String(suffix)))
        .convertToFormat(QImage::Format_RGB32);
}

// A black canvas of 200 x 130 logical pixels at the ratio, with the picture blitted at (40, 5).
QImage Blitted(CBitmap& bitmap, qreal ratio) {
    QImage canvas(QSize(static_cast<int>(std::lround(200 * ratio)),
                        static_cast<int>(std::lround(130 * ratio))),
                  QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::black);
    ImageDC dc(canvas);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    memDC.SelectObject(&bitmap);
    EXPECT_TRUE(dc.BitBlt(40, 5, 120, 120, &memDC, 0, 0, SRCCOPY));
    return canvas;
}

// Mean absolute difference of two equal-sized pictures, 0..255.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        }
    }
    return sum / (a.width() * a.height());
}

TEST(Picture, EachPaintTakesTheDrawingOfItsDevicesDensity) {
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(LoadBitmap(kMoon)));
    EXPECT_EQ(bitmap.GetSafeHandle()->Size(), QSize(120, 120));
    const QImage base = Drawing("");
    const QImage twice = Drawing("@2x");
    const QImage thrice = Drawing("@3x");
    ASSERT_EQ(twice.size(), QSize(240, 240));
    ASSERT_EQ(thrice.size(), QSize(360, 360));

    // One picture, its ratio changing from paint to paint as a window's does between screens.
    const struct {
        qreal ratio;
        const QImage* exact;  // the drawing shown pixel for pixel; none between drawings
    } cases[] = {{1, &base},     {2, &twice},     {1.25, nullptr}, {3, &thrice},
                 {1.5, nullptr}, {1.75, nullptr}, {2, &twice},     {1, &base}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        const QImage shot = Blitted(bitmap, c.ratio);
        const int side = static_cast<int>(std::lround(120 * c.ratio));
        const QPoint at(static_cast<int>(std::lround(40 * c.ratio)),
                        static_cast<int>(std::lround(5 * c.ratio)));
        const QImage shown = shot.copy(QRect(at, QSize(side, side)));
        if (c.exact != nullptr) {
            EXPECT_EQ(shown, *c.exact);
        } else {
            // Between drawings: the larger drawing reduced smoothly, close to it everywhere.
            const QImage reduced =
                twice.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_LT(MeanDifference(shown, reduced), 3.0);
        }
        // Logical coordinates: nothing drawn left of or above the picture's place.
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < at.x() - 1; ++x) {
                ASSERT_EQ(shot.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
            }
        }
    }
    // At 2 the picture is not the 120-pixel one with its pixels doubled.
    const QImage doubled = base.scaled(240, 240, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_NE(twice, doubled);
}

TEST(Picture, APartOfThePictureIsTakenInLogicalPixelsAtEveryDensity) {
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(LoadBitmap(kMoon)));
    for (const qreal ratio : {1.0, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        QImage canvas(QSize(100, 100) * ratio, QImage::Format_RGB32);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::black);
        {
            ImageDC dc(canvas);
            CDC memDC;
            memDC.CreateCompatibleDC(&dc);
            memDC.SelectObject(&bitmap);
            // The right half of the picture, reaching past its edge: what lies outside it is
            // left alone.
            dc.BitBlt(10, 0, 80, 120, &memDC, 60, 0, SRCCOPY);
        }
        const int r = static_cast<int>(ratio);
        const QImage drawing = Drawing(r == 1 ? "" : r == 2 ? "@2x" : "@3x");
        EXPECT_EQ(canvas.copy(10 * r, 0, 60 * r, 100 * r),
                  drawing.copy(60 * r, 0, 60 * r, 100 * r));
        EXPECT_EQ(canvas.pixel(70 * r + 1, 50 * r), qRgb(0, 0, 0));
    }
}

TEST(Picture, OnlyAPictureTheProgramHasIsLoaded) {
    // Beside 950 lie only its larger drawings, which are no pictures of their own.
    const struct {
        UINT id;
        bool has;
    } cases[] = {{kMoon, true}, {kMoon + 1, false}, {0, false}, {950 * 10, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        CBitmap bitmap;
        EXPECT_EQ(bitmap.Attach(LoadBitmap(c.id)), c.has);
    }
    EXPECT_EQ(LoadIcon(kMoon), nullptr);
}

}  // namespace
