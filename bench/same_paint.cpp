// The yardstick of bench/startup.sh for TidewellPhase: Qt alone painting what the phase window
// paints, and nothing more. A fixed 507 x 171 dialog, black, with four 120 x 120 pictures
// (drawn in memory: no files, no image plugins), three short yellow texts under each, and a
// 400 ms timer that looks at the date, as the window's does.
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <array>

namespace {

constexpr int kCells = 4;
constexpr int kPicture = 120;
constexpr int kPitch = 130;
constexpr int kIndent = 25;

QImage Disc(int lit) {
    QImage image(kPicture, kPicture, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 90));
    painter.drawEllipse(10, 10, 100, 100);
    painter.setBrush(QColor(230, 230, 210));
    painter.drawPie(10, 10, 100, 100, 90 * 16, lit * 16);
    return image;
}

class SamePaint : public QDialog {
public:
    SamePaint() {
        setWindowTitle(QStringLiteral("Same paint"));
        setFixedSize(507, 171);
        for (int c = 0; c < kCells; ++c) {
            pictures_[c] = Disc(90 * c);
        }
        timer_.callOnTimeout(this, [this] {
            if (const QDate today = QDate::currentDate(); today != shownDay_) {
                shownDay_ = today;
                update();
            }
        });
        timer_.start(400);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        static const std::array<const char*, kCells> kNames = {"New Moon", "First Quarter",
                                                               "Full Moon", "Last Quarter"};
        shownDay_ = QDate::currentDate();
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setPen(QColor(204, 204, 0));
        for (int c = 0; c < kCells; ++c) {
            const int x = kIndent + kPitch * c;
            painter.drawImage(x - kIndent, 0, pictures_[c]);
            painter.drawText(x, 130, QString::fromLatin1(kNames[c]));
            painter.drawText(x, 146, QStringLiteral("Dec %1").arg(10 + 7 * c));
            painter.drawText(x, 162, QStringLiteral("%1:29").arg(2 + c));
        }
    }

private:
    std::array<QImage, kCells> pictures_;
    QTimer timer_;
    QDate shownDay_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SamePaint dialog;
    return dialog.exec();
}
