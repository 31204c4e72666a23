// Checks the saved schemes that ship with the program: one record per line, every field a
// colour, and the classic link colours as the Web Links scheme loaded at start.
#include "core/scheme/schemecode.h"
#include "core/scheme/schemefiles.h"
#include "core/scheme/schemestate.h"

#include "core/files/fileio.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace prismara;

TEST(SchemeShippedData, EveryStyleHasWellFormedMatchingFiles)
{
    const std::filesystem::path folder = PRISMARA_SHIPPED_DATA_DIR;
    for (std::size_t s = 0; s < SchemeStyles::all().size(); ++s) {
        const SchemeFiles files(folder, s);
        const std::string stem = files.style().stem;
        const auto list = ReadFile(files.listPath());
        const auto data = ReadFile(files.dataPath());
        ASSERT_TRUE(list.has_value()) << stem;
        ASSERT_TRUE(data.has_value()) << stem;

        const auto lines = SplitLines(*list);
        ASSERT_GE(lines.size(), 3u) << stem << " ships a few schemes";
        std::string rebuilt;
        std::set<std::string> names;
        for (const std::string& line : lines) {
            const std::string name = SchemeFiles::nameFromLine(line);
            EXPECT_FALSE(name.empty()) << stem;
            EXPECT_TRUE(names.insert(name).second) << stem << ": duplicate " << name;
            rebuilt += SchemeFiles::quotedLine(name);
        }
        EXPECT_EQ(*list, rebuilt) << stem << ": quoted names, CR LF after each";

        EXPECT_EQ(data->size(), lines.size() * files.style().recordLength) << stem;
        for (std::size_t k = 1; k <= lines.size(); ++k) {
            const auto record = files.readRecord(k);
            ASSERT_TRUE(record.has_value()) << stem << " record " << k;
            for (const auto& field : *record)
                EXPECT_TRUE(field.has_value()) << stem << " record " << k;
        }
        for (char c : *data)
            EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << stem << ": upper-case hex only";
    }
}

TEST(SchemeShippedData, FirstWebLinksSchemeIsTheClassicBlackOnWhite)
{
    const SchemeFiles links(PRISMARA_SHIPPED_DATA_DIR, SchemeStyles::kWebLinks);
    EXPECT_EQ(ReadRange(links.dataPath(), 0, 36).value(), "000000FFFFFFFF0000800080" "0000FF008000");

    SchemeState state;
    state.loadRecord(SchemeStyles::kWebLinks, links.readRecord(1).value());
    EXPECT_EQ(SchemeCode::fromState(state).html,
              "<body BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" VLINK=\"#800080\" ALINK=\"#FF0000\">");
    EXPECT_EQ(state.caption(SchemeStyles::kWebLinks, "lblhl"), "Hover Link Color: #008000");
}
