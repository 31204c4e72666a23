// Damaged and huge data files: reading never crashes and never changes a file, damaged records read
// as what they hold, foreign line ends read like CR LF, and a huge palette is read a page at a time.
// (Writes under faults, a read-only folder and a full disk: rewrite_faults_test.)
#include "core/files/inifile.h"
#include "core/app/settingstable.h"
#include "core/palette/chartindex.h"
#include "core/palette/palettefile.h"
#include "core/palette/palettepage.h"
#include "core/palette/palettestore.h"
#include "palette_testutil.h"
#include "core/files/fileio.h"
#include "core/scheme/schemefiles.h"
#include "core/scheme/schemestate.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>

using namespace prismara;
using prismara::test::indexOf;
using prismara::test::records;
using prismara::test::TempDir;

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Files = std::map<std::string, std::string>;

const std::string kIndex = indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0", "c2.rgb|CSS|2",
                                    "c3.rgb|Grays|2", "c4.rgb|Mine|1", "c5.rgb|Other|1"});
const std::string kPalette = records("FF0000 00FF00 FF0000 0000FF 00FF00");

// Every file in a folder with its bytes and its modification time.
using FolderState = std::map<std::string, std::pair<std::string, fs::file_time_type>>;

FolderState stateOf(const fs::path& folder)
{
    FolderState state;
    for (const auto& entry : fs::directory_iterator(folder))
        state[entry.path().filename().string()] = {readFile(entry.path()).value_or("<unreadable>"),
                                                   fs::last_write_time(entry.path())};
    return state;
}

} // namespace

// Damaged files: each folder is read through every reader; nothing crashes and no file changes.
TEST(HostileFiles, DamagedFilesReadWithoutCrashingAndWithoutBeingChanged)
{
    struct Damage
    {
        std::string what;
        Files files;
    };
    const std::string latin1Name = "Gr\xE9" "en \"Stuff\"";
    const Damage damages[] = {
        {"records cut short, lower case and not hex",
         {{"colorchart.cci", kIndex}, {"c4.rgb", "FF0000ff00aaGG1234 12345#1234567"}, {"c5.rgb", "12"}}},
        {"index whose line count is not a multiple of three",
         {{"colorchart.cci", kIndex + "c9.rgb\r\nHalf a record\r\n"}, {"c4.rgb", kPalette}}},
        {"index of one line", {{"colorchart.cci", "c1.rgb\r\n"}}},
        {"empty index", {{"colorchart.cci", ""}}},
        {"index records naming other folders",
         {{"colorchart.cci", indexOf({"../c1.rgb|Out|0", "/etc/passwd|Abs|1", "c:\\x.rgb|Dos|1", "..|Up|1",
                                      "c4.rgb|Mine|1"})},
          {"c4.rgb", kPalette}}},
        {"names with quotes and letters beyond ASCII",
         {{"colorchart.cci", indexOf({"c1.rgb|Ünïcödé \"Farben\"|0", "recent.rgb|" + latin1Name + "|0",
                                      "cé.rgb|\xC3\xA9t\xC3\xA9|1", "c4.rgb|\"quoted\" name|1"})},
          {"cé.rgb", kPalette},
          {"weblinks.hcs", "\"Ünïcödé\"\r\n\"" + latin1Name + "\"\r\n\"\"\"\"\r\n\"\r\n"},
          {"weblinks.dat", std::string(4 * 36, 'F')}}},
        {"scheme files with CR-only and LF-only lines, short and bad records",
         {{"shapes.hcs", "\"a\"\r\"b\"\n\"c\"\r\n\n\"d"},
          {"shapes.dat", "111111222222333333abcdefABCDEF12345GGGGGGxyz\0\0\0\0"s},
          {"layout.hcs", "\"only line without end"},
          {"layout.dat", "12"}}},
        {"settings file of junk",
         {{"prismara.ini", "[Position]\r\nX=+-12\r\nY=99999999999\r\n[\r\n=\r\n\0\xFF\xFE[x]\n"s}}},
    };
    for (const Damage& damage : damages) {
        TempDir dir;
        for (const auto& [name, bytes] : damage.files)
            dir.write(name, bytes);
        const FolderState before = stateOf(dir.path());

        PaletteStore store(dir.path());
        (void)store.readIndex();
        (void)store.takeWarnings();
        for (int position = 0; position < store.chartCount(); ++position) {
            const PaletteFile palette = store.palette(position);
            const std::int32_t n = palette.count();
            (void)palette.page(n, 1);
            (void)palette.page(n, PalettePage::pageCount(n));
            (void)palette.colors(1, n);
            (void)palette.color(n);
        }
        for (std::size_t style = 0; style < SchemeStyles::all().size(); ++style) {
            const SchemeFiles files(dir.path(), style);
            SchemeState state;
            const std::vector<std::string> names = files.names();
            EXPECT_EQ(names.size(), files.lineCount()) << damage.what;
            for (std::size_t k = 1; k <= names.size() + 1; ++k) {
                if (const auto record = files.readRecord(k))
                    state.loadRecord(style, *record);
            }
        }
        if (const auto ini = readFile(dir / "prismara.ini")) {
            const IniFile settings = IniFile::parse(*ini);
            EXPECT_EQ(ParseSettingNumber(settings.get("Position", "X").value_or("")), std::nullopt) << damage.what;
            EXPECT_EQ(ParseSettingNumber(settings.get("Position", "Y").value_or("")), std::nullopt) << damage.what;
        }
        EXPECT_TRUE(stateOf(dir.path()) == before) << damage.what << ": reading changed a file";
    }
}

TEST(HostileFiles, DamagedRecordsReadAsWhatTheyHold)
{
    TempDir dir;
    dir.write("c4.rgb", "FF0000ff00aaGG1234 12345#12345");
    const PaletteFile palette(dir.path(), "c4.rgb");
    ASSERT_EQ(palette.count(), 5) << "the trailing partial record is not a colour";
    EXPECT_EQ(palette.color(1), MakeColor(255, 0, 0));
    EXPECT_EQ(palette.color(2), MakeColor(255, 0, 170)) << "lower-case digits read as hexadecimal";
    EXPECT_EQ(palette.color(3), std::nullopt) << "not hexadecimal";
    EXPECT_EQ(palette.color(4), std::nullopt) << "a blank inside the record";
    EXPECT_EQ(palette.color(5), std::nullopt) << "a # inside the record";
    EXPECT_EQ(palette.color(6), std::nullopt);

    dir.write("shapes.dat", "0000FFabcdef12");
    const SchemeFiles shapes(dir.path(), SchemeStyles::kShapes);
    EXPECT_EQ(shapes.readRecord(1), (SchemeFiles::Record{0x0000FF, 0xABCDEF, std::nullopt}))
        << "a field cut short has no colour";
    SchemeState state;
    const SchemeState untouched;
    state.loadRecord(SchemeStyles::kShapes, *shapes.readRecord(1));
    EXPECT_EQ(state.sourceColors(SchemeStyles::kShapes)[2], untouched.sourceColors(SchemeStyles::kShapes)[2])
        << "a field without a colour leaves its sample as it was";
}

TEST(HostileFiles, AnIndexWithForeignLineEndsReadsLikeTheCrLfOneAndIsRepairedOnce)
{
    const std::string crlf = kIndex;
    std::string lf = crlf;
    std::string cr = crlf;
    for (std::size_t at = 0; (at = lf.find("\r\n", at)) != std::string::npos;)
        lf.replace(at, 2, "\n");
    for (std::size_t at = 0; (at = cr.find("\r\n", at)) != std::string::npos;)
        cr.replace(at, 2, "\r");
    TempDir reference;
    reference.write("colorchart.cci", crlf);
    const ChartList expected = ChartIndex(reference.path()).read();
    for (const auto& [what, text] : {std::pair{"LF only", lf}, std::pair{"CR only", cr}}) {
        TempDir dir;
        dir.write("colorchart.cci", text);
        const ChartList list = ChartIndex(dir.path()).read();
        ASSERT_EQ(list.entries.size(), expected.entries.size()) << what;
        for (std::size_t i = 0; i < list.entries.size(); ++i) {
            EXPECT_EQ(list.entries[i].file, expected.entries[i].file) << what;
            EXPECT_EQ(list.entries[i].name, expected.entries[i].name) << what;
            EXPECT_EQ(list.entries[i].kind, expected.entries[i].kind) << what;
        }
        EXPECT_EQ(list.newChartFile, expected.newChartFile) << what;
        // The repair that precedes every read writes the index with CR LF once; later reads leave it.
        EXPECT_EQ(dir.read("colorchart.cci"), crlf) << what;
        const FolderState repaired = stateOf(dir.path());
        (void)ChartIndex(dir.path()).read();
        EXPECT_TRUE(stateOf(dir.path()) == repaired) << what;
    }
}

TEST(HostileFiles, AHundredMegabytePalettePagesWithoutBeingReadWhole)
{
    TempDir dir;
    constexpr std::uintmax_t kSize = 100ull * 1024 * 1024;
    {
        std::ofstream out(dir / "c4.rgb", std::ios::binary);
    }
    fs::resize_file(dir / "c4.rgb", kSize); // sparse: made at once, holds zero bytes
    const std::int32_t n = static_cast<std::int32_t>(kSize / 6);
    {
        // The newest colours, at the end of the file, are real records.
        std::fstream io(dir / "c4.rgb", std::ios::binary | std::ios::in | std::ios::out);
        io.seekp(static_cast<std::streamoff>((static_cast<std::uintmax_t>(n) - 3) * 6));
        io << "FF000000FF000000FF";
    }
    const auto bytesRead = [] {
        std::ifstream io("/proc/self/io");
        std::string key;
        std::uintmax_t value = 0;
        while (io >> key >> value) {
            if (key == "rchar:")
                return std::optional<std::uintmax_t>(value);
        }
        return std::optional<std::uintmax_t>();
    };
    const auto before = bytesRead();

    const PaletteFile palette(dir.path(), "c4.rgb");
    ASSERT_EQ(palette.count(), n);
    const PalettePageCells first = palette.page(n, 1);
    EXPECT_EQ(first[0].record, n);
    EXPECT_EQ(first[0].color, MakeColor(0, 0, 255));
    EXPECT_EQ(first[1].color, MakeColor(0, 255, 0));
    EXPECT_EQ(first[2].color, MakeColor(255, 0, 0));
    EXPECT_EQ(first[3].color, std::nullopt) << "zero bytes are no colour";
    const std::int32_t pages = PalettePage::pageCount(n);
    const PalettePageCells last = palette.page(n, pages);
    EXPECT_EQ(last[0].record, n - (pages - 1) * PalettePage::kCells);
    EXPECT_EQ(palette.color(n), MakeColor(0, 0, 255));
    EXPECT_EQ(palette.colors(n - 2, n + 5).size(), 3u);

    const auto after = bytesRead();
    if (!before || !after)
        GTEST_SKIP() << "this system does not count the bytes a process reads";
    EXPECT_LT(*after - *before, 1024u * 1024u) << "a page read only the records it shows";
}
