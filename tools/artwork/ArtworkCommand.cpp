#include "tools/artwork/ArtworkCommand.h"

#include <charconv>
#include <optional>

#include "tools/artwork/BmpFile.h"
#include "tools/artwork/CrescentIcon.h"
#include "tools/artwork/IcoFile.h"
#include "tools/artwork/NightScene.h"
#include "tools/artwork/PhasePicture.h"
#include "tools/artwork/PngFile.h"

namespace artwork {

namespace {

constexpr int kUsageError = 2;
constexpr int kWriteError = 1;
// 72 dots per inch for the phase pictures; 200 dots per inch for the credits picture.
constexpr std::int32_t kScreenPixelsPerMetre = 2835;
constexpr std::int32_t kNightPixelsPerMetre = 7874;

constexpr const char* kUsage =
    "usage: tidewell-artwork moon <kind 0-3> <north|south> <out.bmp>\n"
    "       tidewell-artwork icon <out.ico>\n"
    "       tidewell-artwork icon-png <size 16-512> <out.png>\n"
    "       tidewell-artwork night <out.bmp>\n";

std::optional<int> parseInt(const std::string& text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

int usageError(std::ostream& errors, const std::string& why) {
    errors << "tidewell-artwork: " << why << "\n" << kUsage;
    return kUsageError;
}

int save(const std::string& path, const Bytes& bytes, std::ostream& errors) {
    std::string why;
    if (!saveFile(path, bytes, why)) {
        errors << "tidewell-artwork: " << why << "\n";
        return kWriteError;
    }
    return 0;
}

}  // namespace

int runArtworkCommand(const std::vector<std::string>& args, std::ostream& errors) {
    if (args.empty()) {
        return usageError(errors, "no command given");
    }
    const std::string& command = args[0];
    if (command == "moon") {
        if (args.size() != 4) {
            return usageError(errors, "moon takes a kind, a hemisphere and an output file");
        }
        const std::optional<int> kind = parseInt(args[1], 0, 3);
        if (!kind) {
            return usageError(errors, "phase kind must be 0, 1, 2 or 3, not '" + args[1] + "'");
        }
        if (args[2] != "north" && args[2] != "south") {
            return usageError(errors, "hemisphere must be north or south, not '" + args[2] + "'");
        }
        const Hemisphere hemisphere = args[2] == "north" ? Hemisphere::North : Hemisphere::South;
        return save(args[3], encodeBmp24(phasePicture(*kind, hemisphere), kScreenPixelsPerMetre),
                    errors);
    }
    if (command == "icon") {
        if (args.size() != 2) {
            return usageError(errors, "icon takes an output file");
        }
        return save(args[1], encodeIco({indexedCrescentIcon(32), indexedCrescentIcon(16)}), errors);
    }
    if (command == "icon-png") {
        if (args.size() != 3) {
            return usageError(errors, "icon-png takes a size and an output file");
        }
        const std::optional<int> size = parseInt(args[1], 16, 512);
        if (!size) {
            return usageError(errors, "icon size must be 16 to 512, not '" + args[1] + "'");
        }
        return save(args[2], encodePng(crescentIcon(*size)), errors);
    }
    if (command == "night") {
        if (args.size() != 2) {
            return usageError(errors, "night takes an output file");
        }
        return save(args[1], encodeBmp24(nightScene(), kNightPixelsPerMetre), errors);
    }
    return usageError(errors, "unknown command '" + command + "'");
}

}  // namespace artwork
