// Every command that changes a data file, under faults. Each mutating step (create, write, flush,
// rename, delete) is failed in turn, the first one as a folder that cannot be written refuses it; a
// full disk refuses the command; a killed run leaves junk in the temporaries. Whatever happens the failure is reported
// naming a file it left as it was, every file is complete in its old or its new form (files that
// belong together change together), no temporary is left, and the command run again finishes the
// job.
#include "core/files/fileio.h"
#include "core/palette/chartindex.h"
#include "core/palette/colorpage.h"
#include "core/palette/palettefile.h"
#include "core/palette/palettenames.h"
#include "core/palette/palettestore.h"
#include "core/palette/pickerrules.h"
#include "core/scheme/schemefiles.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <optional>

using namespace prismara;
using namespace prismara::test;

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;
using MaybeFiles = std::map<std::string, std::optional<std::string>>; // nullopt: the file is gone

const std::string kIndex = indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0", "c2.rgb|CSS|2",
                                    "c3.rgb|Grays|2", "c4.rgb|Mine|1", "c5.rgb|Other|1"});
const std::string kIndexWithout5 = indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0",
                                            "c2.rgb|CSS|2", "c3.rgb|Grays|2", "c4.rgb|Mine|1"});
const std::string kPalette = records("FF0000 00FF00 FF0000 0000FF 00FF00");

// What a command reports: success, or the file it names and its message.
struct Outcome
{
    bool ok;
    std::string file;
    std::string message;
};
Outcome of(const StoreResult& r) { return {r.ok(), r.file(), r.message()}; }
Outcome of(const SchemeFileResult& r) { return {r.ok(), r.file.filename().string(), r.file.filename().string()}; }

struct Rewrite
{
    std::string what;
    Files before;
    std::function<Outcome(const fs::path&)> run;
    MaybeFiles after;
    std::vector<std::string> temporaries; // what a killed run may leave, with any content
    bool together = false;                // after a failure all files are old or all are new
    bool needsSpace = true;               // false: works on a full disk (deleting, creating empty)
};

ColorPageTexts pageTexts()
{
    ColorPageTexts texts;
    texts.txtHex = "#336699";
    texts.txtr = "51";
    texts.txtg = "102";
    texts.txtb = "153";
    return texts;
}

// Delete Current Palette of the palette `file`; a retry after only the colour file stayed behind
// finds the palette gone from the index and deletes the file.
Outcome deletePalette(const fs::path& folder, const std::string& file)
{
    PaletteStore store(folder);
    (void)store.readIndex();
    const int position = SelectorPositionOf(store, file);
    if (position < 0)
        return of(store.palette(file).clear());
    const StoreResult result = store.deleteChart(position);
    if (!result.ok() && result.file() == file) {
        EXPECT_EQ(store.chartCount(), position) << "the palette has left the index";
        EXPECT_NE(store.newChartFile(), file) << "the name of a file left behind is not given out";
    }
    return of(result);
}

// The side file of `palette` naming the records `kept` (1-based, "n1", "n2", ...), then `added` unnamed.
std::string namesOf(const std::string& palette, std::vector<int> kept, int added = 0)
{
    PaletteNames names{"/home/me/brand.gpl", {}};
    for (const int k : kept)
        names.names.push_back("n" + std::to_string(k));
    names.names.resize(names.names.size() + static_cast<std::size_t>(added));
    return SerializePaletteNames(names, palette);
}

std::vector<Rewrite> rewrites()
{
    const std::string shapes = fixture("scheme_four.hcs");
    const std::string shapesData = fixture("scheme_four.dat");
    const Files twoShapes{{"shapes.hcs", "\"one\"\r\n\"two\"\r\n"}, {"shapes.dat", std::string(18, '1') + std::string(18, '2')}};
    const std::string initialShape3 = BgrHex(SchemeStyles::style(SchemeStyles::kShapes).elements[2].initialColor);
    const Files named{{"c4.rgb", kPalette}, {"c4.names", namesOf(kPalette, {1, 2, 3, 4, 5})}};
    const std::string deduped = records("FF0000 00FF00 0000FF"), removed2 = records("FF0000 FF0000 0000FF 00FF00");
    const std::string two = records("FF0000 00FF00");
    return {
        // A palette and its names side file change together.
        {"Clear Duplicate Colors of a named palette", named,
         [](const fs::path& f) { return of(PaletteFile(f, "c4.rgb").removeDuplicates()); },
         {{"c4.rgb", deduped}, {"c4.names", namesOf(deduped, {1, 2, 4})}}, {"c4.rgb.tmp", "c4.names.tmp"}, true},
        {"Delete Selected Color of a named palette", named,
         [](const fs::path& f) { return of(PaletteFile(f, "c4.rgb").removeRecord(2)); },
         {{"c4.rgb", removed2}, {"c4.names", namesOf(removed2, {1, 3, 4, 5})}}, {"c4.rgb.ctm", "c4.names.tmp"}, true},
        {"append to a named palette", named, [](const fs::path& f) { return of(AppendChartColor(f, "c4.rgb", "#123456")); },
         {{"c4.rgb", kPalette + "123456"}, {"c4.names", namesOf(kPalette + "123456", {1, 2, 3, 4, 5}, 1)}},
         {"c4.names.tmp"}, true},
        {"append over a partial record of a named palette", {{"c4.rgb", kPalette + "00F"}, {"c4.names", namesOf(kPalette + "00F", {1, 2, 3, 4, 5})}},
         [](const fs::path& f) { return of(AppendChartColor(f, "c4.rgb", "#123456")); },
         {{"c4.rgb", kPalette + "123456"}, {"c4.names", namesOf(kPalette + "123456", {1, 2, 3, 4, 5}, 1)}},
         {"c4.names.tmp"}, true},
        {"Clear All Colors of a named palette", named, [](const fs::path& f) { return of(PaletteFile(f, "c4.rgb").clear()); },
         {{"c4.rgb", std::nullopt}, {"c4.names", std::nullopt}}, {}, true, false},
        {"import: palette file, names, then the index record", {{"colorchart.cci", kIndex}},
         [](const fs::path& f) {
             const PaletteNames names{"/home/me/two.gpl", {"red", "green"}};
             const std::vector<ColorValue> colors = {0x0000FF, 0x00FF00};
             return of(PaletteStore(f).createChart("Two", colors, &names));
         },
         {{"colorchart.cci", kIndex + "c6.rgb\r\nTwo\r\n1\r\n"}, {"c6.rgb", two},
          {"c6.names", SerializePaletteNames({"/home/me/two.gpl", {"red", "green"}}, two)}},
         {"c6.rgb.tmp", "c6.names.tmp"}, true},
        {"index repair while reading", {{"colorchart.cci", paletteFixture("colorchart_blanks.cci")}},
         [](const fs::path& f) {
             const ChartList list = ChartIndex(f).read();
             EXPECT_EQ(list.entries.size(), 6u) << "reading goes on";
             const std::string warning = list.warnings.empty() ? "" : list.warnings.front();
             return Outcome{list.warnings.empty(), warning.empty() ? "" : "colorchart.cci", warning};
         },
         {{"colorchart.cci", paletteFixture("colorchart_repaired.cci")}}, {"colorchart.cct"}},
        {"Delete Current Palette", {{"colorchart.cci", kIndex}, {"c5.rgb", kPalette}, {"c4.rgb", "123456"}},
         [](const fs::path& f) { return deletePalette(f, "c5.rgb"); },
         {{"colorchart.cci", kIndexWithout5}, {"c5.rgb", std::nullopt}, {"c4.rgb", "123456"}}, {"colorchart.cct"}},
        {"New Color Palette", {{"colorchart.cci", kIndex}},
         [](const fs::path& f) {
             PaletteStore store(f);
             (void)store.readIndex();
             return of(store.addChart("Ünïcödé \"palette\""));
         },
         {{"colorchart.cci", kIndex + "c6.rgb\r\nÜnïcödé \"palette\"\r\n1\r\n"}}, {}},
        {"new palette after an incomplete record", {{"colorchart.cci", kIndex + "c6.rgb\r\n"}},
         [](const fs::path& f) { return of(ChartIndex(f).appendRecord("c6.rgb", "New")); },
         {{"colorchart.cci", kIndex + "c6.rgb\r\nNew\r\n1\r\n"}}, {"colorchart.cct"}},
        {"Clear Duplicate Colors", {{"c4.rgb", kPalette}},
         [](const fs::path& f) { return of(PaletteFile(f, "c4.rgb").removeDuplicates()); },
         {{"c4.rgb", records("FF0000 00FF00 0000FF")}}, {"c4.rgb.tmp"}},
        {"Delete Selected Color", {{"c4.rgb", kPalette}},
         [](const fs::path& f) { return of(PaletteFile(f, "c4.rgb").removeRecord(2)); },
         {{"c4.rgb", records("FF0000 FF0000 0000FF 00FF00")}}, {"c4.rgb.ctm"}},
        {"Add This Color To", {{"c4.rgb", kPalette}},
         [](const fs::path& f) { return of(AppendChartColor(f, "c4.rgb", "#123456")); }, {{"c4.rgb", kPalette + "123456"}}, {}},
        {"append over a partial record", {{"c4.rgb", kPalette + "00F"}},
         [](const fs::path& f) { return of(AppendChartColor(f, "c4.rgb", "#123456")); },
         {{"c4.rgb", kPalette + "123456"}}, {}},
        {"Clear All Colors", {{"c4.rgb", kPalette}}, [](const fs::path& f) { return of(PaletteFile(f, "c4.rgb").clear()); },
         {{"c4.rgb", std::nullopt}}, {}, false, false},
        {"showing a new palette", {}, [](const fs::path& f) { return of(PaletteFile(f, "c6.rgb").create()); },
         {{"c6.rgb", ""}}, {}, false, false},
        {"recent colour", {{"recent.rgb", kPalette}},
         [](const fs::path& f) { return of(PaletteStore(f).appendRecent(MakeColor(1, 2, 3))); },
         {{"recent.rgb", kPalette + "010203"}}, {}},
        {"recent colours at start-up", {}, [](const fs::path& f) { return of(PaletteStore(f).createRecentFile()); },
         {{"recent.rgb", ""}}, {}, false, false},
        {"recent colours at shutdown", {{"recent.rgb", kPalette}},
         [](const fs::path& f) { return of(PaletteStore(f).deleteRecentFile()); }, {{"recent.rgb", std::nullopt}}, {},
         false, false},
        {"Save as Html over an earlier page", {{"#336699.htm", "an earlier page"}},
         [](const fs::path& f) { return of(SaveColorPage(f / "#336699.htm", pageTexts())); },
         {{"#336699.htm", ColorPageHtml(pageTexts())}}, {"#336699.htm.tmp"}},
        {"Save Current Color scheme", twoShapes,
         [](const fs::path& f) { return of(SchemeFiles(f, SchemeStyles::kShapes).save("three", {3, 3, 3})); },
         {{"shapes.hcs", twoShapes.at("shapes.hcs") + "\"three\"\r\n"},
          {"shapes.dat", twoShapes.at("shapes.dat") + "000003000003000003"}},
         {}},
        {"Delete This Scheme", {{"shapes.hcs", shapes}, {"shapes.dat", shapesData}},
         [](const fs::path& f) { return of(SchemeFiles(f, SchemeStyles::kShapes).remove(1)); },
         {{"shapes.hcs", fixture("scheme_four_del1.hcs")}, {"shapes.dat", fixture("scheme_four_del1.dat")}},
         {"set.hct", "colorset.dam"}, true},
        {"Delete This Scheme without a data file", {{"shapes.hcs", shapes}},
         [](const fs::path& f) { return of(SchemeFiles(f, SchemeStyles::kShapes).remove(3)); },
         {{"shapes.hcs", fixture("scheme_four_del3.hcs")}, {"shapes.dat", ""}}, {"set.hct", "colorset.dam"}, true},
        {"scheme save over a record left without its line",
         {{"shapes.hcs", "\"one\"\r\n"}, {"shapes.dat", std::string(18, '1') + std::string(18, 'E')}},
         [](const fs::path& f) { return of(SchemeFiles(f, SchemeStyles::kShapes).save("two", {2, 2, 2})); },
         {{"shapes.hcs", "\"one\"\r\n\"two\"\r\n"}, {"shapes.dat", std::string(18, '1') + "000002000002000002"}},
         {"colorset.dam"}},
        {"scheme save into a data file cut inside a field", {{"shapes.hcs", "\"one\"\r\n"}, {"shapes.dat", std::string(17, '1')}},
         [](const fs::path& f) { return of(SchemeFiles(f, SchemeStyles::kShapes).save("two", {2, 2, 2})); },
         {{"shapes.hcs", "\"one\"\r\n\"two\"\r\n"},
          {"shapes.dat", std::string(12, '1') + initialShape3 + "000002000002000002"}},
         {"colorset.dam"}},
    };
}

void install(const TempDir& dir, const Files& files)
{
    for (const auto& [name, bytes] : files)
        dir.write(name, bytes);
}

std::optional<std::string> contentOf(const fs::path& folder, const std::string& name)
{
    return FileExists(folder / name) ? ReadFile(folder / name) : std::nullopt;
}

std::optional<std::string> oldContent(const Rewrite& rewrite, const std::string& name)
{
    const auto found = rewrite.before.find(name);
    return found == rewrite.before.end() ? std::nullopt : std::optional<std::string>(found->second);
}

// Files in the folder that are neither the rewrite's files nor expected.
std::set<std::string> strays(const fs::path& folder, const Rewrite& rewrite)
{
    std::set<std::string> names = filesIn(folder);
    for (const auto& entry : rewrite.before)
        names.erase(entry.first);
    for (const auto& entry : rewrite.after)
        names.erase(entry.first);
    names.erase("filler");
    return names;
}

void expectNew(const fs::path& folder, const Rewrite& rewrite, const std::string& where)
{
    for (const auto& [name, bytes] : rewrite.after)
        EXPECT_EQ(contentOf(folder, name), bytes) << where << ": " << name;
    EXPECT_TRUE(strays(folder, rewrite).empty()) << where << ": a temporary is left";
}

// A refused command: reported, naming a file of the command that it left as it was, and every
// file is complete in its old or new form.
void expectRefused(const fs::path& folder, const Rewrite& rewrite, const Outcome& outcome, const std::string& where)
{
    EXPECT_FALSE(outcome.ok) << where << ": the failure must be reported";
    EXPECT_TRUE(rewrite.after.count(outcome.file) == 1) << where << ": names \"" << outcome.file << "\"";
    EXPECT_NE(outcome.message.find(outcome.file), std::string::npos) << where << ": " << outcome.message;
    EXPECT_EQ(contentOf(folder, outcome.file), oldContent(rewrite, outcome.file)) << where << ": the named file changed";
    int changed = 0;
    for (const auto& [name, newBytes] : rewrite.after) {
        const auto now = contentOf(folder, name);
        EXPECT_TRUE(now == oldContent(rewrite, name) || now == newBytes)
            << where << ": " << name << " is " << (now ? "\"" + *now + "\"" : std::string("missing"));
        changed += now != oldContent(rewrite, name) ? 1 : 0;
    }
    if (rewrite.together) {
        EXPECT_TRUE(changed == 0 || changed == static_cast<int>(rewrite.after.size())) << where << ": files out of step";
    }
    EXPECT_TRUE(strays(folder, rewrite).empty()) << where << ": a temporary is left";
}

// A small tmpfs mounted over a folder for as long as the object lives; mounting needs root and a
// system that allows it, else mounted() is false.
class SmallDisk
{
public:
    explicit SmallDisk(const fs::path& where) : where_(where)
    {
        mounted_ = ::geteuid() == 0 && ::mount("tmpfs", where_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(where_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }
    // Takes every free byte into one file.
    void fill() const
    {
        const int fd = ::open((where_ / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const std::string block(4096, 'x');
        for (const std::size_t chunk : {std::size_t{4096}, std::size_t{1}})
            while (fd >= 0 && ::write(fd, block.data(), chunk) > 0) {
            }
        ::close(fd);
    }

private:
    fs::path where_;
    bool mounted_ = false;
};

class RewriteFaults : public ::testing::Test
{
protected:
    void TearDown() override { FaultInjection::reset(); }
};

} // namespace

TEST_F(RewriteFaults, WithoutFaultsEachCommandWritesTheNewFiles)
{
    for (const Rewrite& rewrite : rewrites()) {
        TempDir dir;
        install(dir, rewrite.before);
        const Outcome outcome = rewrite.run(dir.path());
        EXPECT_TRUE(outcome.ok) << rewrite.what << ": " << outcome.message;
        expectNew(dir.path(), rewrite, rewrite.what);
    }
}

TEST_F(RewriteFaults, EveryFailingStepLeavesEachFileWholeAndARetryFinishes)
{
    int checked = 0;
    for (const Rewrite& rewrite : rewrites()) {
        int steps = 0;
        {
            TempDir dir;
            install(dir, rewrite.before);
            FaultInjection::failAt(0); // count only
            (void)rewrite.run(dir.path());
            steps = FaultInjection::count();
            FaultInjection::reset();
        }
        EXPECT_GE(steps, 1) << rewrite.what;
        for (int step = 1; step <= steps; ++step) {
            const std::string where = rewrite.what + ", step " + std::to_string(step) + " of " + std::to_string(steps);
            TempDir dir;
            install(dir, rewrite.before);
            FaultInjection::failAt(step);
            const Outcome outcome = rewrite.run(dir.path());
            FaultInjection::reset();
            expectRefused(dir.path(), rewrite, outcome, where);
            EXPECT_TRUE(rewrite.run(dir.path()).ok) << where << ", retried";
            expectNew(dir.path(), rewrite, where + ", retried");
            ++checked;
        }
    }
    EXPECT_GE(checked, 60) << "every step of every command";
}

TEST_F(RewriteFaults, TemporariesLeftByAKilledRunNeverCarryIntoTheNextRewrite)
{
    const std::string leftovers[] = {"", "FF00", "ZZZZZZZZZZZZ", std::string(5000, 'A'), "\"stale\"\r\n"};
    for (const Rewrite& rewrite : rewrites()) {
        for (const std::string& junk : leftovers) {
            TempDir dir;
            install(dir, rewrite.before);
            for (const std::string& temp : rewrite.temporaries)
                dir.write(temp, junk);
            const std::string where = rewrite.what + " over a temporary of " + std::to_string(junk.size()) + " bytes";
            EXPECT_TRUE(rewrite.run(dir.path()).ok) << where;
            expectNew(dir.path(), rewrite, where);
        }
    }
}

// The files end just short of a page, so an append finds room for its first bytes only: a write cut
// short by the full disk must be taken back. With room again the same command works.
TEST_F(RewriteFaults, AFullDiskChangesNothingAndAfterwardsEveryCommandWorks)
{
    const std::string nearlyAPage = records("ABCDEF") + std::string(4092 - 6, '0');
    const std::string longName(4090 - kIndexWithout5.size() - std::string("c5.rgb\r\n\r\n1\r\n").size(), 'n');
    const std::string nearlyAPageIndex = kIndexWithout5 + "c5.rgb\r\n" + longName + "\r\n1\r\n";
    std::string longList;
    for (int k = 0; k < 227; ++k) // 227 records of 18 bytes end 10 bytes short of a page
        longList += "\"n\"\r\n";
    for (Rewrite rewrite : rewrites()) {
        if (rewrite.before.count("c4.names") != 0)
            continue; // the padding below would put the names out of step with their palette
        TempDir dir;
        SmallDisk disk(dir.path());
        if (!disk.mounted())
            GTEST_SKIP() << "no tmpfs can be mounted here (not root, or mounting is not allowed)";
        for (auto& [name, bytes] : rewrite.before) {
            if (name == "c4.rgb" || name == "recent.rgb")
                bytes = nearlyAPage;
            else if (name == "colorchart.cci" && rewrite.what == "New Color Palette")
                bytes = nearlyAPageIndex;
            else if (name == "shapes.hcs" && rewrite.what == "Save Current Color scheme")
                bytes = longList;
            else if (name == "shapes.dat" && rewrite.what == "Save Current Color scheme")
                bytes = std::string(227 * 18, 'A');
        }
        install(dir, rewrite.before);
        disk.fill();
        const Outcome outcome = rewrite.run(dir.path());
        if (rewrite.needsSpace) {
            expectRefused(dir.path(), rewrite, outcome, rewrite.what + " on a full disk");
            for (const auto& [name, bytes] : rewrite.before)
                EXPECT_EQ(contentOf(dir.path(), name), bytes) << rewrite.what << " on a full disk: " << name;
            ASSERT_TRUE(RemoveFile(dir / "filler"));
            EXPECT_TRUE(rewrite.run(dir.path()).ok) << rewrite.what << " after space was freed";
        } else {
            EXPECT_TRUE(outcome.ok) << rewrite.what << " needs no space: " << outcome.message;
        }
        EXPECT_TRUE(strays(dir.path(), rewrite).empty()) << rewrite.what;
    }
}
