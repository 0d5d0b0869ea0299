// A stand-in copy of TidewellPhase for the slot tests: claims a slot as the window does,
// prints it and holds it until its standard input ends.
#include <cstdio>

#include "phase/app/InstanceSlot.h"

int main() {
    std::printf("%d\n", static_cast<int>(ClaimInstanceSlot()));
    std::fflush(stdout);
    char line[64];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
    }
    return 0;
}
