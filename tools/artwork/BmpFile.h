// Encodes pictures as uncompressed bottom-up device-independent bitmap files.
#pragma once

#include "tools/artwork/ByteBuffer.h"
#include "tools/artwork/Raster.h"

namespace artwork {

// 24 bits a pixel: file header, 40-byte information header, pixel rows padded to four bytes.
Bytes EncodeBmp24(const Raster& picture, std::int32_t pixelsPerMeter);

// 32 bits a pixel with the coverage as alpha (not premultiplied), which Qt reads without any
// image plugin: file header, 124-byte information header with the channel masks, sRGB.
Bytes EncodeBmp32(const Raster& picture);

}  // namespace artwork
