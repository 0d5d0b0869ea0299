// The command line of the artwork generator: which picture to draw and where to write it.
//   moon <kind 0-3> <north|south> [<scale 1-3>] <out.bmp>
//                                             a 120 x 120 phase picture, or 240 / 360 square
//   icon <16|32|48|64> <out.bmp>              an image of the programs' window icon, with
//                                             alpha: at 16 and 32 pixels the 16-colour
//                                             crescent, at 48 and 64 the smooth one
//   icon-png <crescent|credits> <size 16-512> <out.png>
//                                             a launcher icon, smooth: the phase program's
//                                             crescent or the credits program's night
//   icon-svg <crescent|credits> <out.svg>     the same icon as a scalable picture
//   night [<scale 1-3>] <out.bmp>             the 400 x 420 credits picture, or 800 x 840 /
//                                             1200 x 1260
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace artwork {

// Runs one command (the arguments after the program name). Returns the exit status: 0 when
// the file was written, 2 for a wrong command line, 1 when the file could not be written; a
// message on `errors` says what went wrong.
int RunArtworkCommand(const std::vector<std::string>& args, std::ostream& errors);

}  // namespace artwork
