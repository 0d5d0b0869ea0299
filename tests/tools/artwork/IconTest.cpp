// The program icon: the window icon's bitmaps (16-colour images of 16 and 32 pixels, smooth
// ones above) and the smooth PNG pictures of the desktop entry, each a yellow crescent bulging
// to the right on a transparent ground.
#include <gtest/gtest.h>

#include <QSet>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/BmpFile.h"
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

// The window icon's bitmaps read back pixel for pixel with their alpha: at 16 and 32 pixels the
// palette colour where the mask is opaque and transparent elsewhere, no more than 16 colours;
// above, the smooth drawing with its partial coverage.
TEST(Icon, WindowIconBitmapsReadBackAsDrawn) {
    for (const int size : {16, 32, 64}) {
        SCOPED_TRACE(size);
        const bool indexed = size <= 32;
        const Raster icon = indexed ? Expand(IndexedCrescentIcon(size)) : CrescentIcon(size);
        const QImage image = test::Decode(EncodeBmp32(icon), "BMP");
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(image.format(), QImage::Format_ARGB32);
        QSet<QRgb> colours;
        bool partial = false;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const Color& c = icon.At(x, y);
                const QRgb want =
                    qRgba(ToByte(c.r), ToByte(c.g), ToByte(c.b), ToByte(icon.AlphaAt(x, y)));
                ASSERT_EQ(image.pixel(x, y), want) << x << "," << y;
                if (qAlpha(want) != 0) colours.insert(want);
                partial = partial || (qAlpha(want) != 0 && qAlpha(want) != 255);
            }
        }
        if (indexed) {
            EXPECT_LE(colours.size(), 16);
            EXPECT_FALSE(partial);
        } else {
            EXPECT_TRUE(partial) << "the smooth crescent keeps its soft edge";
        }
        ExpectCrescent(image);
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
