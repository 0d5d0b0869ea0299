#include "platform/ui/Picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>
#include <utility>

namespace platform {

namespace {

// Ratios this close to a whole number are that number: screens report 2 as 2.0000001.
constexpr qreal kRatioSlack = 1e-3;

QString ScaledPath(const QString& basePath, int scale) {
    const qsizetype dot = basePath.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = basePath.lastIndexOf(QLatin1Char('/'));
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    if (dot <= slash) {
        return basePath + suffix;
    }
    return basePath.left(dot) + suffix + basePath.mid(dot);
}

void PrepareReader(QImageReader& reader, const QString& path) {
    reader.setFileName(path);
    reader.setFormat(QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
}

}  // namespace

QImage ReadImage(const QString& path) {
    QImageReader reader;
    PrepareReader(reader, path);
    return reader.read();
}

Picture::Picture(QString basePath) : basePath_(std::move(basePath)) {}

QSize Picture::Size() const {
    if (!size_) {
        QImageReader reader;
        PrepareReader(reader, basePath_);
        const QSize size = reader.size();
        size_ = size.isValid() ? size : QSize();
    }
    return *size_;
}

const QImage& Picture::Drawing(int scale) const {
    const auto index = static_cast<std::size_t>(scale - 1);
    if (!read_[index]) {
        read_[index] = true;
        QImage drawing = ReadImage(scale == 1 ? basePath_ : ScaledPath(basePath_, scale));
        if (scale == 1 && !size_ && !drawing.isNull()) {
            // The picture's size is its first drawing's: reading the header as well would unpack
            // a packed resource a second time.
            size_ = drawing.size();
        }
        // A drawing of the wrong size would misplace everything drawn with it: leave it out.
        if (drawing.size() == Size() * scale) {
            // One pixel format for every drawing keeps copying them onto a window a plain blit.
            drawing = drawing.convertToFormat(QImage::Format_RGB32);
            drawing.setDevicePixelRatio(scale);
            drawings_[index] = std::move(drawing);
        }
    }
    return drawings_[index];
}

const QImage& Picture::At(qreal devicePixelRatio) const {
    const qreal ratio = std::max<qreal>(devicePixelRatio, 1.0);
    // The nearest drawing at least as dense as the device; the densest there is beyond that.
    int scale = 1;
    while (scale < kMaxScale && ratio > scale + kRatioSlack) {
        ++scale;
    }
    int found = scale;
    while (found > 1 && Drawing(found).isNull()) {
        --found;
    }
    const QImage& drawing = Drawing(found);
    if (std::abs(ratio - found) <= kRatioSlack || ratio > found) {
        return drawing;
    }
    // Between two drawings: reduce the larger one to the device's pixels, once per ratio.
    const QSize pixels(static_cast<int>(std::lround(Size().width() * ratio)),
                       static_cast<int>(std::lround(Size().height() * ratio)));
    if (reduced_.size() != pixels) {
        reduced_ = drawing.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    reduced_.setDevicePixelRatio(ratio);
    return reduced_;
}

void Picture::Draw(QPainter& painter, QPoint target, QRect source) const {
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    // The drawing first: at ratio 1 it gives the size too.
    const QImage& drawing = At(ratio);
    const QRect part = source.intersected(QRect(QPoint(0, 0), Size()));
    if (part.isEmpty()) {
        return;
    }
    const QPoint at = target + (part.topLeft() - source.topLeft());
    const qreal scale = drawing.devicePixelRatio();
    const QRectF from(part.x() * scale, part.y() * scale, part.width() * scale,
                      part.height() * scale);
    const bool exact = std::abs(ratio - scale) <= kRatioSlack;
    painter.save();
    // Whole ratios map one drawing pixel onto one device pixel; between them the device's
    // pixels fall between the drawing's, and smooth filtering keeps edges from stepping.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !exact);
    painter.drawImage(QRectF(at, part.size()), drawing, from);
    painter.restore();
}

}  // namespace platform
