#include "tools/artwork/BmpFile.h"

namespace artwork {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

}  // namespace

Bytes encodeBmp24(const Raster& picture, std::int32_t pixelsPerMetre) {
    const auto width = static_cast<std::uint32_t>(picture.width());
    const auto height = static_cast<std::uint32_t>(picture.height());
    const std::uint32_t rowBytes = (width * 3u + 3u) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    Bytes bytes;
    bytes.reserve(offset + pixelBytes);
    bytes.push_back('B');
    bytes.push_back('M');
    putU32LE(bytes, offset + pixelBytes);
    putU32LE(bytes, 0);  // two reserved words
    putU32LE(bytes, offset);

    putU32LE(bytes, kInfoHeaderSize);
    putI32LE(bytes, picture.width());
    putI32LE(bytes, picture.height());  // positive: the bottom row comes first
    putU16LE(bytes, 1);                 // planes
    putU16LE(bytes, 24);                // bits per pixel
    putU32LE(bytes, 0);                 // uncompressed
    putU32LE(bytes, pixelBytes);
    putI32LE(bytes, pixelsPerMetre);
    putI32LE(bytes, pixelsPerMetre);
    putU32LE(bytes, 0);  // no palette
    putU32LE(bytes, 0);  // all colours matter

    for (int y = picture.height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Colour& c = picture.at(x, y);
            bytes.push_back(toByte(c.b));
            bytes.push_back(toByte(c.g));
            bytes.push_back(toByte(c.r));
        }
        for (std::uint32_t pad = width * 3u; pad < rowBytes; ++pad) {
            bytes.push_back(0);
        }
    }
    return bytes;
}

}  // namespace artwork
