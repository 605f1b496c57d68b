#include <gtest/gtest.h>

#include <iterator>

#include "model/RadarColor.h"
#include "view/Pixels.h"

using namespace Pixels;

TEST(RadarColor, FollowsTheCellValueBands) {
    const QRgb grey = qRgb(192, 192, 192);
    const QRgb magenta = qRgb(255, 0, 255);
    const int16_t values[] = {0, 1, 161, 162, 170, 171, 172, 190, 191, 215, 216, -1, 300};
    const QRgb colours[] = {Black, grey,  grey,    qRgb(0, 0, 255), Yellow, qRgb(0, 255, 0), Red, qRgb(0, 255, 255),
                            Black, Black, magenta, magenta,         Black};
    static_assert(std::size(values) == std::size(colours));
    for (size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(RadarColor(values[i]), colours[i]) << values[i];
    }
}
