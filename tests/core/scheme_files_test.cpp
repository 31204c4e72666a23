// Tests of the scheme list and data files: formats byte for byte, save, load and delete,
// malformed files and failures at every step of a rewrite.
#include "core/scheme/schemefiles.h"
#include "core/scheme/schemestate.h"

#include "core/files/fileio.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using namespace prismara;

namespace {

constexpr std::size_t kLinks = SchemeStyles::kWebLinks;
constexpr std::size_t kShapes = SchemeStyles::kShapes;

std::string fixture(const std::string& name)
{
    std::ifstream in(std::string(PRISMARA_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing fixture " << name;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Copies a fixture pair into the folder under the style's file names.
void install(const test::TempDir& dir, std::size_t style, const std::string& fixtureStem)
{
    const SchemeStyle& s = SchemeStyles::style(style);
    dir.write(s.listFileName(), fixture(fixtureStem + ".hcs"));
    dir.write(s.dataFileName(), fixture(fixtureStem + ".dat"));
}

// Every file in the folder with its bytes.
std::map<std::string, std::string> snapshot(const test::TempDir& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        files[entry.path().filename().string()] = dir.read(entry.path().filename().string());
    return files;
}

const std::string kClassicRecord = "000000FFFFFFFF0000800080" "0000FF008000";
const std::vector<ColorValue> kClassic = {kBlack, kWhite, 0xFF0000, 0x800080, 0x0000FF, 0x008000};

using Record = SchemeFiles::Record;

} // namespace

TEST(SchemeFiles, FormatPieces)
{
    EXPECT_EQ(SchemeFiles::encodeRecord(kClassic), kClassicRecord);
    EXPECT_EQ(SchemeFiles::encodeRecord({0x999999, 0xCCCCCC, 0xFFFFFF}), "999999CCCCCCFFFFFF");
    EXPECT_EQ(SchemeFiles::encodeRecord({0x0A0B0C}), "0A0B0C") << "leading zeros, upper case";

    EXPECT_EQ(SchemeFiles::quotedLine("Classic"), "\"Classic\"\r\n");
    EXPECT_EQ(SchemeFiles::quotedLine("Say \"hi\""), "\"Say \"hi\"\"\r\n") << "no escaping";

    struct Line
    {
        const char* line;
        const char* name;
    };
    const Line lines[] = {{"\"Classic\"", "Classic"}, {"\"Say \"hi\"\"", "Say \"hi\""}, {"\"\"", ""},
                          {"x", ""},                   {"", ""},                      {"abc", "b"}};
    for (const Line& l : lines)
        EXPECT_EQ(SchemeFiles::nameFromLine(l.line), l.name) << "line [" << l.line << "]";

    EXPECT_EQ(SchemeFiles::decodeRecord(kClassicRecord, 6), Record(kClassic.begin(), kClassic.end()));
    EXPECT_EQ(SchemeFiles::decodeRecord("00FF00abcdefXYZ123+12345", 4),
              (Record{0x00FF00, 0xABCDEF, std::nullopt, std::nullopt}));
    EXPECT_EQ(SchemeFiles::decodeRecord("00FF0000FF", 3), (Record{0x00FF00, std::nullopt, std::nullopt}));
}

TEST(SchemeFiles, NameRuleOfTheSaveDialog)
{
    struct Row
    {
        const char* answer;
        std::optional<std::string> name;
    };
    const Row rows[] = {
        {"", std::nullopt},
        {" ", "no name"},
        {"   ", "no name"},
        {"Sunny", "Sunny"},
        {"  padded  ", "  padded  "},
        {"Say \"hi\"", "Say \"hi\""},
        {"two\r\nlines", "two  lines"},
        {"\n", "no name"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(SchemeFiles::nameFromAnswer(r.answer), r.name) << "answer [" << r.answer << "]";
}

TEST(SchemeFiles, SavingIntoAnEmptyFolderWritesTheFormatsExactly)
{
    test::TempDir dir;
    SchemeFiles links(dir.path(), kLinks);
    ASSERT_TRUE(links.save("Classic", kClassic).ok());
    EXPECT_EQ(dir.read("weblinks.hcs"), "\"Classic\"\r\n");
    EXPECT_EQ(dir.read("weblinks.dat"), kClassicRecord);
    EXPECT_EQ(dir.read("weblinks.dat"), fixture("scheme_classic.dat"));
    EXPECT_EQ(dir.read("weblinks.hcs"), fixture("scheme_classic.hcs"));

    SchemeFiles shapes(dir.path(), kShapes);
    ASSERT_TRUE(shapes.save("Greys", SchemeState().sourceColors(kShapes)).ok());
    EXPECT_EQ(dir.read("shapes.dat"), "999999CCCCCCFFFFFF");
    EXPECT_EQ(dir.read("shapes.hcs"), "\"Greys\"\r\n");

    EXPECT_EQ(snapshot(dir).size(), 4u) << "no temporary left";
}

TEST(SchemeFiles, TheThirdSchemeIsTheThirdRecord)
{
    test::TempDir dir;
    SchemeFiles links(dir.path(), kLinks);
    ASSERT_TRUE(links.save("one", std::vector<ColorValue>(6, 0x111111)).ok());
    ASSERT_TRUE(links.save("two", std::vector<ColorValue>(6, 0x222222)).ok());
    ASSERT_TRUE(links.save("three", kClassic).ok());
    EXPECT_EQ(FileSize(dir / "weblinks.dat"), 3u * 36u);
    EXPECT_EQ(ReadRange(dir / "weblinks.dat", 2 * 36, 36).value(), kClassicRecord);
    EXPECT_EQ(links.names(), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(links.readRecord(3), Record(kClassic.begin(), kClassic.end()));
    EXPECT_EQ(links.readRecord(1), Record(6, 0x111111));
}

TEST(SchemeFiles, SaveAndLoadRoundTripThroughTheSamples)
{
    test::TempDir dir;
    SchemeState designer;
    const std::size_t layout = SchemeStyles::kLayout;
    for (std::size_t i = 0; i < SchemeStyles::style(layout).elements.size(); ++i)
        designer.applyColor(layout, i, static_cast<ColorValue>(0x100000 * (i + 1) + 0x0203 * i));
    SchemeFiles files(dir.path(), layout);
    ASSERT_TRUE(files.save("mine", designer.sourceColors(layout)).ok());

    SchemeState other;
    other.loadRecord(layout, files.readRecord(1).value());
    EXPECT_EQ(other.looks(layout), designer.looks(layout));
}

TEST(SchemeFiles, BlankNamesDuplicatesAndQuotesSurviveSaveAndReload)
{
    test::TempDir dir;
    SchemeFiles shapes(dir.path(), kShapes);
    ASSERT_TRUE(shapes.save(SchemeFiles::nameFromAnswer("   ").value(), {1, 2, 3}).ok());
    ASSERT_TRUE(shapes.save("Same", {4, 5, 6}).ok());
    ASSERT_TRUE(shapes.save("Same", {7, 8, 9}).ok());
    ASSERT_TRUE(shapes.save("A \"quoted\" name", {10, 11, 12}).ok());

    EXPECT_EQ(dir.read("shapes.hcs"), "\"no name\"\r\n\"Same\"\r\n\"Same\"\r\n\"A \"quoted\" name\"\r\n");
    EXPECT_EQ(shapes.names(), (std::vector<std::string>{"no name", "Same", "Same", "A \"quoted\" name"}));
    EXPECT_EQ(shapes.readRecord(2), (Record{4, 5, 6}));
    EXPECT_EQ(shapes.readRecord(3), (Record{7, 8, 9})) << "duplicates keep their own records";

    ASSERT_TRUE(shapes.remove(1).ok());
    EXPECT_EQ(shapes.names(), (std::vector<std::string>{"no name", "Same", "A \"quoted\" name"}));
    EXPECT_EQ(shapes.readRecord(2), (Record{7, 8, 9}));
    EXPECT_EQ(shapes.readRecord(3), (Record{10, 11, 12}));
}

TEST(SchemeFiles, DeletingTheSecondOfFour)
{
    test::TempDir dir;
    install(dir, kShapes, "scheme_four");
    SchemeFiles shapes(dir.path(), kShapes);
    EXPECT_EQ(shapes.names(), (std::vector<std::string>{"Alpha", "Say \"hi\"", "Alpha", "Last"}));

    ASSERT_TRUE(shapes.remove(1).ok());
    EXPECT_EQ(dir.read("shapes.hcs"), fixture("scheme_four_del1.hcs"));
    EXPECT_EQ(dir.read("shapes.dat"), fixture("scheme_four_del1.dat"));
    EXPECT_EQ(snapshot(dir).size(), 2u) << "no temporary left";
}

TEST(SchemeFiles, DeletingTheLastKeepsEverythingElse)
{
    test::TempDir dir;
    install(dir, kShapes, "scheme_four");
    SchemeFiles shapes(dir.path(), kShapes);
    ASSERT_TRUE(shapes.remove(3).ok());
    EXPECT_EQ(dir.read("shapes.hcs"), fixture("scheme_four_del3.hcs"));
    EXPECT_EQ(dir.read("shapes.dat"), fixture("scheme_four_del3.dat"));
    EXPECT_EQ(shapes.names().at(1), "Say \"hi\"") << "a quoted name survives a delete of another entry";
}

TEST(SchemeFiles, DeletingAPositionWithoutALineChangesNothing)
{
    test::TempDir dir;
    install(dir, kShapes, "scheme_four");
    const auto before = snapshot(dir);
    SchemeFiles shapes(dir.path(), kShapes);
    EXPECT_EQ(shapes.remove(4).status, SchemeFileStatus::NoSuchScheme);
    EXPECT_EQ(snapshot(dir), before);

    SchemeFiles missing(dir.path(), kLinks);
    EXPECT_EQ(missing.remove(0).status, SchemeFileStatus::NoSuchScheme);
    EXPECT_EQ(snapshot(dir), before) << "a missing list creates nothing";
}

TEST(SchemeFiles, StaleTemporariesNeverCarryRecordsIn)
{
    test::TempDir dir;
    install(dir, kShapes, "scheme_four");
    dir.write("colorset.dam", "FFFFFFFFFFFFFFFFFF000000000000000000EEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEE");
    dir.write("set.hct", "\"stale\"\r\n\"stale\"\r\n\"stale\"\r\n\"stale\"\r\n\"stale\"\r\n");
    ASSERT_TRUE(SchemeFiles(dir.path(), kShapes).remove(1).ok());
    EXPECT_EQ(dir.read("shapes.hcs"), fixture("scheme_four_del1.hcs"));
    EXPECT_EQ(dir.read("shapes.dat"), fixture("scheme_four_del1.dat"));
    EXPECT_FALSE(dir.exists("colorset.dam"));
    EXPECT_FALSE(dir.exists("set.hct"));
}

TEST(SchemeFiles, MalformedListAndDataLoadWhatIsValidAndWriteNothing)
{
    test::TempDir dir;
    install(dir, kLinks, "scheme_malformed");
    const auto before = snapshot(dir);
    SchemeFiles links(dir.path(), kLinks);

    // CR LF, an empty line, a one-character LF line, a CR line, and a last line without an end.
    EXPECT_EQ(links.names(), (std::vector<std::string>{"First", "", "", "Fourth", "Fifth"}));
    EXPECT_EQ(links.lineCount(), 5u);

    EXPECT_EQ(links.readRecord(1), Record(kClassic.begin(), kClassic.end()));
    EXPECT_EQ(links.readRecord(2),
              (Record{0x123456, std::nullopt, 0x654321, std::nullopt, 0xABCDEF, 0x0000FF}));
    EXPECT_EQ(links.readRecord(3), (Record{0x0000FF, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                                           std::nullopt}))
        << "a record cut short";
    EXPECT_EQ(links.readRecord(4), std::nullopt);
    EXPECT_EQ(links.readRecord(5), std::nullopt);
    EXPECT_EQ(links.readRecord(0), std::nullopt);

    SchemeState state;
    state.loadRecord(kLinks, links.readRecord(1).value());
    state.loadRecord(kLinks, links.readRecord(2).value());
    EXPECT_EQ(state.caption(kLinks, "lbltext1"), "Text Color: #563412");
    EXPECT_EQ(state.color(kLinks, {"lbldisplay", SampleProperty::BackColor}), kWhite) << "kept from record 1";
    EXPECT_EQ(state.caption(kLinks, "lblnl"), "Normal Link Color: #214365");
    EXPECT_EQ(state.caption(kLinks, "lblvl"), "Visited Link Color: #800080") << "kept from record 1";
    EXPECT_EQ(state.caption(kLinks, "lblal"), "Active Link Color: #EFCDAB");
    EXPECT_EQ(state.caption(kLinks, "lblhl"), "Hover Link Color: #FF0000");

    EXPECT_EQ(snapshot(dir), before) << "loading writes nothing";
}

TEST(SchemeFiles, MissingFilesReadAsEmpty)
{
    test::TempDir dir;
    SchemeFiles tables(dir.path(), SchemeStyles::kTables);
    EXPECT_TRUE(tables.names().empty());
    EXPECT_EQ(tables.lineCount(), 0u);
    EXPECT_EQ(tables.readRecord(1), std::nullopt);

    dir.write("tables.hcs", "\"Lonely\"\r\n");
    EXPECT_EQ(tables.names(), std::vector<std::string>{"Lonely"});
    EXPECT_EQ(tables.readRecord(1), std::nullopt) << "no data file";
    EXPECT_EQ(snapshot(dir).size(), 1u);
}

TEST(SchemeFiles, DeletingFromMalformedFilesRewritesQuotedLinesAndKeepsRecordsAligned)
{
    test::TempDir dir;
    install(dir, kLinks, "scheme_malformed");
    SchemeFiles links(dir.path(), kLinks);
    ASSERT_TRUE(links.remove(3).ok());
    EXPECT_EQ(dir.read("weblinks.hcs"), "\"First\"\r\n\"\"\r\n\"\"\r\n\"Fifth\"\r\n");
    // Records 1 to 3 stay; record 4 and 5 never existed.
    EXPECT_EQ(dir.read("weblinks.dat"), fixture("scheme_malformed.dat"));

    ASSERT_TRUE(links.remove(1).ok());
    EXPECT_EQ(links.names(), (std::vector<std::string>{"First", "", "Fifth"}));
    EXPECT_EQ(links.readRecord(2), (Record{0x0000FF, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                                           std::nullopt}));
    EXPECT_EQ(links.readRecord(3), std::nullopt);
}

TEST(SchemeFiles, SavingCompletesAShortDataFileWithInitialColours)
{
    test::TempDir dir;
    dir.write("shapes.hcs", "\"one\"\r\n\"two\"\r\n\"three\"\r\n");
    dir.write("shapes.dat", "111111222222333333");
    SchemeFiles shapes(dir.path(), kShapes);
    ASSERT_TRUE(shapes.save("four", {0x444444, 0x555555, 0x666666}).ok());
    EXPECT_EQ(dir.read("shapes.dat"),
              "111111222222333333" "999999CCCCCCFFFFFF" "999999CCCCCCFFFFFF" "444444555555666666");
    EXPECT_EQ(shapes.readRecord(4), (Record{0x444444, 0x555555, 0x666666}));

    // A file ending inside a field loses the broken field; the rest of its record is completed.
    dir.write("shapes.hcs", "\"one\"\r\n\"two\"\r\n");
    dir.write("shapes.dat", "111111222222333333" "ABCDEF0102");
    ASSERT_TRUE(shapes.save("three", {7, 8, 9}).ok());
    EXPECT_EQ(dir.read("shapes.dat"), "111111222222333333" "ABCDEFCCCCCCFFFFFF" "000007000008000009");
    EXPECT_FALSE(dir.exists("colorset.dam"));
}

TEST(SchemeFiles, SavingReplacesARecordLeftWithoutItsLine)
{
    test::TempDir dir;
    dir.write("shapes.hcs", "\"one\"\r\n");
    dir.write("shapes.dat", "111111111111111111" "EEEEEEEEEEEEEEEEEE" "DDDDDDDDDDDDDDDDDD");
    ASSERT_TRUE(SchemeFiles(dir.path(), kShapes).save("two", {2, 2, 2}).ok());
    EXPECT_EQ(dir.read("shapes.dat"), "111111111111111111" "000002000002000002" "DDDDDDDDDDDDDDDDDD");
    EXPECT_EQ(dir.read("shapes.hcs"), "\"one\"\r\n\"two\"\r\n");
    EXPECT_FALSE(dir.exists("colorset.dam"));
}

TEST(SchemeFiles, SavingAfterALastLineWithoutItsEndStartsANewLine)
{
    struct Row
    {
        const char* list;
        const char* expected;
    };
    const Row rows[] = {
        {"\"one\"", "\"one\"\r\n\"two\"\r\n"},
        {"\"one\"\n", "\"one\"\n\"two\"\r\n"},
        {"\"one\"\r", "\"one\"\r\"two\"\r\n"},
    };
    for (const Row& r : rows) {
        test::TempDir dir;
        dir.write("shapes.hcs", r.list);
        dir.write("shapes.dat", "111111111111111111");
        SchemeFiles shapes(dir.path(), kShapes);
        ASSERT_TRUE(shapes.save("two", {2, 2, 2}).ok());
        EXPECT_EQ(dir.read("shapes.hcs"), r.expected) << "list [" << r.list << "]";
        EXPECT_EQ(shapes.names(), (std::vector<std::string>{"one", "two"})) << "list [" << r.list << "]";
        EXPECT_EQ(shapes.readRecord(2), (Record{2, 2, 2})) << "list [" << r.list << "]";
    }
}

// Fails each mutating step of a delete in turn: the two files must be either both exactly as
// they were or both exactly the new ones, and no temporary may be left.
TEST(SchemeFiles, EveryFailingStepOfADeleteLeavesBothFilesWhole)
{
    const std::string oldList = fixture("scheme_four.hcs");
    const std::string oldData = fixture("scheme_four.dat");
    const std::string newList = fixture("scheme_four_del1.hcs");
    const std::string newData = fixture("scheme_four_del1.dat");

    int failures = 0;
    for (int step = 1; step <= 40; ++step) {
        test::TempDir dir;
        install(dir, kShapes, "scheme_four");
        FaultInjection::failAt(step);
        const SchemeFileResult result = SchemeFiles(dir.path(), kShapes).remove(1);
        const int operations = FaultInjection::count();
        FaultInjection::reset();

        const std::string list = dir.read("shapes.hcs");
        const std::string data = dir.read("shapes.dat");
        EXPECT_FALSE(dir.exists("set.hct")) << "step " << step;
        EXPECT_FALSE(dir.exists("colorset.dam")) << "step " << step;
        if (step > operations) {
            EXPECT_TRUE(result.ok()) << "step " << step;
            EXPECT_EQ(list, newList);
            EXPECT_EQ(data, newData);
            break;
        }
        ++failures;
        EXPECT_FALSE(result.ok()) << "step " << step;
        EXPECT_EQ(list, oldList) << "step " << step;
        EXPECT_EQ(data, oldData) << "step " << step;
        if (result.status == SchemeFileStatus::DataFileNotWritten) {
            EXPECT_EQ(result.file, dir / "shapes.dat") << "step " << step;
        } else {
            EXPECT_EQ(result.status, SchemeFileStatus::ListFileNotWritten) << "step " << step;
            EXPECT_EQ(result.file, dir / "shapes.hcs") << "step " << step;
        }
    }
    // Two temporaries written (create, write, flush each) and two renames.
    EXPECT_EQ(failures, 8);
}

TEST(SchemeFiles, DeleteReportsWhichFileCouldNotBeWritten)
{
    // Steps 1-3 write the data temporary, 4-6 the list temporary, 7 renames the data, 8 the list.
    const std::pair<int, SchemeFileStatus> rows[] = {
        {1, SchemeFileStatus::DataFileNotWritten}, {3, SchemeFileStatus::DataFileNotWritten},
        {4, SchemeFileStatus::ListFileNotWritten}, {6, SchemeFileStatus::ListFileNotWritten},
        {7, SchemeFileStatus::DataFileNotWritten}, {8, SchemeFileStatus::ListFileNotWritten},
    };
    for (const auto& [step, status] : rows) {
        test::TempDir dir;
        install(dir, kShapes, "scheme_four");
        FaultInjection::failAt(step);
        const SchemeFileResult result = SchemeFiles(dir.path(), kShapes).remove(2);
        FaultInjection::reset();
        EXPECT_EQ(result.status, status) << "step " << step;
    }
}

TEST(SchemeFiles, AFailedSaveNeverListsANameWithoutItsRecord)
{
    for (const bool rewrite : {false, true}) {
        for (int step = 1; step <= 20; ++step) {
            test::TempDir dir;
            dir.write("shapes.hcs", "\"one\"\r\n");
            // With a leftover record 2 the save must rewrite the data file instead of appending.
            const std::string oldData = rewrite ? "111111111111111111EEEEEEEEEEEEEEEEEE" : "111111111111111111";
            dir.write("shapes.dat", oldData);
            FaultInjection::failAt(step);
            const SchemeFileResult result = SchemeFiles(dir.path(), kShapes).save("two", {2, 2, 2});
            const int operations = FaultInjection::count();
            FaultInjection::reset();

            const std::string label = std::string(rewrite ? "rewrite" : "append") + " step " + std::to_string(step);
            EXPECT_FALSE(dir.exists("colorset.dam")) << label;
            const std::string data = dir.read("shapes.dat");
            if (step > operations) {
                EXPECT_TRUE(result.ok()) << label;
                EXPECT_EQ(dir.read("shapes.hcs"), "\"one\"\r\n\"two\"\r\n") << label;
                EXPECT_EQ(data, "111111111111111111000002000002000002") << label;
                break;
            }
            EXPECT_FALSE(result.ok()) << label;
            EXPECT_EQ(dir.read("shapes.hcs"), "\"one\"\r\n") << label;
            if (result.status == SchemeFileStatus::DataFileNotWritten) {
                EXPECT_EQ(data, oldData) << label;
                EXPECT_EQ(result.file, dir / "shapes.dat") << label;
            } else {
                // The record went in, the name did not: the record waits beyond the last line
                // and the next save takes its place.
                EXPECT_EQ(result.status, SchemeFileStatus::ListFileNotWritten) << label;
                EXPECT_EQ(data, "111111111111111111000002000002000002") << label;
                ASSERT_TRUE(SchemeFiles(dir.path(), kShapes).save("three", {3, 3, 3}).ok()) << label;
                EXPECT_EQ(SchemeFiles(dir.path(), kShapes).readRecord(2), (Record{3, 3, 3})) << label;
            }
        }
    }
}
