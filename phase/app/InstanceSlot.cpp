#include "phase/app/InstanceSlot.h"

#include <string>

#include "platform/kernel/KernelObjects.h"

namespace {

// The scan takes microseconds: a copy that holds the mutex for longer than this is stopped
// or broken, and the scan goes on without the guard, as it does when there is no mutex.
constexpr DWORD kScanGuardWaitMilliseconds = 3000;

}  // namespace

int32_t ClaimInstanceSlot() {
    // Both handles stay open until the process ends: the semaphore is the claim itself.
    HANDLE hMutex = CreateMutexW(FALSE, L"TidewellPhaseMTX");
    if (hMutex != nullptr) {
        // A mutex left behind by a copy that ended while holding it is simply taken over.
        WaitForSingleObject(hMutex, kScanGuardWaitMilliseconds);
    }
    int32_t nSlot = 0;
    for (int32_t n = 0; n < kInstanceSlots; ++n) {
        const std::wstring name = L"TidewellPhaseSem" + SlotNumber(n);
        HANDLE hSemaphore = CreateSemaphoreW(0, 1, name.c_str());
        if (GetLastError() != static_cast<DWORD>(ERROR_ALREADY_EXISTS)) {
            nSlot = n;
            break;
        }
        CloseHandle(hSemaphore);
    }
    if (hMutex != nullptr) {
        ReleaseMutex(hMutex);  // refused, and harmless, when the wait ran out
    }
    return nSlot;
}

std::wstring SlotNumber(int32_t slot) {
    const std::string digits = std::to_string(slot);
    std::wstring number(digits.size() < 3 ? 3 - digits.size() : 0, L'0');
    number.append(digits.begin(), digits.end());
    return number;
}
