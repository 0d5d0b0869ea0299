// The instance slot of a running TidewellPhase: a number 0 to 19 that no other running copy
// holds, claimed once at window set-up and held until the process ends, however it ends.
#pragma once

#include <cstdint>
#include <string>

inline constexpr int32_t kInstanceSlots = 20;

// Claims the lowest free slot under the cross-process mutex "TidewellPhaseMTX", waited for a
// few seconds at most; a slot is taken while a semaphore "TidewellPhaseSem%03d" of its number
// exists. Slot 0 when all twenty are taken (that copy shares it with the copy that holds it).
int32_t ClaimInstanceSlot();

// A slot's number as the names of its semaphore and of its registry key carry it: three
// digits, "000" to "019".
std::wstring SlotNumber(int32_t slot);
