// The program icon: a 16-colour icon file of 32 and 16 pixels, and the PNG pictures of the
// desktop entry, each a yellow crescent bulging to the right on a transparent ground.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/CrescentIcon.h"
#include "tools/artwork/IcoFile.h"
#include "tools/artwork/PngFile.h"

namespace artwork {
namespace {

using test::ReadU16;
using test::ReadU32;

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

TEST(Icon, HoldsA32And16PixelSixteenColorCrescent) {
    const Bytes bytes = EncodeIco({IndexedCrescentIcon(32), IndexedCrescentIcon(16)});
    ASSERT_GE(bytes.size(), 6u + 2u * 16u);
    EXPECT_EQ(ReadU16(bytes, 2), 1);  // an icon, not a cursor
    ASSERT_EQ(ReadU16(bytes, 4), 2);
    for (const std::uint32_t size : {32u, 16u}) {
        SCOPED_TRACE(size);
        const std::size_t entry = size == 32 ? 6 : 22;
        EXPECT_EQ(bytes[entry], size);
        EXPECT_EQ(bytes[entry + 2], 16) << "colour count";
        // Header, 16 palette entries, 4-bit rows and 1-bit mask rows padded to four bytes.
        const std::uint32_t length = ReadU32(bytes, entry + 8);
        const std::uint32_t offset = ReadU32(bytes, entry + 12);
        EXPECT_EQ(length, 40 + 64 + size * ((size * 4 + 31) / 32 * 4 + (size + 31) / 32 * 4));
        ASSERT_LE(offset + length, bytes.size());
        EXPECT_EQ(ReadU32(bytes, offset + 8), size * 2);  // picture and mask
        EXPECT_EQ(ReadU16(bytes, offset + 14), 4);
    }
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 2) << reader.errorString().toStdString();
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_EQ(image.size(), QSize(32 >> i, 32 >> i)) << reader.errorString().toStdString();
        EXPECT_TRUE(image.hasAlphaChannel());
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
