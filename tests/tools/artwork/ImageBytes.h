// Test helpers for encoded pictures: the fields of a bitmap file's headers read straight from
// its bytes (what is written, not what an image reader makes of it), and the bytes decoded by
// Qt's own readers.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

#include "tools/artwork/ByteBuffer.h"
#include "tools/artwork/Raster.h"

namespace artwork::test {

inline std::uint32_t readU32(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline std::uint16_t readU16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

struct BmpHeader {
    char magic[2];
    std::uint32_t fileSize;
    std::uint32_t pixelOffset;
    std::uint32_t infoSize;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t imageSize;
    std::int32_t xPixelsPerMetre;
    std::int32_t yPixelsPerMetre;
};

inline BmpHeader readBmpHeader(const Bytes& b) {
    return {{static_cast<char>(b[0]), static_cast<char>(b[1])},
            readU32(b, 2),
            readU32(b, 10),
            readU32(b, 14),
            static_cast<std::int32_t>(readU32(b, 18)),
            static_cast<std::int32_t>(readU32(b, 22)),
            readU16(b, 26),
            readU16(b, 28),
            readU32(b, 30),
            readU32(b, 34),
            static_cast<std::int32_t>(readU32(b, 38)),
            static_cast<std::int32_t>(readU32(b, 42))};
}

inline QImage decode(const Bytes& bytes, const char* format) {
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), format);
}

// The colour the file writers make of a raster pixel.
inline QColor expectedColour(const Raster& raster, int x, int y) {
    const Colour& c = raster.at(x, y);
    return QColor(toByte(c.r), toByte(c.g), toByte(c.b));
}

}  // namespace artwork::test
