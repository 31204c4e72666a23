// The data files that ship with the program: an index that needs no repair with its fixed
// positions, whole upper-case palettes without repeats, and well-formed saved schemes whose first
// Web Links scheme is the classic black on white.
#include "core/palette/palettestore.h"
#include "core/scheme/schemecode.h"
#include "core/scheme/schemefiles.h"
#include "core/scheme/schemestate.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

#include <set>

using namespace prismara;
using prismara::test::TempDir;

TEST(ShippedData, TheIndexAndEveryPalette)
{
    TempDir dir; // a copy, so that nothing can write into the source tree
    for (const auto& entry : std::filesystem::directory_iterator(PRISMARA_SHIPPED_DATA_DIR))
        if (entry.path().filename() == "colorchart.cci" || entry.path().extension() == ".rgb")
            std::filesystem::copy_file(entry.path(), dir / entry.path().filename().string());
    const std::string index = dir.read("colorchart.cci");
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    EXPECT_TRUE(store.takeWarnings().empty());
    EXPECT_EQ(dir.read("colorchart.cci"), index) << "the shipped index needs no repair";
    ASSERT_GE(store.chartCount(), 5);
    EXPECT_EQ(store.chartFiles()[1], "recent.rgb");
    EXPECT_FALSE(dir.exists("recent.rgb")) << "the program makes the recent colours at start";
    EXPECT_EQ(store.chartNames()[2], "CSS Named Colors");
    for (int i = 0; i < store.chartCount(); ++i) {
        EXPECT_EQ(store.kindAt(i), i == 2 || i == 3 ? ChartKind::ReadOnly : ChartKind::BuiltIn) << i;
        if (i == 1)
            continue;
        const PaletteFile palette = store.palette(i);
        const std::string bytes = ReadFile(palette.path()).value_or("");
        EXPECT_TRUE(!bytes.empty() && bytes.size() % 6 == 0) << palette.fileName();
        std::set<std::string> seen;
        for (std::size_t at = 0; at + 6 <= bytes.size(); at += 6) {
            const std::string record = bytes.substr(at, 6);
            const auto colour = ParseRgbRecord(record);
            ASSERT_TRUE(colour.has_value()) << palette.fileName() << ": " << record;
            EXPECT_EQ("#" + record, HtmlHex(*colour)) << palette.fileName() << ": upper case";
            EXPECT_TRUE(seen.insert(record).second) << palette.fileName() << ": " << record << " twice";
            EXPECT_TRUE(i != 0 || IsWebSafe(*colour)) << record;
        }
        EXPECT_EQ(seen.size(), i == 0 ? 216u : i == 2 ? 139u : seen.size()) << palette.fileName();
    }
    EXPECT_FALSE(dir.exists(store.newChartFile()));
}

TEST(ShippedData, EverySchemeStyleHasWellFormedMatchingFiles)
{
    const std::filesystem::path folder = PRISMARA_SHIPPED_DATA_DIR;
    for (std::size_t s = 0; s < SchemeStyles::all().size(); ++s) {
        const SchemeFiles files(folder, s);
        const std::string stem = files.style().stem;
        const auto lines = SplitLines(ReadFile(files.listPath()).value_or(""));
        ASSERT_GE(lines.size(), 3u) << stem << " ships a few schemes";
        std::string rebuilt;
        std::set<std::string> names;
        for (const std::string& line : lines) {
            const std::string name = SchemeFiles::nameFromLine(line);
            EXPECT_TRUE(!name.empty() && names.insert(name).second) << stem << ": " << name;
            rebuilt += SchemeFiles::quotedLine(name);
        }
        EXPECT_EQ(ReadFile(files.listPath()), rebuilt) << stem << ": quoted names, CR LF after each";
        const std::string data = ReadFile(files.dataPath()).value_or("");
        EXPECT_EQ(data.size(), lines.size() * files.style().recordLength) << stem;
        EXPECT_EQ(data.find_first_not_of("0123456789ABCDEF"), std::string::npos) << stem << ": upper-case hex only";
    }
    SchemeState state;
    state.loadRecord(SchemeStyles::kWebLinks, SchemeFiles(folder, SchemeStyles::kWebLinks).readRecord(1).value());
    EXPECT_EQ(SchemeCode::fromState(state).html,
              R"(<body BGCOLOR="#FFFFFF" TEXT="#000000" LINK="#0000FF" VLINK="#800080" ALINK="#FF0000">)");
}
