// A folder of a test's own zone files: copies of installed zones, links, text files, and zones
// compiled with zic from rules that the test gives, so that a test of a zone's rules does not
// depend on the version of the installed time-zone database.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace clocktest {

// A zone whose year 2026 has three changes and two standard times, as Casablanca's has in
// tzdata 2026f: standard time +01, a saving of -1 h from 15 February to 22 March, and from
// 20 September standard time +00.
inline constexpr const char* kPauseZone = "Test/Pause";
inline constexpr const char* kPauseRules =
    "Rule Pause 2026 only - Feb 15 3:00 -1:00 -\n"
    "Rule Pause 2026 only - Mar 22 2:00 0 -\n"
    "Zone Test/Pause 1:00 Pause +01/+00 2026 Sep 20 2:00\n"
    "                0:00 - +00\n";

class ZoneFiles {
public:
    ZoneFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tidewell-zones.XXXXXX");
        if (mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
    }
    ~ZoneFiles() {
        std::error_code error;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, error);
    }
    ZoneFiles(const ZoneFiles&) = delete;
    ZoneFiles& operator=(const ZoneFiles&) = delete;

    const std::string& Folder() const { return folder_; }
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name), std::ios::binary) << text;
    }

    // Compiles zone rules in zic's source form into zone files of the folder, named as their
    // Zone lines name them; false when zic refuses them.
    bool Compile(const std::string& rules) const {
        Write("rules.zi", rules);
        for (const char* zic : {"/usr/sbin/zic", "/sbin/zic"}) {
            if (!std::filesystem::exists(zic)) continue;
            const std::string command =
                std::string(zic) + " -d '" + folder_ + "' '" + Path("rules.zi") + "'";
            return std::system(command.c_str()) == 0;
        }
        return false;
    }

private:
    std::string folder_;
};

}  // namespace clocktest
