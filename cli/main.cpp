// tidewell-phases: the principal phases of the Moon on the command line, for scripts, status
// bars and calendars.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/Output.h"

int main(int argc, char** argv) {
    cli::CommandResult result;
    {
        cli::Output out(
            [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); });
        result = cli::RunCommand(std::vector<std::string>(argv + 1, argv + argc), out);
    }
    std::fputs(result.err.c_str(), stderr);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "tidewell-phases: cannot write the output\n");
        return 1;
    }
    return result.status;
}
