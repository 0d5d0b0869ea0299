// PNG files, their image data compressed with zlib.
#pragma once

#include "tools/artwork/ByteBuffer.h"
#include "tools/artwork/Raster.h"

namespace artwork {

// A picture with its coverage, as 8-bit RGBA.
Bytes EncodePng(const Raster& picture);

}  // namespace artwork
