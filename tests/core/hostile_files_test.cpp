// Damaged and huge data files: damaged records read as what they hold, foreign line ends read like
// CR LF, and a huge palette is read a page at a time. (Writes under faults, a read-only folder and a
// full disk: rewrite_faults_test; any bytes at all: the fuzz targets.)
#include "core/palette/chartindex.h"
#include "core/palette/palettefile.h"
#include "core/palette/palettepage.h"
#include "core/scheme/schemefiles.h"
#include "core/scheme/schemestate.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace prismara;
using namespace prismara::test;

TEST(HostileFiles, ADamagedSchemeRecordReadsAsWhatItHolds)
{
    TempDir dir;
    dir.write("shapes.dat", "0000FFabcdef12");
    const SchemeFiles shapes(dir.path(), SchemeStyles::kShapes);
    ASSERT_EQ(shapes.readRecord(1), (SchemeFiles::Record{0x0000FF, 0xABCDEF, std::nullopt})) << "a field cut short";
    SchemeState state;
    state.loadRecord(SchemeStyles::kShapes, *shapes.readRecord(1));
    EXPECT_EQ(state.sourceColors(SchemeStyles::kShapes)[2], SchemeState().sourceColors(SchemeStyles::kShapes)[2])
        << "a field without a colour leaves its sample as it was";
}

TEST(HostileFiles, AnIndexWithForeignLineEndsReadsLikeTheCrLfOneAndIsRepairedOnce)
{
    const std::string crlf = indexOf({"c1.rgb|Web|0", "recent.rgb|Recent|0", "c4.rgb|Mine|1", "c5.rgb|Other|1"});
    for (const char* end : {"\n", "\r"}) {
        std::string text = crlf;
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
            text.replace(at, 2, end);
        TempDir dir;
        dir.write("colorchart.cci", text);
        const ChartList list = ChartIndex(dir.path()).read();
        ASSERT_EQ(list.entries.size(), 4u) << int(*end);
        EXPECT_EQ(list.entries[3].name, "Other") << int(*end);
        EXPECT_EQ(list.newChartFile, "c6.rgb") << int(*end);
        EXPECT_EQ(dir.read("colorchart.cci"), crlf) << "written with CR LF once";
        const auto repaired = std::filesystem::last_write_time(dir / "colorchart.cci");
        (void)ChartIndex(dir.path()).read();
        EXPECT_EQ(std::filesystem::last_write_time(dir / "colorchart.cci"), repaired) << "later reads leave it";
    }
}

TEST(HostileFiles, AHundredMegabytePalettePagesWithoutBeingReadWhole)
{
    TempDir dir;
    constexpr std::uintmax_t kSize = 100ull * 1024 * 1024;
    dir.write("c4.rgb", "");
    std::filesystem::resize_file(dir / "c4.rgb", kSize); // sparse: made at once, holds zero bytes
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
        while (io >> key >> value)
            if (key == "rchar:")
                return std::optional<std::uintmax_t>(value);
        return std::optional<std::uintmax_t>();
    };
    const auto before = bytesRead();
    const PaletteFile palette(dir.path(), "c4.rgb");
    ASSERT_EQ(palette.count(), n);
    const PalettePageCells first = palette.page(n, 1);
    EXPECT_EQ(first[0].record, n);
    EXPECT_EQ(first[0].color, MakeColor(0, 0, 255));
    EXPECT_EQ(first[2].color, MakeColor(255, 0, 0));
    EXPECT_EQ(first[3].color, std::nullopt) << "zero bytes are no colour";
    const std::int32_t pages = PalettePage::pageCount(n);
    EXPECT_EQ(palette.page(n, pages)[0].record, n - (pages - 1) * PalettePage::kCells);
    EXPECT_EQ(palette.colors(n - 2, n + 5).size(), 3u);
    const auto after = bytesRead();
    if (!before || !after)
        GTEST_SKIP() << "this system does not count the bytes a process reads";
    EXPECT_LT(*after - *before, 1024u * 1024u) << "a page read only the records it shows";
}
