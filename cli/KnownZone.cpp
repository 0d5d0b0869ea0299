#include "cli/KnownZone.h"

#include <QByteArray>
#include <QTimeZone>
#include <fstream>

namespace cli {
namespace {

constexpr const char* kZoneInfo = "/usr/share/zoneinfo/";

// A zone file of the database, which starts with the magic "TZif". Names that climb out of
// the database's folder are refused before anything is opened.
bool IsZoneFile(const std::string& name) {
    if (name.empty() || name[0] == '/' || name.find("..") != std::string::npos) return false;
    std::ifstream file(kZoneInfo + name, std::ios::binary);
    char magic[4] = {};
    return file.read(magic, sizeof magic) && std::string(magic, sizeof magic) == "TZif";
}

}  // namespace

bool IsKnownZone(const std::string& name) {
    return IsZoneFile(name) || QTimeZone::isTimeZoneIdAvailable(QByteArray::fromStdString(name));
}

}  // namespace cli
