// Encodes a picture as an uncompressed 24-bit bottom-up device-independent bitmap file
// (file header, 40-byte information header, pixel rows padded to four bytes).
#pragma once

#include "tools/artwork/ByteBuffer.h"
#include "tools/artwork/Raster.h"

namespace artwork {

Bytes EncodeBmp24(const Raster& picture, std::int32_t pixelsPerMeter);

}  // namespace artwork
