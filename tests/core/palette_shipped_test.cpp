// Checks of the palette index and palettes that ship with the program.
#include "core/palette/palettestore.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

#include <set>

using namespace prismara;
using prismara::test::TempDir;

namespace {

// A copy of the shipped data, so that nothing can write into the source tree.
class ShippedPalettes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const auto& entry : std::filesystem::directory_iterator(PRISMARA_SHIPPED_DATA_DIR)) {
            const std::string name = entry.path().filename().string();
            if (name == "colorchart.cci" || name.ends_with(".rgb"))
                std::filesystem::copy_file(entry.path(), dir.path() / name);
        }
    }

    TempDir dir;
};

} // namespace

TEST_F(ShippedPalettes, IndexKeepsTheFixedPositions)
{
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    EXPECT_TRUE(store.takeWarnings().empty());
    EXPECT_EQ(dir.read("colorchart.cci"),
              ReadFile(std::filesystem::path(PRISMARA_SHIPPED_DATA_DIR) / "colorchart.cci").value_or(""))
        << "the shipped index needs no repair";
    ASSERT_GE(store.chartCount(), 5);

    EXPECT_EQ(store.chartKinds()[0], "0");
    EXPECT_EQ(store.chartFiles()[1], "recent.rgb");
    EXPECT_EQ(store.chartKinds()[1], "0");
    EXPECT_FALSE(dir.exists("recent.rgb")) << "the program creates the recent colours at start";
    for (int i = 0; i < store.chartCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const std::string& file = store.chartFiles()[at];
        EXPECT_EQ(store.kindAt(i) == ChartKind::ReadOnly, i == 2 || i == 3) << file;
        EXPECT_NE(store.kindAt(i), ChartKind::User) << file;
        EXPECT_NE(store.kindAt(i), ChartKind::Unknown) << file;
        EXPECT_FALSE(store.chartNames()[at].empty()) << file;
        if (i != 1) {
            EXPECT_TRUE(ChartIndex::chartNumber(file).has_value()) << file;
            EXPECT_TRUE(dir.exists(file)) << file;
        }
    }
    EXPECT_EQ(std::set<std::string>(store.chartFiles().begin(), store.chartFiles().end()).size(),
              store.chartFiles().size());
    EXPECT_FALSE(dir.exists(store.newChartFile()));
}

TEST_F(ShippedPalettes, FirstPaletteHoldsTheWebSafeColours)
{
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    const PaletteFile web = store.palette(0);
    ASSERT_EQ(web.count(), 216);
    ASSERT_EQ(FileSize(web.path()), 216u * 6u);
    std::set<ColorValue> colours;
    for (const auto& colour : web.colors(1, 216)) {
        ASSERT_TRUE(colour.has_value());
        EXPECT_TRUE(IsWebSafe(*colour)) << HtmlHex(*colour);
        colours.insert(*colour);
    }
    EXPECT_EQ(colours.size(), 216u);
}

TEST_F(ShippedPalettes, EveryPaletteIsWholeUpperCaseRecordsWithoutRepeats)
{
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    for (int i = 0; i < store.chartCount(); ++i) {
        if (i == 1)
            continue;
        const PaletteFile palette = store.palette(i);
        const std::string bytes = ReadFile(palette.path()).value_or("");
        EXPECT_FALSE(bytes.empty()) << palette.fileName();
        EXPECT_EQ(bytes.size() % 6, 0u) << palette.fileName();
        std::set<std::string> seen;
        for (std::size_t at = 0; at + 6 <= bytes.size(); at += 6) {
            const std::string record = bytes.substr(at, 6);
            const auto colour = ParseRgbRecord(record);
            ASSERT_TRUE(colour.has_value()) << palette.fileName() << ": " << record;
            EXPECT_EQ("#" + record, HtmlHex(*colour)) << palette.fileName() << ": upper case";
            EXPECT_TRUE(seen.insert(record).second) << palette.fileName() << ": " << record << " twice";
        }
    }
}

TEST_F(ShippedPalettes, CssNamedColoursHoldEachDistinctValueOnce)
{
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    ASSERT_EQ(store.chartNames()[2], "CSS Named Colors");
    const PaletteFile css = store.palette(2);
    EXPECT_EQ(css.count(), 139);
    std::set<ColorValue> colours;
    for (const auto& colour : css.colors(1, css.count()))
        colours.insert(colour.value_or(-1));
    for (const char* hex : {"663399", "FFFFFF", "000000", "00FFFF", "FF00FF", "DC143C", "FAFAD2", "7FFFD4"})
        EXPECT_EQ(colours.count(ParseRgbRecord(hex).value_or(-1)), 1u) << hex;
}
