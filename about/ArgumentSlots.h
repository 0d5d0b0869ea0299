// The fixed room for command-line arguments of the credits program: 20 slots of 200 bytes,
// terminator included, and the bounded copy that fills one without splitting a character.
#pragma once

#include <cstddef>

inline constexpr int kArgumentSlots = 20;
inline constexpr std::size_t kArgumentSlotSize = 200;

using ArgumentSlot = char[kArgumentSlotSize];

// Copies text into a buffer of size bytes (size >= 1) and terminates it. A text that does not
// fit is cut at the last UTF-8 character boundary that leaves room for the terminator.
void CopyBounded(char* buffer, std::size_t size, const char* text);
