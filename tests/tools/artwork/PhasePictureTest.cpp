// The eight phase pictures: their files, the black around the disc, the southern ones turned,
// and the lit side.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/PhasePicture.h"

namespace artwork {
namespace {

using test::ExpectedColor;

constexpr int kSize = kPhasePictureSize;

TEST(PhasePicture, EachIsA120By120BitmapBlackOutsideTheDisc) {
    for (const Hemisphere hemisphere : {Hemisphere::kNorth, Hemisphere::kSouth}) {
        for (int kind = 0; kind < 4; ++kind) {
            SCOPED_TRACE(testing::Message()
                         << kind << (hemisphere == Hemisphere::kNorth ? "N" : "S"));
            const Raster picture = PhasePicture(kind, hemisphere);
            test::ExpectBmp24(picture, 2835, QSize(kSize, kSize));
            for (int y = 0; y < kSize; ++y) {
                for (int x = 0; x < kSize; ++x) {
                    if (std::hypot(x + 0.5 - kSize / 2.0, y + 0.5 - kSize / 2.0) >
                        kSize / 2.0 - 1) {
                        ASSERT_EQ(ExpectedColor(picture, x, y), QColor(Qt::black)) << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(PhasePicture, SouthIsNorthTurnedThrough180DegreesExactly) {
    for (int kind = 0; kind < 4; ++kind) {
        const Raster north = PhasePicture(kind, Hemisphere::kNorth);
        const Raster south = PhasePicture(kind, Hemisphere::kSouth);
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                ASSERT_EQ(ExpectedColor(south, x, y),
                          ExpectedColor(north, kSize - 1 - x, kSize - 1 - y))
                    << "kind " << kind << " at " << x << "," << y;
            }
        }
    }
}

// Mean grey level (0..255) of the left and right halves of the disc, away from its rim and
// from the centre line where a soft terminator belongs to neither side.
std::pair<double, double> Halves(const Raster& picture) {
    double sum[2] = {0, 0};
    int count[2] = {0, 0};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double dx = x + 0.5 - kSize / 2.0;
            if (std::hypot(dx, y + 0.5 - kSize / 2.0) > 50.0 || std::abs(dx) < 6.0) {
                continue;
            }
            const QColor c = ExpectedColor(picture, x, y);
            sum[dx > 0] += (c.red() + c.green() + c.blue()) / 3.0;
            ++count[dx > 0];
        }
    }
    return {sum[0] / count[0], sum[1] / count[1]};
}

// The northern pictures; the southern ones follow, being these turned (left and right swap).
TEST(PhasePicture, TheLitSideIsWhereThePhasePutsIt) {
    const std::pair<bool, bool> lit[] = {
        {false, false}, {false, true}, {true, true}, {true, false}};
    for (int kind = 0; kind < 4; ++kind) {
        const auto [left, right] = Halves(PhasePicture(kind, Hemisphere::kNorth));
        for (const auto& [mean, bright] :
             {std::pair{left, lit[kind].first}, std::pair{right, lit[kind].second}}) {
            if (bright) {
                EXPECT_GT(mean, 110.0) << "kind " << kind;
            } else {
                EXPECT_LT(mean, 45.0) << "kind " << kind;
            }
        }
    }
    // Very dark, but the new moon's disc still stands out from the black around it.
    const auto [left, right] = Halves(PhasePicture(0, Hemisphere::kNorth));
    EXPECT_GT(std::min(left, right), 8.0);
}

}  // namespace
}  // namespace artwork
