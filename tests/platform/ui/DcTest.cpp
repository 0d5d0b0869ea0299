#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>

#include "platform/ui/Dc.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Resources.h"

namespace {

// A surface that draws into a picture.
class ImageDC : public CDC {
public:
    explicit ImageDC(QImage& image) { SetPainter(std::make_unique<QPainter>(&image)); }
};

QImage Canvas(QColor fill = QColor(10, 20, 30)) {
    QImage image(200, 130, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

TEST(CDC, BitBltCopiesTheSelectedPictureAndFillsBlack) {
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(950));
    const QImage& picture = *bitmap.GetSafeHandle();
    ASSERT_EQ(picture.size(), QSize(120, 120));

    QImage image = Canvas();
    {
        ImageDC dc(image);
        CDC memDC;
        memDC.CreateCompatibleDC(&dc);
        EXPECT_EQ(memDC.SelectObject(&bitmap), nullptr);
        EXPECT_TRUE(dc.BitBlt(0, 0, 200, 130, nullptr, 0, 0, BLACKNESS));
        // Asking for more than the picture holds copies the picture alone.
        EXPECT_TRUE(dc.BitBlt(70, 5, 200, 200, &memDC, 0, 0, SRCCOPY));
        EXPECT_FALSE(dc.BitBlt(0, 0, 10, 10, &memDC, 0, 0, 0x00EE0086));  // no such operation
    }
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(69, 129), qRgb(0, 0, 0));
    for (int y = 0; y < 120; y += 7) {
        for (int x = 0; x < 120; x += 7) {
            ASSERT_EQ(image.pixel(70 + x, 5 + y), picture.pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(image.pixel(100, 127), qRgb(0, 0, 0));  // below the picture: the black fill
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
    EXPECT_EQ(image.pixel(9, 20), qRgb(10, 20, 30));  // outside the cell: untouched
    EXPECT_EQ(image.pixel(10 + extent.cx, 20), qRgb(10, 20, 30));
}

TEST(CDC, ExtTextOutOpaqueFillsTheRectangle) {
    QImage image = Canvas();
    {
        ImageDC dc(image);
        dc.SetBkColor(RGB(1, 2, 3));
        const RECT rect{5, 6, 50, 30};
        EXPECT_TRUE(dc.ExtTextOut(0, 0, ETO_OPAQUE, &rect, nullptr, 0));
    }
    EXPECT_EQ(image.pixel(5, 6), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(49, 29), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(50, 29), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(49, 30), qRgb(10, 20, 30));
}

TEST(CDC, TabsMoveToTheStopsInDrawingButCountAsCharactersInMeasuring) {
    QImage image = Canvas();
    ImageDC dc(image);
    SIZE a{}, b{}, c{}, tab{}, space{};
    dc.GetTextExtentPoint32A("a", 1, &a);
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

TEST(CDC, FocusRectangleDrawnTwiceDisappears) {
    QImage image = Canvas();
    const QImage before = image;
    const RECT rect{3, 4, 60, 25};
    {
        ImageDC dc(image);
        dc.DrawFocusRect(&rect);
    }
    EXPECT_NE(image, before);
    EXPECT_EQ(image.pixel(30, 14), before.pixel(30, 14));  // inside: untouched
    {
        ImageDC dc(image);
        dc.DrawFocusRect(&rect);
    }
    EXPECT_EQ(image, before);
}

TEST(CDC, SelectedFontMeasuresAndTheDefaultComesBack) {
    QImage image = Canvas();
    ImageDC dc(image);
    TEXTMETRICA standard{}, large{};
    ASSERT_TRUE(dc.GetTextMetricsA(&standard));
    CFont font;
    QFont big;
    big.setPixelSize(40);
    ASSERT_TRUE(font.Attach(new QFont(big)));
    EXPECT_EQ(dc.SelectObject(&font), nullptr);
    ASSERT_TRUE(dc.GetTextMetricsA(&large));
    EXPECT_GT(large.tmHeight, standard.tmHeight);
    int widths[3] = {};
    ASSERT_TRUE(dc.GetCharWidthA('a', 'c', widths));
    EXPECT_GT(widths[0], 0);
    EXPECT_EQ(dc.SelectObject(static_cast<CFont*>(nullptr)), &font);
    TEXTMETRICA again{};
    dc.GetTextMetricsA(&again);
    EXPECT_EQ(again.tmHeight, standard.tmHeight);
}

}  // namespace
