#include "about/ArgumentSlots.h"

#include <cstring>

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

void CopyBounded(char* buffer, std::size_t size, const char* text) {
    std::size_t length = std::strlen(text);
    if (length >= size) {
        length = size - 1;
        // text[length] is the first byte left out; a continuation byte there means the
        // character it belongs to started inside the kept part, so that character goes too.
        while (length > 0 && IsContinuationByte(text[length])) --length;
    }
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}
