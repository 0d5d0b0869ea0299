// Fonts fitted to a text cell, over families of different proportions (tall, wide, fixed
// pitch) and sizes below, at and above what each cell allows.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>

#include "platform/ui/qt/FontFit.h"

namespace platform::qt {

namespace {

QString PrintableAscii() {
    QString all;
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        all += QChar(c);
    }
    return all;
}

QFont Font(const char* family, int pixels) {
    QFont font{QString::fromLatin1(family)};
    font.setPixelSize(pixels);
    return font;
}

bool Fits(const QFont& font, TextCell cell) {
    const QFontMetrics metrics(font);
    return metrics.height() <= cell.height && metrics.horizontalAdvance(PrintableAscii()) <=
                                                  cell.averageWidth * PrintableAscii().size();
}

TEST(FontFit, TheFamilyKeepsItsSizeWhereItFitsAndShrinksToTheLargestThatDoes) {
    // Tall line spacing (Noto Sans), wide letters (DejaVu Sans), fixed pitch, a serif face;
    // sizes that fit as they are and sizes that do not.
    const char* const families[] = {"Noto Sans", "Cantarell", "DejaVu Sans", "DejaVu Sans Mono",
                                    "Liberation Serif"};
    for (const TextCell cell : {kSystemFontCell, kDialogFontCell}) {
        for (const char* family : families) {
            for (const int pixels : {9, 11, 13, 16, 19, 30}) {
                const QFont given = Font(family, pixels);
                const QFont fitted = FitToCell(given, cell);
                SCOPED_TRACE(testing::Message()
                             << family << " " << pixels << " in " << cell.height);
                EXPECT_EQ(QFontInfo(fitted).family(), QString::fromLatin1(family));
                EXPECT_TRUE(Fits(fitted, cell));
                if (Fits(given, cell)) {
                    EXPECT_EQ(fitted.pixelSize(), pixels);
                } else {
                    EXPECT_LT(fitted.pixelSize(), pixels);
                    EXPECT_FALSE(Fits(Font(family, fitted.pixelSize() + 1), cell));
                }
            }
        }
    }
}

TEST(FontFit, AFamilyThatFitsOnlyWhenTinyGivesWayToSansSerif) {
    QFont spaced = Font("DejaVu Sans", 14);
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 6);  // wider than the cell at any size
    const QFont fitted = FitToCell(spaced, kSystemFontCell);
    EXPECT_GE(fitted.pixelSize(), kSmallestPixelSize);
    EXPECT_EQ(fitted.families(), QStringList{QStringLiteral("sans-serif")});
}

TEST(FontFit, SurfacesFollowTheApplicationsFont) {
    const QFont before = QGuiApplication::font();
    for (const QFont& desktop : {Font("Cantarell", 19), Font("DejaVu Sans Mono", 10)}) {
        QGuiApplication::setFont(desktop);
        EXPECT_EQ(SurfaceFont(), FitToCell(desktop, kSystemFontCell))
            << desktop.toString().toStdString();
    }
    QGuiApplication::setFont(before);
}

}  // namespace

}  // namespace platform::qt
