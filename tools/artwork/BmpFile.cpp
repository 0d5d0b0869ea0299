#include "tools/artwork/BmpFile.h"

namespace artwork {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

}  // namespace

Bytes EncodeBmp24(const Raster& picture, std::int32_t pixelsPerMeter) {
    const auto width = static_cast<std::uint32_t>(picture.Width());
    const auto height = static_cast<std::uint32_t>(picture.Height());
    const std::uint32_t rowBytes = (width * 3u + 3u) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    Bytes bytes;
    bytes.reserve(offset + pixelBytes);
    bytes.push_back('B');
    bytes.push_back('M');
    PutU32LE(bytes, offset + pixelBytes);
    PutU32LE(bytes, 0);  // two reserved words
    PutU32LE(bytes, offset);

    PutU32LE(bytes, kInfoHeaderSize);
    PutI32LE(bytes, picture.Width());
    PutI32LE(bytes, picture.Height());  // positive: the bottom row comes first
    PutU16LE(bytes, 1);                 // planes
    PutU16LE(bytes, 24);                // bits per pixel
    PutU32LE(bytes, 0);                 // uncompressed
    PutU32LE(bytes, pixelBytes);
    PutI32LE(bytes, pixelsPerMeter);
    PutI32LE(bytes, pixelsPerMeter);
    PutU32LE(bytes, 0);  // no palette
    PutU32LE(bytes, 0);  // all colours matter

    for (int y = picture.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Color& c = picture.At(x, y);
            bytes.push_back(ToByte(c.b));
            bytes.push_back(ToByte(c.g));
            bytes.push_back(ToByte(c.r));
        }
        for (std::uint32_t pad = width * 3u; pad < rowBytes; ++pad) {
            bytes.push_back(0);
        }
    }
    return bytes;
}

}  // namespace artwork
