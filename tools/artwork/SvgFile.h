// The pieces of the scalable launcher icons: numbers, colours and the crescent's outline as
// SVG text. Coordinates are SVG user units, y down.
#pragma once

#include <string>

#include "tools/artwork/Raster.h"

namespace artwork {

struct Circle {
    double x = 0.0;
    double y = 0.0;
    double r = 0.0;
};

// A number as SVG writes it: at most three decimals, no trailing zeros ("12.5", "0.125", "3").
std::string SvgNumber(double value);

// "#rrggbb", each channel as the file writers round it.
std::string SvgColor(Color color);

// Path data ("M ... Z") of the part of `outer` that `inner` leaves uncovered, `inner` being
// set off the centre of `outer` and cutting its edge twice.
std::string CrescentPath(const Circle& outer, const Circle& inner);

// An SVG picture of `size` x `size` units (its viewBox) drawn at that size by default, with
// `body` (its elements) inside.
std::string SvgDocument(int size, const std::string& body);

}  // namespace artwork
