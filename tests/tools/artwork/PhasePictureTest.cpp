// The eight phase pictures at each of their sizes: their files, the black around the disc, the
// southern ones turned, the lit side, and the larger ones drawn anew rather than enlarged.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>
#include <utility>

#include "tests/tools/artwork/ImageBytes.h"
#include "tools/artwork/PhasePicture.h"

namespace artwork {
namespace {

using test::ExpectedColor;

constexpr int kScales[] = {1, 2, 3};

// Each picture drawn once for all the tests: drawing is slow.
const Raster& Drawn(int kind, Hemisphere hemisphere, int scale = 1) {
    static std::map<std::tuple<int, Hemisphere, int>, Raster> drawn;
    const auto key = std::make_tuple(kind, hemisphere, scale);
    if (auto found = drawn.find(key); found != drawn.end()) {
        return found->second;
    }
    return drawn.emplace(key, PhasePicture(kind, hemisphere, scale)).first->second;
}

TEST(PhasePicture, EachIsASquareBitmapOf120PixelsAScaleBlackOutsideTheDisc) {
    for (const int scale : kScales) {
        const int size = kPhasePictureSize * scale;
        for (const Hemisphere hemisphere : {Hemisphere::kNorth, Hemisphere::kSouth}) {
            for (int kind = 0; kind < 4; ++kind) {
                SCOPED_TRACE(testing::Message()
                             << kind << (hemisphere == Hemisphere::kNorth ? "N" : "S") << " x"
                             << scale);
                const Raster& picture = Drawn(kind, hemisphere, scale);
                test::ExpectBmp24(picture, 2835, QSize(size, size));
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        if (std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0) >
                            size / 2.0 - scale) {
                            ASSERT_EQ(ExpectedColor(picture, x, y), QColor(Qt::black))
                                << x << "," << y;
                        }
                    }
                }
            }
        }
    }
}

TEST(PhasePicture, SouthIsNorthTurnedThrough180DegreesExactlyAtEverySize) {
    for (const int scale : kScales) {
        const int size = kPhasePictureSize * scale;
        for (int kind = 0; kind < 4; ++kind) {
            const Raster& north = Drawn(kind, Hemisphere::kNorth, scale);
            const Raster& south = Drawn(kind, Hemisphere::kSouth, scale);
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    ASSERT_EQ(ExpectedColor(south, x, y),
                              ExpectedColor(north, size - 1 - x, size - 1 - y))
                        << "kind " << kind << " x" << scale << " at " << x << "," << y;
                }
            }
        }
    }
}

// Mean grey level (0..255) of the left and right halves of the disc, away from its rim and
// from the centre line where a soft terminator belongs to neither side.
std::pair<double, double> Halves(const Raster& picture) {
    const int size = picture.Width();
    const double scale = static_cast<double>(size) / kPhasePictureSize;
    double sum[2] = {0, 0};
    int count[2] = {0, 0};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - size / 2.0;
            if (std::hypot(dx, y + 0.5 - size / 2.0) > 50.0 * scale || std::abs(dx) < 6.0 * scale) {
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
TEST(PhasePicture, TheLitSideIsWhereThePhasePutsItAtEverySize) {
    const std::pair<bool, bool> lit[] = {
        {false, false}, {false, true}, {true, true}, {true, false}};
    for (const int scale : kScales) {
        for (int kind = 0; kind < 4; ++kind) {
            const auto [left, right] = Halves(Drawn(kind, Hemisphere::kNorth, scale));
            for (const auto& [mean, bright] :
                 {std::pair{left, lit[kind].first}, std::pair{right, lit[kind].second}}) {
                if (bright) {
                    EXPECT_GT(mean, 110.0) << "kind " << kind << " x" << scale;
                } else {
                    EXPECT_LT(mean, 45.0) << "kind " << kind << " x" << scale;
                }
            }
        }
        // Very dark, but the new moon's disc still stands out from the black around it.
        const auto [left, right] = Halves(Drawn(0, Hemisphere::kNorth, scale));
        EXPECT_GT(std::min(left, right), 8.0) << "x" << scale;
    }
}

// A larger picture shows the same Moon as the 120-pixel one, averaged down it is close to it,
// but it is not that picture with its pixels repeated: it has detail of its own.
TEST(PhasePicture, LargerPicturesAreTheSameMoonDrawnWithMoreDetail) {
    for (const int scale : {2, 3}) {
        for (int kind = 1; kind < 4; ++kind) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " x" << scale);
            const Raster& small = Drawn(kind, Hemisphere::kNorth);
            const Raster& large = Drawn(kind, Hemisphere::kNorth, scale);
            double averagedOff = 0;  // mean difference of the large one averaged down
            int blocksNotFlat = 0;   // blocks of scale x scale pixels that are not one colour
            for (int y = 0; y < kPhasePictureSize; ++y) {
                for (int x = 0; x < kPhasePictureSize; ++x) {
                    double gray = 0;
                    bool flat = true;
                    const QColor first = ExpectedColor(large, x * scale, y * scale);
                    for (int j = 0; j < scale; ++j) {
                        for (int i = 0; i < scale; ++i) {
                            const QColor c = ExpectedColor(large, x * scale + i, y * scale + j);
                            gray += (c.red() + c.green() + c.blue()) / 3.0;
                            flat = flat && c == first;
                        }
                    }
                    const QColor s = ExpectedColor(small, x, y);
                    averagedOff +=
                        std::abs(gray / (scale * scale) - (s.red() + s.green() + s.blue()) / 3.0);
                    blocksNotFlat += flat ? 0 : 1;
                }
            }
            EXPECT_LT(averagedOff / (kPhasePictureSize * kPhasePictureSize), 4.0);
            EXPECT_GT(blocksNotFlat, kPhasePictureSize * kPhasePictureSize / 4);
        }
    }
}

}  // namespace
}  // namespace artwork
