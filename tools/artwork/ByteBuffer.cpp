#include "tools/artwork/ByteBuffer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace artwork {

void PutU16LE(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32LE(Bytes& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFFu));
    }
}

void PutI32LE(Bytes& bytes, std::int32_t value) {
    PutU32LE(bytes, static_cast<std::uint32_t>(value));
}

void PutU32BE(Bytes& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFFu));
    }
}

bool SaveFile(const std::string& path, const Bytes& bytes, std::string& error) {
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot create " + partial + ": " + std::strerror(errno);
            return false;
        }
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            error = "cannot write " + partial;
            std::remove(partial.c_str());
            return false;
        }
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + partial + " to " + path + ": " + std::strerror(errno);
        std::remove(partial.c_str());
        return false;
    }
    return true;
}

}  // namespace artwork
