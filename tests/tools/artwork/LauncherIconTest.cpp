// The launcher icons, one set per program: the phase program's crescent and the credits
// program's crescent over the sea at night, at every size the desktop's icon theme holds, and
// as scalable pictures that draw as the pixels do.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <string>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/CreditsIcon.h"
#include "tools/artwork/CrescentIcon.h"
#include "tools/artwork/PngFile.h"

namespace artwork {
namespace {

constexpr int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

const struct Launcher {
    const char* name;
    Raster (*draw)(int size);
    std::string (*svg)();
} kLaunchers[] = {
    {"crescent", CrescentIcon, CrescentIconSvg},
    {"credits", CreditsIcon, CreditsIconSvg},
};

QImage Png(const Launcher& launcher, int size) {
    return test::Decode(EncodePng(launcher.draw(size)), "PNG")
        .convertToFormat(QImage::Format_ARGB32);
}

QImage Render(const std::string& svg, int size) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    EXPECT_TRUE(renderer.isValid());
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The crescent's body (its darker edge and the glitter on the water are not as bright).
bool MoonYellow(QColor c) {
    return c.alpha() == 255 && c.red() > 225 && c.green() > 150 && c.blue() < 130;
}

// The share of pixels that differ by more than a quarter in some channel.
double ShareDifferent(const QImage& a, const QImage& b) {
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            different += std::abs(p.alpha() - q.alpha()) > 64 || std::abs(p.red() - q.red()) > 64 ||
                                 std::abs(p.green() - q.green()) > 64 ||
                                 std::abs(p.blue() - q.blue()) > 64
                             ? 1
                             : 0;
        }
    }
    return static_cast<double>(different) / (a.width() * a.height());
}

TEST(LauncherIcon, EachThemeSizeIsASquareOfThatSizeWithClearCorners) {
    for (const Launcher& launcher : kLaunchers) {
        for (const int size : kThemeSizes) {
            SCOPED_TRACE(std::string(launcher.name) + " " + std::to_string(size));
            const QImage image = Png(launcher, size);
            ASSERT_EQ(image.size(), QSize(size, size));
            EXPECT_TRUE(image.hasAlphaChannel());
            for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1),
                                        QPoint(size - 1, size - 1)}) {
                EXPECT_EQ(image.pixelColor(corner).alpha(), 0) << corner.x() << "," << corner.y();
            }
        }
    }
}

// The phase program's icon is a crescent on nothing; the credits program's a square of night,
// dark blue, with a yellow crescent in the sky above the water: at every size the two tell
// apart.
TEST(LauncherIcon, TheTwoProgramsHaveTheirOwnPictures) {
    for (const int size : kThemeSizes) {
        SCOPED_TRACE(size);
        const QImage crescent = Png(kLaunchers[0], size);
        const QImage credits = Png(kLaunchers[1], size);
        EXPECT_GT(ShareDifferent(crescent, credits), 0.4);

        int opaque = 0;
        int blue = 0;
        int moonInTheSky = 0;
        int moonInTheSea = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QColor c = credits.pixelColor(x, y);
                opaque += c.alpha() >= 128 ? 1 : 0;
                blue += c.alpha() == 255 && c.blue() > c.red() + 20 && c.red() + c.green() < 200
                            ? 1
                            : 0;
                if (MoonYellow(c)) {
                    (y < size * 2 / 3 ? moonInTheSky : moonInTheSea) += 1;
                }
            }
        }
        const int area = size * size;
        EXPECT_GT(opaque, area * 7 / 10);
        EXPECT_GT(blue, area / 2);
        EXPECT_GT(moonInTheSky, area / 100);
        EXPECT_EQ(moonInTheSea, 0);
    }
}

// The scalable pictures cover what the pixels cover and in nearly the same colours (the
// crescent's shading is a gradient there, a little simpler than the pixels' own).
TEST(LauncherIcon, ScalablePictureDrawsAsThePixels) {
    for (const Launcher& launcher : kLaunchers) {
        for (const int size : {48, 256}) {
            SCOPED_TRACE(std::string(launcher.name) + " " + std::to_string(size));
            const std::string svg = launcher.svg();
            ASSERT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos) << svg;
            const QImage drawn = Render(svg, size);
            const QImage pixels = Png(launcher, size);
            double alphaOff = 0;
            double colorOff = 0;
            int solid = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const QColor p = drawn.pixelColor(x, y);
                    const QColor q = pixels.pixelColor(x, y);
                    alphaOff += std::abs(p.alphaF() - q.alphaF());
                    if (p.alpha() == 255 && q.alpha() == 255) {
                        colorOff +=
                            (std::abs(p.redF() - q.redF()) + std::abs(p.greenF() - q.greenF()) +
                             std::abs(p.blueF() - q.blueF())) /
                            3;
                        ++solid;
                    }
                }
            }
            ASSERT_GT(solid, size * size / 8);
            EXPECT_LT(alphaOff / (size * size), 0.01);
            EXPECT_LT(colorOff / solid, 0.05);
        }
    }
}

}  // namespace
}  // namespace artwork
