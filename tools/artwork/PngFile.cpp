#include "tools/artwork/PngFile.h"

#include <zlib.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace artwork {

namespace {

void PutChunk(Bytes& png, std::string_view type, const Bytes& data) {
    PutU32BE(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    // The checksum covers the type and the data.
    PutU32BE(png, static_cast<std::uint32_t>(
                      crc32(0, png.data() + start, static_cast<uInt>(png.size() - start))));
}

// The image data as one zlib stream, compressed as far as zlib goes.
Bytes Compress(const Bytes& raw) {
    uLongf length = compressBound(raw.size());
    Bytes compressed(length);
    const int status =
        compress2(compressed.data(), &length, raw.data(), raw.size(), Z_BEST_COMPRESSION);
    if (status != Z_OK) {
        throw std::runtime_error(std::string("cannot compress the image data: ") + zError(status));
    }
    compressed.resize(length);
    return compressed;
}

// An 8-bit RGBA PNG file of `raw`: the rows, each after its filter byte.
Bytes RgbaPng(int width, int height, const Bytes& raw) {
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutU32BE(header, static_cast<std::uint32_t>(width));
    PutU32BE(header, static_cast<std::uint32_t>(height));
    header.push_back(8);  // bits a channel
    header.push_back(6);  // RGBA
    header.push_back(0);  // deflate
    header.push_back(0);  // adaptive filtering
    header.push_back(0);  // not interlaced
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", Compress(raw));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace

Bytes EncodePng(const Raster& picture) {
    Bytes raw;
    raw.reserve(static_cast<std::size_t>(picture.Height()) *
                (1 + 4 * static_cast<std::size_t>(picture.Width())));
    for (int y = 0; y < picture.Height(); ++y) {
        // No filter: on these pictures, mostly transparent or smooth, no filter type makes the
        // compressed data smaller.
        raw.push_back(0);
        for (int x = 0; x < picture.Width(); ++x) {
            const Color& c = picture.At(x, y);
            raw.push_back(ToByte(c.r));
            raw.push_back(ToByte(c.g));
            raw.push_back(ToByte(c.b));
            raw.push_back(ToByte(picture.AlphaAt(x, y)));
        }
    }
    return RgbaPng(picture.Width(), picture.Height(), raw);
}

}  // namespace artwork
