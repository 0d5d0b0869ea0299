// Test helpers for encoded pictures: header fields read straight from a file's bytes (what is
// written, not what an image reader makes of it), and the bytes decoded by Qt's own readers.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdint>

#include "tools/artwork/BmpFile.h"
#include "tools/artwork/ByteBuffer.h"
#include "tools/artwork/Raster.h"

namespace artwork::test {

inline std::uint32_t ReadU32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline std::uint16_t ReadU16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

inline QImage Decode(const Bytes& bytes, const char* format) {
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), format);
}

// The colour the file writers make of a raster pixel.
inline QColor ExpectedColor(const Raster& raster, int x, int y) {
    const Color& c = raster.At(x, y);
    return QColor(ToByte(c.r), ToByte(c.g), ToByte(c.b));
}

// The picture, of the given size, written as an uncompressed 24-bit bitmap with the 54 bytes
// of headers, bottom-up, at the given resolution; Qt's reader follows the headers and must
// give back every pixel where it was drawn.
inline void ExpectBmp24(const Raster& picture, std::uint32_t pixelsPerMeter, QSize size) {
    ASSERT_EQ(QSize(picture.Width(), picture.Height()), size);
    const Bytes b = EncodeBmp24(picture, static_cast<std::int32_t>(pixelsPerMeter));
    const std::uint32_t w = static_cast<std::uint32_t>(size.width());
    const std::uint32_t h = static_cast<std::uint32_t>(size.height());
    const std::uint32_t pixelBytes = (w * 3 + 3) / 4 * 4 * h;
    ASSERT_EQ(b.size(), 54 + pixelBytes);
    EXPECT_EQ(ReadU16(b, 0), 'B' | 'M' << 8);
    const struct {
        std::size_t at;
        std::uint32_t value;
        const char* field;
    } fields[] = {
        {2, 54 + pixelBytes, "file size"},
        {10, 54, "pixel offset"},
        {14, 40, "info size"},
        {18, w, "width"},
        {22, h, "height (positive: bottom-up)"},
        {26, 1 | 24 << 16, "planes, bits"},
        {30, 0, "compression"},
        {34, pixelBytes, "image size"},
        {38, pixelsPerMeter, "x dpm"},
        {42, pixelsPerMeter, "y dpm"},
    };
    for (const auto& f : fields) {
        EXPECT_EQ(ReadU32(b, f.at), f.value) << f.field;
    }
    const QImage image = Decode(b, "BMP");
    ASSERT_EQ(image.size(), size);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            ASSERT_EQ(image.pixelColor(x, y), ExpectedColor(picture, x, y)) << x << "," << y;
        }
    }
}

}  // namespace artwork::test
