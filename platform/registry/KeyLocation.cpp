#include "platform/registry/KeyLocation.h"

#include <QStandardPaths>
#include <QStringList>

namespace platform {

std::optional<KeyLocation> LocateKey(const QString& keyPath) {
    const QStringList parts = keyPath.split(QLatin1Char('\\'));
    if (parts.size() < 3 || parts[0] != QLatin1String("Software")) {
        return std::nullopt;
    }
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(QLatin1Char('/'))) {
            return std::nullopt;
        }
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty()) {
        return std::nullopt;
    }
    return KeyLocation{
        config + QLatin1Char('/') + parts[1] + QLatin1Char('/') + parts[2] + QLatin1String(".conf"),
        parts.mid(3).join(QLatin1Char('/'))};
}

}  // namespace platform
