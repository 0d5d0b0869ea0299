#include <gtest/gtest.h>

#include <cmath>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/BmpFile.h"
#include "tools/artwork/PhasePicture.h"

namespace artwork {
namespace {

using test::decode;
using test::expectedColour;
using test::readBmpHeader;

constexpr int kSize = kPhasePictureSize;

struct PictureCase {
    int kind;
    Hemisphere hemisphere;
};

std::string pictureName(int kind, Hemisphere hemisphere) {
    static const char* const kNames[] = {"New", "FirstQuarter", "Full", "LastQuarter"};
    return std::string(kNames[kind]) + (hemisphere == Hemisphere::North ? "North" : "South");
}

class EveryPhasePicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(EveryPhasePicture, IsA120By120BottomUp24BitBitmapThatReadsBackExactly) {
    const Raster picture = phasePicture(GetParam().kind, GetParam().hemisphere);
    const Bytes bytes = encodeBmp24(picture, 2835);
    const test::BmpHeader h = readBmpHeader(bytes);
    EXPECT_EQ(h.magic[0], 'B');
    EXPECT_EQ(h.magic[1], 'M');
    EXPECT_EQ(h.infoSize, 40u);
    EXPECT_EQ(h.width, 120);
    EXPECT_EQ(h.height, 120);  // positive: bottom-up
    EXPECT_EQ(h.planes, 1);
    EXPECT_EQ(h.bitCount, 24);
    EXPECT_EQ(h.compression, 0u);
    EXPECT_EQ(h.imageSize, 43200u);
    EXPECT_EQ(h.pixelOffset, 54u);
    EXPECT_EQ(h.fileSize, 54u + 43200u);
    ASSERT_EQ(bytes.size(), h.fileSize);

    // Qt's reader follows the headers; every pixel must come back where it was drawn.
    const QImage image = decode(bytes, "BMP");
    ASSERT_EQ(image.size(), QSize(kSize, kSize));
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            ASSERT_EQ(image.pixelColor(x, y), expectedColour(picture, x, y)) << x << "," << y;
        }
    }
}

TEST_P(EveryPhasePicture, IsPureBlackOutsideTheDisc) {
    const Raster picture = phasePicture(GetParam().kind, GetParam().hemisphere);
    int outside = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (std::hypot(x + 0.5 - kSize / 2.0, y + 0.5 - kSize / 2.0) > kSize / 2.0 - 1.0) {
                ++outside;
                ASSERT_EQ(expectedColour(picture, x, y), QColor(Qt::black)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(outside, 0);
}

INSTANTIATE_TEST_SUITE_P(
    KindsAndHemispheres, EveryPhasePicture,
    ::testing::Values(PictureCase{0, Hemisphere::North}, PictureCase{1, Hemisphere::North},
                      PictureCase{2, Hemisphere::North}, PictureCase{3, Hemisphere::North},
                      PictureCase{0, Hemisphere::South}, PictureCase{1, Hemisphere::South},
                      PictureCase{2, Hemisphere::South}, PictureCase{3, Hemisphere::South}));

TEST(PhasePicture, SouthIsNorthTurnedThrough180DegreesExactly) {
    for (int kind = 0; kind < 4; ++kind) {
        const QImage north =
            decode(encodeBmp24(phasePicture(kind, Hemisphere::North), 2835), "BMP");
        const QImage south =
            decode(encodeBmp24(phasePicture(kind, Hemisphere::South), 2835), "BMP");
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                ASSERT_EQ(south.pixel(x, y), north.pixel(kSize - 1 - x, kSize - 1 - y))
                    << "kind " << kind << " at " << x << "," << y;
            }
        }
    }
}

struct HalfBrightness {
    double left;
    double right;
};

// Mean grey level (0..255) of the left and right halves of the disc, away from its rim and
// from the centre line where a soft terminator belongs to neither side.
HalfBrightness halves(const Raster& picture) {
    double sum[2] = {0, 0};
    int count[2] = {0, 0};
    const double c = kSize / 2.0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double dx = x + 0.5 - c;
            const double dy = y + 0.5 - c;
            if (std::hypot(dx, dy) > 50.0 || std::abs(dx) < 6.0) {
                continue;
            }
            const QColor colour = expectedColour(picture, x, y);
            const int side = dx > 0 ? 1 : 0;
            sum[side] += (colour.red() + colour.green() + colour.blue()) / 3.0;
            ++count[side];
        }
    }
    return {sum[0] / count[0], sum[1] / count[1]};
}

enum class Lit { Neither, Left, Right, Both };

struct LitCase {
    int kind;
    Hemisphere hemisphere;
    Lit lit;
};

class LitSide : public ::testing::TestWithParam<LitCase> {};

TEST_P(LitSide, IsWhereThePhaseAndHemispherePutIt) {
    const HalfBrightness b = halves(phasePicture(GetParam().kind, GetParam().hemisphere));
    constexpr double kBright = 110.0;
    constexpr double kDark = 45.0;
    switch (GetParam().lit) {
        case Lit::Neither:
            EXPECT_LT(b.left, kDark);
            EXPECT_LT(b.right, kDark);
            // Very dark, but the disc still stands out from the black around it.
            EXPECT_GT(b.left, 8.0);
            EXPECT_GT(b.right, 8.0);
            break;
        case Lit::Left:
            EXPECT_GT(b.left, kBright);
            EXPECT_LT(b.right, kDark);
            break;
        case Lit::Right:
            EXPECT_LT(b.left, kDark);
            EXPECT_GT(b.right, kBright);
            break;
        case Lit::Both:
            EXPECT_GT(b.left, kBright);
            EXPECT_GT(b.right, kBright);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, LitSide,
                         ::testing::Values(LitCase{0, Hemisphere::North, Lit::Neither},
                                           LitCase{1, Hemisphere::North, Lit::Right},
                                           LitCase{2, Hemisphere::North, Lit::Both},
                                           LitCase{3, Hemisphere::North, Lit::Left},
                                           LitCase{0, Hemisphere::South, Lit::Neither},
                                           LitCase{1, Hemisphere::South, Lit::Left},
                                           LitCase{2, Hemisphere::South, Lit::Both},
                                           LitCase{3, Hemisphere::South, Lit::Right}),
                         [](const auto& info) {
                             return pictureName(info.param.kind, info.param.hemisphere);
                         });

}  // namespace
}  // namespace artwork
