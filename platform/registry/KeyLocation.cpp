#include "platform/registry/KeyLocation.h"

#include <QStandardPaths>
#include <QStringList>

namespace platform {

bool IsPlainName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        return false;
    }
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                           (u >= '0' && u <= '9') || u == '_' || u == '-' || u == '.';
        if (!plain) {
            return false;
        }
    }
    return true;
}

std::optional<KeyLocation> LocateKey(const QString& keyPath) {
    const QStringList parts = keyPath.split(QLatin1Char('\\'));
    if (parts.size() != 4 || parts[0] != QLatin1String("Software")) {
        return std::nullopt;
    }
    for (const QString& part : parts) {
        if (!IsPlainName(part)) {
            return std::nullopt;
        }
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty()) {
        return std::nullopt;
    }
    return KeyLocation{
        config + QLatin1Char('/') + parts[1] + QLatin1Char('/') + parts[2] + QLatin1String(".conf"),
        parts[3]};
}

}  // namespace platform
