// Encodes 16-colour pictures as one icon file: a directory, then per image a 40-byte bitmap
// header, the 16-entry palette, 4-bit colour rows and the 1-bit transparency (AND) mask.
#pragma once

#include <vector>

#include "tools/artwork/ByteBuffer.h"
#include "tools/artwork/CrescentIcon.h"

namespace artwork {

Bytes EncodeIco(const std::vector<IndexedImage>& images);

}  // namespace artwork
