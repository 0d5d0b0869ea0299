// A stand-in copy of TidewellPhase for the slot tests: claims a slot as the window does,
// prints it and holds it until its standard input ends. With the argument "hold" it takes the
// slot mutex instead, as a copy in the middle of its scan holds it, prints "held" and keeps it.
#include <cstdio>
#include <cstring>

#include "phase/app/InstanceSlot.h"
#include "platform/kernel/KernelObjects.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "hold") == 0) {
        HANDLE mutex = CreateMutexW(FALSE, L"TidewellPhaseMTX");
        const bool held = mutex != nullptr && WaitForSingleObject(mutex, 60000) == WAIT_OBJECT_0;
        std::printf("%s\n", held ? "held" : "not held");
    } else {
        std::printf("%d\n", static_cast<int>(ClaimInstanceSlot()));
    }
    std::fflush(stdout);
    char line[64];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
    }
    return 0;
}
