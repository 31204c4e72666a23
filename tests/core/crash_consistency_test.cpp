// Crash consistency of every rewrite of a data file. Each mutating step (create, write, flush,
// rename, delete) of each rewrite is failed in turn; afterwards every file is complete in its old
// or its new form, none is missing or cut short, no temporary is left to spoil the next
// rewrite, and running the command again without a fault finishes the job correctly. A process
// killed in the middle of a rewrite leaves at worst a temporary beside an intact file: each
// rewrite is also run over such leftovers.
#include "core/palette/chartindex.h"
#include "core/palette/colorpage.h"
#include "core/palette/palettefile.h"
#include "core/palette/palettenames.h"
#include "core/palette/palettestore.h"
#include "palette_testutil.h"
#include "core/files/fileio.h"
#include "core/scheme/schemefiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

using namespace prismara;
using prismara::test::indexOf;
using prismara::test::paletteFixture;
using prismara::test::records;
using prismara::test::TempDir;

namespace {

using Files = std::map<std::string, std::string>;

const std::string kIndex = indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0", "c2.rgb|CSS|2",
                                    "c3.rgb|Grays|2", "c4.rgb|Mine|1", "c5.rgb|Other|1"});
const std::string kIndexWithout5 = indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0",
                                            "c2.rgb|CSS|2", "c3.rgb|Grays|2", "c4.rgb|Mine|1"});
const std::string kPalette = records("FF0000 00FF00 FF0000 0000FF 00FF00");

std::string fixture(const std::string& name)
{
    const auto bytes = ReadFile(std::filesystem::path(PRISMARA_TEST_DATA_DIR) / name);
    return bytes ? *bytes : "<missing fixture " + name + ">";
}

ColorValue shapeInitial(std::size_t element)
{
    return SchemeStyles::style(SchemeStyles::kShapes).elements[element].initialColor;
}

ColorPageTexts pageTexts()
{
    ColorPageTexts texts;
    texts.txtHex = "#336699";
    texts.txtr = "51";
    texts.txtg = "102";
    texts.txtb = "153";
    return texts;
}

// A rewrite: the folder before, the command, and the folder after it has succeeded (a file
// mapped to nullopt is one the command deletes).
struct Rewrite
{
    std::string what;
    Files before;
    std::function<bool(const std::filesystem::path&)> run;
    std::map<std::string, std::optional<std::string>> after;
    // Files that must change together: after a failure all of them are old or all are new.
    bool together = false;
    // The temporaries the command uses; a killed run may have left them, with any content.
    std::vector<std::string> temporaries;
};

bool deletePaletteNamed(const std::filesystem::path& folder, const std::string& file)
{
    PaletteStore store(folder);
    (void)store.readIndex();
    for (int i = 0; i < store.chartCount(); ++i) {
        if (store.chartFiles()[static_cast<std::size_t>(i)] == file)
            return store.deleteChart(i).ok();
    }
    // Only the colour file was left by an earlier attempt: the palette is gone from the index.
    return store.palette(file).clear().ok();
}

// The side file of `palette` holding one name per record ("n1", "n2", ...).
std::string namesFor(const std::string& palette)
{
    PaletteNames names{"/home/me/brand.gpl", {}};
    for (std::size_t k = 1; k <= palette.size() / kRecordSize; ++k)
        names.names.push_back("n" + std::to_string(k));
    return SerializePaletteNames(names, palette);
}

// The same side file after a change: the names of `kept` (1-based), then `added` unnamed records.
std::string namesAfter(const std::string& palette, std::initializer_list<int> kept, int added = 0)
{
    PaletteNames names{"/home/me/brand.gpl", {}};
    for (const int k : kept)
        names.names.push_back("n" + std::to_string(k));
    names.names.resize(names.names.size() + static_cast<std::size_t>(added));
    return SerializePaletteNames(names, palette);
}

bool importInto(const std::filesystem::path& folder)
{
    PaletteStore store(folder);
    const std::vector<ColorValue> colors = {0x0000FF, 0x00FF00};
    const PaletteNames names{"/home/me/two.gpl", {"red", "green"}};
    return store.createChart("Two", colors, &names).ok();
}

std::vector<Rewrite> rewrites()
{
    const std::string shapesList = fixture("scheme_four.hcs");
    const std::string shapesData = fixture("scheme_four.dat");
    const std::string deduped = records("FF0000 00FF00 0000FF");
    const std::string removed2 = records("FF0000 FF0000 0000FF 00FF00");
    return {
        {"Clear Duplicate Colors of a named palette",
         {{"c4.rgb", kPalette}, {"c4.names", namesFor(kPalette)}},
         [](const auto& folder) { return PaletteFile(folder, "c4.rgb").removeDuplicates().ok(); },
         {{"c4.rgb", deduped}, {"c4.names", namesAfter(deduped, {1, 2, 4})}},
         true,
         {"c4.rgb.tmp", "c4.names.tmp"}},
        {"Delete Selected Color of a named palette",
         {{"c4.rgb", kPalette}, {"c4.names", namesFor(kPalette)}},
         [](const auto& folder) { return PaletteFile(folder, "c4.rgb").removeRecord(2).ok(); },
         {{"c4.rgb", removed2}, {"c4.names", namesAfter(removed2, {1, 3, 4, 5})}},
         true,
         {"c4.rgb.ctm", "c4.names.tmp"}},
        {"append to a named palette",
         {{"c4.rgb", kPalette}, {"c4.names", namesFor(kPalette)}},
         [](const auto& folder) { return AppendChartColor(folder, "c4.rgb", "#123456").ok(); },
         {{"c4.rgb", kPalette + "123456"}, {"c4.names", namesAfter(kPalette + "123456", {1, 2, 3, 4, 5}, 1)}},
         true,
         {"c4.names.tmp"}},
        {"Clear All Colors of a named palette",
         {{"c4.rgb", kPalette}, {"c4.names", namesFor(kPalette)}},
         [](const auto& folder) { return PaletteFile(folder, "c4.rgb").clear().ok(); },
         {{"c4.rgb", std::nullopt}, {"c4.names", std::nullopt}},
         true,
         {}},
        {"import: palette file, names, then the index record",
         {{"colorchart.cci", kIndex}},
         importInto,
         {{"colorchart.cci", kIndex + "c6.rgb\r\nTwo\r\n1\r\n"},
          {"c6.rgb", records("FF0000 00FF00")},
          {"c6.names", SerializePaletteNames({"/home/me/two.gpl", {"red", "green"}}, records("FF0000 00FF00"))}},
         true,
         {"c6.rgb.tmp", "c6.names.tmp"}},
        {"index repair",
         {{"colorchart.cci", paletteFixture("colorchart_blanks.cci")}},
         [](const auto& folder) { return ChartIndex(folder).RepairFile().ok(); },
         {{"colorchart.cci", paletteFixture("colorchart_repaired.cci")}},
         false,
         {"colorchart.cct"}},
        {"index repair while reading",
         {{"colorchart.cci", paletteFixture("colorchart_blanks.cci")}},
         [](const auto& folder) { return ChartIndex(folder).read().warnings.empty(); },
         {{"colorchart.cci", paletteFixture("colorchart_repaired.cci")}},
         false,
         {"colorchart.cct"}},
        {"DeleteChart",
         {{"colorchart.cci", kIndex}},
         [](const auto& folder) { return ChartIndex(folder).DeleteChart(6, "c5.rgb").ok(); },
         {{"colorchart.cci", kIndexWithout5}},
         false,
         {"colorchart.cct"}},
        {"Delete Current Palette (index record and colour file)",
         {{"colorchart.cci", kIndex}, {"c5.rgb", kPalette}, {"c4.rgb", "123456"}},
         [](const auto& folder) { return deletePaletteNamed(folder, "c5.rgb"); },
         {{"colorchart.cci", kIndexWithout5}, {"c5.rgb", std::nullopt}, {"c4.rgb", "123456"}},
         false,
         {"colorchart.cct"}},
        {"new palette after an incomplete record",
         {{"colorchart.cci", kIndex + "c6.rgb\r\n"}},
         [](const auto& folder) { return ChartIndex(folder).appendRecord("c6.rgb", "New").ok(); },
         {{"colorchart.cci", kIndex + "c6.rgb\r\nNew\r\n1\r\n"}},
         false,
         {"colorchart.cct"}},
        {"Clear Duplicate Colors",
         {{"c4.rgb", kPalette}},
         [](const auto& folder) { return PaletteFile(folder, "c4.rgb").removeDuplicates().ok(); },
         {{"c4.rgb", records("FF0000 00FF00 0000FF")}},
         false,
         {"c4.rgb.tmp"}},
        {"Delete Selected Color",
         {{"c4.rgb", kPalette}},
         [](const auto& folder) { return PaletteFile(folder, "c4.rgb").removeRecord(2).ok(); },
         {{"c4.rgb", records("FF0000 FF0000 0000FF 00FF00")}},
         false,
         {"c4.rgb.ctm"}},
        {"colour page over an earlier one",
         {{"#336699.htm", "an earlier page"}},
         [](const auto& folder) { return SaveColorPage(folder / "#336699.htm", pageTexts()).ok(); },
         {{"#336699.htm", ColorPageHtml(pageTexts())}},
         false,
         {"#336699.htm.tmp"}},
        {"scheme delete",
         {{"shapes.hcs", shapesList}, {"shapes.dat", shapesData}},
         [](const auto& folder) { return SchemeFiles(folder, SchemeStyles::kShapes).remove(1).ok(); },
         {{"shapes.hcs", fixture("scheme_four_del1.hcs")}, {"shapes.dat", fixture("scheme_four_del1.dat")}},
         true,
         {"set.hct", "colorset.dam"}},
        {"scheme delete without a data file",
         {{"shapes.hcs", shapesList}},
         [](const auto& folder) { return SchemeFiles(folder, SchemeStyles::kShapes).remove(3).ok(); },
         {{"shapes.hcs", fixture("scheme_four_del3.hcs")}, {"shapes.dat", ""}},
         true,
         {"set.hct", "colorset.dam"}},
        {"scheme save over a record left without its line",
         {{"shapes.hcs", "\"one\"\r\n"}, {"shapes.dat", "111111111111111111EEEEEEEEEEEEEEEEEE"}},
         [](const auto& folder) { return SchemeFiles(folder, SchemeStyles::kShapes).save("two", {2, 2, 2}).ok(); },
         {{"shapes.hcs", "\"one\"\r\n\"two\"\r\n"}, {"shapes.dat", "111111111111111111000002000002000002"}},
         false,
         {"colorset.dam"}},
        {"scheme save into a data file cut inside a field",
         {{"shapes.hcs", "\"one\"\r\n"}, {"shapes.dat", "11111111111111111"}},
         [](const auto& folder) { return SchemeFiles(folder, SchemeStyles::kShapes).save("two", {2, 2, 2}).ok(); },
         {{"shapes.hcs", "\"one\"\r\n\"two\"\r\n"},
          {"shapes.dat", "111111111111" + BgrHex(shapeInitial(2)) + "000002000002000002"}},
         false,
         {"colorset.dam"}},
    };
}

void install(const TempDir& dir, const Files& files)
{
    for (const auto& [name, bytes] : files)
        dir.write(name, bytes);
}

// The files that are neither data files of the rewrite nor anything else expected.
std::set<std::string> strayFiles(const TempDir& dir, const Rewrite& rewrite)
{
    std::set<std::string> stray = test::filesIn(dir.path());
    for (const auto& entry : rewrite.before)
        stray.erase(entry.first);
    for (const auto& entry : rewrite.after)
        stray.erase(entry.first);
    return stray;
}

// Checks that the folder holds exactly the new version of every file.
void expectAfter(const TempDir& dir, const Rewrite& rewrite, const std::string& where)
{
    for (const auto& [name, bytes] : rewrite.after) {
        if (bytes)
            EXPECT_EQ(dir.exists(name) ? dir.read(name) : "<missing>", *bytes) << where << ": " << name;
        else
            EXPECT_FALSE(dir.exists(name)) << where << ": " << name << " must be gone";
    }
    EXPECT_TRUE(strayFiles(dir, rewrite).empty()) << where << ": a temporary is left";
}

class CrashConsistency : public ::testing::Test
{
protected:
    void TearDown() override { FaultInjection::reset(); }
};

} // namespace

TEST_F(CrashConsistency, RewritesWithoutFaultsGiveTheNewFiles)
{
    for (const Rewrite& rewrite : rewrites()) {
        TempDir dir;
        install(dir, rewrite.before);
        EXPECT_TRUE(rewrite.run(dir.path())) << rewrite.what;
        expectAfter(dir, rewrite, rewrite.what);
    }
}

TEST_F(CrashConsistency, EveryFailingStepLeavesEachFileWholeAndARetryFinishes)
{
    int checked = 0;
    for (const Rewrite& rewrite : rewrites()) {
        int steps = 0;
        {
            TempDir dir;
            install(dir, rewrite.before);
            FaultInjection::failAt(0); // count only
            ASSERT_TRUE(rewrite.run(dir.path())) << rewrite.what;
            steps = FaultInjection::count();
            FaultInjection::reset();
        }
        ASSERT_GE(steps, 2) << rewrite.what << " has no rewrite step to fail";

        for (int step = 1; step <= steps; ++step) {
            const std::string where = rewrite.what + ", step " + std::to_string(step) + " of " + std::to_string(steps);
            TempDir dir;
            install(dir, rewrite.before);
            FaultInjection::failAt(step);
            const bool ok = rewrite.run(dir.path());
            FaultInjection::reset();
            EXPECT_FALSE(ok) << where << ": the failure must be reported";

            // Each file is its complete old or complete new version; none is missing unless the
            // command deletes it.
            int changed = 0;
            int files = 0;
            for (const auto& [name, newBytes] : rewrite.after) {
                const auto found = rewrite.before.find(name);
                const std::optional<std::string> oldBytes =
                    found != rewrite.before.end() ? std::optional<std::string>(found->second) : std::nullopt;
                const std::optional<std::string> now =
                    dir.exists(name) ? std::optional<std::string>(dir.read(name)) : std::nullopt;
                const bool isOld = now == oldBytes;
                const bool isNew = now == newBytes;
                EXPECT_TRUE(isOld || isNew) << where << ": " << name << " is "
                                            << (now ? "\"" + *now + "\"" : std::string("missing"));
                if (!isOld)
                    ++changed;
                ++files;
            }
            if (rewrite.together) {
                EXPECT_TRUE(changed == 0 || changed == files) << where << ": the files no longer match";
            }
            EXPECT_TRUE(strayFiles(dir, rewrite).empty()) << where << ": a temporary is left";

            // Running the command again without a fault finishes the job.
            EXPECT_TRUE(rewrite.run(dir.path())) << where << ", retried";
            expectAfter(dir, rewrite, where + ", retried");
            ++checked;
        }
    }
    EXPECT_GE(checked, 50) << "every step of every rewrite";
}

TEST_F(CrashConsistency, TemporariesLeftByAKilledRunNeverCarryIntoTheNextRewrite)
{
    // Whatever a killed run left in a temporary (nothing, part of the file, junk), the next run
    // starts it afresh and takes it away.
    const std::string leftovers[] = {"", "FF00", "ZZZZZZZZZZZZ", std::string(5000, 'A'), "\"stale\"\r\n"};
    for (const Rewrite& rewrite : rewrites()) {
        for (const std::string& junk : leftovers) {
            TempDir dir;
            install(dir, rewrite.before);
            for (const std::string& temp : rewrite.temporaries)
                dir.write(temp, junk);
            const std::string where = rewrite.what + " over a temporary of " + std::to_string(junk.size()) + " bytes";
            EXPECT_TRUE(rewrite.run(dir.path())) << where;
            expectAfter(dir, rewrite, where);
        }
    }
}
