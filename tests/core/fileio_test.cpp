// Tests of the data-file layer (its rewrites under faults: rewrite_faults_test).
#include "core/files/fileio.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace prismara;

TEST(FileIo, AppendCreatesReadRangeStopsAtTheEndAndReplaceLeavesNoTemporary)
{
    test::TempDir dir;
    ASSERT_TRUE(AppendToFile(dir / "p.rgb", "FF0000"));
    ASSERT_TRUE(AppendToFile(dir / "p.rgb", "00FF00"));
    EXPECT_EQ(FileSize(dir / "p.rgb"), 12u);
    EXPECT_EQ(ReadRange(dir / "p.rgb", 9, 6).value(), "F00");
    EXPECT_FALSE(ReadRange(dir / "missing", 0, 6).has_value());
    EXPECT_EQ(FileSize(dir / "missing"), 0u);
    EXPECT_TRUE(RemoveFile(dir / "missing"));

    dir.write("p.tmp", "stale records that must not survive");
    ASSERT_TRUE(ReplaceFile(dir / "p.rgb", dir / "p.tmp", "new"));
    EXPECT_EQ(dir.read("p.rgb"), "new");
    EXPECT_FALSE(dir.exists("p.tmp"));
}

TEST(FileIo, SplitLinesAcceptsEveryLineEnd)
{
    EXPECT_EQ(SplitLines("a\r\n\r\nb\nc\rd\r"), (std::vector<std::string>{"a", "", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a"), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(SplitLines("").empty());
}
