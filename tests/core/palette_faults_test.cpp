// Fault injection on every palette-store write: whichever step fails, the file being changed
// stays as it was, byte for byte, no temporary file is left, and the failure names the file.
#include "core/palette/chartindex.h"
#include "core/palette/colorpage.h"
#include "core/palette/palettefile.h"
#include "core/palette/palettestore.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace prismara;
using prismara::test::indexOf;
using prismara::test::paletteFixture;
using prismara::test::records;
using prismara::test::TempDir;

namespace {

const std::string kIndex = indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0", "c2.rgb|CSS|2",
                                    "c3.rgb|Grays|2", "c4.rgb|Mine|1", "c5.rgb|Other|1"});

struct Rewrite
{
    std::string what;
    std::map<std::string, std::string> files; // the folder before the operation
    std::string target;                       // the file the operation changes
    std::string staleTemp;                    // a leftover temporary present before, or ""
    std::function<StoreResult(const std::filesystem::path&)> run;
    int failingSteps = 0; // when not 0, only the first steps are failed (later ones are tested apart)
};

std::vector<Rewrite> rewrites()
{
    const std::string palette = records("FF0000 00FF00 FF0000 0000FF 00FF00");
    return {
        {"index repair",
         {{"colorchart.cci", paletteFixture("colorchart_blanks.cci")}},
         "colorchart.cci",
         "colorchart.cct",
         [](const auto& folder) { return ChartIndex(folder).RepairFile(); }},
        {"DeleteChart",
         {{"colorchart.cci", kIndex}},
         "colorchart.cci",
         "colorchart.cct",
         [](const auto& folder) { return ChartIndex(folder).DeleteChart(5); }},
        {"new palette record",
         {{"colorchart.cci", kIndex}},
         "colorchart.cci",
         "",
         [](const auto& folder) { return ChartIndex(folder).appendRecord("c6.rgb", "New"); }},
        {"new palette record after an incomplete one",
         {{"colorchart.cci", kIndex + "c6.rgb\r\n"}},
         "colorchart.cci",
         "colorchart.cct",
         [](const auto& folder) { return ChartIndex(folder).appendRecord("c7.rgb", "New"); }},
        {"Clear Duplicate Colors",
         {{"c4.rgb", palette}},
         "c4.rgb",
         "c4.rgb.tmp",
         [](const auto& folder) { return PaletteFile(folder, "c4.rgb").removeDuplicates(); }},
        {"Delete Selected Color",
         {{"c4.rgb", palette}},
         "c4.rgb",
         "c4.rgb.ctm",
         [](const auto& folder) { return PaletteFile(folder, "c4.rgb").removeRecord(2); }},
        {"append",
         {{"c4.rgb", palette}},
         "c4.rgb",
         "",
         [](const auto& folder) { return AppendChartColor(folder, "c4.rgb", "#123456"); }},
        {"append after a partial record",
         {{"c4.rgb", palette + "12"}},
         "c4.rgb",
         "",
         [](const auto& folder) { return AppendChartColor(folder, "c4.rgb", "#123456"); }},
        {"Clear All Colors",
         {{"c4.rgb", palette}},
         "c4.rgb",
         "",
         [](const auto& folder) { return PaletteFile(folder, "c4.rgb").clear(); }},
        {"Delete Current Palette, index step",
         {{"colorchart.cci", kIndex}, {"c5.rgb", palette}},
         "colorchart.cci",
         "colorchart.cct",
         [](const auto& folder) {
             PaletteStore store(folder);
             (void)store.readIndex();
             return store.deleteChart(5);
         },
         4},
        {"recent colour",
         {{"recent.rgb", palette}},
         "recent.rgb",
         "",
         [](const auto& folder) { return PaletteStore(folder).appendRecent(MakeColor(1, 2, 3)); }},
        {"colour page over an earlier one",
         {{"#FFFFFF.htm", "earlier page"}},
         "#FFFFFF.htm",
         "#FFFFFF.htm.tmp",
         [](const auto& folder) {
             ColorPageTexts texts;
             texts.txtHex = "#FFFFFF";
             return SaveColorPage(folder / "#FFFFFF.htm", texts);
         }},
    };
}

void setUp(const TempDir& dir, const Rewrite& rewrite)
{
    for (const auto& [name, bytes] : rewrite.files)
        dir.write(name, bytes);
    if (!rewrite.staleTemp.empty())
        dir.write(rewrite.staleTemp, "ABCDEFABCDEF");
}

std::set<std::string> originalNames(const Rewrite& rewrite)
{
    std::set<std::string> names;
    for (const auto& entry : rewrite.files)
        names.insert(entry.first);
    return names;
}

class PaletteFaults : public ::testing::Test
{
protected:
    void TearDown() override { FaultInjection::reset(); }
};

} // namespace

TEST_F(PaletteFaults, EveryFailingStepOfEveryWriteLeavesTheOriginal)
{
    for (const Rewrite& rewrite : rewrites()) {
        int steps = 0;
        {
            TempDir dir;
            setUp(dir, rewrite);
            FaultInjection::failAt(0); // count only
            const StoreResult result = rewrite.run(dir.path());
            steps = FaultInjection::count();
            FaultInjection::reset();
            ASSERT_TRUE(result.ok()) << rewrite.what << ": " << result.message();
            EXPECT_NE(dir.exists(rewrite.target) ? dir.read(rewrite.target) : "<gone>",
                      rewrite.files.at(rewrite.target))
                << rewrite.what << " must change its file";
            EXPECT_FALSE(!rewrite.staleTemp.empty() && dir.exists(rewrite.staleTemp)) << rewrite.what;
        }
        ASSERT_GE(steps, 1) << rewrite.what;
        if (rewrite.failingSteps != 0)
            steps = rewrite.failingSteps;

        for (int step = 1; step <= steps; ++step) {
            TempDir dir;
            setUp(dir, rewrite);
            FaultInjection::failAt(step);
            const StoreResult result = rewrite.run(dir.path());
            FaultInjection::reset();
            const std::string where =
                rewrite.what + ", step " + std::to_string(step) + " of " + std::to_string(steps);
            EXPECT_FALSE(result.ok()) << where;
            EXPECT_EQ(result.file(), rewrite.target) << where;
            EXPECT_NE(result.message().find(rewrite.target), std::string::npos)
                << where << ": " << result.message();
            for (const auto& [name, bytes] : rewrite.files)
                EXPECT_EQ(dir.read(name), bytes) << where << ": " << name;
            EXPECT_EQ(test::filesIn(dir.path()), originalNames(rewrite))
                << where << ": no temporary file is left";
        }
    }
}

TEST_F(PaletteFaults, DeletingAPaletteWhoseColourFileCannotBeDeletedReportsThatFile)
{
    TempDir dir;
    dir.write("colorchart.cci", kIndex);
    dir.write("c5.rgb", "FF0000");
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    FaultInjection::failAt(5); // the four steps of the index rewrite succeed, the deletion fails
    const StoreResult result = store.deleteChart(5);
    FaultInjection::reset();
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.file(), "c5.rgb");
    EXPECT_EQ(dir.read("colorchart.cci"), indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0",
                                                   "c2.rgb|CSS|2", "c3.rgb|Grays|2", "c4.rgb|Mine|1"}));
    EXPECT_EQ(store.chartCount(), 5);
    EXPECT_EQ(store.newChartFile(), "c6.rgb") << "the name of the file left behind is not given out";
}

TEST_F(PaletteFaults, ReadingGoesOnWhenTheRepairCannotBeSaved)
{
    TempDir dir;
    const std::string blanks = paletteFixture("colorchart_blanks.cci");
    dir.write("colorchart.cci", blanks);
    for (int step = 1; step <= 4; ++step) {
        FaultInjection::failAt(step);
        const ChartList list = ChartIndex(dir.path()).read();
        FaultInjection::reset();
        EXPECT_EQ(list.entries.size(), 6u) << "step " << step;
        EXPECT_TRUE(list.error.empty()) << "step " << step;
        ASSERT_EQ(list.warnings.size(), 1u) << "step " << step;
        EXPECT_NE(list.warnings[0].find("colorchart.cci"), std::string::npos) << "step " << step;
        EXPECT_EQ(dir.read("colorchart.cci"), blanks) << "step " << step;
        EXPECT_EQ(test::filesIn(dir.path()), std::set<std::string>{"colorchart.cci"}) << "step " << step;
    }
}
