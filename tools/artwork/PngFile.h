// PNG files, their image data compressed with zlib.
#pragma once

#include "tools/artwork/ByteBuffer.h"
#include "tools/artwork/CrescentIcon.h"
#include "tools/artwork/Raster.h"

namespace artwork {

// A picture with its coverage, as 8-bit RGBA.
Bytes EncodePng(const Raster& picture);

// A 16-colour picture with its mask, as a palette image: its 16 colours and one transparent
// entry for the pixels the mask leaves out.
Bytes EncodeIndexedPng(const IndexedImage& image);

}  // namespace artwork
