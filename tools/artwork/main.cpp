// tidewell-artwork: draws the programs' pictures and icons at build time.
#include <iostream>
#include <string>
#include <vector>

#include "tools/artwork/ArtworkCommand.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return artwork::RunArtworkCommand(args, std::cerr);
}
