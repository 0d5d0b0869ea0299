#include "phase/strip/PhaseStrip.h"

#include <algorithm>
#include <cstdio>

namespace strip {
namespace {

// The last row at which a whole strip fits into the table.
constexpr int32_t kLastStart = kPhaseRows - kCells;

constexpr const char* MonthNames[13] = {"xxx", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const char* MonthName(int32_t month) {
    return MonthNames[month >= 1 && month <= 12 ? month : 0];
}

// Formats into a fresh text as the window always has: what does not fit is cut off.
template <typename... Args>
Text Format(const char* format, Args... args) {
    Text text{};
    const int written = std::snprintf(text.chars, sizeof text.chars, format, args...);
    text.length = std::clamp<int32_t>(written, 0, static_cast<int32_t>(kTextChars) - 1);
    return text;
}

}  // namespace

Strip StripOn(const PhaseEntry* table, int32_t year, int32_t month, int32_t day) {
    Strip strip{};
    strip.first = FirstRowNotBefore(table, year, month, day);
    // Too few rows left for a whole strip (or none at all): it shows nothing.
    strip.count = strip.first <= kLastStart ? kCells : 0;
    for (int32_t c = 0; c < strip.count; ++c) {
        strip.cells[c] = CellOf(table, strip.first, strip.first + c);
    }
    return strip;
}

Cell CellOf(const PhaseEntry* table, int32_t first, int32_t row) {
    const PhaseEntry& entry = table[row];
    Cell cell{};
    cell.row = row;
    cell.kind = (PhaseKindOf(table[first].fraction) + (row - first)) % 4;
    cell.label = Format("%s", PhaseLabel(cell.kind));
    cell.date = Format("%s %d", MonthName(entry.month), entry.day);
    cell.time = Format("%d:%02d", entry.hour, entry.minute);
    return cell;
}

int32_t FirstRowNotBefore(const PhaseEntry* entries, int32_t year, int32_t month, int32_t day) {
    for (int32_t i = 0; i < kPhaseRows; ++i) {
        const PhaseEntry& row = entries[i];
        // The time of day takes no part: a phase earlier today still counts.
        if (row.year > year ||
            (row.year == year && (row.month > month || (row.month == month && row.day >= day)))) {
            return i;
        }
    }
    return kPhaseRows;
}

int32_t PhaseKindOf(double fraction) {
    // The table stores exact values, so equality is the right test.
    if (fraction == 0.0) {
        return 0;
    }
    if (fraction == 0.25) {
        return 1;
    }
    if (fraction == 0.5) {
        return 2;
    }
    return 3;
}

std::string SpokenName(const Cell& cell) {
    std::string name(cell.label.View());
    name += ", ";
    name += cell.date.View();
    name += ", ";
    name += cell.time.View();
    return name;
}

const char* PictureHemisphere(bool south) {
    return south ? "Seen from the southern hemisphere" : "Seen from the northern hemisphere";
}

const char* PhaseLabel(int32_t kind) {
    static constexpr const char* kLabels[4] = {"New Moon", "First Quarter", "Full Moon",
                                               "Last Quarter"};
    return kLabels[((kind % 4) + 4) % 4];
}

}  // namespace strip
