// The credits picture: its file at each size, a night that looks like one, and the larger
// ones the same scene drawn anew.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/NightScene.h"

namespace artwork {
namespace {

TEST(NightScene, Is400By420Uncompressed24BitBottomUpAt7874PixelsPerMeter) {
    test::ExpectBmp24(NightScene(), 7874, QSize(400, 420));
}

// Where the brightest pixel lies, in the scene's 400 x 420 units.
struct Look {
    QPointF brightest;
    int brightness;
    double bluePart;  // share of pixels bluer than red
};

Look LookAt(const QImage& image, int scale) {
    Look look{{}, 0, 0};
    long blueOverRed = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int gray = (c.red() + c.green() + c.blue()) / 3;
            if (gray > look.brightness) {
                look.brightness = gray;
                look.brightest = QPointF(x + 0.5, y + 0.5) / scale;
            }
            blueOverRed += c.blue() > c.red() ? 1 : 0;
        }
    }
    look.bluePart = static_cast<double>(blueOverRed) / (image.width() * image.height());
    return look;
}

TEST(NightScene, IsADarkBlueNightSkyWithABrightMoonAtEverySize) {
    for (const int scale : {1, 2, 3}) {
        SCOPED_TRACE(scale);
        const QImage image = test::Decode(EncodeBmp24(NightScene(scale), 7874), "BMP");
        ASSERT_EQ(image.size(), QSize(400, 420) * scale);
        const Look look = LookAt(image, scale);
        EXPECT_GT(look.brightness, 200);
        EXPECT_LT(look.brightest.y(), 210) << "the Moon stands in the sky, not on the water";
        EXPECT_GT(look.bluePart, 0.5);
        // The corners are night, not day.
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            EXPECT_LT(image.pixelColor(corner).value(), 80) << corner.x() << "," << corner.y();
        }
    }
}

// Averaged down to 400 x 420 the larger pictures are close to the first one, everything where
// it was; yet they are drawn with detail of their own, not enlarged.
TEST(NightScene, LargerPicturesAreTheSameSceneDrawnAnew) {
    const QImage small = test::Decode(EncodeBmp24(NightScene(), 7874), "BMP");
    for (const int scale : {2, 3}) {
        SCOPED_TRACE(scale);
        const QImage large = test::Decode(EncodeBmp24(NightScene(scale), 7874), "BMP");
        double off = 0;
        int notFlat = 0;
        for (int y = 0; y < small.height(); ++y) {
            for (int x = 0; x < small.width(); ++x) {
                double sum = 0;
                bool flat = true;
                const QRgb first = large.pixel(x * scale, y * scale);
                for (int j = 0; j < scale; ++j) {
                    for (int i = 0; i < scale; ++i) {
                        const QRgb p = large.pixel(x * scale + i, y * scale + j);
                        sum += qGray(p);
                        flat = flat && p == first;
                    }
                }
                off += std::abs(sum / (scale * scale) - qGray(small.pixel(x, y)));
                notFlat += flat ? 0 : 1;
            }
        }
        const int pixels = small.width() * small.height();
        EXPECT_LT(off / pixels, 3.0);
        EXPECT_GT(notFlat, pixels / 2);
    }
}

}  // namespace
}  // namespace artwork
