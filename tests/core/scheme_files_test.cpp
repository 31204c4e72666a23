// Tests of the scheme list and data files: the formats byte for byte against their fixtures, save,
// load and delete, malformed files. (Their rewrites under faults: rewrite_faults_test.)
#include "core/scheme/schemefiles.h"
#include "core/scheme/schemestate.h"

#include "palette_testutil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace prismara;
using namespace prismara::test;

namespace {

constexpr std::size_t kLinks = SchemeStyles::kWebLinks;
constexpr std::size_t kShapes = SchemeStyles::kShapes;
using Record = SchemeFiles::Record;
using Names = std::vector<std::string>;
const std::vector<ColorValue> kClassic = {kBlack, kWhite, 0xFF0000, 0x800080, 0x0000FF, 0x008000};

// Copies a fixture pair into the folder under the style's file names.
void install(const TempDir& dir, std::size_t style, const std::string& fixtureStem)
{
    dir.write(SchemeStyles::style(style).listFileName(), fixture(fixtureStem + ".hcs"));
    dir.write(SchemeStyles::style(style).dataFileName(), fixture(fixtureStem + ".dat"));
}

} // namespace

TEST(SchemeFiles, NamesFromTheDialogAndFromListLines)
{
    const std::pair<const char*, std::optional<std::string>> answers[] = {
        {"", std::nullopt}, {"   ", "no name"}, {"\n", "no name"}, {"  padded  ", "  padded  "}, {"two\r\nlines", "two  lines"},
    };
    for (const auto& [answer, name] : answers)
        EXPECT_EQ(SchemeFiles::nameFromAnswer(answer), name) << "answer [" << answer << "]";
    const std::pair<const char*, const char*> lines[] = {{"\"Say \"hi\"\"", "Say \"hi\""}, {"\"\"", ""}, {"x", ""}, {"abc", "b"}};
    for (const auto& [line, name] : lines)
        EXPECT_EQ(SchemeFiles::nameFromLine(line), name) << "line [" << line << "]";
    EXPECT_EQ(SchemeFiles::quotedLine("Say \"hi\""), "\"Say \"hi\"\"\r\n") << "no escaping";
}

TEST(SchemeFiles, SavedSchemesMatchTheFixturesAndLoadBackThroughTheSamples)
{
    TempDir dir;
    SchemeFiles links(dir.path(), kLinks);
    ASSERT_TRUE(links.save("Classic", kClassic).ok());
    EXPECT_EQ(dir.read("weblinks.hcs"), fixture("scheme_classic.hcs"));
    EXPECT_EQ(dir.read("weblinks.dat"), fixture("scheme_classic.dat"));
    ASSERT_TRUE(links.save("two", std::vector<ColorValue>(6, 0x0A0B0C)).ok());
    EXPECT_EQ(links.names(), (Names{"Classic", "two"}));
    EXPECT_EQ(ReadRange(dir / "weblinks.dat", 36, 36).value(), "0A0B0C0A0B0C0A0B0C0A0B0C0A0B0C0A0B0C");
    EXPECT_EQ(links.readRecord(1), Record(kClassic.begin(), kClassic.end()));

    SchemeState designer;
    const std::size_t layout = SchemeStyles::kLayout;
    for (std::size_t i = 0; i < SchemeStyles::style(layout).elements.size(); ++i)
        designer.applyColor(layout, i, static_cast<ColorValue>(0x100000 * (i + 1) + 0x0203 * i));
    SchemeFiles files(dir.path(), layout);
    ASSERT_TRUE(files.save("mine", designer.sourceColors(layout)).ok());
    SchemeState other;
    other.loadRecord(layout, files.readRecord(1).value());
    EXPECT_EQ(other.looks(layout), designer.looks(layout));
    EXPECT_EQ(filesIn(dir.path()).size(), 4u) << "no temporary left";
}

TEST(SchemeFiles, DeletingKeepsEveryOtherLineWithItsRecord)
{
    TempDir dir;
    install(dir, kShapes, "scheme_four");
    SchemeFiles shapes(dir.path(), kShapes);
    EXPECT_EQ(shapes.names(), (Names{"Alpha", "Say \"hi\"", "Alpha", "Last"}));
    ASSERT_TRUE(shapes.remove(1).ok());
    EXPECT_EQ(dir.read("shapes.hcs"), fixture("scheme_four_del1.hcs"));
    EXPECT_EQ(dir.read("shapes.dat"), fixture("scheme_four_del1.dat"));

    install(dir, kShapes, "scheme_four");
    ASSERT_TRUE(shapes.remove(3).ok());
    EXPECT_EQ(dir.read("shapes.hcs"), fixture("scheme_four_del3.hcs"));
    EXPECT_EQ(dir.read("shapes.dat"), fixture("scheme_four_del3.dat"));
    EXPECT_EQ(shapes.remove(3).status, SchemeFileStatus::NoSuchScheme);
    EXPECT_EQ(SchemeFiles(dir.path(), kLinks).remove(0).status, SchemeFileStatus::NoSuchScheme) << "no list";
    EXPECT_EQ(filesIn(dir.path()), (std::set<std::string>{"shapes.dat", "shapes.hcs"}));
}

TEST(SchemeFiles, MalformedFilesLoadWhatIsValidAndDeletingRewritesThemSound)
{
    TempDir dir;
    install(dir, kLinks, "scheme_malformed");
    SchemeFiles links(dir.path(), kLinks);
    // CR LF, an empty line, a one-character LF line, a CR line, and a last line without an end.
    EXPECT_EQ(links.names(), (Names{"First", "", "", "Fourth", "Fifth"}));
    EXPECT_EQ(links.lineCount(), 5u);
    EXPECT_EQ(links.readRecord(2), (Record{0x123456, std::nullopt, 0x654321, std::nullopt, 0xABCDEF, 0x0000FF}));
    EXPECT_EQ(links.readRecord(3), (Record{0x0000FF, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}))
        << "a record cut short";
    EXPECT_EQ(links.readRecord(4), std::nullopt);
    EXPECT_EQ(links.readRecord(0), std::nullopt);
    SchemeState state;
    state.loadRecord(kLinks, links.readRecord(1).value());
    state.loadRecord(kLinks, links.readRecord(2).value());
    EXPECT_EQ(state.caption(kLinks, "lbltext1"), "Text Color: #563412");
    EXPECT_EQ(state.caption(kLinks, "lblvl"), "Visited Link Color: #800080") << "kept from record 1";

    ASSERT_TRUE(links.remove(3).ok());
    EXPECT_EQ(dir.read("weblinks.hcs"), "\"First\"\r\n\"\"\r\n\"\"\r\n\"Fifth\"\r\n");
    EXPECT_EQ(dir.read("weblinks.dat"), fixture("scheme_malformed.dat")) << "records 4 and 5 never existed";
    ASSERT_TRUE(links.remove(1).ok());
    EXPECT_EQ(links.readRecord(2), (Record{0x0000FF, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}));
}

TEST(SchemeFiles, SavingPutsTheRecordAtItsLinesPlace)
{
    struct Row
    {
        const char* what;
        std::string list, data, listAfter, dataAfter;
    };
    const std::string one(18, '1'), greys = "999999CCCCCCFFFFFF";
    const Row rows[] = {
        {"missing records are completed with the initial colours", "\"1\"\r\n\"2\"\r\n\"3\"\r\n", one,
         "\"1\"\r\n\"2\"\r\n\"3\"\r\n\"new\"\r\n", one + greys + greys + "000007000008000009"},
        {"a last line without its end", "\"1\"", one, "\"1\"\r\n\"new\"\r\n", one + "000007000008000009"},
        {"a last line ending in LF", "\"1\"\n", one, "\"1\"\n\"new\"\r\n", one + "000007000008000009"},
    };
    for (const Row& r : rows) {
        TempDir dir;
        dir.write("shapes.hcs", r.list);
        dir.write("shapes.dat", r.data);
        ASSERT_TRUE(SchemeFiles(dir.path(), kShapes).save("new", {7, 8, 9}).ok()) << r.what;
        EXPECT_EQ(dir.read("shapes.hcs"), r.listAfter) << r.what;
        EXPECT_EQ(dir.read("shapes.dat"), r.dataAfter) << r.what;
        EXPECT_EQ(filesIn(dir.path()).size(), 2u) << r.what;
    }
}
