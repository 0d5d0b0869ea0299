// The credits picture: its file, and a night that looks like one.
#include <gtest/gtest.h>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/NightScene.h"

namespace artwork {
namespace {

TEST(NightScene, Is400By420Uncompressed24BitBottomUpAt7874PixelsPerMeter) {
    test::ExpectBmp24(NightScene(), 7874, QSize(400, 420));
}

TEST(NightScene, IsADarkBlueNightSkyWithABrightMoon) {
    const QImage image = test::Decode(EncodeBmp24(NightScene(), 7874), "BMP");
    int brightest = 0;
    QPoint where;
    long blueOverRed = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int gray = (c.red() + c.green() + c.blue()) / 3;
            if (gray > brightest) {
                brightest = gray;
                where = {x, y};
            }
            blueOverRed += c.blue() > c.red() ? 1 : 0;
        }
    }
    EXPECT_GT(brightest, 200);
    EXPECT_LT(where.y(), 210) << "the Moon stands in the sky, not on the water";
    EXPECT_GT(blueOverRed, image.width() * image.height() / 2);
    // The corners are night, not day.
    for (const QPoint corner : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 419), QPoint(399, 419)}) {
        EXPECT_LT(image.pixelColor(corner).value(), 80) << corner.x() << "," << corner.y();
    }
}

}  // namespace
}  // namespace artwork
