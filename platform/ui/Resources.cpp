#include "platform/ui/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
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
            return QStringLiteral(":/res/icon/%1").arg(id);
        case ResourceKind::Dialog:
            break;
    }
    return QStringLiteral(":/res/dialog/%1.json").arg(id);
}

}  // namespace platform

HBITMAP LoadBitmap(UINT id) {
    // Only looked up here: the picture is read when it is first drawn or measured.
    const QString path = platform::ResourcePath(platform::ResourceKind::Bitmap, id);
    if (!QFileInfo::exists(path)) {
        return nullptr;
    }
    return new platform::Picture(path);
}

HICON LoadIcon(UINT id) {
    auto& cache = IconCache();
    if (auto found = cache.find(id); found != cache.end()) {
        return found->second.get();
    }
    const QDir folder(platform::ResourcePath(platform::ResourceKind::Icon, id));
    auto icon = std::make_unique<QIcon>();
    // Every image of the folder (its names are only listed: a name filter would start a
    // regular-expression engine for one suffix).
    for (const QString& name : folder.entryList(QDir::Files)) {
        if (const QImage image = platform::ReadImage(folder.filePath(name)); !image.isNull()) {
            icon->addPixmap(QPixmap::fromImage(image));
        }
    }
    if (icon->availableSizes().isEmpty()) {
        return nullptr;
    }
    if (cache.empty()) {
        qAddPostRoutine(ClearIconCache);
    }
    return cache.emplace(id, std::move(icon)).first->second.get();
}
