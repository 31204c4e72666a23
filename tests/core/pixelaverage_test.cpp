// Averages of pixel areas in linear light: checkerboards, clipping at the picture's edges,
// uniform areas that must give their own colour back.
#include "core/colour/pixelaverage.h"

#include <gtest/gtest.h>

#include <vector>

using namespace prismara;

namespace {
// A 10 x 10 black and white checkerboard, white where x + y is even; one #336699 pixel at (9, 9).
struct Board
{
    Board()
    {
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                pixels[static_cast<std::size_t>(y * 12 + x)] = (x + y) % 2 ? 0xFF000000u : 0xFFFFFFFFu;
        pixels[9 * 12 + 9] = 0xFF336699u;
    }
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(12 * 10, 0xFF123456u); // 2 unused per row
    PixelView view() const { return {pixels.data(), 10, 10, 12}; }
};
} // namespace

TEST(PixelAverage, AreasAverageInLinearLightAndRoundToTheNearestValue)
{
    const Board board;
    const struct
    {
        const char* name;
        PixelRect area;
        ColorValue expected;
    } cases[] = {
        {"one pixel", SampleSquare(9, 9, 1), MakeColor(0x33, 0x66, 0x99)},
        {"half black, half white: 187.52 gives 188 (averaging the stored numbers would give 128)",
         {0, 0, 2, 1},
         MakeColor(188, 188, 188)},
        {"3 x 3 on white: five white, four black", SampleSquare(4, 4, 3), MakeColor(197, 197, 197)},
        {"3 x 3 on black: four white", SampleSquare(4, 5, 3), MakeColor(178, 178, 178)},
        {"9 x 9 clipped at the corner: 25 pixels", SampleSquare(0, 0, 9), MakeColor(191, 191, 191)},
        {"a dragged rectangle, corners in any order", SpannedRect(5, 3, 2, 0), MakeColor(188, 188, 188)},
        {"outside the picture", SampleSquare(-5, 3, 9), -1},
        {"empty", {2, 2, 0, 3}, -1},
        {"near the int limits", {2147483600, 0, 2147483647, 5}, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinearAverage(board.view(), c.area), c.expected) << c.name;
    EXPECT_EQ(SpannedRect(5, 3, 2, 0), (PixelRect{2, 0, 4, 4}));
}

TEST(PixelAverage, AUniformAreaGivesItsOwnColour)
{
    std::vector<std::uint32_t> pixels(16);
    for (std::uint32_t v = 0; v < 256; ++v) {
        const std::uint32_t rgb = v << 16 | (255 - v) << 8 | (v * 7 & 255);
        std::fill(pixels.begin(), pixels.end(), 0xFF000000u | rgb);
        const ColorValue expected =
            MakeColor(static_cast<int>(v), static_cast<int>(255 - v), static_cast<int>(v * 7 & 255));
        ASSERT_EQ(LinearAverage({pixels.data(), 4, 4, 4}, {0, 0, 4, 4}), expected) << "value " << v;
    }
}
