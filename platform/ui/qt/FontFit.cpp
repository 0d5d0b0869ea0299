#include "platform/ui/qt/FontFit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>
#include <algorithm>

namespace platform::qt {

namespace {

const QString& PrintableAscii() {
    static const QString text = [] {
        QString all;
        for (char16_t c = 0x20; c < 0x7F; ++c) {
            all += QChar(c);
        }
        return all;
    }();
    return text;
}

bool Fits(const QFont& font, TextCell cell) {
    const QFontMetrics metrics(font);
    const QString& sample = PrintableAscii();
    return metrics.height() <= cell.height &&
           metrics.horizontalAdvance(sample) <= cell.averageWidth * sample.size();
}

// The largest pixel size from `from` down to `smallest` at which the font fits; none (0) when
// it fits at none of them.
int LargestFittingSize(QFont font, int from, int smallest, TextCell cell) {
    for (int size = from; size >= smallest; --size) {
        font.setPixelSize(size);
        if (Fits(font, cell)) {
            return size;
        }
    }
    return 0;
}

}  // namespace

QFont FitToCell(const QFont& font, TextCell cell) {
    const int given = QFontInfo(font).pixelSize();
    // A font already smaller than that keeps its family and may shrink further.
    const int smallest = std::min(given, kSmallestPixelSize);
    QFont fitted = font;
    if (const int size = LargestFittingSize(font, given, smallest, cell); size > 0) {
        fitted.setPixelSize(size);
        return fitted;
    }
    fitted.setFamilies({QStringLiteral("sans-serif")});
    fitted.setStyleHint(QFont::SansSerif);
    const int size = LargestFittingSize(fitted, given, smallest, cell);
    fitted.setPixelSize(size > 0 ? size : smallest);
    return fitted;
}

QFont SurfaceFont() {
    // One user-interface thread draws; the fitting is measured only when the desktop's font
    // has changed.
    static QFont desktop;
    static QFont fitted;
    static bool made = false;
    const QFont current = QGuiApplication::font();
    if (!made || current != desktop) {
        desktop = current;
        fitted = FitToCell(current, kSystemFontCell);
        made = true;
    }
    return fitted;
}

}  // namespace platform::qt
