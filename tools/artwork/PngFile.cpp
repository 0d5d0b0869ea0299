#include "tools/artwork/PngFile.h"

#include <zlib.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// A PNG file of the given IHDR colour type and bit depth, with the chunks that go before the
// image data (a palette), and `raw`: the rows, each after its filter byte.
Bytes Png(int width, int height, std::uint8_t bitDepth, std::uint8_t colorType,
          const std::vector<std::pair<std::string_view, Bytes>>& before, const Bytes& raw) {
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutU32BE(header, static_cast<std::uint32_t>(width));
    PutU32BE(header, static_cast<std::uint32_t>(height));
    header.push_back(bitDepth);
    header.push_back(colorType);
    header.push_back(0);  // deflate
    header.push_back(0);  // adaptive filtering
    header.push_back(0);  // not interlaced
    PutChunk(png, "IHDR", header);
    for (const auto& [type, data] : before) {
        PutChunk(png, type, data);
    }
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
    return Png(picture.Width(), picture.Height(), 8, 6, {}, raw);  // 8-bit RGBA
}

Bytes EncodeIndexedPng(const IndexedImage& image) {
    // Palette entry 16, beyond the image's own colours, is the transparent one.
    constexpr std::uint8_t kTransparent = 16;
    Bytes palette;
    for (const Color& c : image.palette) {
        palette.push_back(ToByte(c.r));
        palette.push_back(ToByte(c.g));
        palette.push_back(ToByte(c.b));
    }
    palette.insert(palette.end(), {0, 0, 0});
    Bytes opacity(kTransparent, 255);
    opacity.push_back(0);

    Bytes raw;
    for (int y = 0; y < image.size; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < image.size; ++x) {
            const auto i = static_cast<std::size_t>(y * image.size + x);
            raw.push_back(image.opaque[i] ? image.indices[i] : kTransparent);
        }
    }
    return Png(image.size, image.size, 8, 3, {{"PLTE", palette}, {"tRNS", opacity}}, raw);
}

}  // namespace artwork
