// Hostile surroundings: a program folder that cannot be written (injected faults, a read-only
// mount, a real chmod 0555 when not root), a full disk (a small tmpfs when the test may mount
// one), and damaged data files. Every write that fails says which file, and changes nothing;
// reading damaged files never crashes and never changes a file.
#include "core/files/inifile.h"
#include "core/app/settingstable.h"
#include "core/palette/chartindex.h"
#include "core/palette/colorpage.h"
#include "core/palette/palettefile.h"
#include "core/palette/palettepage.h"
#include "core/palette/palettestore.h"
#include "palette_testutil.h"
#include "core/files/fileio.h"
#include "core/scheme/schemefiles.h"
#include "core/scheme/schemestate.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <fstream>
#include <functional>
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

// What a write command reports: whether it worked and the file it names when it did not.
struct Outcome
{
    bool ok;
    std::string file;
    std::string message;
};

Outcome of(const StoreResult& result) { return {result.ok(), result.file(), result.message()}; }
Outcome of(const SchemeFileResult& result)
{
    return {result.ok(), result.file.filename().string(), result.file.filename().string()};
}

// A write command with the folder it needs and the file a failure must name.
struct Write
{
    std::string what;
    Files files;
    std::string names;
    std::function<Outcome(const fs::path&)> run;
    bool needsSpace = true; // false: works on a full disk (deleting, creating an empty file)
};

std::vector<Write> writes()
{
    const Files index{{"colorchart.cci", kIndex}, {"c4.rgb", kPalette}, {"c5.rgb", kPalette}};
    const Files shapes{{"shapes.hcs", "\"one\"\r\n\"two\"\r\n"}, {"shapes.dat", "111111111111111111222222222222222222"}};
    return {
        {"index repair", {{"colorchart.cci", kIndex + "  \r\n"}}, "colorchart.cci",
         [](const fs::path& f) { return of(ChartIndex(f).RepairFile()); }},
        {"New Color Palette", index, "colorchart.cci",
         [](const fs::path& f) {
             PaletteStore store(f);
             (void)store.readIndex();
             return of(store.addChart("Ünïcödé \"palette\""));
         }},
        {"Delete Current Palette", index, "colorchart.cci",
         [](const fs::path& f) {
             PaletteStore store(f);
             (void)store.readIndex();
             return of(store.deleteChart(5));
         }},
        {"DeleteChart", index, "colorchart.cci", [](const fs::path& f) { return of(ChartIndex(f).DeleteChart(5)); }},
        {"Add This Color To", index, "c4.rgb",
         [](const fs::path& f) { return of(AppendChartColor(f, "c4.rgb", "#123456")); }},
        {"Clear Duplicate Colors", index, "c4.rgb",
         [](const fs::path& f) { return of(PaletteFile(f, "c4.rgb").removeDuplicates()); }},
        {"Delete Selected Color", index, "c4.rgb",
         [](const fs::path& f) { return of(PaletteFile(f, "c4.rgb").removeRecord(3)); }},
        {"Clear All Colors", index, "c4.rgb", [](const fs::path& f) { return of(PaletteFile(f, "c4.rgb").clear()); },
         false},
        {"showing a new palette", index, "c6.rgb", [](const fs::path& f) { return of(PaletteFile(f, "c6.rgb").create()); },
         false},
        {"recent colour", {{"recent.rgb", kPalette}}, "recent.rgb",
         [](const fs::path& f) { return of(PaletteStore(f).appendRecent(MakeColor(1, 2, 3))); }},
        {"recent colours at start-up", {}, "recent.rgb",
         [](const fs::path& f) { return of(PaletteStore(f).createRecentFile()); }, false},
        {"recent colours at shutdown", {{"recent.rgb", kPalette}}, "recent.rgb",
         [](const fs::path& f) { return of(PaletteStore(f).deleteRecentFile()); }, false},
        {"Save Current Color scheme", shapes, "shapes.dat",
         [](const fs::path& f) { return of(SchemeFiles(f, SchemeStyles::kShapes).save("three", {3, 3, 3})); }},
        {"Delete This Scheme", shapes, "shapes.dat",
         [](const fs::path& f) { return of(SchemeFiles(f, SchemeStyles::kShapes).remove(1)); }},
        {"Save as Html", {{"#336699.htm", "an earlier page"}}, "#336699.htm",
         [](const fs::path& f) {
             ColorPageTexts texts;
             texts.txtHex = "#336699";
             return of(SaveColorPage(f / "#336699.htm", texts));
         }},
    };
}

void install(const fs::path& folder, const Files& files)
{
    for (const auto& [name, bytes] : files) {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
}

// Every file in a folder with its bytes and its modification time.
struct FileState
{
    std::string bytes;
    fs::file_time_type mtime;
    bool operator==(const FileState&) const = default;
};
using FolderState = std::map<std::string, FileState>;

FolderState stateOf(const fs::path& folder)
{
    FolderState state;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        state[name] = {ReadFile(entry.path()).value_or("<unreadable>"), fs::last_write_time(entry.path())};
    }
    return state;
}

std::string describe(const FolderState& state)
{
    std::string out;
    for (const auto& entry : state)
        out += entry.first + "(" + std::to_string(entry.second.bytes.size()) + ") ";
    return out;
}

// Only the bytes: a write the full disk cut short and that was taken back has touched the
// file's time.
FolderState bytesOnly(FolderState state)
{
    for (auto& entry : state)
        entry.second.mtime = {};
    return state;
}

void expectRefusedUnchanged(const Write& write, const Outcome& outcome, const FolderState& before,
                            const fs::path& folder, const std::string& where, bool compareTimes = true)
{
    EXPECT_FALSE(outcome.ok) << where << ": " << write.what;
    EXPECT_EQ(outcome.file, write.names) << where << ": " << write.what;
    EXPECT_NE(outcome.message.find(write.names), std::string::npos)
        << where << ": " << write.what << ": " << outcome.message;
    const FolderState after = compareTimes ? stateOf(folder) : bytesOnly(stateOf(folder));
    EXPECT_TRUE(after == (compareTimes ? before : bytesOnly(before))) << where << ": " << write.what << " changed the folder: " << describe(before)
                                 << "-> " << describe(after);
}

// A small tmpfs mounted over a fresh folder, for as long as the object lives. Mounting needs
// root and a system that allows it; where it does not, mounted() is false.
class SmallDisk
{
public:
    explicit SmallDisk(const fs::path& where) : where_(where)
    {
        if (::geteuid() == 0)
            mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0755") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(where_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }

    bool makeReadOnly() const
    {
        return ::mount(nullptr, where_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                       "size=64k") == 0;
    }

    // Takes every free byte of the disk into one file.
    void fill() const
    {
        const int fd = ::open((where_ / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'x');
        for (std::size_t chunk : {std::size_t{4096}, std::size_t{1}}) {
            while (::write(fd, block.data(), chunk) > 0) {
            }
        }
        ::close(fd);
    }

private:
    fs::path where_;
    bool mounted_ = false;
};

class Hostile : public ::testing::Test
{
protected:
    void TearDown() override { FaultInjection::reset(); }
};

} // namespace

TEST_F(Hostile, AFolderThatRefusesWritesChangesNothingAndEachFailureNamesItsFile)
{
    // The first mutating step of each command fails, as it does in a read-only folder.
    for (const Write& write : writes()) {
        TempDir dir;
        install(dir.path(), write.files);
        const FolderState before = stateOf(dir.path());
        FaultInjection::failAt(1);
        const Outcome outcome = write.run(dir.path());
        FaultInjection::reset();
        expectRefusedUnchanged(write, outcome, before, dir.path(), "refused writes");
    }
}

TEST_F(Hostile, AReadOnlyMountChangesNothingAndEachFailureNamesItsFile)
{
    int mounted = 0;
    for (const Write& write : writes()) {
        TempDir dir;
        SmallDisk disk(dir.path());
        if (!disk.mounted())
            break;
        install(dir.path(), write.files);
        ASSERT_TRUE(disk.makeReadOnly()) << write.what;
        ++mounted;
        const FolderState before = stateOf(dir.path());
        expectRefusedUnchanged(write, write.run(dir.path()), before, dir.path(), "read-only mount");
    }
    if (mounted == 0)
        GTEST_SKIP() << "no tmpfs can be mounted here (not root, or mounting is not allowed)";
}

TEST_F(Hostile, AFolderWithoutWritePermissionChangesNothing)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write whatever the modes say; covered by injected faults and a read-only mount";
    // An installed program folder: the folder and its files belong to someone else.
    for (const Write& write : writes()) {
        TempDir dir;
        install(dir.path(), write.files);
        for (const auto& entry : write.files)
            fs::permissions(dir / entry.first, fs::perms(0444));
        fs::permissions(dir.path(), fs::perms(0555));
        const FolderState before = stateOf(dir.path());
        const Outcome outcome = write.run(dir.path());
        fs::permissions(dir.path(), fs::perms(0755));
        expectRefusedUnchanged(write, outcome, before, dir.path(), "mode 0555");
    }
}

TEST_F(Hostile, AFullDiskChangesNothingAndAfterwardsEveryWriteWorks)
{
    // The files end just short of a page, so an append finds room for its first bytes only:
    // a write cut short by the full disk must be taken back.
    const std::string nearlyAPage = records("ABCDEF") + std::string(4092 - 6, '0');
    const std::string fourRecords = indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0",
                                             "c2.rgb|CSS|2", "c3.rgb|Grays|2", "c4.rgb|Mine|1"});
    const std::string longName(4090 - fourRecords.size() - std::string("c5.rgb\r\n\r\n1\r\n").size(), 'n');
    const std::string nearlyAPageIndex = fourRecords + "c5.rgb\r\n" + longName + "\r\n1\r\n";
    std::string longList;
    for (int k = 0; k < 227; ++k)
        longList += "\"n\"\r\n";
    int mounted = 0;
    for (Write write : writes()) {
        TempDir dir;
        SmallDisk disk(dir.path());
        if (!disk.mounted())
            break;
        ++mounted;
        const auto replace = [&write](const std::string& name, const std::string& bytes) {
            if (write.files.count(name) != 0)
                write.files[name] = bytes;
        };
        replace("c4.rgb", nearlyAPage);
        replace("recent.rgb", nearlyAPage);
        if (write.files.count("colorchart.cci") != 0 && write.what != "index repair")
            write.files["colorchart.cci"] = nearlyAPageIndex;
        if (write.what == "Save Current Color scheme") {
            // 227 records of 18 bytes end 10 bytes short of a page; the list has a line for each.
            write.files["shapes.dat"] = std::string(227 * 18, 'A');
            write.files["shapes.hcs"] = longList;
        }
        install(dir.path(), write.files);
        disk.fill();
        const FolderState before = stateOf(dir.path());
        const Outcome outcome = write.run(dir.path());
        if (write.needsSpace) {
            expectRefusedUnchanged(write, outcome, before, dir.path(), "full disk", false);
        } else {
            EXPECT_TRUE(outcome.ok) << write.what << " needs no space: " << outcome.message;
        }

        // With room again the same command works.
        ASSERT_TRUE(RemoveFile(dir / "filler"));
        if (write.needsSpace) {
            const Outcome retry = write.run(dir.path());
            EXPECT_TRUE(retry.ok) << write.what << " after space was freed: " << retry.message;
        }
        EXPECT_FALSE(dir.exists("colorchart.cct") || dir.exists("c4.rgb.tmp") || dir.exists("c4.rgb.ctm") ||
                     dir.exists("set.hct") || dir.exists("colorset.dam"))
            << write.what;
    }
    if (mounted == 0)
        GTEST_SKIP() << "no tmpfs can be mounted here (not root, or mounting is not allowed)";
}

// Damaged files: each folder is read through every reader; nothing crashes and no file changes.
TEST_F(Hostile, DamagedFilesReadWithoutCrashingAndWithoutBeingChanged)
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
        install(dir.path(), damage.files);
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
        if (const auto ini = ReadFile(dir / "prismara.ini")) {
            const IniFile settings = IniFile::parse(*ini);
            EXPECT_EQ(ParseSettingNumber(settings.get("Position", "X").value_or("")), std::nullopt) << damage.what;
            EXPECT_EQ(ParseSettingNumber(settings.get("Position", "Y").value_or("")), std::nullopt) << damage.what;
        }
        EXPECT_TRUE(stateOf(dir.path()) == before) << damage.what << ": reading changed a file";
    }
}

TEST_F(Hostile, DamagedRecordsReadAsWhatTheyHold)
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

TEST_F(Hostile, AnIndexWithForeignLineEndsReadsLikeTheCrLfOneAndIsRepairedOnce)
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

TEST_F(Hostile, AHundredMegabytePalettePagesWithoutBeingReadWhole)
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
