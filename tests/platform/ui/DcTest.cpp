// The drawing surface: opaque text in its colours, and tab stops with their origin. Pictures,
// filled rectangles, focus rectangles and fonts are held to account by the phase window's, the
// colour list box's and the credits dialog's tests.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "platform/ui/Dc.h"

namespace {

constexpr QRgb kCanvas = qRgb(10, 20, 30);

// A surface that draws into a picture.
class ImageDC : public CDC {
public:
    explicit ImageDC(QImage& image) { SetPainter(std::make_unique<QPainter>(&image)); }
};

QImage Canvas() {
    QImage image(200, 130, QImage::Format_RGB32);
    image.fill(kCanvas);
    return image;
}

TEST(CDC, TextIsDrawnOpaqueInTheTextColour) {
    QImage image = Canvas();
    SIZE extent{};
    {
        ImageDC dc(image);
        dc.SetBkColor(RGB(0, 0, 255));
        dc.SetTextColor(RGB(255, 255, 0));
        ASSERT_TRUE(dc.GetTextExtentPoint32A("WWW", 3, &extent));
        EXPECT_TRUE(dc.TextOut(10, 20, "WWW", 3));
    }
    int text = 0;
    for (int y = 20; y < 20 + extent.cy; ++y) {
        for (int x = 10; x < 10 + extent.cx; ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_EQ(qRed(pixel), qGreen(pixel)) << "only blends of the two colours";
            text += pixel == qRgb(255, 255, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(text, 0);
    EXPECT_EQ(image.pixel(10, 20), qRgb(0, 0, 255));  // the cell's corner: background
    EXPECT_EQ(image.pixel(9, 20), kCanvas);           // outside the cell: untouched
    EXPECT_EQ(image.pixel(10 + extent.cx, 20), kCanvas);
}

TEST(CDC, TabsMoveToTheStopsInDrawingButCountAsCharactersInMeasuring) {
    QImage image = Canvas();
    ImageDC dc(image);
    SIZE b{}, c{}, tab{}, space{};
    dc.GetTextExtentPoint32A("b", 1, &b);
    dc.GetTextExtentPoint32A("c", 1, &c);
    dc.GetTextExtentPoint32A("a\tb", 3, &tab);
    dc.GetTextExtentPoint32A("a b", 3, &space);
    EXPECT_EQ(tab.cx, space.cx);

    const int stops[] = {50, 120};
    EXPECT_EQ(dc.TabbedTextOut(0, 0, "a\tb\tc", 5, 2, stops, 0).cx, 120 + c.cx);
    // Stops count from the origin; the pen starts at x.
    EXPECT_EQ(dc.TabbedTextOut(30, 0, "a\tb", 3, 2, stops, 30).cx, 50 + b.cx);
    const int every = 40;
    EXPECT_EQ(dc.TabbedTextOut(0, 0, "a\t\tb", 4, 1, &every, 0).cx, 80 + b.cx);
}

}  // namespace
