// Byte buffers for the file writers: little- and big-endian integers, and saving to disk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace artwork {

using Bytes = std::vector<std::uint8_t>;

void PutU16LE(Bytes& bytes, std::uint16_t value);
void PutU32LE(Bytes& bytes, std::uint32_t value);
void PutI32LE(Bytes& bytes, std::int32_t value);
void PutU32BE(Bytes& bytes, std::uint32_t value);

// Writes the bytes to `path` through a temporary file that is renamed into place, so that an
// interrupted build never leaves a truncated picture behind. On failure, returns false and
// says why in `error`.
bool SaveFile(const std::string& path, const Bytes& bytes, std::string& error);

}  // namespace artwork
