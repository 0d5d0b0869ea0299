#include "tools/artwork/ArtworkCommand.h"

#include <charconv>
#include <optional>
#include <string>

#include "tools/artwork/BmpFile.h"
#include "tools/artwork/CreditsIcon.h"
#include "tools/artwork/CrescentIcon.h"
#include "tools/artwork/NightScene.h"
#include "tools/artwork/PhasePicture.h"
#include "tools/artwork/PngFile.h"

namespace artwork {

namespace {

constexpr int kUsageError = 2;
constexpr int kWriteError = 1;
// 72 dots per inch for the phase pictures; 200 dots per inch for the credits picture.
constexpr std::int32_t kScreenPixelsPerMeter = 2835;
constexpr std::int32_t kNightPixelsPerMeter = 7874;

constexpr const char* kUsage =
    "usage: tidewell-artwork moon <kind 0-3> <north|south> [<scale 1-3>] <out.bmp>\n"
    "       tidewell-artwork icon <16|32|48|64> <out.bmp>\n"
    "       tidewell-artwork icon-png <crescent|credits> <size 16-512> <out.png>\n"
    "       tidewell-artwork icon-svg <crescent|credits> <out.svg>\n"
    "       tidewell-artwork night [<scale 1-3>] <out.bmp>\n";

std::optional<int> ParseInt(const std::string& text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// The launcher icons: the phase program's crescent and the credits program's night.
bool IsLauncherIcon(const std::string& name) {
    return name == "crescent" || name == "credits";
}

int UsageError(std::ostream& errors, const std::string& why) {
    errors << "tidewell-artwork: " << why << "\n" << kUsage;
    return kUsageError;
}

// The optional scale before the output file: 1 when it is left out.
std::optional<int> ScaleArgument(const std::vector<std::string>& args, std::size_t fixed) {
    return args.size() == fixed ? std::optional<int>(1) : ParseInt(args[fixed - 1], 1, kMaxScale);
}

int Save(const std::string& path, const Bytes& bytes, std::ostream& errors) {
    std::string why;
    if (!SaveFile(path, bytes, why)) {
        errors << "tidewell-artwork: " << why << "\n";
        return kWriteError;
    }
    return 0;
}

}  // namespace

int RunArtworkCommand(const std::vector<std::string>& args, std::ostream& errors) {
    if (args.empty()) {
        return UsageError(errors, "no command given");
    }
    const std::string& command = args[0];
    if (command == "moon") {
        if (args.size() != 4 && args.size() != 5) {
            return UsageError(errors,
                              "moon takes a kind, a hemisphere, a scale if any and an output file");
        }
        const std::optional<int> kind = ParseInt(args[1], 0, 3);
        if (!kind) {
            return UsageError(errors, "phase kind must be 0, 1, 2 or 3, not '" + args[1] + "'");
        }
        if (args[2] != "north" && args[2] != "south") {
            return UsageError(errors, "hemisphere must be north or south, not '" + args[2] + "'");
        }
        const std::optional<int> scale = ScaleArgument(args, 4);
        if (!scale) {
            return UsageError(errors, "scale must be 1, 2 or 3, not '" + args[3] + "'");
        }
        const Hemisphere hemisphere = args[2] == "north" ? Hemisphere::kNorth : Hemisphere::kSouth;
        return Save(
            args.back(),
            EncodeBmp24(PhasePicture(*kind, hemisphere, *scale), kScreenPixelsPerMeter * *scale),
            errors);
    }
    if (command == "icon") {
        if (args.size() != 3) {
            return UsageError(errors, "icon takes a size and an output file");
        }
        const std::optional<int> size = ParseInt(args[1], 16, 64);
        if (!size || *size % 16 != 0) {
            return UsageError(errors, "icon size must be 16, 32, 48 or 64, not '" + args[1] + "'");
        }
        // The crescent's own 16 colours where a small icon is drawn, smooth above.
        const Raster icon = *size <= 32 ? Expand(IndexedCrescentIcon(*size)) : CrescentIcon(*size);
        return Save(args[2], EncodeBmp32(icon), errors);
    }
    if (command == "icon-png" || command == "icon-svg") {
        const bool png = command == "icon-png";
        if (args.size() != (png ? 4u : 3u)) {
            return UsageError(errors, png ? "icon-png takes an icon, a size and an output file"
                                          : "icon-svg takes an icon and an output file");
        }
        if (!IsLauncherIcon(args[1])) {
            return UsageError(errors, "icon must be crescent or credits, not '" + args[1] + "'");
        }
        const bool crescent = args[1] == "crescent";
        if (!png) {
            const std::string svg = crescent ? CrescentIconSvg() : CreditsIconSvg();
            return Save(args[2], Bytes(svg.begin(), svg.end()), errors);
        }
        const std::optional<int> size = ParseInt(args[2], 16, 512);
        if (!size) {
            return UsageError(errors, "icon size must be 16 to 512, not '" + args[2] + "'");
        }
        return Save(args[3], EncodePng(crescent ? CrescentIcon(*size) : CreditsIcon(*size)),
                    errors);
    }
    if (command == "night") {
        if (args.size() != 2 && args.size() != 3) {
            return UsageError(errors, "night takes a scale if any and an output file");
        }
        const std::optional<int> scale = ScaleArgument(args, 2);
        if (!scale) {
            return UsageError(errors, "scale must be 1, 2 or 3, not '" + args[1] + "'");
        }
        return Save(args.back(), EncodeBmp24(NightScene(*scale), kNightPixelsPerMeter * *scale),
                    errors);
    }
    return UsageError(errors, "unknown command '" + command + "'");
}

}  // namespace artwork
