#include "PhaseTestSupport.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <chrono>

#include "platform/clock/Clock.h"

namespace {

constexpr QSize kClientSize(507, 171);
const char* const kLabels[4] = {"New Moon", "First Quarter", "Full Moon", "Last Quarter"};
const unsigned kNorth[4] = {129, 131, 132, 133};
const unsigned kSouth[4] = {135, 136, 137, 138};

}  // namespace

void SetUtc(int year, int month, int day, int hour, int minute) {
    using namespace std::chrono;
    const sys_days date =
        year_month_day(std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                       std::chrono::day(static_cast<unsigned>(day)));
    const system_clock::time_point instant =
        time_point_cast<system_clock::duration>(date + hours(hour) + minutes(minute));
    platform::SetClock([instant] { return instant; });
}

QImage Picture(unsigned id) {
    return QImage(QStringLiteral(":/res/bitmap/%1.bmp").arg(id))
        .convertToFormat(QImage::Format_RGB32);
}

QImage PictureTop(unsigned id) {
    return Picture(id).copy(0, 0, 120, 117);
}

QImage BlackStrip() {
    QImage image(kClientSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QImage ExpectedStrip(const std::array<Cell, 4>& cells, bool south) {
    QImage image = BlackStrip();
    QPainter painter(&image);
    const QFont font = QGuiApplication::font();
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(QColor(204, 204, 0));
    // Opaque text: each line fills its own cell first.
    auto line = [&](int x, int y, const QString& text) {
        painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), Qt::black);
        painter.drawText(x, y + metrics.ascent(), text);
    };
    for (int c = 0; c < 4; ++c) {
        const Cell& cell = cells[static_cast<std::size_t>(c)];
        painter.drawImage(130 * c, 0, Picture((south ? kSouth : kNorth)[cell.kind]));
        const int x = 25 + 130 * c;
        line(x, 117, QString::fromLatin1(kLabels[cell.kind]));
        line(x, 133, cell.date);
        line(x, 149, cell.time);
    }
    return image;
}
