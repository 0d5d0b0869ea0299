#include "tools/artwork/PngFile.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace artwork {

namespace {

constexpr std::size_t kStoredBlockLimit = 65535;

std::array<std::uint32_t, 256> makeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

void PutChunk(Bytes& png, std::string_view type, const Bytes& data) {
    PutU32BE(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    PutU32BE(png, crc32(png.data() + start, png.size() - start));
}

Bytes storedZlib(const Bytes& raw) {
    Bytes z{0x78, 0x01};  // deflate, 32 KiB window, no preset dictionary
    std::size_t done = 0;
    do {
        const std::size_t length = std::min(kStoredBlockLimit, raw.size() - done);
        const bool last = done + length == raw.size();
        z.push_back(last ? 1 : 0);  // stored block, final flag
        PutU16LE(z, static_cast<std::uint16_t>(length));
        PutU16LE(z, static_cast<std::uint16_t>(~length & 0xFFFFu));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(done),
                 raw.begin() + static_cast<std::ptrdiff_t>(done + length));
        done += length;
    } while (done < raw.size());
    PutU32BE(z, adler32(raw));
    return z;
}

}  // namespace

std::uint32_t crc32(const std::uint8_t* data, std::size_t length, std::uint32_t crc) {
    static const std::array<std::uint32_t, 256> table = makeCrcTable();
    crc = ~crc;
    for (std::size_t i = 0; i < length; ++i) {
        crc = table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    }
    return ~crc;
}

std::uint32_t adler32(const Bytes& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

Bytes EncodePng(const Raster& picture) {
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    Bytes header;
    PutU32BE(header, static_cast<std::uint32_t>(picture.Width()));
    PutU32BE(header, static_cast<std::uint32_t>(picture.Height()));
    header.push_back(8);  // bits per channel
    header.push_back(6);  // RGBA
    header.push_back(0);  // deflate
    header.push_back(0);  // adaptive filtering
    header.push_back(0);  // not interlaced
    PutChunk(png, "IHDR", header);

    Bytes raw;
    raw.reserve(static_cast<std::size_t>(picture.Height()) *
                (1 + 4 * static_cast<std::size_t>(picture.Width())));
    for (int y = 0; y < picture.Height(); ++y) {
        raw.push_back(0);  // no filter on this row
        for (int x = 0; x < picture.Width(); ++x) {
            const Color& c = picture.At(x, y);
            raw.push_back(ToByte(c.r));
            raw.push_back(ToByte(c.g));
            raw.push_back(ToByte(c.b));
            raw.push_back(ToByte(picture.AlphaAt(x, y)));
        }
    }
    PutChunk(png, "IDAT", storedZlib(raw));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace artwork
