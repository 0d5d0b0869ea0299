#include "tools/artwork/BmpFile.h"

namespace artwork {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kInfoHeaderV5Size = 124;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kSrgb = 0x73524742;  // 'sRGB'
constexpr std::uint32_t kRenderingForPictures = 4;

void PutFileHeader(Bytes& bytes, std::uint32_t offset, std::uint32_t pixelBytes) {
    bytes.reserve(offset + pixelBytes);
    bytes.push_back('B');
    bytes.push_back('M');
    PutU32LE(bytes, offset + pixelBytes);
    PutU32LE(bytes, 0);  // two reserved words
    PutU32LE(bytes, offset);
}

}  // namespace

Bytes EncodeBmp24(const Raster& picture, std::int32_t pixelsPerMeter) {
    const auto width = static_cast<std::uint32_t>(picture.Width());
    const auto height = static_cast<std::uint32_t>(picture.Height());
    const std::uint32_t rowBytes = (width * 3u + 3u) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    Bytes bytes;
    PutFileHeader(bytes, offset, pixelBytes);
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

Bytes EncodeBmp32(const Raster& picture) {
    const auto pixels = static_cast<std::uint32_t>(picture.Width() * picture.Height());
    const std::uint32_t pixelBytes = pixels * 4u;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderV5Size;

    Bytes bytes;
    PutFileHeader(bytes, offset, pixelBytes);
    PutU32LE(bytes, kInfoHeaderV5Size);
    PutI32LE(bytes, picture.Width());
    PutI32LE(bytes, picture.Height());  // positive: the bottom row comes first
    PutU16LE(bytes, 1);                 // planes
    PutU16LE(bytes, 32);                // bits per pixel
    PutU32LE(bytes, kBitFields);
    PutU32LE(bytes, pixelBytes);
    PutI32LE(bytes, 0);  // no resolution
    PutI32LE(bytes, 0);
    PutU32LE(bytes, 0);  // no palette
    PutU32LE(bytes, 0);  // all colours matter
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

    for (int y = picture.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Color& c = picture.At(x, y);
            bytes.push_back(ToByte(c.b));
            bytes.push_back(ToByte(c.g));
            bytes.push_back(ToByte(c.r));
            bytes.push_back(ToByte(picture.AlphaAt(x, y)));
        }
    }
    return bytes;
}

}  // namespace artwork
