// A picture resource as the programs see it: a size in the window's logical pixels (the
// coordinates of their drawing code), and behind it drawings at one, two and three times that
// size for screens of higher pixel density. A picture is drawn at the density of the device it
// is painted on, chosen anew at every paint: the drawing of that density when there is one,
// otherwise the nearest larger one reduced smoothly. Each drawing is read when a paint first
// needs it, so a picture never shown costs nothing.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <optional>

class QPainter;

namespace platform {

class Picture {
public:
    // The drawings a picture may have: 1, 2 and 3 times its size.
    static constexpr int kMaxScale = 3;

    // A picture drawn at one pixel per logical pixel in the image file basePath, its size in
    // logical pixels that file's; larger drawings, when the program has them, are read from
    // basePath with "@2x" and "@3x" before its extension.
    explicit Picture(QString basePath);

    // Read from the file's header when first asked, or taken from the drawing at one pixel per
    // logical pixel when that was read first; empty when the file cannot be read.
    QSize Size() const;

    // The drawing shown at devicePixelRatio: its devicePixelRatio set, so that it covers Size()
    // logical pixels. Exact for the ratios of the drawings, smoothly reduced from the nearest
    // larger drawing otherwise, and the largest drawing beyond them.
    const QImage& At(qreal devicePixelRatio) const;

    // Draws the part source (logical pixels, clipped to the picture) with its top-left corner
    // at target, at the pixel density of the painter's device.
    void Draw(QPainter& painter, QPoint target, QRect source) const;

private:
    const QImage& Drawing(int scale) const;

    QString basePath_;
    mutable std::optional<QSize> size_;
    mutable std::array<QImage, kMaxScale> drawings_;  // index scale - 1
    mutable std::array<bool, kMaxScale> read_{};
    mutable QImage reduced_;  // the last drawing made for a ratio between drawings
};

// Image files read by the decoder their extension names ("bmp", "png"), which Qt has built in,
// and by nothing else: a reader left to guess would first load every image plugin installed
// (and the libraries behind them) to ask each whether it knows the file.
QImage ReadImage(const QString& path);

}  // namespace platform
