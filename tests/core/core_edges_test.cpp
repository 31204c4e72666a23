// Edges of the core that the feature tests pass by: the conversion tabs' table over the whole
// colour range, requests for styles and names that do not exist, and rewrites with nothing to do.
#include "core/convert/modeltab.h"
#include "core/palette/palettefile.h"
#include "palette_testutil.h"
#include "core/scheme/schemestate.h"
#include "core/scheme/schemestyles.h"

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::records;
using prismara::test::TempDir;

TEST(CoreEdges, EveryConversionTabShowsPositionsWithinItsSliders)
{
    for (const ModelTab& tab : ModelTabs()) {
        ASSERT_TRUE(tab.rows == 3 || tab.rows == 4) << tab.caption;
        for (std::size_t row = 0; row < ModelTab::kMaxRows; ++row) {
            EXPECT_EQ(row < tab.rows, tab.value[row] != nullptr) << tab.caption << " row " << row;
            EXPECT_EQ(row < tab.rows, !tab.letters[row].empty()) << tab.caption << " row " << row;
        }
        for (int r = 0; r <= 255; r += 15) {
            for (int g = 0; g <= 255; g += 51) {
                for (int b = 0; b <= 255; b += 85) {
                    cClrModels model;
                    model.setRgbR(static_cast<std::uint8_t>(r));
                    model.setRgbG(static_cast<std::uint8_t>(g));
                    model.setRgbB(static_cast<std::uint8_t>(b));
                    ModelTab::Positions positions{};
                    for (std::size_t row = 0; row < tab.rows; ++row) {
                        positions[row] = tab.value[row](model);
                        EXPECT_GE(positions[row], tab.minima[row]) << tab.caption << " " << r << "," << g << "," << b;
                        EXPECT_LE(positions[row], tab.maxima[row]) << tab.caption << " " << r << "," << g << "," << b;
                    }
                    // Writing back what a tab shows keeps the colour where the model is exact.
                    cClrModels back;
                    tab.write(back, positions);
                    if (tab.caption == "RGB" || tab.caption == "CMY") {
                        EXPECT_EQ(back.rgbR(), r) << tab.caption;
                        EXPECT_EQ(back.rgbG(), g) << tab.caption;
                        EXPECT_EQ(back.rgbB(), b) << tab.caption;
                    }
                }
            }
        }
    }
}

TEST(CoreEdges, StylesAndNamesThatDoNotExistChangeNothing)
{
    const std::size_t missing = SchemeStyles::all().size();
    SchemeState state;
    const SchemeState untouched;
    EXPECT_EQ(state.find(missing, "lbltext0"), nullptr);
    EXPECT_EQ(state.pickColor(missing, "lbltext0"), std::nullopt);
    EXPECT_TRUE(state.sourceColors(missing).empty());
    state.loadRecord(missing, {0x123456});
    state.applyColor(missing, 0, 0x123456);
    EXPECT_TRUE(state == untouched);
    EXPECT_EQ(SchemeStyles::style(SchemeStyles::kWebLinks).elementIndex("optNoSuchOption"), std::nullopt);
}

TEST(CoreEdges, ClearDuplicatesWithoutDuplicatesWritesNothing)
{
    TempDir dir;
    const std::string distinct = records("FF0000 00FF00 0000FF 123456");
    dir.write("c3.rgb", distinct);
    FaultInjection::failAt(1); // any write would fail and show
    const StoreResult result = PaletteFile(dir.path(), "c3.rgb").removeDuplicates();
    const int writes = FaultInjection::count();
    FaultInjection::reset();
    EXPECT_TRUE(result.ok()) << result.message();
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(dir.read("c3.rgb"), distinct);
}
