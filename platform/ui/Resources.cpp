#include "platform/ui/Resources.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <map>
#include <memory>

#include "platform/ui/Picture.h"

namespace {

std::map<UINT, std::unique_ptr<QIcon>>& IconCache() {
    static std::map<UINT, std::unique_ptr<QIcon>> cache;
    return cache;
}

// Icons hold pixmaps, which must go before the GUI application does.
void ClearIconCache() {
    IconCache().clear();
}

}  // namespace

namespace platform {

QString ResourcePath(ResourceKind kind, UINT id) {
    switch (kind) {
        case ResourceKind::Bitmap:
            return QStringLiteral(":/res/bitmap/%1.bmp").arg(id);
        case ResourceKind::Icon:
            return QStringLiteral(":/res/icon/%1.ico").arg(id);
        case ResourceKind::Dialog:
            break;
    }
    return QStringLiteral(":/res/dialog/%1.json").arg(id);
}

}  // namespace platform

HBITMAP LoadBitmap(UINT id) {
    const QString path = platform::ResourcePath(platform::ResourceKind::Bitmap, id);
    QImage image(path);
    if (image.isNull()) {
        return nullptr;
    }
    // One pixel format for every picture keeps copying them onto a window a plain blit.
    return new platform::Picture(image.convertToFormat(QImage::Format_RGB32), path);
}

HICON LoadIcon(UINT id) {
    auto& cache = IconCache();
    if (auto found = cache.find(id); found != cache.end()) {
        return found->second.get();
    }
    auto icon = std::make_unique<QIcon>(platform::ResourcePath(platform::ResourceKind::Icon, id));
    if (icon->availableSizes().isEmpty()) {
        return nullptr;
    }
    if (cache.empty()) {
        qAddPostRoutine(ClearIconCache);
    }
    return cache.emplace(id, std::move(icon)).first->second.get();
}
