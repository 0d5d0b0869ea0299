// Encodes a picture with its coverage as an 8-bit RGBA PNG file. The image data is kept in
// stored (uncompressed) deflate blocks: icons are small, and no compression library is needed.
#pragma once

#include "tools/artwork/ByteBuffer.h"
#include "tools/artwork/Raster.h"

namespace artwork {

Bytes EncodePng(const Raster& picture);

// The checksums the format asks for, exposed for their tests.
std::uint32_t crc32(const std::uint8_t* data, std::size_t length, std::uint32_t crc = 0);
std::uint32_t adler32(const Bytes& data);

}  // namespace artwork
