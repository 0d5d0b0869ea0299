#include "tools/artwork/IcoFile.h"

namespace artwork {

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t paddedRow(std::uint32_t bits) {
    return ((bits + 31u) / 32u) * 4u;
}

Bytes encodeImage(const IndexedImage& image) {
    const auto size = static_cast<std::uint32_t>(image.size);
    const std::uint32_t colourRow = paddedRow(size * 4u);
    const std::uint32_t maskRow = paddedRow(size);

    Bytes bytes;
    putU32LE(bytes, kInfoHeaderSize);
    putI32LE(bytes, image.size);
    putI32LE(bytes, image.size * 2);  // the colour rows and the mask rows together
    putU16LE(bytes, 1);
    putU16LE(bytes, 4);
    putU32LE(bytes, 0);
    putU32LE(bytes, (colourRow + maskRow) * size);
    putI32LE(bytes, 0);
    putI32LE(bytes, 0);
    putU32LE(bytes, 16);
    putU32LE(bytes, 0);
    for (const Colour& c : image.palette) {
        bytes.push_back(toByte(c.b));
        bytes.push_back(toByte(c.g));
        bytes.push_back(toByte(c.r));
        bytes.push_back(0);
    }

    // Both the colour rows and the mask rows run from the bottom row up.
    for (int y = image.size - 1; y >= 0; --y) {
        Bytes row(colourRow, 0);
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

Bytes encodeIco(const std::vector<IndexedImage>& images) {
    std::vector<Bytes> encoded;
    for (const IndexedImage& image : images) {
        encoded.push_back(encodeImage(image));
    }

    Bytes bytes;
    putU16LE(bytes, 0);  // reserved
    putU16LE(bytes, 1);  // an icon, not a cursor
    putU16LE(bytes, static_cast<std::uint16_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(kDirectorySize + kEntrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A size of 256 is written as 0.
        bytes.push_back(static_cast<std::uint8_t>(images[i].size & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(images[i].size & 0xFF));
        bytes.push_back(16);  // colours
        bytes.push_back(0);
        putU16LE(bytes, 1);  // planes
        putU16LE(bytes, 4);  // bits per pixel
        putU32LE(bytes, static_cast<std::uint32_t>(encoded[i].size()));
        putU32LE(bytes, offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const Bytes& image : encoded) {
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}

}  // namespace artwork
