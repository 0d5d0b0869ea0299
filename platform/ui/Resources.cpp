#include "platform/ui/Resources.h"

#include <QCoreApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <utility>

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

// The names in a folder of the program's resources. Asking a resource whether it exists reads
// the length stored before its bytes, which brings the bytes' page (and the kernel's pages
// around it) into memory: a folder's listing holds only names.
class ResourceFolder : public QResource {
public:
    using QResource::children;
    using QResource::QResource;
};

const QStringList& ResourceNames(const QString& folder) {
    static std::map<QString, QStringList> listings;
    auto [found, added] = listings.try_emplace(folder);
    if (added) {
        found->second = ResourceFolder(folder).children();
    }
    return found->second;
}

bool InResources(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return ResourceNames(path.left(slash)).contains(path.mid(slash + 1));
}

// An icon of the program's resources whose images are read when the icon is first drawn,
// measured or handed to the window system, not when it is loaded: decoding them is no part of
// putting a window up.
class ResourceIconEngine : public QIconEngine {
public:
    explicit ResourceIconEngine(QString folder) : folder_(std::move(folder)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Images().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Images().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Images().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Images().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Images().availableSizes(mode, state);
    }
    bool isNull() override { return Images().isNull(); }
    QIconEngine* clone() const override { return new ResourceIconEngine(*this); }

private:
    const QIcon& Images() {
        if (!images_) {
            images_.emplace();
            for (const QString& name : ResourceNames(folder_)) {
                const QImage image = platform::ReadImage(folder_ + QLatin1Char('/') + name);
                if (!image.isNull()) {
                    images_->addPixmap(QPixmap::fromImage(image));
                }
            }
        }
        return *images_;
    }

    QString folder_;
    std::optional<QIcon> images_;
};

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
    if (!InResources(path)) {
        return nullptr;
    }
    return new platform::Picture(path);
}

HICON LoadIcon(UINT id) {
    auto& cache = IconCache();
    if (auto found = cache.find(id); found != cache.end()) {
        return found->second.get();
    }
    const QString folder = platform::ResourcePath(platform::ResourceKind::Icon, id);
    if (ResourceNames(folder).isEmpty()) {
        return nullptr;
    }
    auto icon = std::make_unique<QIcon>(new ResourceIconEngine(folder));
    if (cache.empty()) {
        qAddPostRoutine(ClearIconCache);
    }
    return cache.emplace(id, std::move(icon)).first->second.get();
}
