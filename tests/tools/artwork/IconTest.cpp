// The program icon: 16-colour images of 16 and 32 pixels, and the smooth PNG pictures of the
// desktop entry and the larger window icons, each a yellow crescent bulging to the right on a
// transparent ground.
#include <gtest/gtest.h>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/CrescentIcon.h"
#include "tools/artwork/PngFile.h"

namespace artwork {
namespace {

// Transparent corners, some yellow, and the crescent's weight right of the centre (its lit
// limb bulges to the right).
void ExpectCrescent(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
        EXPECT_EQ(image.pixelColor(corner).alpha(), 0) << corner.x() << "," << corner.y();
    }
    double sumX = 0;
    int yellow = 0;
    int opaque = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QColor c = image.pixelColor(x, y);
            opaque += c.alpha() > 0 ? 1 : 0;
            if (c.alpha() == 255 && c.red() > 200 && c.green() > 150 && c.blue() < 130) {
                ++yellow;
                sumX += x + 0.5;
            }
        }
    }
    ASSERT_GT(yellow, w * h / 20);
    EXPECT_GT(sumX / yellow, w / 2.0 + w / 10.0);
    EXPECT_LT(opaque, w * h / 2) << "a crescent, not a disc";
}

// The 16-colour images read back pixel for pixel: the palette colour where the mask is
// opaque, transparent elsewhere; no more than 16 colours.
TEST(Icon, SixteenColorImagesOf16And32PixelsReadBackAsDrawn) {
    for (const int size : {16, 32}) {
        SCOPED_TRACE(size);
        const IndexedImage icon = IndexedCrescentIcon(size);
        const QImage image = test::Decode(EncodeIndexedPng(icon), "PNG");
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        EXPECT_LE(image.colorCount(), 17);  // the 16 colours and the transparent entry
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const auto i = static_cast<std::size_t>(y * size + x);
                const Color& c = icon.palette[icon.indices[i]];
                const QRgb want = icon.opaque[i] ? qRgb(ToByte(c.r), ToByte(c.g), ToByte(c.b))
                                                 : qRgba(0, 0, 0, 0);
                ASSERT_EQ(image.pixel(x, y), want) << x << "," << y;
            }
        }
        ExpectCrescent(image.convertToFormat(QImage::Format_ARGB32));
    }
}

TEST(Icon, PngReadsBackAsTheSameCrescentAtEverySize) {
    for (const int size : {16, 48, 256}) {
        SCOPED_TRACE(size);
        const QImage image = test::Decode(EncodePng(CrescentIcon(size)), "PNG");
        ASSERT_EQ(image.size(), QSize(size, size));
        ExpectCrescent(image);
    }
}

// Lossless, pixel for pixel with the drawing's coverage, and compressed: a small fraction of the
// raw rows (a filter byte and four bytes a pixel).
TEST(Icon, PngKeepsEveryPixelAndIsCompressed) {
    const struct {
        int size;
        std::size_t atMost;  // bytes
    } cases[] = {{16, 1040}, {256, 263168 / 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        const Raster icon = CrescentIcon(c.size);
        const Bytes bytes = EncodePng(icon);
        EXPECT_LT(bytes.size(), c.atMost);
        const QImage image = test::Decode(bytes, "PNG");
        ASSERT_EQ(image.size(), QSize(c.size, c.size));
        for (int y = 0; y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                const Color& color = icon.At(x, y);
                ASSERT_EQ(image.pixel(x, y), qRgba(ToByte(color.r), ToByte(color.g),
                                                   ToByte(color.b), ToByte(icon.AlphaAt(x, y))))
                    << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace artwork
