// tidewell-artwork: draws the programs' pictures and icons at build time.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/artwork/ArtworkCommand.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return artwork::RunArtworkCommand(args, std::cerr);
    } catch (const std::exception& error) {
        // Out of memory, or zlib refusing: no picture is written.
        std::cerr << "tidewell-artwork: " << error.what() << "\n";
        return 1;
    }
}
