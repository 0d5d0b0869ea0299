#include "tools/artwork/IcoFile.h"

namespace artwork {

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t PaddedRow(std::uint32_t bits) {
    return ((bits + 31u) / 32u) * 4u;
}

Bytes EncodeImage(const IndexedImage& image) {
    const auto size = static_cast<std::uint32_t>(image.size);
    const std::uint32_t colorRow = PaddedRow(size * 4u);
    const std::uint32_t maskRow = PaddedRow(size);

    Bytes bytes;
    PutU32LE(bytes, kInfoHeaderSize);
    PutI32LE(bytes, image.size);
    PutI32LE(bytes, image.size * 2);  // the colour rows and the mask rows together
    PutU16LE(bytes, 1);
    PutU16LE(bytes, 4);
    PutU32LE(bytes, 0);
    PutU32LE(bytes, (colorRow + maskRow) * size);
    PutI32LE(bytes, 0);
    PutI32LE(bytes, 0);
    PutU32LE(bytes, 16);
    PutU32LE(bytes, 0);
    for (const Color& c : image.palette) {
        bytes.push_back(ToByte(c.b));
        bytes.push_back(ToByte(c.g));
        bytes.push_back(ToByte(c.r));
        bytes.push_back(0);
    }

    // Both the colour rows and the mask rows run from the bottom row up.
    for (int y = image.size - 1; y >= 0; --y) {
        Bytes row(colorRow, 0);
        for (int x = 0; x < image.size; ++x) {
            const auto index = image.indices[static_cast<std::size_t>(y * image.size + x)];
            row[static_cast<std::size_t>(x / 2)] |=
                static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    for (int y = image.size - 1; y >= 0; --y) {
        Bytes row(maskRow, 0);
        for (int x = 0; x < image.size; ++x) {
            if (!image.opaque[static_cast<std::size_t>(y * image.size + x)]) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
            }
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

}  // namespace

Bytes EncodeIco(const std::vector<IndexedImage>& images) {
    std::vector<Bytes> encoded;
    for (const IndexedImage& image : images) {
        encoded.push_back(EncodeImage(image));
    }

    Bytes bytes;
    PutU16LE(bytes, 0);  // reserved
    PutU16LE(bytes, 1);  // an icon, not a cursor
    PutU16LE(bytes, static_cast<std::uint16_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(kDirectorySize + kEntrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A size of 256 is written as 0.
        bytes.push_back(static_cast<std::uint8_t>(images[i].size & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(images[i].size & 0xFF));
        bytes.push_back(16);  // colours
        bytes.push_back(0);
        PutU16LE(bytes, 1);  // planes
        PutU16LE(bytes, 4);  // bits per pixel
        PutU32LE(bytes, static_cast<std::uint32_t>(encoded[i].size()));
        PutU32LE(bytes, offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const Bytes& image : encoded) {
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}

}  // namespace artwork
