#include "tools/artwork/BmpFile.h"

namespace artwork {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kInfoHeaderV5Size = 124;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kSrgb = 0x73524742;  // 'sRGB'
constexpr std::uint32_t kRenderingForPictures = 4;

// Bytes a row takes: its pixels, padded to four bytes.
std::uint32_t RowBytes(const Raster& picture, std::uint32_t bytesPerPixel) {
    return (static_cast<std::uint32_t>(picture.Width()) * bytesPerPixel + 3u) & ~3u;
}

// The file header and the part of the information header that every version of it begins
// with; the pixel rows follow at once.
Bytes Headers(const Raster& picture, std::uint32_t infoHeaderSize, std::uint16_t bitsPerPixel,
              std::uint32_t compression, std::int32_t pixelsPerMeter) {
    const std::uint32_t pixelBytes =
        RowBytes(picture, bitsPerPixel / 8u) * static_cast<std::uint32_t>(picture.Height());
    const std::uint32_t offset = kFileHeaderSize + infoHeaderSize;
    Bytes bytes;
    bytes.reserve(offset + pixelBytes);
    bytes.push_back('B');
    bytes.push_back('M');
    PutU32LE(bytes, offset + pixelBytes);
    PutU32LE(bytes, 0);  // two reserved words
    PutU32LE(bytes, offset);

    PutU32LE(bytes, infoHeaderSize);
    PutI32LE(bytes, picture.Width());
    PutI32LE(bytes, picture.Height());  // positive: the bottom row comes first
    PutU16LE(bytes, 1);                 // planes
    PutU16LE(bytes, bitsPerPixel);
    PutU32LE(bytes, compression);
    PutU32LE(bytes, pixelBytes);
    PutI32LE(bytes, pixelsPerMeter);
    PutI32LE(bytes, pixelsPerMeter);
    PutU32LE(bytes, 0);  // no palette
    PutU32LE(bytes, 0);  // all colours matter
    return bytes;
}

// The rows, bottom row first, each pixel blue, green, red and, with alpha, its coverage.
void PutRows(Bytes& bytes, const Raster& picture, bool alpha) {
    const std::uint32_t bytesPerPixel = alpha ? 4u : 3u;
    const std::uint32_t pad = RowBytes(picture, bytesPerPixel) -
                              static_cast<std::uint32_t>(picture.Width()) * bytesPerPixel;
    for (int y = picture.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Color& c = picture.At(x, y);
            bytes.push_back(ToByte(c.b));
            bytes.push_back(ToByte(c.g));
            bytes.push_back(ToByte(c.r));
            if (alpha) {
                bytes.push_back(ToByte(picture.AlphaAt(x, y)));
            }
        }
        bytes.insert(bytes.end(), pad, 0);
    }
}

}  // namespace

Bytes EncodeBmp24(const Raster& picture, std::int32_t pixelsPerMeter) {
    Bytes bytes = Headers(picture, kInfoHeaderSize, 24, kUncompressed, pixelsPerMeter);
    PutRows(bytes, picture, false);
    return bytes;
}

Bytes EncodeBmp32(const Raster& picture) {
    Bytes bytes = Headers(picture, kInfoHeaderV5Size, 32, kBitFields, 0);
    for (const std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) {
        PutU32LE(bytes, mask);  // red, green, blue, alpha
    }
    PutU32LE(bytes, kSrgb);
    for (int i = 0; i < 9 + 3; ++i) {
        PutU32LE(bytes, 0);  // end points and gamma: unused for sRGB
    }
    PutU32LE(bytes, kRenderingForPictures);
    for (int i = 0; i < 3; ++i) {
        PutU32LE(bytes, 0);  // no profile; reserved
    }
    PutRows(bytes, picture, true);
    return bytes;
}

}  // namespace artwork
