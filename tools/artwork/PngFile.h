// Encodes a picture with its coverage as an 8-bit RGBA PNG file, its image data compressed with
// zlib.
#pragma once

#include "tools/artwork/ByteBuffer.h"
#include "tools/artwork/Raster.h"

namespace artwork {

Bytes EncodePng(const Raster& picture);

}  // namespace artwork
