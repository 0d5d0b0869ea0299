#include <gtest/gtest.h>

#include <algorithm>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/CrescentIcon.h"
#include "tools/artwork/IcoFile.h"
#include "tools/artwork/PngFile.h"

namespace artwork {
namespace {

using test::readU16;
using test::readU32;

bool isYellow(const QColor& c) {
    return c.alpha() == 255 && c.red() > 200 && c.green() > 150 && c.blue() < 130;
}

// Transparent corners, some yellow, and the crescent's weight right of the centre (its lit
// limb bulges to the right).
void expectCrescent(const QImage& image) {
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
            if (isYellow(c)) {
                ++yellow;
                sumX += x + 0.5;
            }
        }
    }
    ASSERT_GT(yellow, w * h / 20);
    EXPECT_GT(sumX / yellow, w / 2.0 + w / 10.0);
    EXPECT_LT(opaque, w * h / 2) << "a crescent, not a disc";
}

TEST(Icon, HoldsA32And16PixelSixteenColourImage) {
    const Bytes bytes = encodeIco({indexedCrescentIcon(32), indexedCrescentIcon(16)});
    ASSERT_GE(bytes.size(), 6u + 2u * 16u);
    EXPECT_EQ(readU16(bytes, 0), 0);
    EXPECT_EQ(readU16(bytes, 2), 1);
    ASSERT_EQ(readU16(bytes, 4), 2);
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        const std::size_t entry = 6u + 16u * static_cast<std::size_t>(i);
        EXPECT_EQ(bytes[entry], sizes[i]);
        EXPECT_EQ(bytes[entry + 1], sizes[i]);
        EXPECT_EQ(bytes[entry + 2], 16) << "colour count";
        EXPECT_EQ(readU16(bytes, entry + 6), 4) << "bits per pixel";
        const std::uint32_t length = readU32(bytes, entry + 8);
        const std::uint32_t offset = readU32(bytes, entry + 12);
        ASSERT_LE(offset + length, bytes.size());
        // The image: header, 16 palette entries, 4-bit rows and 1-bit mask rows, each row
        // padded to four bytes.
        const std::uint32_t size = static_cast<std::uint32_t>(sizes[i]);
        const std::uint32_t expected =
            40u + 64u + size * ((size * 4u + 31u) / 32u * 4u) + size * ((size + 31u) / 32u * 4u);
        EXPECT_EQ(length, expected);
        EXPECT_EQ(readU32(bytes, offset + 4), size);
        EXPECT_EQ(readU32(bytes, offset + 8), size * 2u);
        EXPECT_EQ(readU16(bytes, offset + 14), 4);
    }
}

TEST(Icon, ReadsBackThroughQtsIconReaderAsTwoCrescents) {
    const Bytes bytes = encodeIco({indexedCrescentIcon(32), indexedCrescentIcon(16)});
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "ico");
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    ASSERT_EQ(reader.imageCount(), 2);
    QList<int> sizes;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), image.height());
        EXPECT_TRUE(image.hasAlphaChannel());
        sizes.append(image.width());
        SCOPED_TRACE(image.width());
        expectCrescent(image);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, QList<int>({16, 32}));
}

TEST(Icon, PngReadsBackAsTheSameCrescentAtEverySize) {
    for (const int size : {16, 48, 256}) {
        SCOPED_TRACE(size);
        const QImage image = test::decode(encodePng(crescentIcon(size)), "PNG");
        ASSERT_EQ(image.size(), QSize(size, size));
        expectCrescent(image);
    }
}

TEST(PngChecksums, MatchTheirPublishedCheckValues) {
    const std::string text = "123456789";
    const Bytes digits(text.begin(), text.end());
    EXPECT_EQ(crc32(digits.data(), digits.size()), 0xCBF43926u);
    EXPECT_EQ(adler32(digits), 0x091E01DEu);
    EXPECT_EQ(crc32(nullptr, 0), 0u);
    EXPECT_EQ(adler32({}), 1u);
}

}  // namespace
}  // namespace artwork
