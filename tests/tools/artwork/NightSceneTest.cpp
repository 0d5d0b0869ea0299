#include <gtest/gtest.h>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/BmpFile.h"
#include "tools/artwork/NightScene.h"

namespace artwork {
namespace {

using test::readBmpHeader;

TEST(NightScene, Is400By420Uncompressed24BitBottomUpAt7874PixelsPerMetre) {
    const Raster picture = nightScene();
    const Bytes bytes = encodeBmp24(picture, 7874);
    const test::BmpHeader h = readBmpHeader(bytes);
    EXPECT_EQ(h.width, 400);
    EXPECT_EQ(h.height, 420);
    EXPECT_EQ(h.bitCount, 24);
    EXPECT_EQ(h.compression, 0u);
    EXPECT_EQ(h.xPixelsPerMetre, 7874);
    EXPECT_EQ(h.yPixelsPerMetre, 7874);
    EXPECT_EQ(h.imageSize, 400u * 3u * 420u);
    ASSERT_EQ(bytes.size(), h.fileSize);

    // Bottom-up: the first row in the file is the bottom row of the picture (the sea), the
    // last is the top row (the sky), in blue-green-red order.
    for (int x = 0; x < 400; ++x) {
        const QColor bottom = test::expectedColour(picture, x, 419);
        const std::size_t first = h.pixelOffset + static_cast<std::size_t>(x) * 3;
        ASSERT_EQ(bytes[first], bottom.blue());
        ASSERT_EQ(bytes[first + 1], bottom.green());
        ASSERT_EQ(bytes[first + 2], bottom.red());
        const QColor top = test::expectedColour(picture, x, 0);
        const std::size_t last = h.pixelOffset + 419u * 1200u + static_cast<std::size_t>(x) * 3;
        ASSERT_EQ(bytes[last], top.blue());
        ASSERT_EQ(bytes[last + 1], top.green());
        ASSERT_EQ(bytes[last + 2], top.red());
    }

    const QImage image = test::decode(bytes, "BMP");
    EXPECT_EQ(image.size(), QSize(400, 420));
    EXPECT_NEAR(image.dotsPerMeterX(), 7874, 1);
    EXPECT_NEAR(image.dotsPerMeterY(), 7874, 1);
}

TEST(NightScene, IsADarkBlueNightSkyWithABrightMoon) {
    const QImage image = test::decode(encodeBmp24(nightScene(), 7874), "BMP");
    int brightest = 0;
    QPoint where;
    long blueOverRed = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int grey = (c.red() + c.green() + c.blue()) / 3;
            if (grey > brightest) {
                brightest = grey;
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
